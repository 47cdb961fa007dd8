#include "support/zataz.h"

#include "world/spravca.h"

namespace {

// A small fixed generator: the worlds must not depend on rand()'s state.
struct Nahoda {
    unsigned stav;
    double medzi(double od, double po)
    {
        stav = stav * 1103515245u + 12345u;
        return od + (po - od) * ((stav >> 8) & 0xffff) / 65535.0;
    }
};

// Splits n objects in the mix of the mission-2 battle: 5 boats, 20 torpedoes,
// 10 decoys, 20 enemy torpedoes, 50 bullets, 5 explosions out of 110.
Zataz rozdel(int n, int nepriatelia_pevne)
{
    Zataz z;
    int zvysok = n - nepriatelia_pevne;
    z.nepriatelia = nepriatelia_pevne;
    z.torpeda = zvysok * 20 / 105;
    z.navnady = zvysok * 10 / 105;
    z.nepr_torpeda = zvysok * 20 / 105;
    z.vybuchy = zvysok * 5 / 105;
    z.gulky = zvysok - z.torpeda - z.navnady - z.nepr_torpeda - z.vybuchy;
    return z;
}

}  // namespace

Zataz zataz_flotila2()
{
    Zataz z;
    z.nepriatelia = 5;
    z.torpeda = 20;
    z.navnady = 10;
    z.nepr_torpeda = 20;
    z.gulky = 50;
    z.vybuchy = 5;
    return z;
}

Zataz zataz_umerna(int n)
{
    int nepriatelia = n * 5 / 110;
    if (nepriatelia < 1)
        nepriatelia = 1;
    return rozdel(n, nepriatelia);
}

Zataz zataz_flotila_a(int n)
{
    // The boats and the decoys stay as in the battle; only the projectiles
    // that search through them (and bullets and explosions) grow.
    Zataz z;
    z.nepriatelia = n < 5 ? n : 5;
    int zvysok = n - z.nepriatelia;
    z.navnady = zvysok < 10 ? zvysok : 10;
    zvysok -= z.navnady;
    z.torpeda = zvysok * 20 / 95;
    z.nepr_torpeda = zvysok * 20 / 95;
    z.vybuchy = zvysok * 5 / 95;
    z.gulky = zvysok - z.torpeda - z.nepr_torpeda - z.vybuchy;
    return z;
}

void napln_svet(Spravca &svet, const Zataz &z)
{
    Nahoda n{12345u};

    // The mission-2 boats with the wave table's values, brought into view as
    // in a battle; further boats take the same rows over again.
    struct Riadok {
        double py, speed;
        int health, vybuch;
    };
    const Riadok flotila[5] = {{100, 1.0, 1000, 50},
                               {200, 0.3, 2000, 200},
                               {300, 0.5, 1500, 100},
                               {400, 0.3, 2000, 200},
                               {500, 1.0, 1000, 50}};
    for (int i = 0; i < z.nepriatelia; i++) {
        const Riadok &r = flotila[i % 5];
        svet.Pridaj(TYP_NEPR1, n.medzi(550, 950), r.py + n.medzi(0, 100), r.speed, r.speed, 270, r.health, r.health,
                    0.2, r.vybuch);
    }

    for (int i = 0; i < z.torpeda; i++)
        svet.Pridaj(TYP_STRELA1, n.medzi(200, 900), n.medzi(120, 650), 0.5, 0.6, n.medzi(0, 360), 1000, 1000, 0.4, 50);
    for (int i = 0; i < z.navnady; i++)
        svet.Pridaj(TYP_STRELA2, n.medzi(100, 600), n.medzi(120, 650), 0.3, 0.3, 90, 1500, 1500, 0, 1);
    for (int i = 0; i < z.nepr_torpeda; i++)
        svet.Pridaj(TYP_STRELA3, n.medzi(200, 950), n.medzi(120, 650), 0.3, 0.3, n.medzi(0, 360), 1000, 1000, 0.5, 40);
    for (int i = 0; i < z.gulky; i++)
        svet.Pridaj(TYP_STRELA4, n.medzi(200, 900), n.medzi(120, 650), 0.5, 0.5, 90, 300, 300, 0, 20);
    for (int i = 0; i < z.vybuchy; i++)
        svet.Pridaj(TYP_VYBUCH1, n.medzi(100, 1000), n.medzi(120, 650), 0, 0, 0, 75, 75, 0, 0);
}
