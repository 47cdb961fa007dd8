#ifndef PONORKA_MORE_H
#define PONORKA_MORE_H

#include <allegro.h>

// Paints sky, light band, darkening sea and deep sea; stars for the night colour.
void create_more(BITMAP *bmp, int w, int h, int color);

#endif
