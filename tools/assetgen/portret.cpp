// The commander's portrait: a bearded naval officer in a peaked cap and a double-breasted
// jacket, head and shoulders in a gilt frame, painted at the size the briefing shows it.
#include <cmath>
#include <cstdint>

#include "maliari.h"
#include "platno.h"

namespace {

const double W = 443, H = 522, CX = 221.5;

const Farba PLET{226, 178, 142};
const Farba BRADA{200, 198, 192};
const Farba ZLATO{214, 170, 72};
const Farba SAKO{24, 32, 62};
const Farba CIERNA{16, 16, 22};

// A fixed pseudo-random value per fine pixel, for hair and cloth texture.
double zrno(double x, double y)
{
    uint32_t h = (uint32_t)(x * 7919.0) * 2654435761u ^ (uint32_t)(y * 104729.0) * 2246822519u;
    h ^= h >> 15;
    h *= 2654435761u;
    h ^= h >> 13;
    return (h & 0xffff) / 65535.0;
}

// Hair runs in strands: noise that changes slowly along a direction and fast across it.
double pramene(double x, double y, double sklon)
{
    double across = x * std::cos(sklon) - y * std::sin(sklon);
    double along = x * std::sin(sklon) + y * std::cos(sklon);
    return zrno(std::floor(across * 1.5), std::floor(along / 6.0));
}

bool v_mnohouholniku(const double (*v)[2], int n, double x, double y)
{
    bool dnu = false;
    for (int i = 0, j = n - 1; i < n; j = i++) {
        if ((v[i][1] > y) != (v[j][1] > y) && x < (v[j][0] - v[i][0]) * (y - v[i][1]) / (v[j][1] - v[i][1]) + v[i][0])
            dnu = !dnu;
    }
    return dnu;
}

double gauss(double d, double sirka)
{
    return std::exp(-(d * d) / (2 * sirka * sirka));
}

// A shaded ellipsoid.
void elipsoid(Platno &p, double cx, double cy, double rx, double ry, Farba f, double lesk)
{
    p.Maluj(cx - rx, cy - ry, cx + rx, cy + ry, [&](double x, double y, Farba &c) {
        double u = (x - cx) / rx, v = (y - cy) / ry;
        double d = u * u + v * v;
        if (d > 1)
            return false;
        c = osvetli(f, u, v, std::sqrt(1 - d), lesk);
        return true;
    });
}

void priesvitna_elipsa(Platno &p, double cx, double cy, double rx, double ry, Farba f, double sila)
{
    int s = p.GetS();
    for (int fy = (int)((cy - ry) * s); fy <= (int)((cy + ry) * s); fy++) {
        for (int fx = (int)((cx - rx) * s); fx <= (int)((cx + rx) * s); fx++) {
            double u = ((fx + 0.5) / s - cx) / rx, v = ((fy + 0.5) / s - cy) / ry;
            double d = u * u + v * v;
            if (d < 1)
                p.Primiesaj(fx, fy, f, sila * (1 - d) * (1 - d));
        }
    }
}

void pozadie(Platno &p)
{
    p.Maluj(0, 0, W, H, [&](double x, double y, Farba &c) {
        double d = std::hypot((x - CX) / W, (y - 230) / H);
        c = zmiesaj(Farba{70, 86, 104}, Farba{12, 16, 26}, obmedz(d * 1.9, 0.0, 1.0));
        // Faint vertical panelling of a wardroom wall.
        double panel = std::fmod(x + 1000.0, 74.0);
        if (panel < 2.0)
            c = krat(c, 0.82);
        else if (panel < 4.0)
            c = krat(c, 1.08);
        return true;
    });
}

double rameno(double x)
{
    double dx = std::fabs(x - CX) / 215.0;
    return 370 + 66 * std::pow(dx, 2.2);
}

double vystrih(double y)  // half-width of the jacket's opening at the chest
{
    return y < 380 ? 0 : (y - 380) * 0.45;
}

void sako(Platno &p)
{
    p.Maluj(0, 360, W, H, [&](double x, double y, Farba &c) {
        double dx = x - CX;
        if (y < rameno(x) || std::fabs(dx) > 212 + (y - 430) * 0.12)
            return false;
        double hore = obmedz((y - rameno(x)) / 40.0, 0.0, 1.0);
        double nx = dx / 300.0, ny = -0.75 * (1 - hore) + 0.15;
        double nz = 1;
        double n = std::sqrt(nx * nx + ny * ny + nz * nz);
        Farba f = osvetli(SAKO, nx / n, ny / n, nz / n, 0.05);
        // Creases where the sleeves meet the chest.
        double zahyb = gauss(std::fabs(dx) - 150 - (y - 430) * 0.1, 6);
        f = krat(f, 1 - 0.35 * zahyb);
        f = plus(f, krat(Farba{1, 1, 1}, (zrno(x, y) - 0.5) * 6));
        double okraj = std::fabs(dx) - vystrih(y);
        if (y >= 380 && okraj < 0)
            return false;
        // Lapels: a lighter band beside the opening, edged by a dark seam.
        if (y >= 380 && okraj < 40 - (y - 380) * 0.1) {
            f = krat(f, 1.18 - 0.004 * okraj);
            if (okraj < 2.2 || std::fabs(okraj - (40 - (y - 380) * 0.1)) < 1.2)
                f = krat(f, 0.45);
        }
        c = f;
        return true;
    });
}

void kosela_a_kravata(Platno &p)
{
    p.Maluj(CX - 70, 360, CX + 70, H, [&](double x, double y, Farba &c) {
        double dx = x - CX;
        if (y < 368 || std::fabs(dx) > vystrih(y) + 1 + (y < 380 ? 40 : 0))
            return false;
        double kravata = 9 + (y - 400) * 0.05;
        if (y > 384 && std::fabs(dx) < kravata) {
            double lesk = gauss(dx + 3, 3) * 0.5;
            c = plus(krat(Farba{28, 30, 52}, 1.0 - 0.3 * (y - 384) / 140), krat(Farba{90, 90, 110}, lesk));
            return true;
        }
        if (y >= 368 && y <= 386 && std::fabs(dx) < 13 - (y - 368) * 0.2) {
            c = osvetli(Farba{30, 32, 56}, dx / 20, (y - 377) / 18, 0.8, 0.3);  // the knot
            return true;
        }
        double tien = gauss(std::fabs(dx) - vystrih(y), 7);
        c = krat(Farba{236, 236, 230}, 0.95 - 0.35 * tien);
        return true;
    });
    // Collar wings on either side of the knot.
    for (int strana = -1; strana <= 1; strana += 2) {
        const double v[4][2] = {
            {CX + strana * 37, 352}, {CX + strana * 9, 372}, {CX + strana * 18, 402}, {CX + strana * 46, 382}};
        p.Maluj(CX - 50, 348, CX + 50, 408, [&](double x, double y, Farba &c) {
            if (!v_mnohouholniku(v, 4, x, y))
                return false;
            double t = (y - 354) / 50.0;
            c = krat(Farba{244, 244, 238}, 1.0 - 0.15 * t - (strana > 0 ? 0.08 : 0));
            return true;
        });
    }
}

void narameniky(Platno &p)
{
    for (int strana = -1; strana <= 1; strana += 2) {
        p.Maluj(0, 370, W, 430, [&](double x, double y, Farba &c) {
            double dx = (x - CX) * strana;
            if (dx < 100 || dx > 200)
                return false;
            double top = rameno(x) + 1, hrubka = 12 + (dx - 100) * 0.05;
            if (y < top || y > top + hrubka)
                return false;
            double t = (y - top) / hrubka;
            // Gold piping round the board and three stripes at its outer end.
            bool lem = t < 0.16 || t > 0.84 || dx < 103;
            double k = dx - 158;
            bool pruh = k > 0 && k < 31 && std::fmod(k, 11.0) < 6.0;
            Farba f = (lem || pruh) ? osvetli(ZLATO, 0, t - 0.5, 0.8, 0.6) : krat(CIERNA, 1.2 - 0.4 * t);
            c = f;
            return true;
        });
    }
}

void gombiky_a_stuzky(Platno &p)
{
    const double pozicie[][2] = {{CX - 64, 452}, {CX + 64, 452}, {CX - 74, 503}, {CX + 74, 503}};
    for (auto &g : pozicie) {
        elipsoid(p, g[0], g[1], 7.5, 7.5, ZLATO, 0.9);
        priesvitna_elipsa(p, g[0] + 2, g[1] + 6, 7, 3, Farba{0, 0, 0}, 0.5);
    }
    // Medal ribbons on the left breast (the viewer's right).
    const Farba stuzky[] = {{170, 30, 40},   {230, 190, 60}, {40, 80, 160},
                            {240, 240, 240}, {30, 120, 70},  {170, 30, 40}};
    for (int i = 0; i < 6; i++) {
        double x0 = CX + 96 + (i % 3) * 20, y0 = 428 + (i / 3) * 10;
        Farba f = stuzky[i];
        p.Maluj(x0, y0, x0 + 19, y0 + 9, [&](double x, double y, Farba &c) {
            if (x < x0 || x > x0 + 19 || y < y0 || y > y0 + 9)
                return false;
            double pruh = std::fabs(x - x0 - 9.5) < 2.5 ? 0.75 : 1.0;
            c = krat(f, pruh * (1.05 - 0.25 * (y - y0) / 9));
            return true;
        });
    }
}

// Half-width of the head at height y: an egg with a firm jaw.
double hlava_sirka(double y)
{
    const double cy = 262, ry = 102, rx = 80;
    double v = (y - cy) / ry;
    if (std::fabs(v) >= 1)
        return 0;
    double w = rx * std::sqrt(1 - v * v);
    if (v > 0)
        w *= 1 - 0.16 * v * v;
    return w;
}

void krk_a_usi(Platno &p)
{
    p.Maluj(CX - 45, 300, CX + 45, 400, [&](double x, double y, Farba &c) {
        double dx = x - CX, w = 35 + (y - 330) * 0.15;
        if (std::fabs(dx) > w || y > 390)
            return false;
        // A lit cylinder, darker up under the beard.
        double tien = obmedz((364 - y) / 40.0, 0.0, 1.0);
        double nx = dx / w * 0.85;
        c = osvetli(krat(PLET, 0.92 - 0.35 * tien), nx, 0, std::sqrt(1 - nx * nx), 0.05);
        return true;
    });
    for (int strana = -1; strana <= 1; strana += 2) {
        elipsoid(p, CX + strana * 79, 268, 13, 26, krat(PLET, 0.95), 0.1);
        priesvitna_elipsa(p, CX + strana * 80, 268, 6, 15, Farba{120, 60, 50}, 0.5);
    }
}

void tvar(Platno &p)
{
    p.Maluj(CX - 85, 155, CX + 85, 370, [&](double x, double y, Farba &c) {
        double dx = x - CX, w = hlava_sirka(y);
        if (std::fabs(dx) > w)
            return false;
        double nx = dx / 82, ny = (y - 262) / 150;
        double nz = std::sqrt(std::fmax(0.05, 1 - nx * nx - ny * ny));
        double n = std::sqrt(nx * nx + ny * ny + nz * nz);
        Farba f = PLET;
        // Warmer cheeks and nose, cooler temples.
        double lico = gauss(std::hypot(std::fabs(dx) - 44, y - 292), 18);
        f = zmiesaj(f, Farba{214, 128, 112}, 0.25 * lico);
        c = osvetli(f, nx / n, ny / n, nz / n, 0.1);
        // Shadow of the cap's peak across the brow.
        double okraj_stitka = 206 + 12 * (1 - (dx / 100) * (dx / 100));
        if (y < okraj_stitka + 24)
            c = krat(c, 0.55 + 0.45 * obmedz((y - okraj_stitka) / 24, 0.0, 1.0));
        return true;
    });
}

void vlasy(Platno &p)
{
    // Short grey hair at the temples, under the band of the cap.
    p.Maluj(CX - 85, 180, CX + 85, 265, [&](double x, double y, Farba &c) {
        double dx = x - CX, w = hlava_sirka(y);
        if (std::fabs(dx) > w || std::fabs(dx) < w - 16 + (y - 185) * 0.12)
            return false;
        double s = pramene(x, y, dx < 0 ? 0.3 : -0.3);
        c = krat(Farba{150, 148, 144}, 0.55 + 0.5 * s);
        return true;
    });
}

bool je_brada(double x, double y)
{
    double dx = x - CX, w = hlava_sirka(y);
    if (y > 364 || std::fabs(dx) > w + 2)
        return false;
    bool ustne = std::hypot(dx / 19, (y - 332) / 6.5) < 1;
    if (ustne)
        return false;
    if (y > 322)
        return true;
    // Side whiskers along the jaw.
    return std::fabs(dx) > w - 14 - (y - 262) * 0.45 && y > 262;
}

void brada(Platno &p)
{
    p.Maluj(CX - 90, 260, CX + 90, 372, [&](double x, double y, Farba &c) {
        double dx = x - CX;
        bool b = je_brada(x, y);
        // The moustache: two drooping wings above the lips.
        double my = 322 + 0.004 * dx * dx;
        bool fuzy =
            std::fabs(dx) < 42 && y > my - 9 + 0.01 * std::fabs(dx) && y < my + 4 && !(std::fabs(dx) < 3 && y < my - 4);
        // The edge of the beard is ragged.
        double w = hlava_sirka(y);
        if (b && std::fabs(dx) > w - 2 && zrno(x, std::floor(y / 3)) < 0.5)
            b = false;
        if (!b && !fuzy)
            return false;
        double nx = dx / 90, ny = (y - 300) / 80;
        double nz = std::sqrt(std::fmax(0.05, 1 - nx * nx - ny * ny));
        double n = std::sqrt(nx * nx + ny * ny + nz * nz);
        double s = pramene(x, y, dx * 0.01);
        Farba f = krat(BRADA, (fuzy ? 0.85 : 0.78) + 0.35 * s);
        c = osvetli(f, nx / n, ny / n, nz / n, 0.05);
        return true;
    });
    // Lips in the gap of the beard: a dark parting line and a lit lower lip.
    p.Maluj(CX - 22, 324, CX + 22, 340, [&](double x, double y, Farba &c) {
        double dx = x - CX;
        double u = dx / 17;
        if (std::fabs(u) > 1)
            return false;
        double ciara = 329.5 + 1.5 * u * u;
        double spodok = ciara + 6.5 * std::sqrt(1 - u * u);
        if (y < ciara - 1.2 || y > spodok)
            return false;
        if (y < ciara + 1.0)
            c = Farba{84, 40, 36};
        else
            c = krat(Farba{178, 106, 96}, 1.05 - 0.3 * (y - ciara) / 6.5 - 0.15 * std::fabs(u));
        return true;
    });
}

void oko(Platno &p, double cx, double cy, int strana)
{
    // A shadowed socket, the white, the iris, the lid and a catch-light.
    priesvitna_elipsa(p, cx, cy - 2, 26, 15, Farba{110, 64, 52}, 0.45);
    p.Maluj(cx - 17, cy - 9, cx + 17, cy + 9, [&](double x, double y, Farba &c) {
        double dx = (x - cx) / 15.5, dy = y - cy;
        double vyska = 6.5 * (1 - dx * dx) - 0.6 * strana * dx;
        if (std::fabs(dx) > 1)
            return false;
        if (dy < -vyska - 2.4 || dy > vyska * 0.8)
            return false;
        if (dy < -vyska + 0.6) {
            c = Farba{52, 34, 30};  // lid and lashes
            return true;
        }
        double d = std::hypot(x - cx, y - cy - 0.5);
        if (d < 2.8)
            c = Farba{14, 12, 14};
        else if (d < 6.4)
            c = zmiesaj(Farba{92, 128, 156}, Farba{40, 62, 86}, (d - 2.8) / 3.6);
        else
            c = krat(Farba{232, 228, 220}, 0.8 + 0.15 * (dy + vyska) / (2 * vyska));
        if (dy < -vyska + 3.0)
            c = krat(c, 0.7);  // the lid's shadow on the eye
        return true;
    });
    elipsoid(p, cx - 2.2, cy - 2.0, 1.4, 1.4, Farba{255, 255, 255}, 0);
    // Heavy grey brows, lowered towards the nose: a stern look.
    p.Maluj(cx - 26, cy - 32, cx + 26, cy - 8, [&](double x, double y, Farba &c) {
        double dx = (x - cx) * strana;  // positive towards the temple
        if (std::fabs(dx) > 23)
            return false;
        double u = dx / 23;
        double stred = cy - 19 - 5 * (1 - u * u) - 3.5 * u;
        double hrubka = 4.5 * (1 - 0.4 * u);
        if (std::fabs(y - stred) > hrubka)
            return false;
        double s = pramene(x, y, 1.3 * strana);
        c = krat(Farba{150, 146, 140}, 0.45 + 0.6 * s);
        return true;
    });
}

void nos(Platno &p)
{
    // Shadow down the side away from the light, then the base, nostrils and a highlight.
    int s = p.GetS();
    for (int fy = 236 * s; fy < 304 * s; fy++) {
        for (int fx = (int)(CX - 4) * s; fx < (int)(CX + 20) * s; fx++) {
            double x = (fx + 0.5) / s - CX, y = (fy + 0.5) / s;
            double sirka = 6 + (y - 236) * 0.1;
            double a = gauss(x - sirka, 3.2) * plynulo(236, 262, y) * 0.5;
            p.Primiesaj(fx, fy, Farba{120, 70, 56}, a);
        }
    }
    priesvitna_elipsa(p, CX + 1, 303, 21, 8, Farba{128, 72, 60}, 0.55);
    elipsoid(p, CX - 1, 296, 12, 9, zmiesaj(PLET, Farba{214, 130, 110}, 0.2), 0.25);
    elipsoid(p, CX - 9, 302, 4.5, 2.6, Farba{70, 36, 32}, 0);
    elipsoid(p, CX + 9, 302, 4.5, 2.6, Farba{70, 36, 32}, 0);
    priesvitna_elipsa(p, CX - 6, 268, 3, 20, Farba{255, 236, 220}, 0.35);
}

double stitok_hore(double dx)
{
    return 186 + 5 * (dx / 96) * (dx / 96);
}

double stitok_dole(double dx)
{
    return 206 + 13 * (1 - (dx / 100) * (dx / 100));
}

void ciapka(Platno &p)
{
    // The white cover: a wide top seen from a little below, tapering down to the band.
    p.Maluj(CX - 132, 80, CX + 132, 160, [&](double x, double y, Farba &c) {
        double dx = x - CX;
        double u = dx / 130, v = (y - 116) / 34;
        bool vrch = u * u + v * v <= 1;
        double t = obmedz((y - 116) / 44, 0.0, 1.0);
        bool bok = y >= 116 && y <= 160 && std::fabs(dx) <= 130 - 38 * t * t - 6 * t;
        if (!vrch && !bok)
            return false;
        Farba biela{240, 240, 234};
        if (vrch && y < 116) {
            c = osvetli(biela, u * 0.7, -0.6 + v * 0.4, 0.6, 0.15);
        } else {
            double nx = u * 0.9, ny = 0.25 + 0.4 * t;
            c = osvetli(biela, nx, ny, std::sqrt(std::fmax(0.1, 1 - nx * nx - ny * ny)), 0.1);
            c = krat(c, 1.0 - 0.22 * t);
        }
        // A seam where the top meets the sides.
        if (std::fabs(v * v + u * u - 1) < 0.03 && y > 116)
            c = krat(c, 0.8);
        return true;
    });
    // The black band with the gold chin cords.
    p.Maluj(CX - 100, 150, CX + 100, 192, [&](double x, double y, Farba &c) {
        double dx = x - CX;
        if (y < 153 || y > stitok_hore(dx) + 2 || std::fabs(dx) > 92 - (y - 153) * 0.05)
            return false;
        double nx = dx / 100;
        c = osvetli(Farba{26, 28, 38}, nx, 0.1, std::sqrt(1 - nx * nx), 0.3);
        double sn = 178 + 2 * (dx / 90) * (dx / 90);
        if (std::fabs(y - sn) < 2.2 || std::fabs(y - sn - 4.6) < 2.2) {
            double zavit = std::fmod(x - y + 400, 4.0) / 4.0;  // twisted cord
            c = osvetli(ZLATO, nx, (y - sn) / 4, 0.8, 0.5);
            c = krat(c, 0.8 + 0.35 * zavit);
        }
        return true;
    });
    for (int strana = -1; strana <= 1; strana += 2)
        elipsoid(p, CX + strana * 86, 182, 5, 5, ZLATO, 0.9);
}

void odznak(Platno &p)
{
    const double cx = CX, cy = 138;
    // A wreath of gold leaves round an anchor, on a dark oval.
    elipsoid(p, cx, cy, 27, 24, Farba{22, 26, 48}, 0.2);
    for (int i = 0; i < 8; i++) {
        double a = 0.5 + i * 0.3;  // from the lower middle up round each side
        for (int strana = -1; strana <= 1; strana += 2) {
            double lx = cx + strana * 25 * std::sin(a), ly = cy + 21 * std::cos(a);
            elipsoid(p, lx, ly, 3.6, 5.4, ZLATO, 0.7);
        }
    }
    // The anchor: ring, stock, shank, arms and flukes.
    p.Maluj(cx - 20, cy - 22, cx + 20, cy + 20, [&](double x, double y, Farba &c) {
        double dx = x - cx, dy = y - cy;
        double kruh = std::hypot(dx, dy + 15);
        bool ucho = kruh > 2.2 && kruh < 4.6;
        bool piest = std::fabs(dy + 8) < 1.8 && std::fabs(dx) < 11;
        bool driek = std::fabs(dx) < 2.0 && dy > -11 && dy < 14;
        double obluk = std::hypot(dx, dy - 2);
        bool ramena = dy > 5 && obluk > 11 && obluk < 14.5;
        bool hroty = (std::fabs(std::fabs(dx) - 12.5) < 3.2 && dy > 3 && dy < 8 - std::fabs(std::fabs(dx) - 12.5));
        if (!(ucho || piest || driek || ramena || hroty))
            return false;
        c = osvetli(Farba{232, 190, 90}, dx / 30, dy / 30, 0.9, 0.8);
        return true;
    });
}

void stitok(Platno &p)
{
    p.Maluj(CX - 104, 180, CX + 104, 224, [&](double x, double y, Farba &c) {
        double dx = x - CX;
        if (std::fabs(dx) > 100 || y < stitok_hore(dx) || y > stitok_dole(dx))
            return false;
        double t = (y - stitok_hore(dx)) / (stitok_dole(dx) - stitok_hore(dx));
        // Patent leather: black with a long highlight near the top edge.
        double lesk = gauss(t - 0.3, 0.12) * (0.6 - 0.4 * dx / 100) * 0.55;
        c = plus(krat(Farba{14, 14, 20}, 1.0 + 0.6 * t), krat(Farba{200, 210, 230}, lesk));
        return true;
    });
    // Gold oak leaves along the peak: the mark of a senior officer.
    for (int i = -6; i <= 6; i++) {
        if (i == 0)
            continue;
        double dx = i * 13.0;
        double y = stitok_dole(dx) - 6;
        elipsoid(p, CX + dx, y, 5.5, 3.2, ZLATO, 0.6);
    }
}

void ram(Platno &p)
{
    p.Maluj(0, 0, W, H, [&](double x, double y, Farba &c) {
        double d = std::fmin(std::fmin(x, W - x), std::fmin(y, H - y));
        if (d > 14)
            return false;
        if (d < 10) {
            // Dark wood with a bevel: lit on the top and left edges.
            bool svetla = (x < y && x < H - y) || (y < x && y < W - x);
            c = krat(Farba{64, 42, 28}, (svetla ? 1.15 : 0.7) * (0.85 + 0.15 * d / 10));
            c = plus(c, krat(Farba{1, 1, 1}, (zrno(x, std::floor(y / 4)) - 0.5) * 10));
        } else {
            c = osvetli(ZLATO, 0, (d - 12) / 3, 0.9, 0.5);
        }
        return true;
    });
}

}  // namespace

BITMAP *maluj_portret()
{
    Platno p((int)W, (int)H, 2, false);
    pozadie(p);
    sako(p);
    kosela_a_kravata(p);
    narameniky(p);
    gombiky_a_stuzky(p);
    krk_a_usi(p);
    tvar(p);
    vlasy(p);
    nos(p);
    oko(p, CX - 33, 252, -1);
    oko(p, CX + 33, 252, 1);
    brada(p);
    ciapka(p);
    odznak(p);
    stitok(p);
    ram(p);
    return p.Zmensi();
}
