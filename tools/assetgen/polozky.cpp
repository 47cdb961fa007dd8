// The shop's two items, each in three states: normal, highlighted under the pointer,
// and greyed out when the player can't afford it.
#include <cmath>

#include "maliari.h"
#include "pismo.h"
#include "platno.h"

namespace {

const double STRANA = 400;

double gauss(double d, double sirka)
{
    return std::exp(-(d * d) / (2 * sirka * sirka));
}

// A riveted steel plate; the highlighted state glows from the middle and gets a gold rim.
void doska(Platno &p, StavPolozky stav)
{
    const bool vybrana = stav == StavPolozky::Vybrana;
    p.Maluj(0, 0, STRANA, STRANA, [&](double x, double y, Farba &c) {
        double d = std::hypot(x - 200, y - 180) / 260;
        Farba stred = vybrana ? Farba{52, 84, 104} : Farba{44, 52, 62};
        c = zmiesaj(stred, Farba{14, 18, 24}, obmedz(d, 0.0, 1.0));
        // Brushed-metal streaks.
        double pruh = std::sin(y * 1.7 + std::sin(x * 0.05) * 2.0) * 0.5 + 0.5;
        c = krat(c, 0.96 + 0.06 * pruh);
        double okraj = std::fmin(std::fmin(x, STRANA - x), std::fmin(y, STRANA - y));
        if (okraj < 14) {
            Farba rim = vybrana ? Farba{226, 184, 80} : Farba{92, 100, 110};
            bool svetla = (x < y && x < STRANA - y) || (y < x && y < STRANA - x);
            c = krat(rim, (svetla ? 1.1 : 0.65) * (0.8 + 0.2 * okraj / 14));
        } else if (vybrana) {
            c = plus(c, krat(Farba{240, 200, 110}, 0.5 * gauss(okraj - 14, 5)));
        }
        return true;
    });
    // Rivets in the corners.
    const double poz[][2] = {{30, 30}, {370, 30}, {30, 370}, {370, 370}};
    for (auto &r : poz) {
        p.Maluj(r[0] - 8, r[1] - 8, r[0] + 8, r[1] + 8, [&](double x, double y, Farba &c) {
            double u = (x - r[0]) / 6, v = (y - r[1]) / 6;
            double d = u * u + v * v;
            if (d > 1)
                return false;
            c = osvetli(Farba{120, 126, 134}, u, v, std::sqrt(1 - d), 0.7);
            return true;
        });
    }
}

// Shaded body of revolution along x between x0 and x1 about y = yc, with half-height
// hh(x) and a paint colour chosen per point.
template <class Vyska, class Farby>
void valec(Platno &p, double x0, double x1, double yc, double hmax, Vyska hh, Farby farba)
{
    p.Maluj(x0, yc - hmax, x1, yc + hmax, [&](double x, double y, Farba &c) {
        double sklon;
        double h = hh(x, sklon);
        if (h <= 0 || std::fabs(y - yc) > h)
            return false;
        double v = (y - yc) / h;
        double nz = std::sqrt(std::fmax(0.0, 1 - v * v));
        double n = std::sqrt(sklon * sklon + v * v + nz * nz);
        c = osvetli(farba(x, y), sklon / n, v / n, nz / n, 0.8);
        return true;
    });
}

void tien(Platno &p, double cx, double cy, double rx, double ry, double sila)
{
    int s = p.GetS();
    for (int fy = (int)((cy - ry) * s); fy < (int)((cy + ry) * s); fy++)
        for (int fx = (int)((cx - rx) * s); fx < (int)((cx + rx) * s); fx++) {
            double u = ((fx + 0.5) / s - cx) / rx, v = ((fy + 0.5) / s - cy) / ry;
            double d = u * u + v * v;
            if (d < 1)
                p.Primiesaj(fx, fy, Farba{0, 0, 0}, sila * (1 - d));
        }
}

void maluj_torpedo_velke(Platno &p)
{
    const double yc = 170, h = 38;
    tien(p, 205, 246, 160, 14, 0.6);
    // Tail fins, above and below.
    p.Maluj(40, yc - 80, 120, yc + 80, [&](double x, double y, Farba &c) {
        double dy = std::fabs(y - yc);
        double w = obmedz((dy - 20) / 55, 0.0, 1.0);
        if (x < 44 || dy > 76 || x > 44 + 70 - 36 * w)
            return false;
        c = zmiesaj(Farba{150, 156, 164}, Farba{64, 68, 76}, (y - yc + 76) / 152);
        if (x > 44 + 70 - 36 * w - 3)
            c = krat(c, 0.7);
        return true;
    });
    // Counter-rotating propellers.
    for (int i = 0; i < 2; i++) {
        double px = 34 + i * 9;
        p.Maluj(px - 5, yc - 40, px + 5, yc + 40, [&](double x, double y, Farba &c) {
            double u = (x - px) / 4.5, v = (y - yc) / (36 - i * 6);
            if (u * u + v * v > 1)
                return false;
            c = osvetli(Farba{206, 164, 84}, u * 0.5, v, std::sqrt(std::fmax(0.0, 1 - v * v)), 0.9);
            return true;
        });
    }
    valec(
        p, 40, 372, yc, h,
        [&](double x, double &sklon) {
            sklon = 0;
            if (x < 44 || x > 370)
                return 0.0;
            if (x < 120) {
                sklon = -0.3;
                return h * (0.4 + 0.6 * std::sin((x - 44) / 76 * 1.5708));
            }
            if (x > 300) {
                double u = (x - 300) / 70;
                sklon = u;
                return h * std::sqrt(std::fmax(0.0, 1 - u * u));
            }
            return h;
        },
        [&](double x, double) {
            if (x > 296)
                return std::fabs(x - 298) < 2.5 ? Farba{50, 50, 56} : Farba{200, 60, 40};
            if (std::fabs(x - 140) < 2 || std::fabs(x - 230) < 2)
                return Farba{80, 86, 94};  // section joints
            return Farba{190, 196, 202};
        });
}

void maluj_navnadu_velku(Platno &p)
{
    const double yc = 170, h = 34;
    tien(p, 190, 240, 120, 12, 0.6);
    // The yellow lure light glowing at the nose, with rising bubbles.
    int s = p.GetS();
    for (int fy = 40 * s; fy < 300 * s; fy++)
        for (int fx = 180 * s; fx < 390 * s; fx++) {
            double d = std::hypot((fx + 0.5) / s - 300, (fy + 0.5) / s - yc);
            p.Primiesaj(fx, fy, Farba{255, 230, 90}, 0.75 * gauss(d, 34));
        }
    valec(
        p, 70, 300, yc, h,
        [&](double x, double &sklon) {
            sklon = 0;
            if (x < 76 || x > 296)
                return 0.0;
            if (x < 92) {
                double u = (92 - x) / 16;
                sklon = -u;
                return h * std::sqrt(std::fmax(0.0, 1 - u * u));
            }
            if (x > 280) {
                double u = (x - 280) / 16;
                sklon = u;
                return h * std::sqrt(std::fmax(0.0, 1 - u * u));
            }
            return h;
        },
        [&](double x, double y) {
            // Hazard bands on an olive canister.
            double pas = std::fmod(x + (y - yc) * 0.6 + 400, 24.0);
            bool pruhy = x > 200 && x < 262;
            if (pruhy)
                return pas < 12 ? Farba{226, 190, 40} : Farba{30, 30, 30};
            return Farba{110, 118, 70};
        });
    p.Maluj(280, yc - 22, 330, yc + 22, [&](double x, double y, Farba &c) {
        double u = (x - 304) / 16, v = (y - yc) / 20;
        if (u * u + v * v > 1)
            return false;
        c = zmiesaj(Farba{255, 255, 220}, Farba{255, 200, 40}, std::sqrt(u * u + v * v));
        return true;
    });
    const double bubliny[][3] = {{320, 120, 6}, {334, 92, 4.5}, {312, 70, 3.5}, {340, 56, 5}, {326, 36, 3}};
    for (auto &b : bubliny) {
        p.Maluj(b[0] - b[2] - 1, b[1] - b[2] - 1, b[0] + b[2] + 1, b[1] + b[2] + 1, [&](double x, double y, Farba &c) {
            double d = std::hypot(x - b[0], y - b[1]) / b[2];
            if (d > 1 || (d < 0.75 && std::hypot(x - b[0] + b[2] * 0.35, y - b[1] + b[2] * 0.35) > b[2] * 0.25))
                return false;
            c = Farba{200, 230, 245};
            return true;
        });
    }
}

void sediva(Platno &p)
{
    // Not affordable: drained of colour and darkened.
    BITMAP *b = p.GetBitmap();
    for (int y = 0; y < b->h; y++)
        for (int x = 0; x < b->w; x++) {
            int c = getpixel(b, x, y);
            double l = 0.3 * getr32(c) + 0.59 * getg32(c) + 0.11 * getb32(c);
            putpixel(b, x, y, na_farbu(Farba{l * 0.5, l * 0.5, l * 0.52}));
        }
}

BITMAP *polozka(StavPolozky stav, const char *pismo, const char *nazov, void (*obrazok)(Platno &))
{
    Platno p((int)STRANA, (int)STRANA, 2, false);
    doska(p, stav);
    obrazok(p);
    Farba text = stav == StavPolozky::Vybrana ? Farba{255, 236, 170} : Farba{226, 186, 92};
    pis_na_stred(p, pismo, 56, nazov, 203, 283, Farba{0, 0, 0});
    bool ok = pis_na_stred(p, pismo, 56, nazov, 200, 280, text);
    if (stav == StavPolozky::Neaktivna)
        sediva(p);
    return ok ? p.Zmensi() : nullptr;
}

}  // namespace

BITMAP *maluj_torpedo_polozku(StavPolozky stav, const char *pismo, const char *nazov)
{
    return polozka(stav, pismo, nazov, maluj_torpedo_velke);
}

BITMAP *maluj_navnadu_polozku(StavPolozky stav, const char *pismo, const char *nazov)
{
    return polozka(stav, pismo, nazov, maluj_navnadu_velku);
}
