#ifndef PONORKA_TEST_REPLAY_BEH_H
#define PONORKA_TEST_REPLAY_BEH_H

#include <string>
#include <vector>

#include "json.h"

// One run of ponorka-replay with what it left behind.
struct Beh {
    int stav = -1;            // exit status
    std::string vystup;       // standard output
    std::string chyby;        // standard error
    std::vector<Json> stopa;  // the trace, one object per step
    std::string chyba_stopy;  // set when a trace line is not valid JSON
};

// Runs the tool in the game's run directory with the given options and
// script file; the trace is read back when the run wrote one.
Beh spusti(const std::string &volby, const std::string &skript);

// A temporary file of the running test, named after it with the given ending,
// in the test process's own folder.
std::string subor_testu(const std::string &pripona);

// Writes a script for one test into a temporary file and returns its path.
std::string docasny_skript(const std::string &text);

// Path of a scenario script checked into the tests.
std::string scenar(const std::string &meno);

// Whole contents of a file.
std::string obsah(const std::string &cesta);

#endif
