// A seek in a played demo: the longest regression demo played to a step,
// then a seek asked; timed from the ask to the first step played where it
// landed. Back to the first step is a fresh world; from the start to the end
// is the whole demo played headless, as is a seek back to the step before
// the last (the dearest seek back).
#include <fstream>
#include <string>

#include <benchmark/benchmark.h>

#include "demo/demo.h"
#include "demo/demo_priebeh.h"
#include "demo/prehravac.h"
#include "simulation/frame_loop.h"
#include "support/cas.h"
#include "support/prostredie.h"
#include "text/alfont.h"
#include "world/spravca.h"

namespace {

// The demo's hooks on the live steps: asks for the seek on step `od`, and
// ends the run on the step it lands on.
struct Stopky : Priebeh {
    Prehravac *prehravac = nullptr;
    int od = 0, na = 0;
    double zaciatok = -1, trvanie = -1;

    bool povel(Spravca &, Hra &hra, int, Povel &) override
    {
        if (zaciatok >= 0 && hra.kroky == na) {
            trvanie = cas_vlakna() - zaciatok;
            return false;
        }
        if (zaciatok < 0 && hra.kroky == od) {
            prehravac->skoc_na(na);
            zaciatok = cas_vlakna();
        }
        return true;
    }
    bool briefing(Hra &, int, char *) override { return true; }
    bool obchod(Nakup &) override { return true; }
};

void skok(benchmark::State &state, int od, int na)
{
    std::string cesta = std::string(PONORKA_SOURCE_DIR) + "/tests/demos/short.demo";
    std::ifstream f(cesta);
    Demo demo;
    ChybaDema chyba;
    if (!citaj_demo(f, cesta, demo, chyba)) {
        state.SkipWithError(chyba.sprava.c_str());
        return;
    }
    Hra hra{};
    hra.pozadie = create_bitmap(1024, 768);
    clear_bitmap(hra.pozadie);
    hra.stavovy_riadok = create_bitmap(1024, 76);
    clear_bitmap(hra.stavovy_riadok);
    hra.pismo = nacitaj_pismo("data/fonts/formal.ttf", 20);
    hra.bez_cakania = true;
    for (auto _ : state) {
        kedy_vykresli = 1;
        ked_vykresli = 1;
        hra.kroky = 0;
        Spravca svet;
        priprav_svet(svet);
        Stopky stopky;
        stopky.od = od;
        stopky.na = na;
        PrehravanieDema prehravanie(demo, stopky, false);
        Prehravac prehravac(demo, prehravanie, nullptr);
        stopky.prehravac = &prehravac;
        Spravca *s = &svet;
        prehravac.hraj(s, hra);
        if (stopky.trvanie < 0) {
            state.SkipWithError("the seek did not land");
            break;
        }
        state.SetIterationTime(stopky.trvanie);
    }
    kedy_vykresli = 1;
    ked_vykresli = 1;
    destroy_bitmap(hra.pozadie);
    destroy_bitmap(hra.stavovy_riadok);
    alfont_destroy_font(hra.pismo);
}

// short.demo: 4338 steps, the last one 4337. A seek asked on step 4336 is
// made before step 4337, at the demo's end.
void BM_Skok_KoniecNaZaciatok(benchmark::State &state)
{
    skok(state, 4336, 0);
}
BENCHMARK(BM_Skok_KoniecNaZaciatok)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

void BM_Skok_ZaciatokNaKoniec(benchmark::State &state)
{
    skok(state, 0, 4337);
}
BENCHMARK(BM_Skok_ZaciatokNaKoniec)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

void BM_Skok_KoniecNaPredposledny(benchmark::State &state)
{
    skok(state, 4336, 4335);
}
BENCHMARK(BM_Skok_KoniecNaPredposledny)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

}  // namespace
