#include "json.h"

#include <cstdlib>
#include <stdexcept>

namespace {

class Citac {
public:
    explicit Citac(const std::string &t) : text(t) {}

    bool hodnota(Json &j)
    {
        medzery();
        if (i >= text.size())
            return false;
        char c = text[i];
        if (c == '{')
            return objekt(j);
        if (c == '[')
            return pole(j);
        if (text.compare(i, 4, "true") == 0) {
            j.druh = Json::PRAVDA;
            i += 4;
            return true;
        }
        if (text.compare(i, 5, "false") == 0) {
            j.druh = Json::NEPRAVDA;
            i += 5;
            return true;
        }
        const char *zaciatok = text.c_str() + i;
        char *koniec;
        j.druh = Json::CISLO;
        j.cislo = strtod(zaciatok, &koniec);
        if (koniec == zaciatok)
            return false;
        i += koniec - zaciatok;
        return true;
    }
    bool koniec()
    {
        medzery();
        return i == text.size();
    }
    size_t pozicia() const { return i; }

private:
    const std::string &text;
    size_t i = 0;

    void medzery()
    {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\n' || text[i] == '\r' || text[i] == '\t'))
            i++;
    }
    bool znak(char c)
    {
        medzery();
        if (i < text.size() && text[i] == c) {
            i++;
            return true;
        }
        return false;
    }
    bool retazec(std::string &s)
    {
        if (!znak('"'))
            return false;
        size_t k = text.find('"', i);
        if (k == std::string::npos)
            return false;
        s = text.substr(i, k - i);
        i = k + 1;
        return true;
    }
    bool pole(Json &j)
    {
        j.druh = Json::POLE;
        znak('[');
        if (znak(']'))
            return true;
        do {
            j.pole.emplace_back();
            if (!hodnota(j.pole.back()))
                return false;
        } while (znak(','));
        return znak(']');
    }
    bool objekt(Json &j)
    {
        j.druh = Json::OBJEKT;
        znak('{');
        if (znak('}'))
            return true;
        do {
            std::string kluc;
            if (!retazec(kluc) || !znak(':') || !hodnota(j.objekt[kluc]))
                return false;
        } while (znak(','));
        return znak('}');
    }
};

}  // namespace

const Json &Json::operator[](const std::string &kluc) const
{
    auto it = objekt.find(kluc);
    if (druh != OBJEKT || it == objekt.end())
        throw std::out_of_range("no member " + kluc);
    return it->second;
}

const Json &Json::operator[](size_t i) const
{
    if (druh != POLE || i >= pole.size())
        throw std::out_of_range("no element " + std::to_string(i));
    return pole[i];
}

bool citaj_json(const std::string &text, Json &vysledok, std::string &chyba)
{
    Citac c(text);
    vysledok = Json();
    if (!c.hodnota(vysledok) || !c.koniec()) {
        chyba = "bad JSON at offset " + std::to_string(c.pozicia());
        return false;
    }
    return true;
}
