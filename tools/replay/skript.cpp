#include "skript.h"

#include "objects/povel.h"

#include <cctype>
#include <sstream>

namespace {

// Far more steps than any mission needs; keeps the step counter in range.
const long long NAJVIAC_KROKOV = 1000000000LL;

std::string chyba_riadku(const std::string &meno, int riadok, const std::string &sprava)
{
    return meno + ":" + std::to_string(riadok) + ": " + sprava;
}

// Splits a trailing "*N" off the line. Returns false when it is malformed.
bool opakovanie(std::string &text, long long &pocet, std::string &sprava)
{
    pocet = 1;
    size_t hviezda = text.rfind('*');
    if (hviezda == std::string::npos)
        return true;
    std::string cislo = text.substr(hviezda + 1);
    while (!cislo.empty() && isspace((unsigned char)cislo.back()))
        cislo.pop_back();
    if (cislo.empty() || cislo.size() > 10) {
        sprava = "bad repeat count \"*" + cislo + "\"";
        return false;
    }
    for (char c : cislo) {
        if (!isdigit((unsigned char)c)) {
            sprava = "bad repeat count \"*" + cislo + "\"";
            return false;
        }
    }
    pocet = std::stoll(cislo);
    if (pocet < 1) {
        sprava = "repeat count must be at least 1";
        return false;
    }
    text.erase(hviezda);
    return true;
}

}  // namespace

int kod_klavesy(const std::string &meno)
{
    for (const MenoKlavesy &m : KLAVESY_POVELU)
        if (meno == m.meno)
            return m.scancode;
    return -1;
}

const std::vector<int> &Kurzor::dalsi()
{
    static const std::vector<int> ziadne;
    while (usek < skript.useky.size() && v_useku >= skript.useky[usek].kroky) {
        usek++;
        v_useku = 0;
    }
    if (usek == skript.useky.size())
        return ziadne;
    v_useku++;
    return skript.useky[usek].klavesy;
}

bool nacitaj_skript(std::istream &vstup, const std::string &meno, Skript &skript, std::string &chyba)
{
    skript.useky.clear();
    long long spolu = 0;
    std::string riadok;
    for (int cislo = 1; std::getline(vstup, riadok); cislo++) {
        if (!riadok.empty() && riadok.back() == '\r')
            riadok.pop_back();
        if (!riadok.empty() && riadok[0] == '#')
            continue;
        Usek usek;
        std::string sprava;
        if (!opakovanie(riadok, usek.kroky, sprava)) {
            chyba = chyba_riadku(meno, cislo, sprava);
            return false;
        }
        std::istringstream slova(riadok);
        std::string slovo;
        while (slova >> slovo) {
            int kod = kod_klavesy(slovo);
            if (kod < 0) {
                chyba = chyba_riadku(meno, cislo, "unknown key \"" + slovo + "\"");
                return false;
            }
            usek.klavesy.push_back(kod);
        }
        spolu += usek.kroky;
        if (spolu > NAJVIAC_KROKOV) {
            chyba = chyba_riadku(meno, cislo, "script is longer than " + std::to_string(NAJVIAC_KROKOV) + " steps");
            return false;
        }
        // Neighbouring lines with the same keys make one run.
        if (!skript.useky.empty() && skript.useky.back().klavesy == usek.klavesy)
            skript.useky.back().kroky += usek.kroky;
        else
            skript.useky.push_back(usek);
    }
    if (vstup.bad()) {
        chyba = meno + ": read error";
        return false;
    }
    return true;
}
