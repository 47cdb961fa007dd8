// Torpedo and machine-gun bullet, both facing right.
#include <cmath>

#include "maliari.h"
#include "platno.h"

BITMAP *maluj_torpedo()
{
    Platno p(20, 10, 8, true);
    const double yc = 5.0, h = 2.5;
    const Farba telo{182, 188, 192}, hlavica{196, 64, 40}, chvost{92, 98, 104};

    // Tail fins above and below the body, swept back towards the left end.
    p.Maluj(0.0, 0.0, 6.0, 10.0, [&](double x, double y, Farba &c) {
        double dy = std::fabs(y - yc);
        double koren = 5.5, spicka = 3.0;  // fin length at the body and at the tip
        double w = obmedz((dy - 2.0) / 2.6, 0.0, 1.0);
        if (x < 0.8 || dy > 4.7 || x > 0.8 + koren - (koren - spicka) * w)
            return false;
        c = zmiesaj(krat(chvost, 1.35), krat(chvost, 0.7), (y - 0.3) / 9.4);
        return true;
    });
    p.Maluj(0.0, 2.5, 1.6, 7.5, [&](double x, double y, Farba &c) {
        double u = (x - 0.8) / 0.8, v = (y - yc) / 2.4;
        if (u * u + v * v > 1)
            return false;
        c = osvetli(Farba{200, 160, 80}, 0, v, std::sqrt(std::fmax(0.0, 1 - v * v)), 0.9);
        return true;
    });
    // Body: tapered tail, straight middle, rounded warhead in red.
    p.Maluj(1.5, 2.0, 20.0, 8.0, [&](double x, double y, Farba &c) {
        double hh, nx = 0;
        if (x < 1.5 || x > 19.8)
            return false;
        if (x < 6.0) {
            hh = h * (0.45 + 0.55 * (x - 1.5) / 4.5);
            nx = -0.25;
        } else if (x > 15.0) {
            double u = (x - 15.0) / 4.8;
            hh = h * std::sqrt(std::fmax(0.0, 1 - u * u));
            nx = u;
        } else {
            hh = h;
        }
        if (std::fabs(y - yc) > hh)
            return false;
        double v = (y - yc) / hh;
        double nz = std::sqrt(std::fmax(0.0, 1 - v * v));
        double d = std::sqrt(nx * nx + v * v + nz * nz);
        Farba f = x > 14.5 ? hlavica : telo;
        if (std::fabs(x - 14.5) < 0.35)
            f = Farba{60, 60, 64};
        c = osvetli(f, nx / d, v / d, nz / d, 0.9);
        return true;
    });
    return p.Zmensi();
}

BITMAP *maluj_gulomet()
{
    Platno p(12, 6, 8, true);
    const double yc = 3.0, h = 2.0;
    // A copper-jacketed bullet: a flat base on the left, an ogive tip on the right.
    p.Maluj(0.0, 0.0, 12.0, 6.0, [&](double x, double y, Farba &c) {
        if (x < 0.5 || x > 11.8)
            return false;
        double hh, nx = 0;
        if (x < 6.0) {
            hh = h;
        } else {
            double u = (x - 6.0) / 5.8;
            hh = h * std::sqrt(std::fmax(0.0, 1 - u * u * 1.0)) * (1 - 0.15 * u);
            nx = 0.8 * u;
        }
        if (std::fabs(y - yc) > hh)
            return false;
        double v = (y - yc) / hh;
        double nz = std::sqrt(std::fmax(0.0, 1 - v * v));
        double d = std::sqrt(nx * nx + v * v + nz * nz);
        // A glowing tracer base, brass case band, copper tip.
        Farba f = x < 2.0 ? Farba{255, 170, 60} : (x < 5.0 ? Farba{210, 170, 80} : Farba{200, 110, 60});
        c = x < 2.0 ? f : osvetli(f, nx / d, v / d, nz / d, 1.0);
        return true;
    });
    return p.Zmensi();
}
