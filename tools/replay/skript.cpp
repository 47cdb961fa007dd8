#include "skript.h"

#include "demo/demo.h"
#include "demo/riadok_krokov.h"
#include "objects/povel.h"

namespace {

std::string chyba_riadku(const std::string &meno, int riadok, const std::string &sprava)
{
    return meno + ":" + std::to_string(riadok) + ": " + sprava;
}

}  // namespace

int kod_klavesy(const std::string &meno)
{
    for (const MenoKlavesy &m : KLAVESY_POVELU)
        if (meno == m.meno)
            return m.scancode;
    return -1;
}

Povel Usek::povel() const
{
    Povel p;
    for (int k : klavesy)
        povel_drz(p, k);
    p.buffer = buffer;
    return p;
}

const Usek &Kurzor::dalsi_usek()
{
    // After the last run no key is held, and the buffer still holds its key.
    static const Usek ziadne;
    while (usek < skript.useky.size() && v_useku >= skript.useky[usek].kroky) {
        usek++;
        v_useku = 0;
    }
    if (usek == skript.useky.size())
        return ziadne;
    v_useku++;
    return skript.useky[usek];
}

const std::vector<int> &Kurzor::dalsi()
{
    return dalsi_usek().klavesy;
}

bool nacitaj_skript(std::istream &vstup, const std::string &meno, Skript &skript, std::string &chyba, int *kod)
{
    skript.useky.clear();
    long long spolu = 0;
    std::string riadok;
    CitacRiadkov citac(vstup);
    if (kod != nullptr)
        *kod = 1;
    for (int cislo = 1;; cislo++) {
        RiadokSuboru stav = citac.dalsi(riadok);
        if (stav == RIADOK_ZIADNY)
            break;
        if (stav == RIADOK_DLHY || stav == RIADOK_VELKY_SUBOR) {
            // The limits of a demo, with its code: a script is a demo's body.
            chyba = chyba_riadku(meno, cislo, CitacRiadkov::sprava(stav));
            if (kod != nullptr)
                *kod = KOD_DEMO_DLHY_RIADOK;
            return false;
        }
        if (cislo == 1 && zacina_znackou_poradia(riadok)) {
            chyba = chyba_riadku(meno, 1,
                                 "the file starts with a byte-order mark (U+FEFF); a script is plain text "
                                 "without one");
            return false;
        }
        if (!riadok.empty() && riadok[0] == '#')
            continue;
        Usek usek;
        RiadokKrokov r;
        std::string sprava;
        if (citaj_riadok_krokov(riadok.data(), riadok.size(), r, &sprava) != RIADOK_V_PORIADKU) {
            chyba = chyba_riadku(meno, cislo, sprava);
            return false;
        }
        for (int i = 0; i < POVEL_KLAVES; i++)
            if (r.povel.klavesy & (1u << i))
                usek.klavesy.push_back(KLAVESY_POVELU[i].scancode);
        usek.buffer = r.povel.buffer;
        usek.kroky = r.pocet;
        spolu += usek.kroky;
        if (spolu > DEMO_NAJVIAC_KROKOV) {
            chyba =
                chyba_riadku(meno, cislo, "script is longer than " + std::to_string(DEMO_NAJVIAC_KROKOV) + " steps");
            return false;
        }
        // Neighbouring lines with the same keys make one run.
        if (!skript.useky.empty() && skript.useky.back().klavesy == usek.klavesy &&
            skript.useky.back().buffer == usek.buffer)
            skript.useky.back().kroky += usek.kroky;
        else
            skript.useky.push_back(usek);
    }
    if (vstup.bad()) {
        chyba = meno + ": read error";
        return false;
    }
    return true;
}
