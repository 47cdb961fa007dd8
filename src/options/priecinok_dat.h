#ifndef PONORKA_PRIECINOK_DAT_H
#define PONORKA_PRIECINOK_DAT_H

#include <string>
#include <vector>

// A place where the game looks for its data, and why it looks there.
struct MiestoDat {
    std::string cesta;  // absolute
    std::string preco;  // "--data", "$PONORKA_DATA", "the working directory", ...
};

// True when `priecinok` holds the folders gfx/, sfx/ and data/fonts/.
bool drzi_data(const std::string &priecinok);

// Every place to look, in order, without repeats: `volba` (--data, relative to the
// working directory), `premenna` ($PONORKA_DATA, may be null or empty), the working
// directory `pracovny`, the folder of the executable `program` (empty when unknown), the
// installed data relative to that folder, and the compiled-in install path.
std::vector<MiestoDat> miesta_dat(const std::string &volba, const char *premenna, const std::string &pracovny,
                                  const std::string &program);

// Finds the data folder and makes it the working directory, so every relative path of
// the game works from wherever it was started. `volba` is --data as typed (or empty).
// When no place holds the data, says on stderr where it looked and returns false.
bool najdi_data(const std::string &volba, const char *nazov);

// The folder the player started the program in, kept from before the move into the data
// folder (the working directory while najdi_data has not run). Empty when that folder had
// been deleted under the shell.
std::string priecinok_hraca();

// A path the player typed, as an absolute path against the folder the player started in;
// an absolute path is returned as it is. For every option that names a file. Empty for a
// relative path when the player's folder no longer exists: it names nothing then, and the
// caller refuses it with PRIECINOK_HRACA_ZMIZOL as the reason.
std::string cesta_od_hraca(const std::string &cesta);
extern const char *const PRIECINOK_HRACA_ZMIZOL;

// True when `priecinok` holds a translation catalogue of the game
// (<language>/LC_MESSAGES/ponorka.mo) for at least one language.
bool drzi_katalogy(const std::string &priecinok);

// The folder of the translation catalogues for a program in the folder `program`: the
// first that holds one of locale/ beside the program (the build tree), the installed
// catalogues relative to the program (a package or a DESTDIR, wherever unpacked), and the
// install path compiled in, which is also the answer when none holds one.
std::string katalogy_pre_program(const std::string &program);

// The same for the running program.
std::string priecinok_katalogov();

// The campaign file --campaign names: a name without a slash is one of the data folder's
// data/campaigns/ (NAME, or NAME.campaign when there is no NAME), anything else a path
// as cesta_od_hraca takes it. For after najdi_data, the data folder being the working
// directory.
std::string cesta_kampane(const std::string &volba);

#endif
