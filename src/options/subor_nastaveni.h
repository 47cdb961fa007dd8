#ifndef PONORKA_SUBOR_NASTAVENI_H
#define PONORKA_SUBOR_NASTAVENI_H

#include <cstdio>
#include <string>

#include "options/nastavenia.h"

struct Volby;

// The settings file: where it is, reading it whole and bounded, and writing
// it so that a crash, a full disk or a second game at the same time never
// leaves half a file.

// $XDG_CONFIG_HOME/ponorka/ponorka.cfg; ~/.config/ponorka/ponorka.cfg when
// the variable is unset, empty or not an absolute path. Empty without a home.
std::string cesta_nastaveni(const char *xdg_config_home, const char *home);

// No settings file is longer: a longer one is not read (nor overwritten).
const long NAJVACSI_SUBOR = 64 * 1024;

enum VysledokCitania { SUBOR_PRECITANY, SUBOR_NEJESTVUJE, SUBOR_NECITATELNY };
// Reads the whole file into `text`, never blocking on a pipe or a device;
// `dovod` says why it could not.
VysledokCitania precitaj_subor(const std::string &cesta, std::string &text, std::string &dovod);

// Rewrites the file at `cesta` with `n` through Allegro's config writer: a
// temporary file beside it gets the file's text, the new values, a check that
// it reads back as `n` and a sync, then replaces the file in one rename. A
// link is followed. `vytvor` makes missing folders (the XDG folder). On
// failure the old file stays as it was, `dovod` says why.
bool uloz_nastavenia(const std::string &cesta, const Nastavenia &n, bool vytvor, std::string &dovod);

// --- The settings of this run ----------------------------------------------

struct NastaveniaHry {
    std::string cesta;      // the file; empty with --no-config
    bool z_volby = false;   // named by --config: no folder is made for it
    bool citatelny = true;  // false when it was there but could not be read: never overwritten
    Nastavenia n;           // as the file gives them, without the command line's choices
};
extern NastaveniaHry nastavenia;

// Takes --config and --no-config, before anything starts. Returns -1 to go
// on, or 64 after telling on `err` why --config names no possible file.
int priprav_nastavenia(const Volby &v, FILE *err);

// Reads this run's file (none with --no-config, silently when it is missing);
// warnings go to `err`. Needs Allegro installed (its config routines).
void nacitaj_nastavenia(FILE *err);

// Writes this run's settings after the player changed them in the game. On
// failure one warning on `err`; the settings stay for this run.
bool uloz_nastavenia_hry(FILE *err);

// What this run plays with: the command line's choice, else the file's.
int rezim_hry(const Volby &v);
int mierka_hry(const Volby &v);
bool zvuk_hry(const Volby &v);

#endif
