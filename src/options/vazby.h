#ifndef PONORKA_VAZBY_H
#define PONORKA_VAZBY_H

#include <string>

#include "platform/gamepad.h"

// The player's bindings: which keys and pad inputs do what. Every action of
// the simulation and every key of the game's own is one row of AKCIE_HRY, so
// a new action is one enumerator and one row. A binding changes only which
// key sets an action's bit in the step command: the command, demos and replay
// scripts keep the simulation's own key names.
enum Akcia {
    AKCIA_TORPEDO,
    AKCIA_GULOMET,
    AKCIA_NAVNADA,
    AKCIA_RAD_VYBUCHOV,
    AKCIA_VELKY_VYBUCH,
    AKCIA_VPRAVO,
    AKCIA_VLAVO,
    AKCIA_PRIDA_HORE,
    AKCIA_PRIDA_DOLE,
    AKCIA_STUPAJ,
    AKCIA_KLESAJ,
    AKCIA_OTOC,
    AKCIA_PAUZA,
    AKCIA_KARTA,
    AKCIA_SNIMKA,
    // A demo being played (--playdemo); the pause above pauses it too.
    AKCIA_DOZADU,
    AKCIA_DOPREDU,
    AKCIA_PREDOSLA_MISIA,
    AKCIA_DALSIA_MISIA,
    AKCIA_RYCHLEJSIE,
    AKCIA_POMALSIE,
    AKCIA_KROK,
    AKCIA_NA_ZACIATOK,
    AKCIE
};

// Whether two actions can be asked for at the same time, and so may not
// share a key or pad input: the playback's keys act only while a demo plays,
// when the simulation's are not read, so those two kinds never clash.
bool v_spore(int akcia1, int akcia2);

// Keys per action, and pad inputs per action.
const int MIESTA = 2;

struct PopisAkcie {
    const char *kluc;     // its key in the settings file
    const char *nazov;    // its name on the controls card
    const char *povel;    // the simulation's key (a script name) it holds; null for the game's own keys
    int klavesy[MIESTA];  // the default keys, Allegro scancodes (0: none)
    int vstupy[MIESTA];   // the default pad inputs (platform/gamepad.h)
};
extern const PopisAkcie AKCIE_HRY[AKCIE];

// The keyboard's bindings or the pad's.
enum DruhVstupu { KLAVESNICA, PAD };

struct Vazby {
    int klavesy[AKCIE][MIESTA];
    int vstupy[AKCIE][MIESTA];

    int *miesta(DruhVstupu d, int akcia) { return d == KLAVESNICA ? klavesy[akcia] : vstupy[akcia]; }
    const int *miesta(DruhVstupu d, int akcia) const { return d == KLAVESNICA ? klavesy[akcia] : vstupy[akcia]; }
    bool operator==(const Vazby &v) const;
    bool operator!=(const Vazby &v) const { return !(*this == v); }
};

Vazby predvolene_vazby();

// Binds `vstup` (a scancode or a pad input) to place `miesto` of `akcia`,
// taking it from the action that had it. Returns that action (the same one
// when it moved between its own places), or -1. An action's first place is
// filled before its second.
int prirad(Vazby &v, DruhVstupu d, int akcia, int miesto, int vstup);

// The action's default keys and pad inputs back, taken from whichever action
// had them. Fills `stratili` with the actions that lost one (at most
// 2 * MIESTA, -1 after the last) and returns how many.
int obnov(Vazby &v, int akcia, int stratili[2 * MIESTA]);

// The action holding a key or pad input, or -1; with `k_akcii`, only among
// the actions that clash with it.
int akcia_vstupu(const Vazby &v, DruhVstupu d, int vstup, int k_akcii = -1);

// Key names: those of Allegro's KEY_ constants without the prefix ("F",
// "SPACE", "F1", "0_PAD"), the same whatever the keyboard's layout. Null or 0
// for what is no key; names are read in any case.
const char *meno_klavesy(int scancode);
int klavesa_z_mena(const std::string &meno);

// Pad input names: "B1".."B32" for the buttons, "AXIS1-".."AXIS16+" for an
// axis pushed to its minus or plus side. Empty or -1 for what is no input.
std::string meno_vstupu(int vstup);
int vstup_z_mena(const std::string &meno);

// A name of either kind.
std::string meno(DruhVstupu d, int vstup);

#endif
