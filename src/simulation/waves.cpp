#include "simulation/waves.h"

#include "world/spravca.h"

namespace {

// One enemy submarine, in the argument order of Spravca::Pridaj.
struct Nepriatel {
    double px, py, speed, max_speed, uhol;
    int health, max_health;
    double otacanie;
    int vybuch;
};

const Nepriatel misia1[] = {
    {1024, 384, 0.3, 0.3, 270, 1500, 1500, 0.2, 100},
};

// Fast and weak at the top and bottom, heavy ones with big blasts between.
const Nepriatel misia2[] = {
    {2048, 100, 1.0, 1.0, 270, 1000, 1000, 0.2, 50},  {2048, 200, 0.3, 0.3, 270, 2000, 2000, 0.2, 200},
    {2048, 300, 0.5, 0.5, 270, 1500, 1500, 0.2, 100}, {2048, 400, 0.3, 0.3, 270, 2000, 2000, 0.2, 200},
    {2048, 500, 1.0, 1.0, 270, 1000, 1000, 0.2, 50},
};

void pridaj_vlnu(Spravca &svet, const Nepriatel *vlna, int pocet)
{
    for (int i = 0; i < pocet; i++) {
        const Nepriatel &n = vlna[i];
        svet.Pridaj(TYP_NEPR1, n.px, n.py, n.speed, n.max_speed, n.uhol, n.health, n.max_health, n.otacanie, n.vybuch);
    }
}

}  // namespace

void spawn_mission(Spravca &svet, int mission)
{
    if (mission == 1)
        pridaj_vlnu(svet, misia1, sizeof misia1 / sizeof misia1[0]);
    else if (mission == 2)
        pridaj_vlnu(svet, misia2, sizeof misia2 / sizeof misia2[0]);
}
