#ifndef PONORKA_RIADOK_KROKOV_H
#define PONORKA_RIADOK_KROKOV_H

#include <cstddef>
#include <string>

#include "objects/povel.h"

// One step line of the key script, which is also the body of a demo: key
// names from KLAVESY_POVELU separated by blanks, NOBUF when the keyboard
// buffer is empty in these steps (it holds a key otherwise, as after the
// first briefing), and an optional "*N" at the end for N steps.

// The word that marks an empty keyboard buffer.
extern const char *const MENO_PRAZDNY_BUFFER;

struct RiadokKrokov {
    Povel povel;
    long long pocet = 1;
};

enum ChybaRiadkuKrokov {
    RIADOK_V_PORIADKU,
    RIADOK_ZLY_POCET,        // the "*N" is malformed or below 1
    RIADOK_NEZNAMA_KLAVESA,  // a word that is no key name
};

// Reads a line (without its line end; comment lines are the caller's). On an
// error `sprava` (when given) says what is wrong, without the file and line.
// Allocates nothing unless there is an error to describe.
ChybaRiadkuKrokov citaj_riadok_krokov(const char *text, size_t dlzka, RiadokKrokov &r, std::string *sprava);

// A piece of a file as a message may show it: printable ASCII as it is, a quote,
// a backslash and every other byte escaped (\", \\, \xHH), at most `najviac`
// bytes of it, "..." after a cut.
std::string citatelne(const char *text, size_t dlzka, size_t najviac);

// Writes the line of `pocet` steps of `p` (no line end) into buf, at most
// `velkost` bytes with the terminating zero; returns its length. Keys go in the
// order of KLAVESY_POVELU; steps that hold nothing are written "*N", never as
// an empty line. 96 bytes always suffice.
size_t zapis_riadok_krokov(const Povel &p, long long pocet, char *buf, size_t velkost);

#endif
