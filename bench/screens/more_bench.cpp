// The sea background as the game makes it once at start-up.
#include <cstdlib>

#include <benchmark/benchmark.h>

#include "screens/more.h"

namespace {

void BM_CreateMore(benchmark::State &state)
{
    BITMAP *pozadie = create_bitmap(1024, 768);
    int noc = makecol(9, 0, 26);
    srand(1);
    for (auto _ : state) {
        create_more(pozadie, 1024, 768, noc);
        benchmark::DoNotOptimize(pozadie->line[767][0]);
    }
    destroy_bitmap(pozadie);
}
BENCHMARK(BM_CreateMore)->Unit(benchmark::kMillisecond);

}  // namespace
