#include "simulation/kampan.h"

#include "platform/preklad.h"

namespace {

// The commander's four messages, shown exactly as written (or as translated).
const char SPRAVA_UVOD[] =
    N_("Vitaj na palube!!!\n\nVolam sa Zorvik Tamberk, a ododneska som tvojim\nnadriadenym.Budes plnit moje "
       "rozkazy,\na odmenou ti bude skvely pocit\nze si sluzil pod mojim velenim.\n\nZverime ti do ruk "
       "najmodernejsiu\ndnesnu ponorku so skusenou posadkou,\na ty nam predvedies, co vies.\n\nTvojou prvou "
       "uloho bude znicit\nnepriatelsku ponorku.\n\nVela stastia!");
const char SPRAVA_PO_MISII1[] =
    N_("VYNIKAJUCE!!!\n\nTeraz ta zavediem do obchodu,\nkde si za utrzene financie nakupis torpeda\na navnady, "
       "pretoze vedz, ze vlada ta \nzasobovat nebude.Od nej dostanes\nakurat 100$ za kazdu ponorku,\nktoru "
       "znicis.\n\nHor sa nakupovat!!!");
const char SPRAVA_MISIA2[] =
    N_("Vitam ta na dalsej misii!!!\n\nTvoj minuly vykon bol tak ohromujuci,\nze sa nasi nepriatelia "
       "rozhodli\ndostat ta za kazdu cenu.\n\nZ nasich tajnych zdrojov vieme,\nze sa na teba plavi pat-clenna "
       "flotila\nroznych druhov ponoriek.\nNiekolko rychlych,slabsich,\nale aj zopar tazko ozbrojenych,\nnalozenych "
       "vybusninami.\n\nPozor na ne!!!");
const char SPRAVA_KONIEC[] = N_("Neskutocne!!!\n\nSkvela praca!!!");

Kampan vytvor_vstavanu()
{
    Kampan k;
    k.meno = "Ponorka";

    MisiaKampane prva;
    prva.pred = {176, 128, 128, SPRAVA_UVOD};
    prva.nepriatelia = {
        {1024, 384, 0.3, 0.3, 270, 1500, 1500, 0.2, 100},
    };
    prva.po = {76, 176, 76, SPRAVA_PO_MISII1};
    prva.obchod = true;
    prva.cena_torpeda = CENA_TORPEDA;
    prva.cena_navnady = CENA_NAVNADY;

    // Fast and weak at the top and bottom, heavy ones with big blasts between.
    MisiaKampane druha;
    druha.pred = {76, 176, 76, SPRAVA_MISIA2};
    druha.nepriatelia = {
        {2048, 100, 1.0, 1.0, 270, 1000, 1000, 0.2, 50},  {2048, 200, 0.3, 0.3, 270, 2000, 2000, 0.2, 200},
        {2048, 300, 0.5, 0.5, 270, 1500, 1500, 0.2, 100}, {2048, 400, 0.3, 0.3, 270, 2000, 2000, 0.2, 200},
        {2048, 500, 1.0, 1.0, 270, 1000, 1000, 0.2, 50},
    };
    druha.po = {76, 128, 176, SPRAVA_KONIEC};
    druha.obchod = true;
    druha.cena_torpeda = CENA_TORPEDA;
    druha.cena_navnady = CENA_NAVNADY;

    k.misie = {prva, druha};
    return k;
}

bool rovnake(const NepriatelKampane &a, const NepriatelKampane &b)
{
    return a.px == b.px && a.py == b.py && a.speed == b.speed && a.max_speed == b.max_speed && a.uhol == b.uhol &&
           a.health == b.health && a.max_health == b.max_health && a.otacanie == b.otacanie && a.vybuch == b.vybuch;
}

bool rovnake(const SpravaKampane &a, const SpravaKampane &b)
{
    return a.r == b.r && a.g == b.g && a.b == b.b && a.text == b.text;
}

bool rovnake(const MisiaKampane &a, const MisiaKampane &b)
{
    if (!rovnake(a.pred, b.pred) || !rovnake(a.po, b.po) || a.obchod != b.obchod ||
        a.nepriatelia.size() != b.nepriatelia.size())
        return false;
    if (a.obchod && (a.cena_torpeda != b.cena_torpeda || a.cena_navnady != b.cena_navnady))
        return false;
    for (size_t i = 0; i < a.nepriatelia.size(); i++)
        if (!rovnake(a.nepriatelia[i], b.nepriatelia[i]))
            return false;
    return true;
}

}  // namespace

const Kampan &vstavana_kampan()
{
    static const Kampan k = vytvor_vstavanu();
    return k;
}

bool rovnake(const Kampan &a, const Kampan &b)
{
    if (a.meno != b.meno || a.misie.size() != b.misie.size())
        return false;
    for (size_t i = 0; i < a.misie.size(); i++)
        if (!rovnake(a.misie[i], b.misie[i]))
            return false;
    return true;
}

bool je_vstavana(const Kampan &k)
{
    return rovnake(k, vstavana_kampan());
}

uint64_t hash_kampane(const std::string &text)
{
    uint64_t h = 14695981039346656037ULL;
    for (unsigned char c : text) {
        h ^= c;
        h *= 1099511628211ULL;
    }
    return h;
}
