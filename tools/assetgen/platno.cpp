#include "platno.h"

#include <cmath>
#include <cstdio>

const int MAGENTA32 = makecol32(255, 0, 255);

Farba zmiesaj(Farba a, Farba b, double t)
{
    return Farba{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Farba krat(Farba a, double k)
{
    return Farba{a.r * k, a.g * k, a.b * k};
}

Farba plus(Farba a, Farba b)
{
    return Farba{a.r + b.r, a.g + b.g, a.b + b.b};
}

double obmedz(double v, double lo, double hi)
{
    return v < lo ? lo : (v > hi ? hi : v);
}

double plynulo(double e0, double e1, double x)
{
    double t = obmedz((x - e0) / (e1 - e0), 0.0, 1.0);
    return t * t * (3.0 - 2.0 * t);
}

int na_farbu(Farba f)
{
    int r = (int)std::lround(obmedz(f.r, 0.0, 255.0));
    int g = (int)std::lround(obmedz(f.g, 0.0, 255.0));
    int b = (int)std::lround(obmedz(f.b, 0.0, 255.0));
    // Painted colours never collide with the mask colour.
    if (r == 255 && g == 0 && b == 255)
        g = 1;
    return makecol32(r, g, b);
}

Farba osvetli(Farba zaklad, double nx, double ny, double nz, double lesk)
{
    const double lx = -0.45, ly = -0.65, lz = 0.61;  // unit vector towards the light
    double d = nx * lx + ny * ly + nz * lz;
    double dif = d > 0 ? d : 0;
    // Reflection of the light about the normal, compared with the view direction (0, 0, 1).
    double rz = 2 * d * nz - lz;
    double odlesk = rz > 0 ? std::pow(rz, 24.0) * lesk : 0;
    Farba c = krat(zaklad, 0.38 + 0.8 * dif);
    return plus(c, Farba{255 * odlesk, 250 * odlesk, 235 * odlesk});
}

uint32_t Nahoda::Dalsie()
{
    Stav = Stav * 1664525u + 1013904223u;
    return Stav >> 8;
}

double Nahoda::Cislo()
{
    return Dalsie() / 16777216.0;
}

Platno::Platno(int w, int h, int s, bool maska) : W(w), H(h), S(s), Maska(maska)
{
    Jemna = create_bitmap_ex(32, w * s, h * s);
    clear_to_color(Jemna, maska ? MAGENTA32 : makecol32(0, 0, 0));
}

Platno::~Platno()
{
    destroy_bitmap(Jemna);
}

Farba Platno::Citaj(int fx, int fy) const
{
    int c = getpixel(Jemna, fx, fy);
    return Farba{(double)getr32(c), (double)getg32(c), (double)getb32(c)};
}

void Platno::Primiesaj(int fx, int fy, Farba c, double a)
{
    if (fx < 0 || fy < 0 || fx >= W * S || fy >= H * S || a <= 0)
        return;
    if (Maska && getpixel(Jemna, fx, fy) == MAGENTA32) {
        if (a >= 0.5)
            putpixel(Jemna, fx, fy, na_farbu(c));
        return;
    }
    putpixel(Jemna, fx, fy, na_farbu(zmiesaj(Citaj(fx, fy), c, obmedz(a, 0, 1))));
}

BITMAP *Platno::Zmensi() const
{
    BITMAP *out = create_bitmap_ex(24, W, H);
    const int makecol_mask = makecol24(255, 0, 255);
    for (int y = 0; y < H; y++) {
        for (int x = 0; x < W; x++) {
            double r = 0, g = 0, b = 0;
            int n = 0;
            for (int j = 0; j < S; j++) {
                for (int i = 0; i < S; i++) {
                    int c = getpixel(Jemna, x * S + i, y * S + j);
                    if (Maska && c == MAGENTA32)
                        continue;
                    r += getr32(c);
                    g += getg32(c);
                    b += getb32(c);
                    n++;
                }
            }
            if (Maska && 2 * n < S * S) {
                putpixel(out, x, y, makecol_mask);
                continue;
            }
            int ir = (int)std::lround(r / n), ig = (int)std::lround(g / n), ib = (int)std::lround(b / n);
            if (ir == 255 && ig == 0 && ib == 255)
                ig = 1;
            putpixel(out, x, y, makecol24(ir, ig, ib));
        }
    }
    return out;
}

bool uloz(BITMAP *bmp, const char *cesta)
{
    static PALETTE pal;  // unused for true-colour images, but save_bitmap wants one
    if (save_bitmap(cesta, bmp, pal) != 0) {
        std::fprintf(stderr, "ponorka-assetgen: cannot write %s\n", cesta);
        return false;
    }
    return true;
}

BITMAP *zrkadlo(BITMAP *bmp)
{
    BITMAP *out = create_bitmap_ex(bitmap_color_depth(bmp), bmp->w, bmp->h);
    for (int y = 0; y < bmp->h; y++)
        for (int x = 0; x < bmp->w; x++)
            putpixel(out, bmp->w - 1 - x, y, getpixel(bmp, x, y));
    return out;
}
