#ifndef PONORKA_REPLAY_SKRIPT_H
#define PONORKA_REPLAY_SKRIPT_H

#include <istream>
#include <string>
#include <vector>

#include "objects/povel.h"

// A run of steps that hold the same keys.
struct Usek {
    std::vector<int> klavesy;  // Allegro scancodes held in these steps
    bool buffer = true;        // the keyboard buffer holds a key (no NOBUF)
    long long kroky = 0;       // how many steps

    // The step command of these steps.
    Povel povel() const;
};

// The keys of a replay, one run after another from step 1; after the last
// run no key is held.
struct Skript {
    std::vector<Usek> useky;
};

// Walks a script step by step, from step 1 on.
class Kurzor {
public:
    explicit Kurzor(const Skript &s) : skript(s) {}
    // Keys of the next step; none once the script has ended.
    const std::vector<int> &dalsi();
    // The same step as a whole run, with its keyboard buffer.
    const Usek &dalsi_usek();

private:
    const Skript &skript;
    size_t usek = 0;
    long long v_useku = 0;  // steps of the current run already taken
};

// Reads a script: one line per step, key names separated by spaces (NOBUF
// for an empty keyboard buffer), an optional "*N" at the end for N steps,
// "#" lines are comments. Lines and the whole have the limits of a demo. On a
// bad line returns false with a message naming the line and, in `kod` when
// given, the exit status: a demo's for a line or a file too long, else 1.
bool nacitaj_skript(std::istream &vstup, const std::string &meno, Skript &skript, std::string &chyba,
                    int *kod = nullptr);

// Scancode of a key name of the script, or -1.
int kod_klavesy(const std::string &meno);

#endif
