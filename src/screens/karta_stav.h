#ifndef PONORKA_KARTA_STAV_H
#define PONORKA_KARTA_STAV_H

#include <string>

#include "options/vazby.h"

// What the controls card shows and how its keys change it. The arrows choose
// a place, Enter and then a key (or a pad input) binds it there, taking it
// from the action that had it; Delete brings back the action's defaults,
// Backspace empties the place; the card's key or Esc closes it.

// The card's columns: two keys, then two pad inputs.
const int STLPCE_KARTY = 2 * MIESTA;

struct KartaStav {
    Vazby vazby;
    int riadok = 0;     // the action chosen
    int stlpec = 0;     // the place chosen
    bool caka = false;  // for the new key or pad input
    bool pad = false;   // a pad is there to bind
    bool zatvorena = false;
    std::string sprava;  // what the last change did
    int stratila = -1;   // the action the last change took a key from, marked on the card

    DruhVstupu druh() const { return stlpec < MIESTA ? KLAVESNICA : PAD; }
    int miesto() const { return stlpec % MIESTA; }
};

// One key press (OPAKOVANIE_KLAVESY added for a held key's repeat).
void karta_klavesa(KartaStav &s, int scancode);
// A pad input that has just become active.
void karta_vstup_padu(KartaStav &s, int vstup);

#endif
