// The world step without drawing: Spravca::Krok on steps that are not drawing
// steps, for the mission-2 battle and for worlds of 10 to 10,000 objects.
#include <benchmark/benchmark.h>

#include "support/cas.h"
#include "support/zataz.h"
#include "world/spravca.h"

namespace {

// Steps per iteration: enough to dwarf the clock reads, few enough that the
// world built for the iteration still looks like its load when they end.
const int K = 16;
// The reported time is that of one step, so the least time the library gathers
// is cut to a K-th of its usual half second (K times as many steps are timed
// as that time says), and to a quarter of that again to keep the run short.
const double NAJMENEJ_SEKUND = 0.5 / K / 4;

// Each iteration builds a fresh world (not timed) and times K world steps by
// the thread's CPU clock; the reported time is that of one step.
void kroky(benchmark::State &state, const Zataz &z)
{
    for (auto _ : state) {
        Spravca *svet = new Spravca;
        napln_svet(*svet, z);
        double zaciatok = cas_vlakna();
        for (int i = 0; i < K; i++) {
            // Keeps every step a step without drawing.
            ked_vykresli = 1;
            svet->Krok();
        }
        double koniec = cas_vlakna();
        state.SetIterationTime((koniec - zaciatok) / K);
        delete svet;
    }
    ked_vykresli = 1;
    state.counters["objekty"] = z.spolu();
    state.counters["na_objekt"] =
        benchmark::Counter(z.spolu(), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.SetComplexityN(z.spolu());
}

void BM_Krok_Flotila2(benchmark::State &state)
{
    kroky(state, zataz_flotila2());
}
BENCHMARK(BM_Krok_Flotila2)->UseManualTime()->MinTime(NAJMENEJ_SEKUND)->Unit(benchmark::kMicrosecond);

// Five boats and a growing crowd of projectiles: every search runs over the
// five boats or the decoys, so a step grows linearly with the object count.
void BM_Krok_Objekty_Flotila(benchmark::State &state)
{
    kroky(state, zataz_flotila_a((int)state.range(0)));
}
BENCHMARK(BM_Krok_Objekty_Flotila)
    ->Arg(10)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(10000)
    ->UseManualTime()
    ->MinTime(NAJMENEJ_SEKUND)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity(benchmark::oN);

// Every kind grows in proportion: torpedoes x boats, bullets x boats and enemy
// torpedoes x decoys are linear searches per object, so a step grows with n^2.
void BM_Krok_Objekty_Umerne(benchmark::State &state)
{
    kroky(state, zataz_umerna((int)state.range(0)));
}
BENCHMARK(BM_Krok_Objekty_Umerne)
    ->Arg(10)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(10000)
    ->UseManualTime()
    ->MinTime(NAJMENEJ_SEKUND)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity(benchmark::oNSquared);

}  // namespace
