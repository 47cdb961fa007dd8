#include "objects/ponorka.h"

#include "objects/obrazky.h"
#include "objects/povel.h"

namespace {

const char *const OBRAZOK_VPRAVO = "gfx/submarine/sub_player_right.tga";
const char *const OBRAZOK_VLAVO = "gfx/submarine/sub_player_left.tga";

// Charge time of each slot: four torpedo tubes, decoys, blast line, large blast, gun.
const int NABIJANIE_SLOTOV[PONORKA_SLOTY] = {1000, 1000, 1000, 1000, 150, 10000, 40000, 40};

}  // namespace

Ponorka::Ponorka()
{
    Max_speed = 0.5;
    Torpedo = 50;
    Navnada = 100;
    Zrychlenie = 0.005;
    Otacanie = 0.25;
    Sx = 0;
    Sy = 0;
    Px = 150;
    Py = 384;
    Uhol = 90;
    Speed = Zrychlenie;
    Bitmap = screen;
    Prebijanie = 0;
    Reload = 100;
    Money = 0;
    Obrazok = obrazok_kopia(OBRAZOK_VPRAVO);
    Max_obrat = OBRAT_ZIADNY;
    Obrat = 0;
    for (int i = 0; i < PONORKA_SLOTY; i++) {
        Nabijanie[i] = NABIJANIE_SLOTOV[i];
        Prebi[i] = NABIJANIE_SLOTOV[i];
    }
    // A weapon fired before the first step leaves from the starting bow point.
    Horedole = 0;
    Nastav_pridu();
}

Ponorka::~Ponorka()
{}

// The bow point, where the boat's weapons leave it.
void Ponorka::Nastav_pridu()
{
    Vx = Px + 50 * smer_x(Uhol) - 50 - Otacanie / 90;
    Vy = Py + 50 * smer_y(Uhol);
}

void Ponorka::Maxspeed()
{
    if (Speed > Max_speed)
        Speed = Max_speed;
    if (Speed < -Max_speed / 2)
        Speed = -Max_speed / 2;
}

void Ponorka::Ovladanie()
{
    for (int i = 0; i < PONORKA_SLOTY; i++) {
        Nabijanie[i] = Nabijanie[i] + 1;
        if (Nabijanie[i] > Prebi[i])
            Nabijanie[i] = Prebi[i];
    }

    // Facing follows Obrat, so the controls change sides at the image swap.
    bool vpravo = Obrat >= 0 && Obrat <= 90;
    if (buffer_klavesnice() && Py > 86 && Py < 604) {
        if (drzi_klavesu(KEY_RIGHT)) {
            if (vpravo)
                Speed = Speed + Zrychlenie;
            else
                Speed = Speed - Zrychlenie;
        }
        if (drzi_klavesu(KEY_LEFT)) {
            if (vpravo)
                Speed = Speed - Zrychlenie;
            else
                Speed = Speed + Zrychlenie;
        }
        if (drzi_klavesu(KEY_S)) {
            if (vpravo)
                Uhol = Uhol - Otacanie;
            else
                Uhol = Uhol + Otacanie;
        }
        if (drzi_klavesu(KEY_W)) {
            if (vpravo)
                Uhol = Uhol + Otacanie;
            else
                Uhol = Uhol - Otacanie;
        }
    }

    if (Uhol > 360)
        Uhol = Uhol - 360;
    if (Uhol < 0)
        Uhol = Uhol + 360;

    if (Uhol > 0 && Uhol < 40)
        Uhol = 40;
    if (Uhol > 140 && Uhol < 180)
        Uhol = 140;
    if (Uhol > 180 && Uhol < 230)
        Uhol = 230;
    if (Uhol > 320 && Uhol < 360)
        Uhol = 320;

    // The sea floor pitches the bow up and holds the boat at a slow crawl.
    if (Py > 614) {
        if (Uhol >= 0 && Uhol < 105)
            Uhol = Uhol + 5 * Otacanie;
        if (Uhol > 255 && Uhol < 360)
            Uhol = Uhol - 5 * Otacanie;
        Speed = Speed - 0.02;
        if (Speed <= 0.3)
            Speed = 0.3;
    }

    if (Py > 86 && Py < 604) {
        if (drzi_klavesu(KEY_UP))
            Horedole = -0.1;
        if (drzi_klavesu(KEY_DOWN))
            Horedole = 0.1;
    }

    if (Py < 101)
        Py = 101;

    if (!drzi_klavesu(KEY_UP) && !drzi_klavesu(KEY_DOWN))
        Horedole = 0;

    if (drzi_klavesu(KEY_SPACE) && Max_obrat == OBRAT_ZIADNY) {
        if (Obrat == 0)
            Max_obrat = OBRAT_DOLAVA;
        if (Obrat == 180)
            Max_obrat = OBRAT_DOPRAVA;
    }

    if (Max_obrat == OBRAT_DOLAVA || Max_obrat == OBRAT_DOLAVA_DOKONCI) {
        Obrat = Obrat + 1;
        if (Obrat == 90) {
            destroy_bitmap(Obrazok);
            Obrazok = obrazok_kopia(OBRAZOK_VLAVO);
            Max_obrat = OBRAT_DOLAVA_DOKONCI;
            Uhol = 360 - Uhol;
        }
    }
    if (Max_obrat == OBRAT_DOPRAVA || Max_obrat == OBRAT_DOPRAVA_DOKONCI) {
        Obrat = Obrat - 1;
        if (Obrat == 90) {
            destroy_bitmap(Obrazok);
            Obrazok = obrazok_kopia(OBRAZOK_VPRAVO);
            Max_obrat = OBRAT_DOPRAVA_DOKONCI;
            Uhol = 360 - Uhol;
        }
    }

    if (Obrat >= 180) {
        Obrat = 180;
        Max_obrat = OBRAT_ZIADNY;
    }
    if (Obrat <= 0) {
        Obrat = 0;
        Max_obrat = OBRAT_ZIADNY;
    }

    Nastav_pridu();
}

void Ponorka::Nakresli()
{
    Py = Py + Horedole;
    // Without a sprite or a target there is nothing to draw; the drift still applies.
    if (!Obrazok || !Bitmap)
        return;
    int y = (int)(Py - 12.5);
    if (Obrat > 0 && Obrat < 90) {
        int x = (int)(Px - 50 + (Obrat - 90) / 90 * 50);
        int w = (int)(100 * (90 - Obrat) / 90);
        stretch_sprite(Bitmap, Obrazok, x, y, w, 25);
    }
    if (Obrat > 90 && Obrat < 180) {
        int x = (int)(Px - 50 - (Obrat - 90) / 90 * 50);
        int w = (int)(100 * (Obrat - 90) / 90);
        stretch_sprite(Bitmap, Obrazok, x, y, w, 25);
    }
    if (Obrat == 0)
        rotuj_sprajt(Bitmap, Obrazok, (int)(Px - 100), y, uhol_sprajtu(Uhol, 320));
    if (Obrat == 180)
        rotuj_sprajt(Bitmap, Obrazok, (int)(Px - 100), y, uhol_sprajtu(Uhol, 448));
}
