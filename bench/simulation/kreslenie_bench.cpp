// One full drawing step of the frame loop on real 16-bit bitmaps, for the
// mission-2 battle: background copy, the world step with every object's
// Nakresli and the world-to-screen copy, the status bar's copy to the screen
// and its redraw. Fire control, combat and the pacing wait are left out.
// Its parts are measured alone too, to show where the time goes.
#include <benchmark/benchmark.h>

#include "platform/casovac.h"
#include "screens/more.h"
#include "simulation/frame_loop.h"
#include "simulation/status_bar.h"
#include "support/cas.h"
#include "support/prostredie.h"
#include "support/rezim.h"
#include "support/zataz.h"
#include "text/alfont.h"
#include "world/spravca.h"

namespace {

// Drawing steps per iteration; each iteration starts from a fresh world. The
// reported time is that of one step, so the least time gathered shrinks alike.
const int KROKY = 16;
const double NAJMENEJ_SEKUND = 0.5 / KROKY / 2;

struct Kulisy {
    BITMAP *pozadie;
    BITMAP *stavovy;
    ALFONT_FONT *pismo;

    Kulisy()
    {
        pozadie = create_bitmap(1024, 768);
        srand(1);
        create_more(pozadie, 1024, 768, makecol(9, 0, 26));
        stavovy = create_bitmap(1024, 76);
        clear_bitmap(stavovy);
        pismo = nacitaj_pismo("data/fonts/formal.ttf", 20);
    }
    ~Kulisy()
    {
        destroy_bitmap(pozadie);
        destroy_bitmap(stavovy);
        alfont_destroy_font(pismo);
    }
};

// The drawing half of frame_step, in its order, with the values the game passes.
void kresliaci_krok(Spravca &svet, Kulisy &k, int kroky)
{
    kedy_vykresli = 3;
    ked_vykresli = 3;
    blit(k.pozadie, svet.GetSvet(), 0, 0, 0, 0, 1024, 768);
    svet.Krok();
    blit(k.stavovy, screen, 0, 0, 0, SCREEN_H * 9 / 10, SCREEN_W, (int)((long double)SCREEN_H / 10.0));
    Ponorka &hrac = svet.GetHrac();
    drawStatusBar(
        k.stavovy, k.pismo, ukazovatel(hrac.GetHealth(), hrac.GetMax_health()),
        ukazovatel(hrac.GetNabijanie(4), hrac.GetPrebi(4)), ukazovatel(hrac.GetNabijanie(0), hrac.GetPrebi(0)),
        ukazovatel(hrac.GetNabijanie(1), hrac.GetPrebi(1)), ukazovatel(hrac.GetNabijanie(2), hrac.GetPrebi(2)),
        ukazovatel(hrac.GetNabijanie(3), hrac.GetPrebi(3)), hrac.GetTorpedo(), hrac.GetNavnada(), kroky / 100,
        hrac.GetMoney(), true, makecol(255, 255, 0), makecol(128, 128, 128));
    kedy_vykresli = 1;
}

void BM_KresliaciKrok_Flotila2(benchmark::State &state)
{
    Rezim1024 rezim;
    Kulisy k;
    if (!k.pismo || !assety_k_dispozicii()) {
        state.SkipWithError("assets missing");
        return;
    }
    int predosly = alfont_text_mode(0);
    int kroky = 0;
    for (auto _ : state) {
        Spravca *svet = new Spravca;
        svet->GetHrac().SetHealth(10000);
        svet->GetHrac().SetMax_health(10000);
        napln_svet(*svet, zataz_flotila2());
        double zaciatok = cas_vlakna();
        for (int i = 0; i < KROKY; i++) {
            kresliaci_krok(*svet, k, kroky);
            kroky += 3;
        }
        double koniec = cas_vlakna();
        state.SetIterationTime((koniec - zaciatok) / KROKY);
        delete svet;
    }
    ked_vykresli = 1;
    alfont_text_mode(predosly);
}
BENCHMARK(BM_KresliaciKrok_Flotila2)->UseManualTime()->MinTime(NAJMENEJ_SEKUND)->Unit(benchmark::kMicrosecond);

// The world step's drawing share alone: Krok on a drawing step (motion,
// every Nakresli, the copy to the screen).
void BM_KrokKresli_Flotila2(benchmark::State &state)
{
    Rezim1024 rezim;
    Kulisy k;
    for (auto _ : state) {
        Spravca *svet = new Spravca;
        napln_svet(*svet, zataz_flotila2());
        double zaciatok = cas_vlakna();
        for (int i = 0; i < KROKY; i++) {
            ked_vykresli = 3;
            svet->Krok();
        }
        double koniec = cas_vlakna();
        state.SetIterationTime((koniec - zaciatok) / KROKY);
        delete svet;
    }
    ked_vykresli = 1;
}
BENCHMARK(BM_KrokKresli_Flotila2)->UseManualTime()->MinTime(NAJMENEJ_SEKUND)->Unit(benchmark::kMicrosecond);

// The background copy into the world bitmap.
void BM_KopiaPozadia(benchmark::State &state)
{
    Kulisy k;
    BITMAP *svet = create_bitmap(1024, 768);
    for (auto _ : state) {
        blit(k.pozadie, svet, 0, 0, 0, 0, 1024, 768);
        benchmark::ClobberMemory();
    }
    destroy_bitmap(svet);
}
BENCHMARK(BM_KopiaPozadia)->Unit(benchmark::kMicrosecond);

// The world-to-screen copy as the world step makes it (a stretch at scale 1)
// and, for comparison, the same rectangle as a plain copy.
void BM_KopiaSvetaNaObrazovku(benchmark::State &state)
{
    Kulisy k;
    BITMAP *svet = create_bitmap(1024, 768);
    blit(k.pozadie, svet, 0, 0, 0, 0, 1024, 768);
    bool natiahnut = state.range(0) != 0;
    for (auto _ : state) {
        if (natiahnut)
            stretch_blit(svet, screen, 0, 0, 1024, 691, 0, 0, 1024, (int)(768 * 9 / 10.0));
        else
            blit(svet, screen, 0, 0, 0, 0, 1024, 691);
        benchmark::ClobberMemory();
    }
    destroy_bitmap(svet);
}
BENCHMARK(BM_KopiaSvetaNaObrazovku)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

}  // namespace
