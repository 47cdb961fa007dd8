#ifndef PONORKA_BENCH_PROSTREDIE_H
#define PONORKA_BENCH_PROSTREDIE_H

#include <allegro.h>

struct ALFONT_FONT;

// The benchmarks run from the game's run directory, so every asset loads by
// its game path. False when the generated assets are not there.
bool assety_k_dispozicii();

// A 1024 x 768 memory bitmap standing in for the screen: the world, the
// briefing and the shop copy their frames into it as they would to the display.
BITMAP *nahradna_obrazovka();

// Loads a font from data/fonts/ at a pixel size; null (with a message on
// stderr) when it can't be had.
ALFONT_FONT *nacitaj_pismo(const char *cesta, int velkost);

// Sets up everything the benchmarks share: the run directory, the text layer,
// the stand-in screen and the game's own stdout lines sent to /dev/null while
// the benchmark report still reaches the real standard output.
bool priprav_prostredie();

#endif
