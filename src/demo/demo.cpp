#include "demo/demo.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "demo/kontrolny_sucet.h"
#include "demo/riadok_krokov.h"

const char *const DEMO_HLAVICKA = "#!ponorka-demo";

namespace {

enum Stav {
    PRED_MISIOU,  // after the header: mission 1 or the end
    V_MISII,      // steps, checks, the mission's end or the end
    PO_MISII,     // the shop or the end
    V_OBCHODE,    // purchases, the next mission or the end
    PO_KONCI,     // nothing but comments
};

std::vector<std::string> slova(const std::string &riadok)
{
    std::vector<std::string> v;
    size_t i = 0;
    while (i < riadok.size()) {
        while (i < riadok.size() && isspace((unsigned char)riadok[i]))
            i++;
        size_t z = i;
        while (i < riadok.size() && !isspace((unsigned char)riadok[i]))
            i++;
        if (i > z)
            v.push_back(riadok.substr(z, i - z));
    }
    return v;
}

// A whole number from 0 to `najviac`, digits only.
bool cislo(const std::string &s, long long najviac, long long &v)
{
    if (s.empty() || s.size() > 12)
        return false;
    v = 0;
    for (char c : s) {
        if (c < '0' || c > '9')
            return false;
        v = v * 10 + (c - '0');
    }
    return v <= najviac;
}

class Citac {
public:
    Citac(const std::string &subor, Demo &demo, ChybaDema &ch) : meno(subor), d(demo), chyba(ch) {}

    bool zle(int kod, int riadok, const std::string &sprava)
    {
        chyba.kod = kod;
        chyba.sprava = meno + ":" + std::to_string(riadok) + ": " + sprava;
        return false;
    }

    bool hlavicka(const std::string &riadok)
    {
        std::vector<std::string> w = slova(riadok);
        long long format;
        if (w.size() != 3 || w[0] != DEMO_HLAVICKA || !cislo(w[1], 1000000, format))
            return zle(KOD_DEMO_ZLY_RIADOK, 1,
                       "bad header, expected \"" + std::string(DEMO_HLAVICKA) + " FORMAT GAME-VERSION\"");
        if (format != DEMO_FORMAT)
            return zle(KOD_DEMO_FORMAT, 1,
                       "demo format " + w[1] + ", but this game plays format " + std::to_string(DEMO_FORMAT));
        d.verzia_hry = w[2];
        return true;
    }

    bool riadok(const std::string &text, int n)
    {
        if (text.compare(0, 2, "#!") == 0)
            return zaznam(text, n);
        if (!text.empty() && text[0] == '#')
            return true;
        if (stav != V_MISII) {
            if (stav == PO_KONCI)
                return zle(KOD_DEMO_ZLY_RIADOK, n, "steps after the end line");
            return zle(KOD_DEMO_ZLY_RIADOK, n, "steps outside a mission");
        }
        RiadokKrokov r;
        std::string sprava;
        switch (citaj_riadok_krokov(text.data(), text.size(), r, &sprava)) {
        case RIADOK_ZLY_POCET:
            return zle(KOD_DEMO_POCET, n, sprava);
        case RIADOK_NEZNAMA_KLAVESA:
            return zle(KOD_DEMO_KLAVESA, n, sprava);
        case RIADOK_V_PORIADKU:
            break;
        }
        kroky += r.pocet;
        if (kroky > DEMO_NAJVIAC_KROKOV)
            return zle(KOD_DEMO_POCET, n, "demo is longer than " + std::to_string(DEMO_NAJVIAC_KROKOV) + " steps");
        Zaznam z{ZAZNAM_KROKY, n, r.povel};
        z.pocet = r.pocet;
        d.zaznamy.push_back(z);
        return true;
    }

    bool zaznam(const std::string &text, int n)
    {
        std::vector<std::string> w = slova(text);
        const std::string &typ = w[0];
        Zaznam z{ZAZNAM_KROKY, n, Povel()};
        long long v;
        if (typ == "#!mission" && w.size() == 2 && cislo(w[1], 2, v) && v >= 1) {
            z.typ = ZAZNAM_MISIA;
            z.cislo = (int)v;
            bool na_rade = (stav == PRED_MISIOU && v == 1) || (stav == V_OBCHODE && misia == 1 && v == 2);
            if (!na_rade)
                return zle(KOD_DEMO_ZLY_RIADOK, n, "mission " + w[1] + " out of order");
            misia = z.cislo;
            stav = V_MISII;
        } else if (typ == "#!check" && w.size() == 3) {
            z.typ = ZAZNAM_KONTROLA;
            if (!krok_a_sucet(w[1], w[2], z, n))
                return false;
            if (stav != V_MISII)
                return zle(KOD_DEMO_ZLY_RIADOK, n, "check outside a mission");
        } else if (typ == "#!mission-end" && w.size() == 4 && cislo(w[1], 2, v)) {
            z.typ = ZAZNAM_KONIEC_MISIE;
            z.cislo = (int)v;
            if (!krok_a_sucet(w[2], w[3], z, n))
                return false;
            if (stav != V_MISII || z.cislo != misia)
                return zle(KOD_DEMO_ZLY_RIADOK, n, "end of mission " + w[1] + " out of order");
            stav = PO_MISII;
        } else if (typ == "#!shop" && w.size() == 2 && cislo(w[1], 2, v)) {
            z.typ = ZAZNAM_OBCHOD;
            z.cislo = (int)v;
            if (stav != PO_MISII || z.cislo != misia)
                return zle(KOD_DEMO_ZLY_RIADOK, n, "shop " + w[1] + " out of order");
            stav = V_OBCHODE;
        } else if (typ == "#!buy" && w.size() == 2 && (w[1] == "torpedo" || w[1] == "decoy")) {
            z.typ = ZAZNAM_NAKUP;
            z.polozka = w[1] == "torpedo" ? POLOZKA_TORPEDO : POLOZKA_NAVNADA;
            if (stav != V_OBCHODE)
                return zle(KOD_DEMO_ZLY_RIADOK, n, "purchase outside a shop");
        } else if (typ == "#!end" && w.size() == 3) {
            z.typ = ZAZNAM_KONIEC;
            if (!krok_a_sucet(w[1], w[2], z, n))
                return false;
            if (stav == PO_KONCI)
                return zle(KOD_DEMO_ZLY_RIADOK, n, "a second end line");
            stav = PO_KONCI;
            d.ma_koniec = true;
        } else {
            return zle(KOD_DEMO_ZLY_RIADOK, n,
                       "not a demo record: \"" + citatelne(text.data(), text.size(), 60) + "\"");
        }
        d.zaznamy.push_back(z);
        return true;
    }

    // "STEP SUM" of a check, a mission's end or the end: the step must be the
    // number of steps before the line.
    bool krok_a_sucet(const std::string &k, const std::string &s, Zaznam &z, int n)
    {
        long long v;
        if (!cislo(k, DEMO_NAJVIAC_KROKOV, v))
            return zle(KOD_DEMO_ZLY_RIADOK, n, "bad step number \"" + citatelne(k.data(), k.size(), 20) + "\"");
        if (!sucet_z_textu(s.data(), s.size(), z.sucet))
            return zle(KOD_DEMO_ZLY_RIADOK, n, "bad checksum \"" + citatelne(s.data(), s.size(), 20) + "\"");
        if (v != kroky)
            return zle(KOD_DEMO_ZLY_RIADOK, n,
                       "record for step " + k + ", but " + std::to_string(kroky) + " steps come before it");
        z.krok = (int)v;
        return true;
    }

    Stav stav = PRED_MISIOU;

private:
    const std::string &meno;
    Demo &d;
    ChybaDema &chyba;
    int misia = 0;
    long long kroky = 0;
};

}  // namespace

bool je_hlavicka_dema(const std::string &riadok)
{
    size_t n = strlen(DEMO_HLAVICKA);
    return riadok.compare(0, n, DEMO_HLAVICKA) == 0 && (riadok.size() == n || isspace((unsigned char)riadok[n]));
}

bool zacina_znackou_poradia(const std::string &text)
{
    return text.compare(0, 3, "\xEF\xBB\xBF") == 0;
}

bool je_zaciatok_dema(const std::string &obsah)
{
    if (obsah.empty())
        return true;
    size_t zaciatok = zacina_znackou_poradia(obsah) ? 3 : 0;
    size_t koniec = obsah.find('\n');
    std::string prvy = obsah.substr(zaciatok, std::min(koniec, DEMO_NAJDLHSI_RIADOK + 1) - zaciatok);
    if (je_hlavicka_dema(prvy))
        return true;
    return koniec == std::string::npos && !prvy.empty() && strncmp(DEMO_HLAVICKA, prvy.c_str(), prvy.size()) == 0;
}

RiadokSuboru CitacRiadkov::dalsi(std::string &riadok)
{
    riadok.clear();
    std::streambuf *b = vstup.rdbuf();
    for (;;) {
        if (precitane >= DEMO_NAJVACSI_SUBOR) {
            if (b->sgetc() == std::char_traits<char>::eof())
                break;
            return RIADOK_VELKY_SUBOR;
        }
        int c = b->sbumpc();
        if (c == std::char_traits<char>::eof())
            break;
        precitane++;
        if (c == '\n') {
            if (!riadok.empty() && riadok.back() == '\r')
                riadok.pop_back();
            return RIADOK_CELY;
        }
        if (riadok.size() >= DEMO_NAJDLHSI_RIADOK + 1)
            return RIADOK_DLHY;
        riadok.push_back((char)c);
    }
    if (riadok.empty())
        return RIADOK_ZIADNY;
    if (riadok.size() > DEMO_NAJDLHSI_RIADOK)
        return RIADOK_DLHY;
    if (riadok.back() == '\r')
        riadok.pop_back();
    return RIADOK_BEZ_KONCA;
}

std::string CitacRiadkov::sprava(RiadokSuboru r)
{
    if (r == RIADOK_VELKY_SUBOR)
        return "file longer than " + std::to_string(DEMO_NAJVACSI_SUBOR) + " bytes";
    return "line longer than " + std::to_string(DEMO_NAJDLHSI_RIADOK) + " characters";
}

bool nacitaj_subor(const std::string &cesta, std::string &obsah, std::string &dovod)
{
    obsah.clear();
    FILE *f = fopen(cesta.c_str(), "rb");
    if (f == nullptr) {
        dovod = strerror(errno);
        return false;
    }
    char blok[65536];
    size_t n;
    while (obsah.size() <= DEMO_NAJVACSI_SUBOR &&
           (n = fread(blok, 1, std::min(sizeof blok, DEMO_NAJVACSI_SUBOR + 1 - obsah.size()), f)) > 0)
        obsah.append(blok, n);
    bool chyba = ferror(f) != 0;
    int e = errno;
    fclose(f);
    if (chyba) {
        dovod = strerror(e);
        return false;
    }
    return true;
}

// A last line without its line end is what a crash while recording leaves: it is read
// only when it is a whole end line, as the recorder writes it, and dropped otherwise.
static bool cely_koniec(const std::string &riadok)
{
    std::vector<std::string> w = slova(riadok);
    long long krok;
    uint64_t sucet;
    return w.size() == 3 && w[0] == "#!end" && cislo(w[1], DEMO_NAJVIAC_KROKOV, krok) &&
           sucet_z_textu(w[2].data(), w[2].size(), sucet);
}

bool citaj_demo(std::istream &vstup, const std::string &meno, Demo &d, ChybaDema &chyba)
{
    d = Demo();
    d.meno = meno;
    Citac c(meno, d, chyba);
    CitacRiadkov citac(vstup);
    std::string riadok;
    int n = 0;
    for (;;) {
        RiadokSuboru r = citac.dalsi(riadok);
        if (r == RIADOK_ZIADNY)
            break;
        n++;
        d.riadkov = n;
        if (r == RIADOK_DLHY || r == RIADOK_VELKY_SUBOR)
            return c.zle(KOD_DEMO_DLHY_RIADOK, n, CitacRiadkov::sprava(r));
        if (n == 1) {
            if (zacina_znackou_poradia(riadok))
                return c.zle(KOD_DEMO_NIE_DEMO, 1,
                             "not a demo: the file starts with a byte-order mark (U+FEFF); a demo is plain text "
                             "without one");
            if (!je_hlavicka_dema(riadok))
                return c.zle(KOD_DEMO_NIE_DEMO, 1,
                             "not a demo: the first line is not \"" + std::string(DEMO_HLAVICKA) + " ...\"");
            if (!c.hlavicka(riadok))
                return false;
            continue;
        }
        if (r == RIADOK_BEZ_KONCA && c.stav != PO_KONCI && !cely_koniec(riadok)) {
            d.riadkov = n - 1;
            break;
        }
        if (!c.riadok(riadok, n))
            return false;
    }
    if (vstup.bad())
        return c.zle(KOD_DEMO_NECITATELNE, n, "read error");
    if (n == 0)
        return c.zle(KOD_DEMO_PRAZDNE, 1, "the file is empty");
    return true;
}

std::string varovanie_verzie(const Demo &d, const char *verzia)
{
    if (d.verzia_hry == verzia)
        return std::string();
    return d.meno + ":1: recorded by ponorka " + d.verzia_hry + ", this is ponorka " + verzia +
           "; the checksums will tell whether it still plays the same";
}
