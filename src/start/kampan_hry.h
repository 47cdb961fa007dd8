#ifndef PONORKA_KAMPAN_HRY_H
#define PONORKA_KAMPAN_HRY_H

#include <string>

struct Kampan;

// The font the main routine loads for the briefings, which measures their lines.
extern const char *const PISMO_BRIEFINGU;

// Reads the campaign the player named (--campaign, as typed) whole, before
// anything is shown, every briefing line measured with the briefing font as
// the briefing screen draws it at 1024x768. For after najdi_data. Returns -1
// when it was read, else the exit code, the reason told on standard error
// after `nazov` (the program's name).
int nacitaj_kampan(const std::string &volba, const char *nazov, Kampan &k);

#endif
