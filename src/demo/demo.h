#ifndef PONORKA_DEMO_H
#define PONORKA_DEMO_H

#include <cstdint>
#include <istream>
#include <string>
#include <vector>

#include "objects/povel.h"
#include "options/kody.h"
#include "simulation/kampan.h"
#include "simulation/missions.h"

// A demo: the input of a whole game as text, one line per run of steps in the
// key script's syntax, with lines starting "#!" for everything else. The
// format is described in docs/demo-format.md.

// A demo of the built-in campaign is of format 1; one of any other campaign
// carries the campaign's text and is of format 2.
const int DEMO_FORMAT = 1;
const int DEMO_FORMAT_KAMPANE = 2;
extern const char *const DEMO_HLAVICKA;        // "#!ponorka-demo", the first word of a demo
extern const char *const DEMO_KAMPAN;          // "#!campaign", the record naming the campaign
extern const char *const DEMO_RIADOK_KAMPANE;  // "#!| ", before each line of the campaign's text

// Longest line a demo or a key script may have, line end excluded.
const size_t DEMO_NAJDLHSI_RIADOK = 4096;
// Most bytes a demo or a key script may have: some 28 million steps of play, a day and
// more; no file from anywhere is read without end.
const size_t DEMO_NAJVACSI_SUBOR = 16u << 20;
// Most steps a demo may hold; keeps the step counter in range.
const long long DEMO_NAJVIAC_KROKOV = 1000000000LL;

enum TypZaznamu {
    ZAZNAM_KROKY,         // steps: `povel` held for `pocet` steps
    ZAZNAM_MISIA,         // mission `cislo` begins
    ZAZNAM_KONTROLA,      // the state after step `krok` has the sum `sucet`
    ZAZNAM_KONIEC_MISIE,  // mission `cislo` ended with step `krok`, state `sucet`
    ZAZNAM_OBCHOD,        // the shop after mission `cislo`
    ZAZNAM_NAKUP,         // one accepted purchase of `polozka`
    ZAZNAM_KONIEC,        // the game ended after `krok` steps, state `sucet`
};

struct Zaznam {
    TypZaznamu typ;
    int riadok;  // line number in the file
    Povel povel;
    long long pocet = 0;
    int cislo = 0;
    int krok = 0;
    uint64_t sucet = 0;
    Polozka polozka = POLOZKA_TORPEDO;
};

struct Demo {
    std::string meno;        // file name, for messages
    std::string verzia_hry;  // the game version that recorded it
    int format = DEMO_FORMAT;
    Kampan kampan;  // the campaign it plays: the built-in one, or the one it carries
    std::vector<Zaznam> zaznamy;
    bool ma_koniec = false;  // the end line was there
    int riadkov = 0;         // lines read
};

struct ChybaDema {
    int kod = 0;
    std::string sprava;  // "FILE:LINE: what is wrong"
};

// True when the line is a demo's first line (anything else is a key script).
bool je_hlavicka_dema(const std::string &riadok);

// True when the whole text of a file is to be read as a demo: it is empty, or its first
// line is a demo's (after a byte-order mark, which the reader then names), or it is all
// one line without a line end that the header begins with (a demo cut off inside it).
// A key script is anything else.
bool je_zaciatok_dema(const std::string &obsah);

// How reading one line of a demo or a key script went.
enum RiadokSuboru {
    RIADOK_ZIADNY,       // the file has ended
    RIADOK_CELY,         // a line and its line end
    RIADOK_BEZ_KONCA,    // the last line, without a line end
    RIADOK_DLHY,         // longer than DEMO_NAJDLHSI_RIADOK: not read further
    RIADOK_VELKY_SUBOR,  // the file goes on past DEMO_NAJVACSI_SUBOR: not read further
};

// Reads the lines of a demo or a key script within their limits, without the line end
// (and a carriage return before it). A reader that lets some lines carry a prefix past
// DEMO_NAJDLHSI_RIADOK (a demo's campaign lines) gives a longer `limit` and checks
// the other lines itself.
class CitacRiadkov {
public:
    explicit CitacRiadkov(std::istream &v, size_t limit = DEMO_NAJDLHSI_RIADOK) : vstup(v), najdlhsi(limit) {}
    RiadokSuboru dalsi(std::string &riadok);
    // What is wrong for RIADOK_DLHY and RIADOK_VELKY_SUBOR, without the file and line.
    static std::string sprava(RiadokSuboru r);

private:
    std::istream &vstup;
    size_t najdlhsi;
    size_t precitane = 0;
};

// True when the text starts with the UTF-8 byte-order mark.
bool zacina_znackou_poradia(const std::string &text);

// Reads the file `cesta` whole into `obsah`, never more than DEMO_NAJVACSI_SUBOR and one
// byte (what lies past it is never a demo). False with the system's reason when it can't
// be opened or read (a directory can be opened but not read).
bool nacitaj_subor(const std::string &cesta, std::string &obsah, std::string &dovod);

// Reads a whole demo and checks its order: the header (and the campaign a
// demo of format 2 carries), then per mission its line, steps and checks and
// its end, the shop with its purchases when the mission has one, the end
// line. A last line cut off without a line end, as a crash while recording
// leaves it, is dropped, and the demo then counts as without its end line.
// False with the message and exit code on a bad file.
bool citaj_demo(std::istream &vstup, const std::string &meno, Demo &d, ChybaDema &chyba);

// A warning when another game version recorded the demo, else empty.
std::string varovanie_verzie(const Demo &d, const char *verzia);

#endif
