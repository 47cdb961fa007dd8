#include "objects/vybuch.h"

Vybuch1::Vybuch1()
{
    Px = 0;
    Py = 0;
    Speed = 0;
    Uhol = 0;
    Health = 1;
    Max_health = 1;
    Dalsia = nullptr;
    Predosla = nullptr;
    Bitmap = nullptr;
}

void Vybuch1::Nakresli()
{
    int H = Health;
    int M = Max_health;
    // The radius divides the colour; an explosion without one has nothing to show.
    if (M < 1 || !Bitmap)
        return;
    int farba = makecol(255, 255 - H * 255 / M, 0);
    circle(Bitmap, (int)Px, (int)Py, M - H, farba);
    circle(Bitmap, (int)Px, (int)Py, M - H + 1, farba);
}
