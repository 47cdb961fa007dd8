#ifndef PONORKA_VOLBY_H
#define PONORKA_VOLBY_H

#include <cstdio>
#include <string>

#include "options/kody.h"

// Full screen or a window: the words of the settings file's [display] mode
// in order. The command line's choice, when it makes one, comes first.
// REZIM_PLOCHA is full screen at the desktop's own size, without a mode switch.
enum RezimObrazovky { REZIM_NEZADANY = -1, REZIM_CELA_OBRAZOVKA = 0, REZIM_OKNO = 1, REZIM_PLOCHA = 2 };

// The scale of a window: 1..8, or as large as fits the desktop.
enum { MIERKA_NEZADANA = -1, MIERKA_AUTO = 0, NAJVACSIA_MIERKA = 8 };

// What the command line asked for. Every default is the game as it plays with no option.
struct Volby {
    bool pomoc = false;            // --help
    bool verzia = false;           // --version
    int rezim = REZIM_NEZADANY;    // --windowed, --fullscreen, --fullscreen-desktop: the last one counts
    int mierka = MIERKA_NEZADANA;  // --scale N or auto
    std::string zla_mierka;        // a --scale value that is none of those, as typed
    bool zvuk = true;              // --nosound clears it: no sound driver at all
    std::string data;              // --data DIR as the player typed it, empty when not given
    std::string nahravka;          // --record FILE: the demo to write, as typed
    std::string prehravka;         // --playdemo FILE or --timedemo FILE: the demo to play, as typed
    bool meranie = false;          // --timedemo: as fast as it goes, timed
    int demo_volby = 0;            // how many of the three were given; one at most
    std::string subor_nastaveni;   // --config FILE as typed, empty when not given
    bool bez_nastaveni = false;    // --no-config: no settings file read or written
    std::string jazyk;             // --lang CODE as typed, empty when not given: the locale decides
    std::string kampan;            // --campaign FILE as typed: a path, or a name in data/campaigns/
};

// One option: its name, the name of its argument (nullptr when it takes none), one line
// of help, and what it sets. The help text and the man pages follow this table, so a new
// option is one row here.
struct Volba {
    const char *meno;
    const char *argument;
    const char *popis;
    void (*nastav)(Volby &v, const char *hodnota);
};

extern const Volba volby_tabulka[];
extern const int volby_pocet;

// A key of the game and what it does, for the help text.
struct Klaves {
    const char *meno;
    const char *popis;
};

extern const Klaves klavesy_tabulka[];
extern const int klavesy_pocet;

struct Kod {
    int kod;
    const char *popis;
};

extern const Kod kody_tabulka[];
extern const int kody_pocet;

// The options of this run; main() fills them before anything else starts.
extern Volby volby;

// The version number set once in the build.
const char *verzia_hry();

// Whether a lone argument names a demo: it ends in .demo or begins with a
// demo's first line.
bool je_subor_dema(const char *cesta);

// Reads the command line into v. Returns -1 when the game should start, otherwise the
// exit code: --help and --version print to `out` and give 0, a bad command line prints
// a one-line reason and the usage to `err` and gives 64.
int citaj_volby(int argc, char **argv, Volby &v, FILE *out, FILE *err);

// The usage line, and the whole help (usage, options, keys, exit codes).
void vypis_pouzitie(FILE *f);
void vypis_pomoc(FILE *f);

#endif
