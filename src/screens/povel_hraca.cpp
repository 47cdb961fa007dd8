#include "screens/povel_hraca.h"

#include <cstring>

#include "options/subor_nastaveni.h"
#include "platform/klavesy_hry.h"

namespace {

bool zamknute_klavesy[KEY_MAX];
bool zamknute_vstupy[VSTUP_OS + 2 * PAD_OSI];
bool pad_pouzity = false;

// The bit of KlavesaPovelu an action sets, or -1 for the game's own keys;
// looked up by the simulation's key name once.
int bit_akcie(int akcia)
{
    static int bity[AKCIE];
    static bool hotove = false;
    if (!hotove) {
        for (int a = 0; a < AKCIE; a++) {
            bity[a] = -1;
            for (int i = 0; i < POVEL_KLAVES && AKCIE_HRY[a].povel; i++)
                if (strcmp(KLAVESY_POVELU[i].meno, AKCIE_HRY[a].povel) == 0)
                    bity[a] = i;
        }
        hotove = true;
    }
    return bity[akcia];
}

}  // namespace

Povel povel_z_vazieb(const Vazby &v, const bool drzane[KEY_MAX], const StavPadu &pad, int mrtva_zona)
{
    Povel p;
    for (int a = 0; a < AKCIE; a++) {
        int bit = bit_akcie(a);
        if (bit < 0)
            continue;
        for (int i = 0; i < MIESTA; i++) {
            int k = v.klavesy[a][i];
            if ((k > 0 && k < KEY_MAX && drzane[k]) || vstup_aktivny(pad, v.vstupy[a][i], mrtva_zona))
                p.klavesy |= 1u << bit;
        }
    }
    return p;
}

Povel povel_hraca()
{
    const Nastavenia &n = nastavenia.n;
    bool drzane[KEY_MAX];
    for (int k = 0; k < KEY_MAX; k++) {
        if (!key[k])
            zamknute_klavesy[k] = false;
        drzane[k] = key[k] && !zamknute_klavesy[k];
    }
    if (!pad_pripojeny()) {
        Povel p = povel_z_vazieb(n.vazby, drzane, StavPadu(), n.mrtva_zona);
        p.buffer = keypressed();
        return p;
    }
    StavPadu pad = stav_padu();
    StavPadu volny = pad;
    for (int v = 1; v < VSTUP_OS + 2 * PAD_OSI; v++) {
        if (!je_tlacidlo(v) && !je_os(v))
            continue;
        bool aktivny = vstup_aktivny(pad, v, n.mrtva_zona);
        if (!aktivny)
            zamknute_vstupy[v] = false;
        else if (zamknute_vstupy[v]) {
            if (je_tlacidlo(v))
                volny.tlacidla &= ~(1u << (v - 1));
            else
                volny.os[(v - VSTUP_OS) / 2] = 0;
        }
    }
    Povel p = povel_z_vazieb(n.vazby, drzane, volny, n.mrtva_zona);
    static const bool ziadne[KEY_MAX] = {};
    if (povel_z_vazieb(n.vazby, ziadne, volny, n.mrtva_zona).klavesy)
        pad_pouzity = true;
    p.buffer = keypressed() || pad_pouzity;
    return p;
}

void pouzi_vazby()
{
    const Nastavenia &n = nastavenia.n;
    nastav_klavesy_hry(HRA_PAUZA, n.vazby.klavesy[AKCIA_PAUZA][0], n.vazby.klavesy[AKCIA_PAUZA][1]);
    nastav_klavesy_hry(HRA_KARTA, n.vazby.klavesy[AKCIA_KARTA][0], n.vazby.klavesy[AKCIA_KARTA][1]);
    nastav_vstupy_hry(HRA_PAUZA, n.vazby.vstupy[AKCIA_PAUZA][0], n.vazby.vstupy[AKCIA_PAUZA][1]);
    nastav_vstupy_hry(HRA_KARTA, n.vazby.vstupy[AKCIA_KARTA][0], n.vazby.vstupy[AKCIA_KARTA][1]);
    nastav_klavesy_hry(HRA_SNIMKA, n.vazby.klavesy[AKCIA_SNIMKA][0], n.vazby.klavesy[AKCIA_SNIMKA][1]);
    nastav_vstupy_hry(HRA_SNIMKA, n.vazby.vstupy[AKCIA_SNIMKA][0], n.vazby.vstupy[AKCIA_SNIMKA][1]);
    nastav_mrtvu_zonu(n.mrtva_zona);
}

void zamkni_drzane()
{
    for (int k = 0; k < KEY_MAX; k++)
        zamknute_klavesy[k] = key[k] != 0;
    StavPadu pad = stav_padu();
    for (int v = 1; v < VSTUP_OS + 2 * PAD_OSI; v++)
        zamknute_vstupy[v] = (je_tlacidlo(v) || je_os(v)) && vstup_aktivny(pad, v, nastavenia.n.mrtva_zona);
}
