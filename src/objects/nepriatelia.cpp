#include "objects/nepriatelia.h"

#include "objects/obrazky.h"

Nepr1::Nepr1()
{
    Reload = 500;
    Prebijanie = 0;
    Otacanie = 0.1;
    Obrazok = obrazok_kopia("gfx/submarine/nepriatel.tga");
}

void Nepr1::Nakresli()
{
    if (!Obrazok || !Bitmap)
        return;
    // x and y truncate at different moments: the x offset is applied after truncation.
    rotuj_sprajt(Bitmap, Obrazok, (int)Px - 25, (int)(Py - 12.5), uhol_sprajtu(Uhol, 448));
}
