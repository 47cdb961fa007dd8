#ifndef PONORKA_POKUS_H
#define PONORKA_POKUS_H

#include <cstdio>

struct Volby;

// Summary printed after the last mission, exactly as the game prints it.
void print_summary(int kroky, int ido_ms, int health);
// The same without the lines that depend on time (CAS and the rates), as a
// demo's playback prints it wherever it runs.
void print_summary_bez_casu(int kroky, int health);

// The language of the game's texts: the catalogues found beside the program,
// the locale, and over it --lang. Returns -1 to go on, or the exit code of a
// --lang that is no language code (its reason and the usage go to `err`).
int zvol_jazyk(const Volby &v, FILE *err);

// The whole program; main() only forwards to it.
int pokus_main();

#endif
