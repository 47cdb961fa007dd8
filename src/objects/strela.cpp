#include "objects/strela.h"

#include "objects/obrazky.h"

namespace {

const char *const TORPEDO = "gfx/torpedo.tga";

// Draws a right-facing projectile centred by (dx, dy), then accelerates it
// while one more step stays within Max_speed.
void kresli_a_zrychli(BITMAP *bitmap, BITMAP *obrazok, double px, double py, double uhol, int dx, int dy, double &speed,
                      double max_speed, double zrychlenie)
{
    if (obrazok && bitmap)
        rotuj_sprajt(bitmap, obrazok, (int)px - dx, (int)py - dy, uhol_sprajtu(uhol, 320));
    if (speed <= max_speed - zrychlenie)
        speed = speed + zrychlenie;
}

}  // namespace

Strela1::Strela1()
{
    Zrychlenie = 0.01;
    Otacanie = 0.5;
    Reload = 2000;
    Prebijanie = 0;
    Obrazok = obrazok_kopia(TORPEDO);
}

void Strela1::Nakresli()
{
    kresli_a_zrychli(Bitmap, Obrazok, Px, Py, Uhol, 10, 5, Speed, Max_speed, Zrychlenie);
}

Strela2::Strela2()
{
    Reload = 3000;
    Prebijanie = 0;
}

void Strela2::Nakresli()
{
    int R = Reload;
    int P = Prebijanie;
    int M = Max_health;
    // The fading scale is a divisor; a decoy without one neither fades nor drifts.
    if (M == 0)
        return;
    int farba = makecol((R - P) * 128 / M, (R - P) * 128 / M, 255 - (R - P) * 127 / M);
    if (Bitmap)
        circlefill(Bitmap, (int)Px, (int)Py, 5, farba);
    Speed = (double)(R - P) * Max_speed / M / 4;
}

Strela3::Strela3()
{
    Zrychlenie = 0;
    Otacanie = 0.1;
    Reload = 2500;
    Prebijanie = 0;
    Obrazok = obrazok_kopia(TORPEDO);
}

void Strela3::Nakresli()
{
    kresli_a_zrychli(Bitmap, Obrazok, Px, Py, Uhol, 10, 5, Speed, Max_speed, Zrychlenie);
}

Strela4::Strela4()
{
    Zrychlenie = 0.01;
    Otacanie = 0;
    Reload = 500;
    Prebijanie = 0;
    Obrazok = obrazok_kopia("gfx/gulomet.tga");
}

void Strela4::Nakresli()
{
    kresli_a_zrychli(Bitmap, Obrazok, Px, Py, Uhol, 6, 3, Speed, Max_speed, Zrychlenie);
}
