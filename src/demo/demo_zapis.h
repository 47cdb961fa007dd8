#ifndef PONORKA_DEMO_ZAPIS_H
#define PONORKA_DEMO_ZAPIS_H

#include <cstdint>
#include <cstdio>
#include <string>

#include "objects/povel.h"
#include "simulation/kampan.h"
#include "simulation/missions.h"

// Writes a demo as the game goes. Steps that hold the same command make one
// line; every record other than steps ends the current line of steps and
// flushes the file, so a crash loses only the steps since the last check.
class ZapisDema {
public:
    // Writes the header into f, which stays the caller's to close. The first write that
    // fails is told at once on standard error, as "HLASENIE: REASON (playing on)", when
    // `hlasenie` is given ("ponorka: can't write the demo PATH").
    ZapisDema(FILE *subor, const char *verzia_hry, const std::string &hlasenie = std::string());
    // The same for a game of `kampan`: a campaign other than the built-in one
    // goes into the demo whole, after the header of format 2.
    ZapisDema(FILE *subor, const char *verzia_hry, const Kampan &kampan, const std::string &hlasenie = std::string());

    void misia(int cislo);
    void krok(const Povel &p);
    void kontrola(int krok, uint64_t sucet);
    void koniec_misie(int cislo, int krok, uint64_t sucet);
    void obchod(int cislo);
    void nakup(Polozka p);
    void koniec(int kroky, uint64_t sucet);

    // True once a write has failed.
    bool chyba() const;

private:
    void zaznam(const char *format, ...);
    void dopis_kroky();
    void over_zapis();

    FILE *f;
    std::string hlasenie;
    bool nahlasene = false;  // the first failed write has been told
    Povel beh;               // the command of the steps not yet written
    long long v_behu = 0;    // how many of them
};

#endif
