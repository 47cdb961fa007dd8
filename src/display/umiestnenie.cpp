#include "display/umiestnenie.h"

Umiestnenie umiestni(int obraz_w, int obraz_h, int ciel_w, int ciel_h)
{
    Umiestnenie u;
    // Whichever side of the screen is the narrower for the picture's shape sets the size.
    if ((long)ciel_w * obraz_h <= (long)ciel_h * obraz_w) {
        u.w = ciel_w;
        u.h = (int)((long)ciel_w * obraz_h / obraz_w);
    } else {
        u.h = ciel_h;
        u.w = (int)((long)ciel_h * obraz_w / obraz_h);
    }
    u.x = (ciel_w - u.w) / 2;
    u.y = (ciel_h - u.h) / 2;
    return u;
}

int najvacsia_mierka(int obraz_w, int obraz_h, int ciel_w, int ciel_h)
{
    int n = 1;
    while ((n + 1) * obraz_w <= ciel_w && (n + 1) * obraz_h <= ciel_h)
        n++;
    return n;
}

bool bod_v_obraze(const Umiestnenie &u, int obraz_w, int obraz_h, int x, int y, int &ox, int &oy)
{
    if (x < u.x || y < u.y || x >= u.x + u.w || y >= u.y + u.h)
        return false;
    ox = (int)((long)(x - u.x) * obraz_w / u.w);
    oy = (int)((long)(y - u.y) * obraz_h / u.h);
    return true;
}
