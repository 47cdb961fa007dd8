// The two boats. Both are painted facing right (light from the upper left) and the
// left-facing images are exact mirrors.
#include <cmath>

#include "maliari.h"
#include "platno.h"

namespace {

const double PI = 3.14159265358979;

// A hull lying along x: a rounded bow on the right, a tapering stern on the left.
struct Trup {
    double x0, x1;  // stern tip, bow tip
    double yc;      // centre line
    double h;       // half height amidships
    double luk;     // length of the rounded bow
    double kor;     // length of the tapering stern
    double koniec;  // half height left at the stern tip, as a fraction of h
};

double polovyska(const Trup &t, double x, double &sklon)
{
    sklon = 0;
    if (x < t.x0 || x > t.x1)
        return 0;
    if (x > t.x1 - t.luk) {
        double u = (x - (t.x1 - t.luk)) / t.luk;
        sklon = u;
        return t.h * std::sqrt(1 - u * u);
    }
    if (x < t.x0 + t.kor) {
        double u = (x - t.x0) / t.kor;
        sklon = -0.35 * (1 - u);
        return t.h * (t.koniec + (1 - t.koniec) * std::sin(u * PI / 2));
    }
    return t.h;
}

struct Vzhlad {
    Farba horna, dolna;  // hull above and below the boot line
    Farba veza;          // conning tower
    Farba pruh;          // band round the tower
    Farba vrtula;        // propeller
    double hranica;      // boot line, as a fraction of the half height (below the centre is +)
};

void maluj_trup(Platno &p, const Trup &t, const Vzhlad &v)
{
    p.Maluj(t.x0, t.yc - t.h, t.x1, t.yc + t.h, [&](double x, double y, Farba &c) {
        double sklon;
        double hh = polovyska(t, x, sklon);
        if (hh <= 0 || std::fabs(y - t.yc) > hh)
            return false;
        double vv = (y - t.yc) / hh;
        double nx = sklon, ny = vv, nz = std::sqrt(std::fmax(0.0, 1 - vv * vv));
        double d = std::sqrt(nx * nx + ny * ny + nz * nz);
        Farba zaklad = vv < v.hranica ? v.horna : v.dolna;
        // A pale boot-top stripe between the two paints.
        if (std::fabs(vv - v.hranica) < 0.06)
            zaklad = zmiesaj(v.horna, Farba{230, 226, 210}, 0.6);
        c = osvetli(zaklad, nx / d, ny / d, nz / d, 0.55);
        return true;
    });
}

// A box lit as a slightly rounded vertical block (the conning tower and its fittings).
void maluj_blok(Platno &p, double x0, double y0, double x1, double y1, Farba f, double zaoblenie_predku)
{
    p.Maluj(x0, y0, x1, y1, [&](double x, double y, Farba &c) {
        if (x < x0 || x > x1 || y < y0 || y > y1)
            return false;
        // The front top corner is cut round.
        double r = zaoblenie_predku;
        if (r > 0 && x > x1 - r && y < y0 + r) {
            double dx = x - (x1 - r), dy = (y0 + r) - y;
            if (dx * dx + dy * dy > r * r)
                return false;
        }
        double u = (x - x0) / (x1 - x0) * 2 - 1;  // -1 stern side .. 1 bow side
        double w = (y - y0) / (y1 - y0);          // 0 top .. 1 bottom
        double nx = 0.55 * u * u * u, ny = -0.5 * (1 - plynulo(0.0, 0.18, w)), nz = 1;
        double d = std::sqrt(nx * nx + ny * ny + nz * nz);
        c = osvetli(f, nx / d, ny / d, nz / d, 0.3);
        return true;
    });
}

void maluj_obdlznik(Platno &p, double x0, double y0, double x1, double y1, Farba f)
{
    p.Maluj(x0, y0, x1, y1, [&](double x, double y, Farba &c) {
        if (x < x0 || x > x1 || y < y0 || y > y1)
            return false;
        c = f;
        return true;
    });
}

// A thin vertical fin whose width narrows from root to tip (rudders, planes).
void maluj_kyl(Platno &p, double x0, double x1, double y0, double y1, double zuzenie, Farba f)
{
    p.Maluj(x0, y0, x1, y1, [&](double x, double y, Farba &c) {
        if (y < y0 || y > y1)
            return false;
        double ym = (y0 + y1) / 2;
        double w = std::fabs(y - ym) / ((y1 - y0) / 2);  // 0 centre .. 1 tip
        double right = x1 - (x1 - x0) * zuzenie * w;
        if (x < x0 || x > right)
            return false;
        double nx = -0.3, ny = (y - ym) / ((y1 - y0) / 2) * 0.4, nz = 1;
        double d = std::sqrt(nx * nx + ny * ny + nz * nz);
        c = osvetli(f, nx / d, ny / d, nz / d, 0.2);
        return true;
    });
}

void maluj_vrtulu(Platno &p, double cx, double cy, double rx, double ry, Farba f)
{
    p.Maluj(cx - rx, cy - ry, cx + rx, cy + ry, [&](double x, double y, Farba &c) {
        double u = (x - cx) / rx, v = (y - cy) / ry;
        if (u * u + v * v > 1)
            return false;
        c = osvetli(f, u * 0.6, v, std::sqrt(std::fmax(0.0, 1 - v * v)), 0.8);
        return true;
    });
}

}  // namespace

BITMAP *maluj_ponorku_hraca()
{
    Platno p(100, 25, 4, true);
    maluj_ponorku_hraca(p);
    return p.Zmensi();
}

void maluj_ponorku_hraca(Platno &p)
{
    const Vzhlad v{{112, 130, 148}, {150, 46, 38}, {124, 142, 160}, {236, 236, 228}, {196, 150, 70}, 0.28};
    const Trup t{3.0, 99.0, 15.5, 6.5, 16.0, 30.0, 0.22};

    // Stern: rudder and stern planes behind the hull, propeller at the very end.
    maluj_kyl(p, 4.0, 12.0, 8.0, 23.0, 0.55, krat(v.horna, 0.8));
    maluj_vrtulu(p, 2.2, 15.5, 1.3, 3.8, v.vrtula);
    maluj_trup(p, t, v);
    // Deck casing along the top of the hull.
    maluj_blok(p, 22.0, 8.2, 90.0, 9.9, zmiesaj(v.horna, Farba{200, 210, 220}, 0.25), 1.5);
    // Conning tower, forward of amidships, with a white band and bridge windows.
    maluj_blok(p, 57.0, 3.0, 74.0, 9.0, v.veza, 3.0);
    maluj_obdlznik(p, 58.0, 5.0, 72.0, 6.0, v.pruh);
    maluj_obdlznik(p, 66.0, 3.5, 67.5, 4.5, Farba{30, 36, 44});
    maluj_obdlznik(p, 69.0, 3.5, 70.5, 4.5, Farba{30, 36, 44});
    // Periscope and radio mast.
    maluj_obdlznik(p, 63.0, 0.0, 64.0, 3.0, Farba{170, 180, 190});
    maluj_obdlznik(p, 60.0, 1.0, 61.0, 3.0, Farba{120, 130, 140});
    // Bow planes and a row of free-flooding holes along the casing.
    maluj_kyl(p, 86.0, 92.0, 17.0, 18.0, 0.0, krat(v.dolna, 0.7));
    for (double x = 26.0; x < 86.0; x += 4.0)
        maluj_obdlznik(p, x, 10.8, x + 2.0, 11.6, krat(v.horna, 0.45));
}

BITMAP *maluj_nepriatela()
{
    Platno p(50, 25, 4, true);
    const Vzhlad v{{98, 106, 86}, {54, 56, 52}, {108, 114, 94}, {190, 36, 26}, {150, 120, 60}, 0.2};
    const Trup t{2.0, 49.0, 16.0, 5.5, 9.0, 15.0, 0.25};

    maluj_kyl(p, 3.0, 8.0, 9.5, 22.5, 0.5, krat(v.horna, 0.8));
    maluj_vrtulu(p, 1.6, 16.0, 1.1, 3.2, v.vrtula);
    maluj_trup(p, t, v);
    // Tall stepped tower with a red band, well forward.
    maluj_blok(p, 25.0, 5.0, 36.0, 11.0, v.veza, 0.0);
    maluj_blok(p, 29.0, 2.0, 35.0, 5.5, krat(v.veza, 1.1), 1.5);
    maluj_obdlznik(p, 25.5, 7.0, 35.5, 8.5, v.pruh);
    maluj_obdlznik(p, 31.0, 0.0, 32.0, 2.0, Farba{140, 140, 130});
    // Deck gun ahead of the tower, its barrel pointing at the bow.
    maluj_blok(p, 38.0, 8.0, 41.0, 10.8, krat(v.horna, 1.2), 0.0);
    maluj_obdlznik(p, 40.0, 8.5, 46.0, 9.5, Farba{60, 62, 58});
    // A red stripe along the hull marks the enemy at a glance.
    maluj_obdlznik(p, 12.0, 13.2, 40.0, 14.0, v.pruh);
    BITMAP *doprava = p.Zmensi();
    BITMAP *dolava = zrkadlo(doprava);
    destroy_bitmap(doprava);
    return dolava;
}
