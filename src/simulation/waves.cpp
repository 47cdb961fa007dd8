#include "simulation/waves.h"

#include "world/spravca.h"

void pridaj_vlnu(Spravca &svet, const std::vector<NepriatelKampane> &vlna)
{
    for (const NepriatelKampane &n : vlna)
        svet.Pridaj(TYP_NEPR1, n.px, n.py, n.speed, n.max_speed, n.uhol, n.health, n.max_health, n.otacanie, n.vybuch);
}

void spawn_mission(Spravca &svet, int mission)
{
    const Kampan &k = vstavana_kampan();
    if (mission >= 1 && mission <= (int)k.misie.size())
        pridaj_vlnu(svet, k.misie[mission - 1].nepriatelia);
}
