// The HUD strip along the bottom of the screen: gauges, count boxes, money and time.

#include "simulation/status_bar.h"

#include "platform/rozlisenie.h"
#include "text/alfont.h"

void drawBorder(BITMAP *bmp, int x1, int y1, int x2, int y2, int color)
{
    line(bmp, x1, y1, x2, y1, color);
    line(bmp, x1, y2, x2, y2, color);
    line(bmp, x1, y1, x1, y2, color);
    line(bmp, x2, y1, x2, y2, color);
}

void drawProgressBar(BITMAP *bmp, int x, int y, int w, int h, int r1, int g1, int b1, int r2, int g2, int b2,
                     int percent, bool outline, int outline_color, int background)
{
    int steps = w;
    if (steps > 255)
        steps = 255;
    if (steps <= 0)
        steps = 1;

    // Per-column step from the larger end value of each channel.
    int dr = (r1 > r2 ? r1 : r2) / steps;
    int dg = (g1 > g2 ? g1 : g2) / steps;
    int db = (b1 > b2 ? b1 : b2) / steps;
    bool up_r = r2 >= r1;
    bool up_g = g2 >= g1;
    bool up_b = b2 >= b1;

    rectfill(bmp, x, y, x + w, y + h, background);

    // Not clamped: above 100 % the fill runs past the box. The product is
    // taken in 64 bits so an absurd percentage cannot overflow.
    int filled = (int)((long long)percent * w / 100);
    for (int i = 0; i < filled; i++) {
        int color;
        if (i > steps) {
            color = makecol(r2, g2, b2);
        } else {
            color = makecol(up_r ? r1 + i * dr : r1 - i * dr, up_g ? g1 + i * dg : g1 - i * dg,
                            up_b ? b1 + i * db : b1 - i * db);
        }
        line(bmp, x + i, y, x + i, y + h, color);
    }

    if (outline)
        drawBorder(bmp, x, y, x + w, y + h, outline_color);
}

void drawStatusBar(BITMAP *bmp, ALFONT_FONT *pismo, int health, int navnada, int torpedo1, int torpedo2, int torpedo3,
                   int torpedo4, int torpeda, int navnady, int cas, int peniaze, bool, int color1, int color2)
{
    const int W = sirka_obrazu();
    const int H = vyska_obrazu() / 10;

    // The decimal divisors are doubles, divided in extended precision: 1024 / 51.2
    // falls just short of 20 and the bar is laid out with 19.
    const int okraj = (int)((long double)W / 51.2);
    const int medzera = (int)((long double)H / 7.6);
    const int zdravie_w = (int)((long double)W / 3.41);
    const int zdravie_h = (int)((long double)H / 3.3);
    const int tuba_w = (int)((long double)W / 6.83);
    const int tuba_h = (int)((long double)H / 6.33);
    const int navnada_w = (int)((long double)W / 5.12);
    const int navnada_okraj = (int)((long double)W / 12.8);
    const int pred_boxami = (int)((long double)W / 10.24);
    const int box_w = (int)((long double)W / 8.26);
    const int box_h = (int)((long double)H / 3.16);

    const int biela = makecol(255, 255, 255);
    const int cierna = makecol(0, 0, 0);

    rectfill(bmp, 0, 0, W, H, color2);
    line(bmp, 0, 0, W, 0, color1);

    drawProgressBar(bmp, okraj, medzera, zdravie_w, zdravie_h, 255, 0, 0, 0, 255, 0, health, true, biela,
                    makecol(0, 0, 255));

    const int tuba_x1 = W - 2 * tuba_w - 2 * okraj;
    const int tuba_x2 = W - tuba_w - okraj;
    const int tuba_y2 = 2 * medzera + tuba_h;
    drawProgressBar(bmp, tuba_x1, medzera, tuba_w, tuba_h, 255, 0, 0, 0, 255, 0, torpedo1, false, 0, cierna);
    drawProgressBar(bmp, tuba_x2, medzera, tuba_w, tuba_h, 255, 0, 0, 0, 255, 0, torpedo2, false, 0, cierna);
    drawProgressBar(bmp, tuba_x1, tuba_y2, tuba_w, tuba_h, 255, 0, 0, 0, 255, 0, torpedo3, false, 0, cierna);
    drawProgressBar(bmp, tuba_x2, tuba_y2, tuba_w, tuba_h, 255, 0, 0, 0, 255, 0, torpedo4, false, 0, cierna);

    drawProgressBar(bmp, W - navnada_w - navnada_okraj, 3 * medzera + 2 * tuba_h, navnada_w, tuba_h, 255, 0, 0, 0, 255,
                    0, navnada, false, 0, cierna);

    drawBorder(bmp, okraj, H - medzera - zdravie_h, okraj + zdravie_w, H - medzera, biela);

    const int sekundy = cas % 60;
    const int minuty = (cas - sekundy) / 60;

    const int box_x = 2 * okraj + zdravie_w + pred_boxami;
    drawBorder(bmp, box_x, medzera, box_x + box_w, medzera + box_h, biela);
    drawBorder(bmp, box_x, H - medzera - box_h, box_x + box_w, H - medzera, biela);

    alfont_text_mode(-1);

    // The white outlines stop each fill, so only the boxes' insides turn black.
    floodfill(bmp, box_x + box_w / 2, medzera + 1, cierna);
    floodfill(bmp, okraj + zdravie_w / 2, H - medzera - zdravie_h + 1, cierna);
    floodfill(bmp, box_x + box_w / 2, H - medzera - box_h + 1, cierna);

    const int zelena = makecol(76, 176, 76);
    alfont_textprintf_centre_aa(bmp, pismo, box_x + box_w / 2, medzera, zelena, "%d", torpeda);
    alfont_textprintf_centre_aa(bmp, pismo, box_x + box_w / 2, H - medzera - box_h, zelena, "%d", navnady);
    alfont_textprintf_centre_aa(bmp, pismo, okraj + zdravie_w / 2, H - medzera - zdravie_h, makecol(176, 76, 76),
                                "$ %d \t\t %d:%d", peniaze, minuty, sekundy);
}
