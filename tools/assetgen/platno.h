#ifndef PONORKA_ASSETGEN_PLATNO_H
#define PONORKA_ASSETGEN_PLATNO_H

#include <cstdint>

#include <allegro.h>

// A colour with double channels on the 0..255 scale, so shading can add and scale freely
// before the one clamp at the end.
struct Farba {
    double r, g, b;
};

Farba zmiesaj(Farba a, Farba b, double t);  // a at t = 0, b at t = 1
Farba krat(Farba a, double k);
Farba plus(Farba a, Farba b);
int na_farbu(Farba f);  // clamped makecol32

// Shades a surface point of colour `zaklad` whose normal is (nx, ny, nz) (screen x right,
// y down, z towards the viewer) under one light from the upper left and in front.
Farba osvetli(Farba zaklad, double nx, double ny, double nz, double lesk);

double obmedz(double v, double lo, double hi);
double plynulo(double e0, double e1, double x);  // smoothstep

// Deterministic pseudo-random numbers: the same art on every build.
class Nahoda {
public:
    explicit Nahoda(uint32_t semeno) : Stav(semeno) {}
    uint32_t Dalsie();
    double Cislo();  // 0 <= x < 1
private:
    uint32_t Stav;
};

// A painting surface s times finer than the image it becomes. Painters address it in
// image pixels (doubles); `Zmensi` averages each s x s block into one image pixel.
// A surface with a mask starts as magenta, and a block becomes opaque only when at least
// half of it was painted, taking the average of the painted part alone: edges are
// smoothed inside the sprite, yet no pixel is ever a blend with the mask colour.
class Platno {
public:
    Platno(int w, int h, int s, bool maska);
    ~Platno();
    Platno(const Platno &) = delete;
    Platno &operator=(const Platno &) = delete;

    int GetW() const { return W; }
    int GetH() const { return H; }
    int GetS() const { return S; }
    BITMAP *GetBitmap() const { return Jemna; }

    // Calls f(x, y, farba) for each fine pixel whose centre lies in the box; f returns
    // whether the pixel belongs to the shape and fills in its colour.
    template <class F> void Maluj(double x0, double y0, double x1, double y1, F f);
    // Blends colour c with weight a (0..1) into the fine pixel under (x, y).
    void Primiesaj(int fx, int fy, Farba c, double a);
    Farba Citaj(int fx, int fy) const;

    BITMAP *Zmensi() const;  // a new 24-bit bitmap W x H; the caller destroys it

private:
    int W, H, S;
    bool Maska;
    BITMAP *Jemna;
};

template <class F> void Platno::Maluj(double x0, double y0, double x1, double y1, F f)
{
    int fx0 = (int)(x0 * S) - 1, fy0 = (int)(y0 * S) - 1;
    int fx1 = (int)(x1 * S) + 1, fy1 = (int)(y1 * S) + 1;
    if (fx0 < 0)
        fx0 = 0;
    if (fy0 < 0)
        fy0 = 0;
    if (fx1 > W * S - 1)
        fx1 = W * S - 1;
    if (fy1 > H * S - 1)
        fy1 = H * S - 1;
    for (int fy = fy0; fy <= fy1; fy++) {
        for (int fx = fx0; fx <= fx1; fx++) {
            double x = (fx + 0.5) / S, y = (fy + 0.5) / S;
            Farba c;
            if (f(x, y, c))
                putpixel(Jemna, fx, fy, na_farbu(c));
        }
    }
}

// The mask colour of every sprite.
extern const int MAGENTA32;

// Saves a bitmap (TGA or BMP by extension) and reports failure on stderr.
bool uloz(BITMAP *bmp, const char *cesta);

// Mirror image, used for the boat that faces the other way.
BITMAP *zrkadlo(BITMAP *bmp);

#endif
