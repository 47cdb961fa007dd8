#include "demo/prehravac.h"

#include <algorithm>

#include "options/subor_nastaveni.h"
#include "platform/budik.h"
#include "platform/casovac.h"
#include "platform/klavesy_hry.h"
#include "platform/odchod.h"
#include "platform/vystup.h"
#include "platform/ziadost_karty.h"
#include "platform/ziadost_pauzy.h"
#include "simulation/frame_loop.h"
#include "world/spravca.h"

PolohaDema hranice_dema(const Demo &d)
{
    PolohaDema p;
    if (!d.kampan.misie.empty())
        p.misii = (int)d.kampan.misie.size();
    long long znamych = 0;
    for (const Zaznam &z : d.zaznamy) {
        if (z.typ == ZAZNAM_KROKY)
            znamych += z.pocet;
        else if (z.typ == ZAZNAM_KONIEC_MISIE && z.cislo < p.misii)
            p.hranice.push_back(z.krok);
        else if (z.typ == ZAZNAM_KONIEC)
            p.kroky = z.krok;
    }
    long long vsetky = p.kroky >= 0 ? p.kroky : znamych;
    p.posledny = (int)std::max(0LL, std::min(vsetky, 2000000000LL) - 1);
    return p;
}

// Speeds in halves: 1/2x, 1x, 2x, 4x, 8x.
static const int RYCHLOSTI[] = {1, 2, 4, 8, 16};
static const int POCET_RYCHLOSTI = 5;

Prehravac::~Prehravac()
{
    if (male != nullptr)
        destroy_bitmap(male);
}

bool Prehravac::povel(Spravca &svet, Hra &hra, int misia, Povel &p)
{
    if (ticho && hra.kroky >= najdalej) {
        stis_vystup(false);
        ticho = false;
    }
    if (!ticho)
        najdalej = std::max(najdalej, hra.kroky);
    if (slepo && hra.kroky >= prehravanie.ciel)
        naslepo(hra, false);

    poloha.misia = misia;
    poloha.krok = hra.kroky;
    int znamych = (int)poloha.hranice.size();
    poloha.zaciatok_misie = misia >= 2 && misia - 2 < znamych ? poloha.hranice[misia - 2] : 0;
    poloha.koniec_misie = misia < poloha.misii ? (misia - 1 < znamych ? poloha.hranice[misia - 1] : -1) : poloha.kroky;

    if (!slepo && !ovladaj(hra))
        return false;
    if (spat >= 0)
        return false;
    return prehravanie.povel(svet, hra, misia, p);
}

bool Prehravac::po_kroku(Spravca &svet, Hra &hra, int misia, bool kreslenie)
{
    if (!prehravanie.po_kroku(svet, hra, misia, kreslenie))
        return false;
    if (slepo || !kreslenie)
        return true;
    nakresli(hra);
    // 1x keeps the frame step's own wait; the others wait here instead.
    int r = poloha.rychlost;
    if (r == 1)
        pockaj(2 * pockaj_ticks(SCREEN_W));
    else if (r > 2 && ++tempo >= r / 2) {
        tempo = 0;
        pockaj(pockaj_ticks(SCREEN_W));
    }
    return true;
}

bool Prehravac::po_misii(Spravca &svet, Hra &hra, int misia)
{
    return prehravanie.po_misii(svet, hra, misia);
}

// Keys pressed on a briefing or in the shop do not act when the mission goes on.
static void zabudni_stlacenia()
{
    while (dalsia_stlacena() != 0) {
    }
}

bool Prehravac::briefing(Hra &hra, int farba, char *text)
{
    bool dalej = prehravanie.briefing(hra, farba, text);
    zabudni_stlacenia();
    return dalej;
}

bool Prehravac::obchod(Nakup &n)
{
    bool dalej = prehravanie.obchod(n);
    zabudni_stlacenia();
    return dalej;
}

bool Prehravac::hraj(Spravca *&svet, Hra &hra)
{
    zbieraj_stlacenia(true);
    for (;;) {
        bool dohrane = hraj_kampan(*svet, hra, *this, kampan);
        if (spat < 0 || odchod_ziadany()) {
            naslepo(hra, false);
            if (ticho)
                stis_vystup(false);
            ticho = false;
            zbieraj_stlacenia(false);
            return dohrane;
        }
        // The world, the counters and the demo's records as at start-up.
        std::unique_ptr<Spravca> cerstvy(new Spravca);
        priprav_svet(*cerstvy);
        novy = std::move(cerstvy);
        svet = novy.get();
        hra.kroky = 0;
        kedy_vykresli = 1;
        ked_vykresli = 1;
        prehravanie.znova();
        prehravanie.ciel = spat;
        spat = -1;
        if (!ticho) {
            stis_vystup(true);
            ticho = true;
        }
        naslepo(hra, true);
    }
}

// The playback keys taken in, and the pause with its single steps; false to
// end the flow here (the player left, or a seek back starts it again).
bool Prehravac::ovladaj(Hra &hra)
{
    if (ziadany_skok >= 0) {
        int k = ziadany_skok;
        ziadany_skok = -1;
        skoc(k, hra);
    }
    for (int k; spat < 0 && !slepo && (k = dalsia_stlacena()) != 0;)
        stlacena(k, hra);
    if (jeden_krok) {
        // The step asked for while paused is played now; the pause stays.
        jeden_krok = false;
        return true;
    }
    // The controls card is the game's hooks' to open: it opens over their pause screen.
    while (spat < 0 && !slepo && !odchod_ziadany() && !karta_caka() && pauza_ziadana()) {
        poloha.pauza = true;
        nakresli(hra);
        int k = 0;
        cakaj_kym(
            [&] { return (k = dalsia_stlacena()) != 0 || pauza_sa_zmenila() || karta_caka() || odchod_ziadany(); });
        if (k != 0)
            stlacena(k, hra);
        if (jeden_krok) {
            jeden_krok = false;
            break;
        }
    }
    poloha.pauza = false;
    return !odchod_ziadany();
}

void Prehravac::stlacena(int klavesa, Hra &hra)
{
    const Vazby &v = nastavenia.n.vazby;
    bool pad = klavesa >= STLACENY_VSTUP;
    for (int a = AKCIA_PAUZA; a < AKCIE; a++) {
        const int *m = pad ? v.vstupy[a] : v.klavesy[a];
        int vstup = pad ? klavesa - STLACENY_VSTUP : klavesa;
        if (a == AKCIA_KARTA || (m[0] != vstup && m[1] != vstup))
            continue;
        stlacene_ms = ido;
        int i = 0;
        while (i < POCET_RYCHLOSTI && RYCHLOSTI[i] != poloha.rychlost)
            i++;
        switch (a) {
        case AKCIA_DOZADU:
            skoc(poloha.krok - SKOK, hra);
            break;
        case AKCIA_DOPREDU:
            skoc(poloha.krok + SKOK, hra);
            break;
        case AKCIA_PREDOSLA_MISIA:
            // The start of the mission before; in mission 1, its own start.
            skoc(poloha.misia >= 3 && poloha.misia - 3 < (int)poloha.hranice.size() ? poloha.hranice[poloha.misia - 3]
                                                                                    : 0,
                 hra);
            break;
        case AKCIA_DALSIA_MISIA:
            skoc(poloha.misia - 1 < (int)poloha.hranice.size() ? poloha.hranice[poloha.misia - 1] : poloha.posledny,
                 hra);
            break;
        case AKCIA_RYCHLEJSIE:
            poloha.rychlost = RYCHLOSTI[std::min(i + 1, POCET_RYCHLOSTI - 1)];
            break;
        case AKCIA_POMALSIE:
            poloha.rychlost = RYCHLOSTI[std::max(i - 1, 0)];
            break;
        case AKCIA_KROK:
            jeden_krok = poloha.pauza;
            break;
        case AKCIA_NA_ZACIATOK:
            skoc(0, hra);
            break;
        default:
            break;
        }
        // Only 1x keeps the frame step's own wait; headless none waits till it lands.
        (slepo ? cakanie : hra.bez_cakania) = poloha.rychlost != 2;
        if (!poloha.pauza)
            return;
        nakresli(hra);
        return;
    }
}

void Prehravac::skoc(int krok, Hra &hra)
{
    krok = std::max(0, std::min(krok, poloha.posledny));
    if (krok > poloha.krok) {
        prehravanie.ciel = krok;
        naslepo(hra, true);
    } else if (krok < poloha.krok) {
        spat = krok;
    }
}

// Headless: the screen, the background and the status bar are one-pixel
// bitmaps, so the copies cost nothing, and the drawing steps do not wait.
// What the world draws into its own bitmap still runs: drawing moves some
// objects.
void Prehravac::naslepo(Hra &hra, bool ano)
{
    if (ano == slepo)
        return;
    slepo = ano;
    if (ano) {
        if (male == nullptr)
            male = create_bitmap(1, 1);
        obrazovka = screen;
        pozadie = hra.pozadie;
        riadok = hra.stavovy_riadok;
        cakanie = hra.bez_cakania;
        screen = male;
        hra.pozadie = male;
        hra.stavovy_riadok = male;
        hra.bez_cakania = true;
        return;
    }
    screen = obrazovka;
    hra.pozadie = pozadie;
    hra.stavovy_riadok = riadok;
    hra.bez_cakania = cakanie;
}

void Prehravac::nakresli(Hra &hra)
{
    if (kresli == nullptr || slepo || screen == nullptr)
        return;
    if (poloha.pauza || ido - stlacene_ms < UKAZ_MS)
        kresli(poloha, hra);
}
