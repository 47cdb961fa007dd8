#ifndef PONORKA_DEMO_ZAPIS_H
#define PONORKA_DEMO_ZAPIS_H

#include <cstdint>
#include <cstdio>

#include "objects/povel.h"
#include "simulation/kampan.h"
#include "simulation/missions.h"

// Writes a demo as the game goes. Steps that hold the same command make one
// line; every record other than steps ends the current line of steps and
// flushes the file, so a crash loses only the steps since the last check.
class ZapisDema {
public:
    // Writes the header into f, which stays the caller's to close.
    ZapisDema(FILE *subor, const char *verzia_hry);
    // The same for a game of `kampan`: a campaign other than the built-in one
    // goes into the demo whole, after the header of format 2.
    ZapisDema(FILE *subor, const char *verzia_hry, const Kampan &kampan);

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

    FILE *f;
    Povel beh;             // the command of the steps not yet written
    long long v_behu = 0;  // how many of them
};

#endif
