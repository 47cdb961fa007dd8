#ifndef PONORKA_NASTAVENIA_H
#define PONORKA_NASTAVENIA_H

#include <cstdio>
#include <string>

#include "options/vazby.h"

// What the settings file holds: the bindings, the pad's dead zone, sound and
// the display. Every default is the game as it plays with no file.
struct Nastavenia {
    Vazby vazby = predvolene_vazby();
    int mrtva_zona = 32;  // [gamepad] dead_zone: how far from the centre an axis counts, of 128
    int zvuk = 1;         // [sound] enabled: 1 yes, 0 no
    int hlasitost = 100;  // [sound] volume, percent
    int rezim = 0;        // [display] mode: an index into its words (RezimObrazovky)
    int mierka = 1;       // [display] scale: 0 auto, 1..8 (the index of its word)
    int jazyk = 0;        // [game] language: an index into JAZYKY_NASTAVENI; 0 follows the locale

    bool operator==(const Nastavenia &n) const;
    bool operator!=(const Nastavenia &n) const { return !(*this == n); }
};

// A setting that is one value: its section and key, the numbers it takes or
// the words it takes (a word's index is its value), and where it goes. A new
// setting is one row of POLOZKY_NASTAVENI.
struct PolozkaNastavenia {
    const char *sekcia;
    const char *kluc;
    int najmenej, najviac;     // for a number
    const char *const *slova;  // null-terminated, for a choice; null for a number
    int Nastavenia::*hodnota;
};
extern const PolozkaNastavenia POLOZKY_NASTAVENI[];
extern const int POCET_POLOZIEK;

// The words of [game] language: "auto" (the locale decides), then the codes
// of the languages the game has a text for.
extern const char *const JAZYKY_NASTAVENI[];

// The sections holding the keyboard's and the pad's bindings.
extern const char *const SEKCIA_KLAVES;
extern const char *const SEKCIA_PADU;

// The settings the text of a settings file gives, read through Allegro's
// config routines; a missing entry is the default. Every bad entry keeps its
// default and gets one line on `chyby` (when not null) naming the file
// `meno`, the line and the default.
Nastavenia citaj_nastavenia(const std::string &text, const char *meno, FILE *chyby);

// The text of a settings file made ready for Allegro's writer, which would
// take a byte-order mark or a carriage return into a name, join a comment
// after a section's name to the name, and put a key new to a section into
// the next section when no blank line stands between them.
std::string priprav_na_zapis(const std::string &text);

// Sets every key of `n` in Allegro's current config file (the writer's).
void zapis_nastavenia(const Nastavenia &n);

#endif
