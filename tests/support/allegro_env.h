#ifndef PONORKA_TEST_ALLEGRO_ENV_H
#define PONORKA_TEST_ALLEGRO_ENV_H

#include <allegro.h>

// Tests run Allegro without a display: memory bitmaps in 16-bit colour.
// Compares a pixel of a 16-bit bitmap with an RGB colour as the game makes it.
inline bool pixel_is(BITMAP *bmp, int x, int y, int r, int g, int b)
{
    return getpixel(bmp, x, y) == makecol16(r, g, b);
}

// Clears every key the game reads, so one test's held keys never leak into the next.
void release_all_keys();

// While one exists, keeps track of the bitmaps Allegro creates (loaded ones
// included, sub-bitmaps not) through the system driver's bitmap hooks, and
// tells how many of them have not been destroyed yet.
class ZiveBitmapy {
public:
    ZiveBitmapy();
    ~ZiveBitmapy();
    ZiveBitmapy(const ZiveBitmapy &) = delete;
    ZiveBitmapy &operator=(const ZiveBitmapy &) = delete;
    int pocet() const;
};

#endif
