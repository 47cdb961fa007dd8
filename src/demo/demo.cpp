#include "demo/demo.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sstream>

#include "demo/kontrolny_sucet.h"
#include "demo/riadok_krokov.h"
#include "simulation/kampan_citac.h"

const char *const DEMO_HLAVICKA = "#!ponorka-demo";
const char *const DEMO_KAMPAN = "#!campaign";
const char *const DEMO_RIADOK_KAMPANE = "#!| ";

namespace {

// A line of a campaign may be as long as a line of a demo, so in a demo it
// may be longer by its prefix.
const size_t NAJDLHSI_RIADOK = DEMO_NAJDLHSI_RIADOK + 4;

bool je_riadok_kampane(const std::string &riadok)
{
    return riadok.compare(0, 3, "#!|") == 0 && (riadok.size() == 3 || riadok[3] == ' ');
}

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
        if (format != DEMO_FORMAT && format != DEMO_FORMAT_KAMPANE)
            return zle(KOD_DEMO_FORMAT, 1,
                       "demo format " + w[1] + ", but this game plays format " + std::to_string(DEMO_FORMAT) +
                           " (and " + std::to_string(DEMO_FORMAT_KAMPANE) + " for a campaign)");
        d.verzia_hry = w[2];
        d.format = (int)format;
        kampan = format == DEMO_FORMAT_KAMPANE ? CAKA_KAMPAN : BEZ_KAMPANE;
        return true;
    }

    // Where a demo of format 2 stands with the campaign it carries.
    enum { BEZ_KAMPANE, CAKA_KAMPAN, V_KAMPANI } kampan = BEZ_KAMPANE;

    // "#!campaign HASH NAME", the line after the header.
    bool zaciatok_kampane(const std::string &text, int n)
    {
        size_t z = strlen(DEMO_KAMPAN);
        if (text.compare(0, z, DEMO_KAMPAN) != 0 || text.size() < z + 19 || text[z] != ' ' || text[z + 17] != ' ' ||
            !sucet_z_textu(text.data() + z + 1, 16, hash_kampane_hlavicky) || text.size() == z + 18)
            return zle(KOD_DEMO_ZLY_RIADOK, n,
                       "a demo of format " + std::to_string(DEMO_FORMAT_KAMPANE) + " names its campaign here: \"" +
                           std::string(DEMO_KAMPAN) + " HASH NAME\"");
        meno_kampane = text.substr(z + 18);
        riadok_kampane = n;
        text_kampane.clear();
        kampan = V_KAMPANI;
        return true;
    }

    bool riadok_textu_kampane(const std::string &text, int n)
    {
        size_t z = strlen(DEMO_RIADOK_KAMPANE);
        text_kampane += text.size() > z ? text.substr(z) : std::string();
        text_kampane += '\n';
        if (text_kampane.size() > KAMPAN_NAJVIAC_BAJTOV)
            return zle(KOD_DEMO_ZLY_RIADOK, n,
                       "the campaign is longer than " + std::to_string(KAMPAN_NAJVIAC_BAJTOV) + " bytes");
        return true;
    }

    // The campaign's lines are all there: its hash and name are those of the
    // header, and it reads as a campaign.
    bool koniec_kampane()
    {
        kampan = BEZ_KAMPANE;
        uint64_t h = hash_kampane(text_kampane);
        if (h != hash_kampane_hlavicky)
            return zle(KOD_DEMO_ZLY_RIADOK, riadok_kampane,
                       "the campaign's text hashes to " + sucet_na_text(h) + ", not to " +
                           sucet_na_text(hash_kampane_hlavicky));
        std::istringstream vstup(text_kampane);
        ChybaKampane ch;
        if (!citaj_kampan(vstup, meno, d.kampan, ch, nullptr, riadok_kampane + 1)) {
            chyba.kod = KOD_DEMO_ZLY_RIADOK;
            chyba.sprava = ch.sprava;
            return false;
        }
        if (d.kampan.meno != meno_kampane)
            return zle(KOD_DEMO_ZLY_RIADOK, riadok_kampane,
                       "the header names the campaign \"" + meno_kampane.substr(0, 60) + "\", its text \"" +
                           d.kampan.meno.substr(0, 60) + "\"");
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
        long long misii = (long long)d.kampan.misie.size();
        if (typ == "#!mission" && w.size() == 2 && cislo(w[1], misii, v) && v >= 1) {
            z.typ = ZAZNAM_MISIA;
            z.cislo = (int)v;
            // The next mission comes after the shop, or after the mission's end when it has none.
            bool po_obchode = stav == V_OBCHODE || (stav == PO_MISII && !d.kampan.misie[misia - 1].obchod);
            bool na_rade = (stav == PRED_MISIOU && v == 1) || (po_obchode && v == misia + 1);
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
        } else if (typ == "#!mission-end" && w.size() == 4 && cislo(w[1], misii, v)) {
            z.typ = ZAZNAM_KONIEC_MISIE;
            z.cislo = (int)v;
            if (!krok_a_sucet(w[2], w[3], z, n))
                return false;
            if (stav != V_MISII || z.cislo != misia)
                return zle(KOD_DEMO_ZLY_RIADOK, n, "end of mission " + w[1] + " out of order");
            stav = PO_MISII;
        } else if (typ == "#!shop" && w.size() == 2 && cislo(w[1], misii, v)) {
            z.typ = ZAZNAM_OBCHOD;
            z.cislo = (int)v;
            if (stav != PO_MISII || z.cislo != misia || !d.kampan.misie[misia - 1].obchod)
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
    uint64_t hash_kampane_hlavicky = 0;
    std::string meno_kampane;
    std::string text_kampane;
    int riadok_kampane = 0;
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
            // One character over the limit is read, so that a line just too long is seen.
            return riadok.size() > najdlhsi ? RIADOK_DLHY : RIADOK_CELY;
        }
        if (riadok.size() >= najdlhsi + 1)
            return RIADOK_DLHY;
        riadok.push_back((char)c);
    }
    if (riadok.empty())
        return RIADOK_ZIADNY;
    if (riadok.back() == '\r')
        riadok.pop_back();
    if (riadok.size() > najdlhsi)
        return RIADOK_DLHY;
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
    d.kampan = vstavana_kampan();
    Citac c(meno, d, chyba);
    CitacRiadkov citac(vstup, NAJDLHSI_RIADOK);
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
        if (riadok.size() > DEMO_NAJDLHSI_RIADOK && !je_riadok_kampane(riadok))
            return c.zle(KOD_DEMO_DLHY_RIADOK, n, CitacRiadkov::sprava(RIADOK_DLHY));
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
        if (c.kampan == Citac::CAKA_KAMPAN) {
            if (!c.zaciatok_kampane(riadok, n))
                return false;
            continue;
        }
        if (c.kampan == Citac::V_KAMPANI) {
            if (je_riadok_kampane(riadok)) {
                if (!c.riadok_textu_kampane(riadok, n))
                    return false;
                continue;
            }
            if (!c.koniec_kampane())
                return false;
        }
        if (!c.riadok(riadok, n))
            return false;
    }
    if (c.kampan == Citac::CAKA_KAMPAN)
        return c.zle(KOD_DEMO_ZLY_RIADOK, n + 1,
                     "a demo of format " + std::to_string(DEMO_FORMAT_KAMPANE) +
                         " names its campaign after its header");
    if (c.kampan == Citac::V_KAMPANI && !c.koniec_kampane())
        return false;
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
