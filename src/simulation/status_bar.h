#ifndef PONORKA_STATUS_BAR_H
#define PONORKA_STATUS_BAR_H

#include <allegro.h>

struct ALFONT_FONT;

void drawBorder(BITMAP *bmp, int x1, int y1, int x2, int y2, int color);
void drawProgressBar(BITMAP *bmp, int x, int y, int w, int h, int r1, int g1, int b1, int r2, int g2, int b2,
                     int percent, bool outline, int outline_color, int background);
void drawStatusBar(BITMAP *bmp, ALFONT_FONT *font, int health, int navnada, int torpedo1, int torpedo2, int torpedo3,
                   int torpedo4, int torpeda, int navnady, int cas, int peniaze, bool flag, int color1, int color2);

#endif
