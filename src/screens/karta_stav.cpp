#include "screens/karta_stav.h"

#include <allegro.h>

#include "platform/ziadost_karty.h"

namespace {

std::string nazov(int akcia)
{
    return AKCIE_HRY[akcia].nazov;
}

void prirad_a_povedz(KartaStav &s, int vstup)
{
    int a = s.riadok;
    int stratila = prirad(s.vazby, s.druh(), a, s.miesto(), vstup);
    std::string m = meno(s.druh(), vstup);
    s.sprava = nazov(a) + ": " + m;
    s.stratila = stratila != a ? stratila : -1;
    if (s.stratila >= 0)
        s.sprava += ", akcia " + nazov(stratila) + " stratila " + m;
    s.caka = false;
}

bool zatvara(const KartaStav &s, int k)
{
    return k == KEY_ESC || k == s.vazby.klavesy[AKCIA_KARTA][0] || k == s.vazby.klavesy[AKCIA_KARTA][1];
}

}  // namespace

void karta_klavesa(KartaStav &s, int scancode)
{
    bool opakovanie = (scancode & OPAKOVANIE_KLAVESY) != 0;
    int k = scancode & ~OPAKOVANIE_KLAVESY;
    // The mark of a loser stays until the next change.
    if (!opakovanie && k != KEY_UP && k != KEY_DOWN && k != KEY_LEFT && k != KEY_RIGHT)
        s.stratila = -1;
    if (s.caka) {
        // A held key's repeat is no new choice.
        if (opakovanie)
            return;
        if (k == KEY_ESC) {
            s.caka = false;
            s.sprava = "zrusene";
        } else if (s.druh() == KLAVESNICA) {
            prirad_a_povedz(s, k);
        }
        return;
    }
    switch (k) {
    case KEY_UP:
        s.riadok = (s.riadok + AKCIE - 1) % AKCIE;
        return;
    case KEY_DOWN:
        s.riadok = (s.riadok + 1) % AKCIE;
        return;
    case KEY_LEFT:
        s.stlpec = (s.stlpec + STLPCE_KARTY - 1) % STLPCE_KARTY;
        return;
    case KEY_RIGHT:
        s.stlpec = (s.stlpec + 1) % STLPCE_KARTY;
        return;
    }
    if (opakovanie)
        return;
    if (k == KEY_ENTER || k == KEY_ENTER_PAD) {
        if (s.druh() == PAD && !s.pad) {
            s.sprava = "ziadny gamepad";
            return;
        }
        s.caka = true;
        s.sprava.clear();
    } else if (k == KEY_DEL || k == KEY_DEL_PAD) {
        int stratili[2 * MIESTA];
        int n = obnov(s.vazby, s.riadok, stratili);
        s.sprava = nazov(s.riadok) + ": povodne";
        for (int i = 0; i < n; i++)
            if (stratili[i] != s.riadok) {
                s.sprava += ", akcia " + nazov(stratili[i]) + " stratila svoju";
                s.stratila = stratili[i];
            }
    } else if (k == KEY_BACKSPACE) {
        prirad(s.vazby, s.druh(), s.riadok, s.miesto(), 0);
        s.sprava = nazov(s.riadok) + ": bez " + (s.druh() == KLAVESNICA ? "klavesy" : "vstupu padu");
    } else if (zatvara(s, k)) {
        s.zatvorena = true;
    }
}

void karta_vstup_padu(KartaStav &s, int vstup)
{
    if (s.caka && s.druh() == PAD)
        prirad_a_povedz(s, vstup);
}
