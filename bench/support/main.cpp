#include <cerrno>
#include <cstdlib>
#include <iostream>

#include <allegro.h>
#include <benchmark/benchmark.h>

#include "support/prostredie.h"

// Benchmarks draw into memory bitmaps: Allegro without a display, 16-bit colour.
int main(int argc, char **argv)
{
    if (install_allegro(SYSTEM_NONE, &errno, atexit) != 0)
        return 1;
    set_color_depth(16);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    if (!priprav_prostredie())
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::cout.flush();
    return 0;
}
