#include "game/missions.h"

#include "game/briefing.h"
#include "game/pokus.h"
#include "game/shop.h"
#include "game/waves.h"
#include "world/spravca.h"

// The commander's four messages, shown exactly as written.
static char sprava_uvod[] =
    "Vitaj na palube!!!\n\nVolam sa Zorvik Tamberk, a ododneska som tvojim\nnadriadenym.Budes plnit moje "
    "rozkazy,\na odmenou ti bude skvely pocit\nze si sluzil pod mojim velenim.\n\nZverime ti do ruk "
    "najmodernejsiu\ndnesnu ponorku so skusenou posadkou,\na ty nam predvedies, co vies.\n\nTvojou prvou "
    "uloho bude znicit\nnepriatelsku ponorku.\n\nVela stastia!";
static char sprava_po_misii1[] =
    "VYNIKAJUCE!!!\n\nTeraz ta zavediem do obchodu,\nkde si za utrzene financie nakupis torpeda\na navnady, "
    "pretoze vedz, ze vlada ta \nzasobovat nebude.Od nej dostanes\nakurat 100$ za kazdu ponorku,\nktoru "
    "znicis.\n\nHor sa nakupovat!!!";
static char sprava_misia2[] =
    "Vitam ta na dalsej misii!!!\n\nTvoj minuly vykon bol tak ohromujuci,\nze sa nasi nepriatelia "
    "rozhodli\ndostat ta za kazdu cenu.\n\nZ nasich tajnych zdrojov vieme,\nze sa na teba plavi pat-clenna "
    "flotila\nroznych druhov ponoriek.\nNiekolko rychlych,slabsich,\nale aj zopar tazko ozbrojenych,\nnalozenych "
    "vybusninami.\n\nPozor na ne!!!";
static char sprava_koniec[] = "Neskutocne!!!\n\nSkvela praca!!!";

void navsteva_obchodu(Spravca &svet)
{
    Ponorka &hrac = svet.GetHrac();
    int peniaze = hrac.GetMoney();
    int torpeda = hrac.GetTorpedo();
    int navnady = hrac.GetNavnada();
    shop(&peniaze, 50, 10, 0, 0, &torpeda, &navnady);
    hrac.SetMoney(peniaze);
    hrac.SetTorpedo(torpeda);
    hrac.SetNavnada(navnady);
}

void hraj_misie(Spravca &svet, Hra &hra)
{
    // Nothing is reset between missions: the boat, its stocks and whatever
    // is still under way carry over.
    briefing(hra.pismo_briefing, makecol(176, 128, 128), sprava_uvod);
    spawn_mission(svet, 1);
    run_mission(svet, hra);
    briefing(hra.pismo_briefing, makecol(76, 176, 76), sprava_po_misii1);
    navsteva_obchodu(svet);

    briefing(hra.pismo_briefing, makecol(76, 176, 76), sprava_misia2);
    spawn_mission(svet, 2);
    run_mission(svet, hra);
    briefing(hra.pismo_briefing, makecol(76, 128, 176), sprava_koniec);
    navsteva_obchodu(svet);
}
