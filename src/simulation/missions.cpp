#include "simulation/missions.h"

#include <cstdio>

#include <allegro.h>

#include "objects/povel.h"
#include "platform/preklad.h"
#include "simulation/frame_loop.h"
#include "simulation/waves.h"
#include "world/spravca.h"

// The commander's four messages, shown exactly as written (or as translated).
static char sprava_uvod[] =
    N_("Vitaj na palube!!!\n\nVolam sa Zorvik Tamberk, a ododneska som tvojim\nnadriadenym.Budes plnit moje "
       "rozkazy,\na odmenou ti bude skvely pocit\nze si sluzil pod mojim velenim.\n\nZverime ti do ruk "
       "najmodernejsiu\ndnesnu ponorku so skusenou posadkou,\na ty nam predvedies, co vies.\n\nTvojou prvou "
       "uloho bude znicit\nnepriatelsku ponorku.\n\nVela stastia!");
static char sprava_po_misii1[] =
    N_("VYNIKAJUCE!!!\n\nTeraz ta zavediem do obchodu,\nkde si za utrzene financie nakupis torpeda\na navnady, "
       "pretoze vedz, ze vlada ta \nzasobovat nebude.Od nej dostanes\nakurat 100$ za kazdu ponorku,\nktoru "
       "znicis.\n\nHor sa nakupovat!!!");
static char sprava_misia2[] =
    N_("Vitam ta na dalsej misii!!!\n\nTvoj minuly vykon bol tak ohromujuci,\nze sa nasi nepriatelia "
       "rozhodli\ndostat ta za kazdu cenu.\n\nZ nasich tajnych zdrojov vieme,\nze sa na teba plavi pat-clenna "
       "flotila\nroznych druhov ponoriek.\nNiekolko rychlych,slabsich,\nale aj zopar tazko ozbrojenych,\nnalozenych "
       "vybusninami.\n\nPozor na ne!!!");
static char sprava_koniec[] = N_("Neskutocne!!!\n\nSkvela praca!!!");

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
    Ponorka &hrac = svet.GetHrac();
    Nakup n{hrac.GetMoney(), hrac.GetTorpedo(), hrac.GetNavnada(), CENA_TORPEDA, CENA_NAVNADY};
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

// One mission: its briefing, its wave, its steps, the praise and the shop.
static bool misia(Spravca &svet, Hra &hra, Priebeh &priebeh, int cislo, int farba, char *sprava, int farba_po,
                  char *sprava_po)
{
    if (!priebeh.briefing(hra, farba, sprava))
        return false;
    spawn_mission(svet, cislo);
    if (!run_mission(svet, hra, priebeh, cislo))
        return false;
    if (!priebeh.briefing(hra, farba_po, sprava_po))
        return false;
    return navsteva_obchodu(svet, priebeh);
}

bool hraj_misie(Spravca &svet, Hra &hra, Priebeh &priebeh, int prva_misia)
{
    // Nothing is reset between missions: the boat, its stocks and whatever
    // is still under way carry over.
    if (prva_misia <= 1 &&
        !misia(svet, hra, priebeh, 1, makecol(176, 128, 128), sprava_uvod, makecol(76, 176, 76), sprava_po_misii1))
        return false;
    return misia(svet, hra, priebeh, 2, makecol(76, 176, 76), sprava_misia2, makecol(76, 128, 176), sprava_koniec);
}
