#include "objects/objekt.h"

Objekt::Objekt() : Sx(0), Sy(0), Prebijanie(0), Reload(0), Vybuch(0)
{
    // The order of these assignments is part of the object's contract.
    Px = 0;
    Py = 0;
    Speed = 0;
    Uhol = 0;
    Health = 1;
    Max_health = 1;
    Predosla = nullptr;
    Dalsia = nullptr;
    Bitmap = nullptr;
    Obrazok = nullptr;
    Max_speed = 0;
    Zrychlenie = 0;
    Otacanie = 0;
    Uhol = 0;
    Speed = Zrychlenie;
}

Objekt::~Objekt()
{
    if (Obrazok)
        destroy_bitmap(Obrazok);
}

void Objekt::Nakresli()
{}

void Objekt::Pohni()
{
    Sx = smer_x(Uhol) * Speed;
    Sy = smer_y(Uhol) * Speed;
    Px = Px + Sx;
    Py = Py + Sy;
    // At the surface the sea pushes the bow down and bleeds off speed.
    if (Py <= 101) {
        if (Uhol > 75 && Uhol <= 180)
            Uhol = Uhol - 5 * Otacanie;
        if (Uhol > 180 && Uhol < 285)
            Uhol = Uhol + 5 * Otacanie;
        Speed = Speed - 0.02;
        if (Speed <= 0.15)
            Speed = 0.15;
    }
    Prebijanie = Prebijanie + 1;
}

fixed uhol_sprajtu(double uhol, int k)
{
    int a = (int)(uhol * 0.71111111);
    // itofix(k - a), shifted unsigned: accumulated headings make k - a negative.
    return (fixed)((unsigned)(k - a) << 16);
}

void rotuj_sprajt(BITMAP *bmp, BITMAP *sprite, int x, int y, fixed angle)
{
    fixed stred_x = (fixed)(((unsigned)x << 16) + (unsigned)((sprite->w * 0x10000) / 2));
    fixed stred_y = (fixed)(((unsigned)y << 16) + (unsigned)((sprite->h * 0x10000) / 2));
    bmp->vtable->pivot_scaled_sprite_flip(bmp, sprite, stred_x, stred_y, sprite->w << 15, sprite->h << 15, angle,
                                          0x10000, FALSE);
}
