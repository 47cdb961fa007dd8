#ifndef PONORKA_TEST_TESTOVACIE_OBRAZKY_H
#define PONORKA_TEST_TESTOVACIE_OBRAZKY_H

#include <allegro.h>

#include <climits>
#include <cmath>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "objects/obrazky.h"
#include "support/temp_dir.h"

// Solid colours of the stand-in sprites, one per image file.
#define FARBA_HRAC_VPRAVO 0, 200, 0
#define FARBA_HRAC_VLAVO 0, 0, 200
#define FARBA_NEPRIATEL 200, 0, 0
#define FARBA_TORPEDO 200, 200, 0
#define FARBA_GULOMET 0, 200, 200

inline void vloz_jednofarebny(const char *cesta, int w, int h, int r, int g, int b)
{
    BITMAP *bmp = create_bitmap(w, h);
    clear_to_color(bmp, makecol(r, g, b));
    obrazky_vloz(cesta, bmp);
    destroy_bitmap(bmp);
}

// Puts solid stand-ins of the game's sprite sizes into the image cache, so
// objects get sprites whatever the working directory holds.
inline void vloz_testovacie_obrazky()
{
    vloz_jednofarebny("gfx/submarine/sub_player_right.tga", 100, 25, FARBA_HRAC_VPRAVO);
    vloz_jednofarebny("gfx/submarine/sub_player_left.tga", 100, 25, FARBA_HRAC_VLAVO);
    vloz_jednofarebny("gfx/submarine/nepriatel.tga", 50, 25, FARBA_NEPRIATEL);
    vloz_jednofarebny("gfx/torpedo.tga", 20, 10, FARBA_TORPEDO);
    vloz_jednofarebny("gfx/gulomet.tga", 12, 6, FARBA_GULOMET);
}

// The bow end of a marked stand-in sprite.
#define FARBA_PRIDA 255, 255, 255

// A stand-in whose bow end, the last fifth of its length on the right or the
// left, is FARBA_PRIDA, so a drawing shows which way the image points.
inline void vloz_s_pridou(const char *cesta, int w, int h, int r, int g, int b, bool prida_vpravo)
{
    BITMAP *bmp = create_bitmap(w, h);
    clear_to_color(bmp, makecol(r, g, b));
    int x1 = prida_vpravo ? w - w / 5 : 0;
    rectfill(bmp, x1, 0, x1 + w / 5 - 1, h - 1, makecol(FARBA_PRIDA));
    obrazky_vloz(cesta, bmp);
    destroy_bitmap(bmp);
}

// Mean position of the pixels that are (or, with ine, are not) the colour.
struct Tazisko {
    double x = 0, y = 0;
    int n = 0;
};

inline Tazisko tazisko(BITMAP *bmp, int farba, bool ine = false)
{
    Tazisko t;
    for (int y = 0; y < bmp->h; y++)
        for (int x = 0; x < bmp->w; x++)
            if ((getpixel(bmp, x, y) == farba) != ine) {
                t.x += x;
                t.y += y;
                t.n++;
            }
    if (t.n > 0) {
        t.x /= t.n;
        t.y /= t.n;
    }
    return t;
}

// Angle in degrees between the way from the drawing's centre to its bow and
// the heading's direction (x by the sine, y by the cosine).
inline double odklon_pridy(BITMAP *bmp, int pozadie, double uhol)
{
    Tazisko vsetko = tazisko(bmp, pozadie, true);
    Tazisko prida = tazisko(bmp, makecol(FARBA_PRIDA));
    double dx = prida.x - vsetko.x, dy = prida.y - vsetko.y;
    double h = uhol * M_PI / 180;
    double cos_odklonu = (dx * std::sin(h) + dy * std::cos(h)) / std::sqrt(dx * dx + dy * dy);
    return std::acos(std::fmax(-1.0, std::fmin(1.0, cos_odklonu))) * 180 / M_PI;
}

// Smallest rectangle holding every pixel that differs from the background.
struct Obdlznik {
    int x1 = INT_MAX, y1 = INT_MAX, x2 = -1, y2 = -1;
    bool prazdny() const { return x2 < 0; }
};

inline Obdlznik nakreslene(BITMAP *bmp, int pozadie)
{
    Obdlznik o;
    for (int y = 0; y < bmp->h; y++)
        for (int x = 0; x < bmp->w; x++)
            if (getpixel(bmp, x, y) != pozadie) {
                if (x < o.x1)
                    o.x1 = x;
                if (y < o.y1)
                    o.y1 = y;
                if (x > o.x2)
                    o.x2 = x;
                if (y > o.y2)
                    o.y2 = y;
            }
    return o;
}

// Runs a test in an empty temporary working directory and returns to the
// previous one afterwards; the directory and what the test made go with it.
class DocasnyAdresar {
public:
    DocasnyAdresar()
    {
        char povodny[PATH_MAX];
        if (getcwd(povodny, sizeof povodny))
            povodny_ = povodny;
        std::string vzor = process_temp_dir() + "obrazky-XXXXXX";
        if (mkdtemp(vzor.data()))
            cesta_ = vzor;
        if (!cesta_.empty() && chdir(cesta_.c_str()) != 0)
            cesta_.clear();
    }
    ~DocasnyAdresar()
    {
        if (!povodny_.empty() && chdir(povodny_.c_str()) != 0)
            return;
        if (!cesta_.empty()) {
            std::string prikaz = "rm -rf '" + cesta_ + "'";
            if (system(prikaz.c_str()) != 0)
                return;
        }
    }
    bool ok() const { return !cesta_.empty(); }
    const std::string &cesta() const { return cesta_; }

private:
    std::string povodny_;
    std::string cesta_;
};

#endif
