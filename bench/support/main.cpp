#include <cerrno>
#include <cstdlib>

#include <allegro.h>
#include <benchmark/benchmark.h>

// Benchmarks draw into memory bitmaps: Allegro without a display, 16-bit colour.
int main(int argc, char **argv)
{
    if (install_allegro(SYSTEM_NONE, &errno, atexit) != 0)
        return 1;
    set_color_depth(16);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
