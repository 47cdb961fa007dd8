// One status-bar repaint, as the frame loop does it on every drawing step, with
// the game's status-bar font at size 20.
#include <benchmark/benchmark.h>

#include "simulation/status_bar.h"
#include "support/prostredie.h"
#include "text/alfont.h"

namespace {

void BM_drawStatusBar(benchmark::State &state)
{
    ALFONT_FONT *font = nacitaj_pismo("data/fonts/formal.ttf", 20);
    if (font == nullptr) {
        state.SkipWithError("data/fonts/formal.ttf is missing");
        return;
    }
    // The bar lays itself out from the screen mode; without a display a
    // driver record reporting 1024 x 768 stands in for it.
    GFX_DRIVER mode = {};
    mode.w = 1024;
    mode.h = 768;
    GFX_DRIVER *saved = gfx_driver;
    gfx_driver = &mode;
    BITMAP *bar = create_bitmap(1024, 76);
    const int old_mode = alfont_textmode;

    // Warm the glyph cache as the first frame of the game would.
    drawStatusBar(bar, font, 73, 40, 100, 55, 10, 0, 12, 5, 754, 1200, true, makecol(255, 255, 0),
                  makecol(128, 128, 128));
    for (auto _ : state) {
        drawStatusBar(bar, font, 73, 40, 100, 55, 10, 0, 12, 5, 754, 1200, true, makecol(255, 255, 0),
                      makecol(128, 128, 128));
        benchmark::ClobberMemory();
    }

    alfont_text_mode(old_mode);
    destroy_bitmap(bar);
    gfx_driver = saved;
    alfont_destroy_font(font);
}
BENCHMARK(BM_drawStatusBar)->Unit(benchmark::kMicrosecond);

}  // namespace
