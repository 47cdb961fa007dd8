// Text output costs: cached measuring, opaque output with its colour table,
// transparent output switching the blender per pixel, and a cold glyph cache.
#include <benchmark/benchmark.h>

#include "support/prostredie.h"
#include "text/alfont.h"

namespace {

const char *const line = "Velitel: ponorka pripravena, torpeda nabite. $ 1200   12:34";

struct Pismo {
    explicit Pismo(int size) : font(nacitaj_pismo("data/fonts/formal.ttf", size)) {}
    ~Pismo() { alfont_destroy_font(font); }
    ALFONT_FONT *font;
};

void BM_alfont_text_length(benchmark::State &state)
{
    Pismo p(20);
    if (p.font == nullptr) {
        state.SkipWithError("data/fonts/formal.ttf is missing");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(alfont_text_length(p.font, line));
}
BENCHMARK(BM_alfont_text_length);

// range(0): the mode, 0 for opaque on black, -1 for transparent.
void BM_alfont_textout(benchmark::State &state)
{
    Pismo p((int)state.range(1));
    if (p.font == nullptr) {
        state.SkipWithError("data/fonts/formal.ttf is missing");
        return;
    }
    BITMAP *b = create_bitmap(1024, 76);
    clear_to_color(b, makecol(0, 0, 0));
    const int mode = (int)state.range(0);
    for (auto _ : state) {
        alfont_textout_aa_ex(b, p.font, line, 10, 10, makecol(176, 76, 76), mode);
        benchmark::ClobberMemory();
    }
    solid_mode();
    destroy_bitmap(b);
}
BENCHMARK(BM_alfont_textout)->ArgsProduct({{0, -1}, {20, 36}})->Unit(benchmark::kMicrosecond);

// Every size change empties the cache: the cost of rendering a line's glyphs anew.
void BM_alfont_cold_cache(benchmark::State &state)
{
    Pismo p(20);
    if (p.font == nullptr) {
        state.SkipWithError("data/fonts/formal.ttf is missing");
        return;
    }
    int size = 20;
    for (auto _ : state) {
        size = size == 20 ? 25 : 20;
        alfont_set_font_size(p.font, size);
        benchmark::DoNotOptimize(alfont_text_length(p.font, line));
    }
}
BENCHMARK(BM_alfont_cold_cache)->Unit(benchmark::kMicrosecond);

}  // namespace
