#ifndef PONORKA_TEST_REPLAY_JSON_H
#define PONORKA_TEST_REPLAY_JSON_H

#include <map>
#include <string>
#include <vector>

// Just enough JSON to read the replay trace back: numbers, booleans, arrays
// and objects. Numbers are read with strtod, so %.17g values keep their bits.
struct Json {
    enum Druh { CISLO, PRAVDA, NEPRAVDA, POLE, OBJEKT } druh = CISLO;
    double cislo = 0;
    std::vector<Json> pole;
    std::map<std::string, Json> objekt;

    const Json &operator[](const std::string &kluc) const;
    const Json &operator[](size_t i) const;
    size_t size() const { return druh == POLE ? pole.size() : objekt.size(); }
    bool pravda() const { return druh == PRAVDA; }
    int cele() const { return (int)cislo; }
};

// Parses one JSON text; false (with the offending offset in chyba) on bad input.
bool citaj_json(const std::string &text, Json &vysledok, std::string &chyba);

#endif
