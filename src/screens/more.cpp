#include "screens/more.h"

#include <cstdio>
#include <cstdlib>

// Rows of each band; the layout is fixed and does not scale with the height.
static const int PAS = 102;

void create_more(BITMAP *bmp, int w, int h, int color)
{
    clear_to_color(bmp, color);
    printf("Creating more....\n");

    bool noc = color == makecol(9, 0, 26);
    // Single precision on purpose: the gradient's rounding gives its last row.
    float r, g, b;
    float dr, dg, db;
    if (noc) {
        r = 62;
        g = 17;
        b = 255;
        dr = 62.0f / 306;
        dg = 17.0f / 306;
        db = 92.0f / 306;
    } else {
        r = 83;
        g = 144;
        b = 255;
        dr = 21.0f / 306;
        dg = 127.0f / 306;
        db = 0;
    }

    for (int y = PAS; y < 2 * PAS; y++)
        line(bmp, 0, y, w - 1, y, makecol((int)r, (int)g, (int)b));
    printf("First part created\n");

    for (int y = 2 * PAS; y < 5 * PAS; y++) {
        r = r - dr;
        g = g - dg;
        b = b - db;
        line(bmp, 0, y, w - 1, y, makecol((int)r, (int)g, (int)b));
    }
    printf("Second part created\n");

    // The sky is not connected to the seed, so only the sea below the gradient fills.
    floodfill(bmp, w / 2, h - 1, makecol((int)r, (int)g, (int)b));

    if (noc) {
        printf("Creating stars...\n");
        for (int x = 0; x < w; x += 4)
            putpixel(bmp, x, rand() % PAS - 5, makecol(255, 255, 255));
    }
    printf("More sucessfully created!\n");
}
