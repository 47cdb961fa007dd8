// The shop's backdrop: a naval harbour at night. The shop covers the middle with its
// panel, so the interest sits along the edges: the moon and a crane on the right, a
// crane and a lamp on the left, and the quay with a moored boat along the bottom.
#include <cmath>

#include "maliari.h"
#include "platno.h"

namespace {

const double W = 1280, H = 1024;
const double HORIZONT = 600;  // where the far shore meets the water
const double NABREZIE = 830;  // top of the quay's front edge

double gauss(double d, double sirka)
{
    return std::exp(-(d * d) / (2 * sirka * sirka));
}

void obloha_a_voda(Platno &p)
{
    p.Maluj(0, 0, W, NABREZIE, [&](double x, double y, Farba &c) {
        if (y < HORIZONT) {
            double t = y / HORIZONT;
            c = zmiesaj(Farba{4, 6, 18}, Farba{34, 40, 70}, t * t);
            // Moonlit haze.
            double m = std::hypot(x - 1170, y - 120);
            c = plus(c, krat(Farba{90, 100, 130}, 0.5 * std::exp(-m / 140)));
            return true;
        }
        double t = (y - HORIZONT) / (NABREZIE - HORIZONT);
        c = zmiesaj(Farba{20, 28, 52}, Farba{6, 10, 22}, t);
        // Ripples: thin horizontal streaks that widen towards the viewer.
        double vlna = std::sin(y * (0.9 - 0.5 * t) + std::sin(x * 0.013 + y * 0.2) * 2.5);
        c = krat(c, 0.9 + 0.18 * vlna);
        // The moon's path on the water, broken by the ripples.
        double stlp = gauss(x - 1170 - std::sin(y * 0.7) * 8 * (1 + t * 3), 18 + t * 40);
        if (vlna > 0.3)
            c = plus(c, krat(Farba{200, 200, 170}, 0.55 * stlp * (1 - t * 0.5)));
        return true;
    });
}

void hviezdy(Platno &p)
{
    Nahoda n(1944);
    int s = p.GetS();
    for (int i = 0; i < 420; i++) {
        double x = n.Cislo() * W, y = n.Cislo() * (HORIZONT - 90);
        double jas = 0.25 + 0.75 * n.Cislo() * n.Cislo();
        double r = 0.6 + 1.4 * jas;
        Farba f = n.Cislo() < 0.2 ? Farba{255, 220, 190} : Farba{220, 230, 255};
        for (int fy = (int)((y - 2 * r) * s); fy <= (int)((y + 2 * r) * s); fy++)
            for (int fx = (int)((x - 2 * r) * s); fx <= (int)((x + 2 * r) * s); fx++) {
                double d = std::hypot((fx + 0.5) / s - x, (fy + 0.5) / s - y);
                p.Primiesaj(fx, fy, f, jas * gauss(d, r * 0.5));
            }
    }
}

void mesiac(Platno &p)
{
    const double mx = 1170, my = 120, r = 42;
    p.Maluj(mx - r, my - r, mx + r, my + r, [&](double x, double y, Farba &c) {
        double u = (x - mx) / r, v = (y - my) / r;
        double d = u * u + v * v;
        if (d > 1)
            return false;
        // Maria: a few darker soft patches.
        double more = gauss(std::hypot(u + 0.3, v + 0.2), 0.22) + 0.7 * gauss(std::hypot(u - 0.25, v - 0.3), 0.18) +
                      0.5 * gauss(std::hypot(u - 0.35, v + 0.35), 0.12);
        c = krat(Farba{250, 246, 222}, (1 - 0.22 * more) * (0.82 + 0.18 * std::sqrt(1 - d)));
        return true;
    });
}

// City lights along the far shore: blocks of warehouses with lit windows.
void breh(Platno &p)
{
    Nahoda n(77);
    double x = 0;
    while (x < W) {
        double sirka = 40 + n.Cislo() * 90, vyska = 20 + n.Cislo() * 70;
        if (n.Cislo() < 0.15)
            vyska += 60;  // an occasional tower
        double x0 = x, x1 = x + sirka, top = HORIZONT - vyska;
        uint32_t semeno = n.Dalsie();
        p.Maluj(x0, top, x1, HORIZONT, [&](double px, double py, Farba &c) {
            if (px < x0 || px >= x1 || py < top)
                return false;
            c = Farba{12, 14, 26};
            // Windows on a grid; some are lit.
            int col = (int)((px - x0) / 9), row = (int)((py - top) / 12);
            double wx = std::fmod(px - x0, 9.0), wy = std::fmod(py - top, 12.0);
            uint32_t h = (semeno ^ (uint32_t)(col * 73856093) ^ (uint32_t)(row * 19349663)) * 2654435761u;
            if (wx > 3 && wx < 7 && wy > 4 && wy < 9 && py < HORIZONT - 6 && (h >> 28) < 4)
                c = (h >> 27) & 1 ? Farba{255, 210, 120} : Farba{230, 170, 80};
            return true;
        });
        // Their reflections, stretched down into the water.
        x = x1 + n.Cislo() * 10;
    }
    int s = p.GetS();
    Nahoda m(78);
    for (int i = 0; i < 90; i++) {
        double rx = m.Cislo() * W, dlzka = 30 + m.Cislo() * 70;
        for (int fy = (int)(HORIZONT * s); fy < (int)((HORIZONT + dlzka) * s); fy++) {
            double y = (fy + 0.5) / s;
            if (std::sin(y * 0.9 + rx) < 0.2)
                continue;
            for (int fx = (int)((rx - 2) * s); fx < (int)((rx + 2) * s); fx++)
                p.Primiesaj(fx, fy, Farba{240, 180, 90}, 0.35 * (1 - (y - HORIZONT) / dlzka));
        }
    }
}

bool na_useku(double x, double y, double ax, double ay, double bx, double by, double hrubka)
{
    double dx = bx - ax, dy = by - ay;
    double t = obmedz(((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    return std::hypot(ax + t * dx - x, ay + t * dy - y) <= hrubka;
}

// A dockside crane in silhouette: a lattice tower, a cab and a jib pointing at `smer`.
void zeriav(Platno &p, double x, double smer)
{
    const double spodok = 700, vrch = 230, pol = 22;
    const Farba ocel{20, 22, 34};
    p.Maluj(x - 260, vrch - 40, x + 260, spodok, [&](double px, double py, Farba &c) {
        bool je = false;
        // Two legs with diagonal bracing.
        if (py > vrch && (std::fabs(px - (x - pol)) < 3 || std::fabs(px - (x + pol)) < 3))
            je = true;
        double k = std::fmod(py - vrch, 44.0);
        if (py > vrch && std::fabs(px - x) < pol &&
            (std::fabs((px - x + pol) - k) < 1.6 || std::fabs((x + pol - px) - k) < 1.6))
            je = true;
        // The cab, the jib and its stay.
        if (py > vrch - 6 && py < vrch + 26 && std::fabs(px - x) < 30)
            je = true;
        double koniec = x + smer * 240;
        if (na_useku(px, py, x, vrch, koniec, vrch + 14, 4))
            je = true;
        if (na_useku(px, py, x, vrch - 36, koniec, vrch + 10, 1.5) ||
            na_useku(px, py, x, vrch - 36, x - smer * 50, vrch, 1.5))
            je = true;
        if (std::fabs(px - x) < 2 && py > vrch - 36 && py < vrch)
            je = true;
        // The hook cable.
        if (std::fabs(px - (x + smer * 190)) < 1 && py > vrch + 12 && py < vrch + 150)
            je = true;
        if (!je)
            return false;
        c = ocel;
        return true;
    });
    // A red warning light on the jib's tip and the tower top.
    int s = p.GetS();
    const double svetla[][2] = {{x + smer * 240, vrch + 14}, {x, vrch - 38}};
    for (auto &l : svetla)
        for (int fy = (int)((l[1] - 16) * s); fy < (int)((l[1] + 16) * s); fy++)
            for (int fx = (int)((l[0] - 16) * s); fx < (int)((l[0] + 16) * s); fx++) {
                double d = std::hypot((fx + 0.5) / s - l[0], (fy + 0.5) / s - l[1]);
                p.Primiesaj(fx, fy, Farba{255, 60, 40}, d < 2.5 ? 1.0 : 0.6 * gauss(d, 5));
            }
}

void ponorka_pri_mole(Platno &p)
{
    // A boat moored along the quay; only its hull shows below the shop's panel.
    const double yc = 760, x0 = 260, x1 = 1020, h = 34;
    p.Maluj(x0, yc - h - 60, x1, yc + h, [&](double x, double y, Farba &c) {
        double u = (x - (x0 + x1) / 2) / ((x1 - x0) / 2);
        double hh = h * std::sqrt(std::fmax(0.0, 1 - std::pow(std::fabs(u), 6)));
        bool trup = std::fabs(y - yc) <= hh && y < yc + 8;
        bool veza = x > 560 && x < 680 && y > yc - h - 55 && y < yc;
        if (!trup && !veza)
            return false;
        double v = trup ? (y - yc) / hh : -0.6;
        c = osvetli(Farba{34, 40, 52}, u * 0.2, v, std::sqrt(std::fmax(0.05, 1 - v * v)), 0.15);
        return true;
    });
}

void nabrezie(Platno &p)
{
    p.Maluj(0, NABREZIE - 10, W, H, [&](double x, double y, Farba &c) {
        if (y < NABREZIE)
            return false;
        if (y < NABREZIE + 34) {
            // The stone edge: blocks of granite, lit from above.
            double blok = std::fmod(x + (std::fmod(std::floor((y - NABREZIE) / 17), 2.0)) * 40, 80.0);
            double t = (y - NABREZIE) / 34;
            c = krat(Farba{82, 84, 92}, 1.0 - 0.4 * t);
            if (blok < 2 || std::fabs(y - NABREZIE - 17) < 1)
                c = krat(c, 0.5);
            return true;
        }
        // Deck planks receding towards the water.
        // Plank k lies between rows that spread apart towards the viewer.
        double t = (y - NABREZIE - 34) / (H - NABREZIE - 34);
        double k = std::sqrt(t) * 9;
        int rad = (int)k;
        double v_prkne = k - rad;
        c = krat(Farba{62, 50, 40}, 0.55 + 0.35 * t);
        // Wood grain along each plank, and butt joints staggered from plank to plank.
        double vlakno = std::sin(x * 0.02 + rad * 1.7 + std::sin(x * 0.003 + rad) * 4 + v_prkne * 6);
        c = krat(c, 0.92 + 0.08 * vlakno);
        double spoj = std::fmod(x + rad * 173.0, 420.0);
        if (v_prkne < 0.06 || spoj < 2.0)
            c = krat(c, 0.45);
        else if (v_prkne < 0.14)
            c = krat(c, 1.12);  // the lit front edge of the plank
        return true;
    });
}

void polern(Platno &p, double x)
{
    const double y = NABREZIE + 34;
    p.Maluj(x - 26, y - 60, x + 26, y + 6, [&](double px, double py, Farba &c) {
        double u = (px - x) / 18;
        bool telo = std::fabs(u) <= 1 && py > y - 46 && py < y;
        double hu = (px - x) / 26;
        bool hlava = std::fabs(hu) <= 1 && py > y - 58 && py < y - 44;
        if (!telo && !hlava)
            return false;
        double nx = telo ? u : hu;
        c = osvetli(Farba{40, 44, 52}, nx, -0.2, std::sqrt(std::fmax(0.0, 1 - nx * nx)), 0.5);
        return true;
    });
}

void lampa(Platno &p, double x)
{
    const double vrch = 560, spodok = NABREZIE + 40;
    p.Maluj(x - 20, vrch - 10, x + 20, spodok, [&](double px, double py, Farba &c) {
        bool stlp = std::fabs(px - x) < 4 && py > vrch;
        bool kryt = std::fabs(px - x) < 16 - (py - vrch + 10) * 0.3 && py > vrch - 10 && py < vrch;
        if (!stlp && !kryt)
            return false;
        c = Farba{16, 16, 22};
        return true;
    });
    // The lamp's glow and its pool of light on the quay.
    int s = p.GetS();
    for (int fy = (int)((vrch - 80) * s); fy < (int)(H * s); fy++)
        for (int fx = (int)((x - 320) * s); fx < (int)((x + 320) * s); fx++) {
            double px = (fx + 0.5) / s, py = (fy + 0.5) / s;
            double d = std::hypot(px - x, py - vrch - 4);
            double a = 0.9 * std::exp(-d / 26) + (d < 6 ? 1.0 : 0.0);
            if (py > NABREZIE + 34)
                a += 0.35 * gauss(std::hypot((px - x) / 1.8, py - 940), 50);
            p.Primiesaj(fx, fy, Farba{255, 214, 140}, a);
        }
}

}  // namespace

BITMAP *maluj_pristav()
{
    Platno p((int)W, (int)H, 2, false);
    obloha_a_voda(p);
    hviezdy(p);
    mesiac(p);
    breh(p);
    zeriav(p, 120, 1);
    zeriav(p, 1200, -1);
    ponorka_pri_mole(p);
    nabrezie(p);
    polern(p, 140);
    polern(p, 660);
    polern(p, 1140);
    lampa(p, 60);
    lampa(p, 1236);
    return p.Zmensi();
}
