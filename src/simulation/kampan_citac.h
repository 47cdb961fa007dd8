#ifndef PONORKA_KAMPAN_CITAC_H
#define PONORKA_KAMPAN_CITAC_H

#include <functional>
#include <istream>
#include <string>

#include "simulation/kampan.h"

// The reader of campaign files: line-based text, described in docs/campaign-format.md.

const int KAMPAN_FORMAT = 1;
extern const char *const KAMPAN_HLAVICKA;  // "#!ponorka-campaign", the first word of a campaign

// Longest line a campaign may have, line end excluded, and the largest file.
const size_t KAMPAN_NAJDLHSI_RIADOK = 4096;
const size_t KAMPAN_NAJVIAC_BAJTOV = 1024 * 1024;
// Longest name: a demo's header carries it.
const size_t KAMPAN_NAJDLHSI_NAZOV = 100;

struct ChybaKampane {
    int kod = 0;
    std::string sprava;  // "FILE:LINE: what is wrong"
};

// Tells whether one line of a briefing fits the briefing column. The briefing
// screen knows how wide its column is; without one, widths are not checked.
typedef std::function<bool(const std::string &riadok)> MeradloRiadku;

// Reads a whole campaign and checks it: the header, the name, 1 to 20 missions,
// each with both briefings and 1 to 64 enemies, every number in its range, every
// briefing line within the column. `meno` names the file in messages, and
// `prvy_riadok` is the number its first line has there (a campaign carried in a
// demo starts further down). False with the message and exit code on a bad one.
bool citaj_kampan(std::istream &vstup, const std::string &meno, Kampan &k, ChybaKampane &chyba,
                  const MeradloRiadku &zmesti_sa = nullptr, int prvy_riadok = 1);

#endif
