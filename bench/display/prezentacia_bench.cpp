// The presentation step: the game's 1024 x 768 picture put on a real screen of
// another size, nearest-neighbour. Argument: 1 (the picture's own size, a plain
// copy), 2 (a window twice as large), 0 (fitted to a 1920 x 1080 desktop,
// 1440 x 1080 in the middle). The real screen is a memory bitmap here; the
// display's own copy of it is in the system measurement.
#include <benchmark/benchmark.h>

#include "display/obraz.h"
#include "display/umiestnenie.h"

namespace {

void BM_prezentacia(benchmark::State &state)
{
    int n = (int)state.range(0);
    int w = n ? 1024 * n : 1920, h = n ? 768 * n : 1080;
    BITMAP *obraz = create_bitmap_ex(16, 1024, 768);
    BITMAP *kam = create_bitmap_ex(16, w, h);
    if (!obraz || !kam) {
        state.SkipWithError("out of memory");
    } else {
        for (int y = 0; y < 768; y++)
            for (int x = 0; x < 1024; x++)
                putpixel(obraz, x, y, makecol_depth(16, x & 255, y & 255, (x ^ y) & 255));
        Umiestnenie u = umiestni(1024, 768, w, h);
        for (auto _ : state) {
            prenes_obraz(obraz, kam, u, 0, 0, 1024, 768);
            benchmark::ClobberMemory();
        }
    }
    if (kam)
        destroy_bitmap(kam);
    if (obraz)
        destroy_bitmap(obraz);
}
BENCHMARK(BM_prezentacia)->Arg(1)->Arg(2)->Arg(0)->Unit(benchmark::kMicrosecond);

}  // namespace
