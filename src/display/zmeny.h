#ifndef PONORKA_ZMENY_H
#define PONORKA_ZMENY_H

#include <vector>

#include <allegro.h>

// What changed between two pictures, so that only that is copied or shown.
// Writing to the real screen is what costs (the display converts and sends
// every row written); reading it back and comparing costs little.

// A rectangle of the first bitmap compared (its own coordinates).
struct Pas {
    int x, y, w, h;
};

// Compares the w x h rectangle at (ax, ay) in `a` with the one at (bx, by) in
// `b`, clipped to both bitmaps. Each run of rows that differ becomes one band
// as wide as the columns that differ in it. Bitmaps of different depths, or
// one whose rows can't be read, give the whole rectangle as one band.
std::vector<Pas> zmenene_pasy(BITMAP *a, int ax, int ay, BITMAP *b, int bx, int by, int w, int h);

// blit() that writes only the bands where `kam` differs from `z`: the same
// pixels as the whole copy.
void kopiruj_zmeny(BITMAP *z, BITMAP *kam, int zx, int zy, int kx, int ky, int w, int h);

#endif
