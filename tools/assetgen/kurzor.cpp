// The shop's mouse pointer: a shaded brass arrow with a dark outline, its tip at (0, 0).
#include <cmath>

#include "maliari.h"
#include "platno.h"

namespace {

// The arrow outline, tip first, clockwise on the screen.
const double SIPKA[][2] = {{0.5, 0.5},   {19.5, 17.5}, {11.5, 18.5}, {16.5, 27.0},
                           {12.5, 29.0}, {7.5, 20.5},  {0.5, 26.0}};
const int VRCHOLY = 7;

// Distance from (x, y) to the arrow's outline, negative inside. The outline is not
// convex, so inside is decided by counting crossings.
double vzdialenost(double x, double y)
{
    bool dnu = false;
    double best = 1e9;
    for (int i = 0, j = VRCHOLY - 1; i < VRCHOLY; j = i++) {
        double ax = SIPKA[j][0], ay = SIPKA[j][1], bx = SIPKA[i][0], by = SIPKA[i][1];
        if ((ay > y) != (by > y) && x < (bx - ax) * (y - ay) / (by - ay) + ax)
            dnu = !dnu;
        double dx = bx - ax, dy = by - ay;
        double t = obmedz(((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
        double ex = ax + t * dx - x, ey = ay + t * dy - y;
        best = std::fmin(best, std::sqrt(ex * ex + ey * ey));
    }
    return dnu ? -best : best;
}

}  // namespace

BITMAP *maluj_kurzor()
{
    Platno p(32, 32, 4, true);
    p.Maluj(0, 0, 32, 32, [&](double x, double y, Farba &c) {
        double d = vzdialenost(x, y);
        if (d > 1.1)
            return false;
        if (d > -0.9) {
            c = Farba{24, 20, 12};
            return true;
        }
        // Brass, lit from the upper left across the arrow's width.
        double t = obmedz((x * 0.4 + y * 0.6) / 22.0, 0.0, 1.0);
        c = zmiesaj(Farba{255, 236, 160}, Farba{190, 130, 40}, t);
        if (d > -2.2)
            c = plus(c, Farba{20, 20, 16});
        return true;
    });
    BITMAP *b = p.Zmensi();
    // The very tip pixel is the pointer's hot spot: keep it painted.
    putpixel(b, 0, 0, makecol24(24, 20, 12));
    return b;
}
