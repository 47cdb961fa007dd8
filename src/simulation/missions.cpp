#include "simulation/missions.h"

#include <cstdio>
#include <vector>

#include <allegro.h>

#include "objects/povel.h"
#include "simulation/frame_loop.h"
#include "simulation/kampan.h"
#include "simulation/waves.h"
#include "world/spravca.h"

bool Priebeh::po_kroku(Spravca &, Hra &, int, bool)
{
    return true;
}

bool Priebeh::po_misii(Spravca &, Hra &, int)
{
    return true;
}

void priprav_svet(Spravca &svet)
{
    svet.GetHrac().SetHealth(10000);
    svet.GetHrac().SetMax_health(10000);
}

bool kup_torpedo(Nakup &n)
{
    if (n.peniaze < n.cena_torpeda)
        return false;
    n.peniaze -= n.cena_torpeda;
    n.torpeda += 1;
    if (n.pozorovatel)
        n.pozorovatel->kupene(POLOZKA_TORPEDO);
    return true;
}

bool kup_navnadu(Nakup &n)
{
    if (n.peniaze < n.cena_navnady)
        return false;
    n.peniaze -= n.cena_navnady;
    n.navnady += 1;
    if (n.pozorovatel)
        n.pozorovatel->kupene(POLOZKA_NAVNADA);
    return true;
}

bool kup(Nakup &n, Polozka p)
{
    return p == POLOZKA_TORPEDO ? kup_torpedo(n) : kup_navnadu(n);
}

void vypis_nakup(Polozka p, int zasoba, int peniaze)
{
    if (p == POLOZKA_TORPEDO)
        printf("Torpedo kupene\nPocet torped %d\nPeniaze %d\n", zasoba, peniaze);
    else
        printf("Navnada kupena\nPocet navnad %d\nPeniaze %d\n", zasoba, peniaze);
}

bool navsteva_obchodu(Spravca &svet, Priebeh &priebeh)
{
    return navsteva_obchodu(svet, priebeh, CENA_TORPEDA, CENA_NAVNADY);
}

bool navsteva_obchodu(Spravca &svet, Priebeh &priebeh, int cena_torpeda, int cena_navnady)
{
    Ponorka &hrac = svet.GetHrac();
    Nakup n{hrac.GetMoney(), hrac.GetTorpedo(), hrac.GetNavnada(), cena_torpeda, cena_navnady};
    bool dalej = priebeh.obchod(n);
    hrac.SetMoney(n.peniaze);
    hrac.SetTorpedo(n.torpeda);
    hrac.SetNavnada(n.navnady);
    return dalej;
}

bool run_mission(Spravca &svet, Hra &hra, Priebeh &priebeh, int misia)
{
    while (svet.GetZacNepr1() != nullptr) {
        Povel povel;
        if (!priebeh.povel(svet, hra, misia, povel))
            return false;
        bool kreslenie = kedy_vykresli == 3;
        frame_step(svet, hra, povel);
        if (!priebeh.po_kroku(svet, hra, misia, kreslenie))
            return false;
    }
    return priebeh.po_misii(svet, hra, misia);
}

// A briefing of the campaign. The screen takes a modifiable text, so it gets a
// copy of its own.
static bool ukaz_briefing(Hra &hra, Priebeh &priebeh, const SpravaKampane &s)
{
    std::vector<char> text(s.text.begin(), s.text.end());
    text.push_back('\0');
    return priebeh.briefing(hra, makecol(s.r, s.g, s.b), text.data());
}

// One mission: its briefing, its wave, its steps, the second briefing and the shop.
static bool misia(Spravca &svet, Hra &hra, Priebeh &priebeh, int cislo, const MisiaKampane &m)
{
    if (!ukaz_briefing(hra, priebeh, m.pred))
        return false;
    pridaj_vlnu(svet, m.nepriatelia);
    if (!run_mission(svet, hra, priebeh, cislo))
        return false;
    if (!ukaz_briefing(hra, priebeh, m.po))
        return false;
    return !m.obchod || navsteva_obchodu(svet, priebeh, m.cena_torpeda, m.cena_navnady);
}

bool hraj_kampan(Spravca &svet, Hra &hra, Priebeh &priebeh, const Kampan &kampan, int prva_misia)
{
    // Nothing is reset between missions: the boat, its stocks and whatever
    // is still under way carry over.
    for (int cislo = prva_misia < 1 ? 1 : prva_misia; cislo <= (int)kampan.misie.size(); cislo++)
        if (!misia(svet, hra, priebeh, cislo, kampan.misie[cislo - 1]))
            return false;
    return true;
}

bool hraj_misie(Spravca &svet, Hra &hra, Priebeh &priebeh, int prva_misia)
{
    return hraj_kampan(svet, hra, priebeh, vstavana_kampan(), prva_misia > 2 ? 2 : prva_misia);
}
