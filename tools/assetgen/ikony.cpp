// The desktop icons: the player's own boat, painted by the same painter as its sprite,
// under way in a night sea on a rounded tile. Written as RGBA PNG, the tile's corners
// transparent.
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include <png.h>

#include "maliari.h"
#include "platno.h"

namespace {

// Everything is placed in tile units: 0..1 across and down.
const double OKRAJ = 0.03;      // free margin round the tile
const double ROH = 0.17;        // corner radius
const double HLADINA = 0.34;    // the sea's surface
const double LOD_X0 = 0.08;     // the boat's stern
const double LOD_SIRKA = 0.84;  // and its length; its height is a quarter of that
const double LOD_STRED = 0.64;  // the boat's centre line

// Fine pixels per sprite pixel: finer than the 4 x 4 samples of the largest icon.
const int JEMNOST = 12;
const int VZORKY = 4;  // samples per icon pixel along each axis

struct Bublina {
    double x, y, r;
};
const Bublina BUBLINY[] = {{0.115, 0.52, 0.022}, {0.085, 0.45, 0.017}, {0.125, 0.395, 0.013}};

struct Hviezda {
    double x, y, r;
};
const Hviezda HVIEZDY[] = {{0.22, 0.12, 0.012}, {0.47, 0.08, 0.009}, {0.63, 0.19, 0.011}, {0.83, 0.11, 0.014}};

bool v_dlazdici(double x, double y)
{
    const double a = OKRAJ + ROH, b = 1 - OKRAJ - ROH;
    if (x < OKRAJ || x > 1 - OKRAJ || y < OKRAJ || y > 1 - OKRAJ)
        return false;
    double dx = x < a ? a - x : (x > b ? x - b : 0);
    double dy = y < a ? a - y : (y > b ? y - b : 0);
    return dx * dx + dy * dy <= ROH * ROH;
}

// The sea and sky behind the boat.
Farba pozadie(double x, double y)
{
    if (y < HLADINA) {
        for (const Hviezda &h : HVIEZDY) {
            double d = std::hypot(x - h.x, y - h.y);
            if (d < h.r)
                return zmiesaj(Farba{255, 250, 220}, Farba{150, 150, 190}, d / h.r);
        }
        return zmiesaj(Farba{9, 0, 26}, Farba{30, 26, 78}, y / HLADINA);
    }
    // A pale swell along the surface, then the water darkening with depth.
    double vlna = HLADINA + 0.012 * std::sin(x * 18.0);
    if (y < vlna + 0.025)
        return Farba{96, 136, 196};
    for (const Bublina &b : BUBLINY) {
        double d = std::hypot(x - b.x, y - b.y);
        if (d < b.r && d > b.r * 0.62)
            return Farba{170, 205, 235};
    }
    return zmiesaj(Farba{26, 66, 128}, Farba{5, 12, 42}, (y - HLADINA) / (1 - HLADINA));
}

bool zapis_png(const std::string &cesta, int n, const std::vector<unsigned char> &rgba)
{
    std::FILE *f = std::fopen(cesta.c_str(), "wb");
    if (!f) {
        std::fprintf(stderr, "ponorka-assetgen: cannot write %s\n", cesta.c_str());
        return false;
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(f);
        std::fprintf(stderr, "ponorka-assetgen: cannot encode %s\n", cesta.c_str());
        return false;
    }
    png_init_io(png, f);
    png_set_IHDR(png, info, n, n, 8, PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < n; y++)
        png_write_row(png, rgba.data() + (size_t)y * n * 4);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(f) == 0;
}

std::vector<unsigned char> maluj_ikonu(int n, const Platno &lod)
{
    BITMAP *jemna = lod.GetBitmap();
    const double lod_vyska = LOD_SIRKA * lod.GetH() / lod.GetW();
    const double lod_y0 = LOD_STRED - lod_vyska / 2;
    std::vector<unsigned char> rgba((size_t)n * n * 4);
    for (int py = 0; py < n; py++) {
        for (int px = 0; px < n; px++) {
            double r = 0, g = 0, b = 0;
            int pokryte = 0;
            for (int j = 0; j < VZORKY; j++) {
                for (int i = 0; i < VZORKY; i++) {
                    double x = (px + (i + 0.5) / VZORKY) / n, y = (py + (j + 0.5) / VZORKY) / n;
                    if (!v_dlazdici(x, y))
                        continue;
                    Farba c = pozadie(x, y);
                    int fx = (int)((x - LOD_X0) / LOD_SIRKA * jemna->w);
                    int fy = (int)((y - lod_y0) / lod_vyska * jemna->h);
                    if (fx >= 0 && fy >= 0 && fx < jemna->w && fy < jemna->h) {
                        int f = getpixel(jemna, fx, fy);
                        if (f != MAGENTA32)
                            c = Farba{(double)getr32(f), (double)getg32(f), (double)getb32(f)};
                    }
                    r += c.r;
                    g += c.g;
                    b += c.b;
                    pokryte++;
                }
            }
            unsigned char *o = &rgba[((size_t)py * n + px) * 4];
            if (pokryte == 0)
                continue;  // transparent black
            o[0] = (unsigned char)std::lround(obmedz(r / pokryte, 0, 255));
            o[1] = (unsigned char)std::lround(obmedz(g / pokryte, 0, 255));
            o[2] = (unsigned char)std::lround(obmedz(b / pokryte, 0, 255));
            o[3] = (unsigned char)std::lround(255.0 * pokryte / (VZORKY * VZORKY));
        }
    }
    return rgba;
}

}  // namespace

bool zapis_ikony(const std::string &dir)
{
    Platno lod(100, 25, JEMNOST, true);
    maluj_ponorku_hraca(lod);
    bool ok = true;
    for (int n : {48, 64, 128, 256}) {
        const std::string rozmer = std::to_string(n) + "x" + std::to_string(n);
        const std::string priecinok = dir + "/hicolor/" + rozmer + "/apps";
        std::error_code chyba;
        std::filesystem::create_directories(priecinok, chyba);
        if (chyba) {
            std::fprintf(stderr, "ponorka-assetgen: cannot create %s: %s\n", priecinok.c_str(),
                         chyba.message().c_str());
            return false;
        }
        ok = zapis_png(priecinok + "/ponorka.png", n, maluj_ikonu(n, lod)) && ok;
    }
    return ok;
}
