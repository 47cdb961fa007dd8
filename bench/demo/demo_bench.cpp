// What recording a demo adds to each step of the frame loop: the command
// written as its line and read back, the runs of equal commands, and on every
// hundredth step the state checksum and the flush of the file.
#include <cstdio>

#include <benchmark/benchmark.h>

#include "demo/demo_priebeh.h"
#include "demo/demo_zapis.h"
#include "demo/kontrolny_sucet.h"
#include "simulation/frame_loop.h"
#include "support/zataz.h"
#include "world/spravca.h"

namespace {

// Hands out commands that change every few steps, as a player's keys do.
class Hrac : public Priebeh {
public:
    bool povel(Spravca &, Hra &hra, int, Povel &p) override
    {
        p.klavesy = (unsigned)(hra.kroky / 23 % 7) * 0x111u;
        p.buffer = true;
        return true;
    }
    bool briefing(Hra &, int, char *) override { return true; }
    bool obchod(Nakup &) override { return true; }
};

// One step's recording: the hooks before and after the step; the step itself
// is not run, so the checksum sees the mission-2 battle every time.
void BM_NahravanieKroku(benchmark::State &state)
{
    Spravca svet;
    napln_svet(svet, zataz_flotila2());
    Hra hra{};
    FILE *f = tmpfile();
    ZapisDema zapis(f, "bench");
    Hrac hrac;
    NahravanieDema nahravanie(zapis, hrac);
    for (auto _ : state) {
        Povel p;
        nahravanie.povel(svet, hra, 1, p);
        benchmark::DoNotOptimize(p);
        hra.kroky++;
        nahravanie.po_kroku(svet, hra, 1, false);
        // Keeps the file from growing without end over millions of steps.
        if (hra.kroky % 1000000 == 0)
            rewind(f);
    }
    fclose(f);
}
BENCHMARK(BM_NahravanieKroku)->Unit(benchmark::kNanosecond);

// The checksum alone over the mission-2 battle (110 objects); recording
// pays it once in 100 steps.
void BM_KontrolnySucet_Flotila2(benchmark::State &state)
{
    Spravca svet;
    napln_svet(svet, zataz_flotila2());
    for (auto _ : state)
        benchmark::DoNotOptimize(kontrolny_sucet(svet));
}
BENCHMARK(BM_KontrolnySucet_Flotila2)->Unit(benchmark::kNanosecond);

}  // namespace
