#include "simulation/kampan_citac.h"

#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <locale.h>

#include "options/kody.h"

const char *const KAMPAN_HLAVICKA = "#!ponorka-campaign";

namespace {

enum Riadok { RIADOK_ZIADNY, RIADOK_CELY, RIADOK_DLHY };

// One line without its line end (and without a carriage return before it).
// A line longer than the limit is not read further.
Riadok citaj_riadok(std::istream &vstup, std::string &riadok, size_t &precitane)
{
    riadok.clear();
    std::streambuf *b = vstup.rdbuf();
    bool nieco = false;
    for (;;) {
        int c = b->sbumpc();
        if (c == std::char_traits<char>::eof())
            break;
        nieco = true;
        precitane++;
        if (c == '\n')
            break;
        if (riadok.size() > KAMPAN_NAJDLHSI_RIADOK)
            return RIADOK_DLHY;
        riadok.push_back((char)c);
    }
    if (!nieco)
        return RIADOK_ZIADNY;
    if (!riadok.empty() && riadok.back() == '\r')
        riadok.pop_back();
    return riadok.size() > KAMPAN_NAJDLHSI_RIADOK ? RIADOK_DLHY : RIADOK_CELY;
}

bool medzera(char c)
{
    return c == ' ' || c == '\t';
}

std::vector<std::string> slova(const std::string &text)
{
    std::vector<std::string> v;
    size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && medzera(text[i]))
            i++;
        size_t z = i;
        while (i < text.size() && !medzera(text[i]))
            i++;
        if (i > z)
            v.push_back(text.substr(z, i - z));
    }
    return v;
}

// Numbers are read as C reads them, whatever language the player's system speaks.
locale_t locale_c()
{
    static locale_t l = newlocale(LC_ALL_MASK, "C", (locale_t)0);
    return l;
}

bool realne_z_textu(const std::string &s, double &v)
{
    char *koniec;
    errno = 0;
    v = strtod_l(s.c_str(), &koniec, locale_c());
    return *koniec == '\0' && koniec != s.c_str() && std::isfinite(v);
}

bool cele_z_textu(const std::string &s, long long &v)
{
    char *koniec;
    errno = 0;
    v = strtoll(s.c_str(), &koniec, 10);
    if (*koniec != '\0' || koniec == s.c_str())
        return false;
    if (errno == ERANGE)
        v = s[0] == '-' ? -1000000000000LL : 1000000000000LL;
    return true;
}

// What a number of a line is called in messages, and its range.
struct Rozsah {
    const char *meno;
    double min, max;
    bool cele;
};

const Rozsah FARBA[] = {{"R", 0, 255, true}, {"G", 0, 255, true}, {"B", 0, 255, true}};
const Rozsah NEPRIATEL[] = {
    {"X", -10000, 10000, false},      {"Y", -10000, 10000, false},   {"SPEED", 0, 10, false},
    {"MAX_SPEED", 0, 10, false},      {"HEADING", -360, 360, false}, {"HEALTH", 1, 1000000, true},
    {"MAX_HEALTH", 1, 1000000, true}, {"TURN", 0, 90, false},        {"BLAST", 0, 1000, true},
};
const Rozsah OBCHOD[] = {{"TORPEDO_PRICE", 1, 10000, true}, {"DECOY_PRICE", 1, 10000, true}};

std::string cislo_na_text(double v)
{
    char s[32];
    snprintf(s, sizeof s, "%.15g", v);
    return s;
}

std::string ukazka(const std::string &s)
{
    return s.size() > 40 ? s.substr(0, 40) + "..." : s;
}

class Citac {
public:
    Citac(const std::string &subor, Kampan &kampan, ChybaKampane &ch, const MeradloRiadku &meradlo)
        : meno(subor), k(kampan), chyba(ch), zmesti_sa(meradlo)
    {}

    bool zle(int kod, int riadok, const std::string &sprava)
    {
        chyba.kod = kod;
        chyba.sprava = meno + ":" + std::to_string(riadok) + ": " + sprava;
        return false;
    }

    bool hlavicka(const std::string &riadok, int n)
    {
        if (riadok.compare(0, 3, "\xEF\xBB\xBF") == 0)
            return zle(KOD_KAMPAN_NIE_KAMPAN, n,
                       "the file starts with a byte-order mark; save it as UTF-8 without one");
        std::vector<std::string> w = slova(riadok);
        if (w.empty() || w[0] != KAMPAN_HLAVICKA)
            return zle(KOD_KAMPAN_NIE_KAMPAN, n,
                       "not a campaign: the first line is not \"" + std::string(KAMPAN_HLAVICKA) + " " +
                           std::to_string(KAMPAN_FORMAT) + "\"");
        long long format;
        if (w.size() != 2 || w[1].find_first_not_of("0123456789") != std::string::npos || w[1].size() > 9 ||
            !cele_z_textu(w[1], format))
            return zle(KOD_KAMPAN_NIE_KAMPAN, n,
                       "bad header, expected \"" + std::string(KAMPAN_HLAVICKA) + " " + std::to_string(KAMPAN_FORMAT) +
                           "\"");
        if (format != KAMPAN_FORMAT)
            return zle(KOD_KAMPAN_FORMAT, n,
                       "campaign format " + w[1] + ", but this game plays format " + std::to_string(KAMPAN_FORMAT));
        return true;
    }

    bool riadok(const std::string &text, int n)
    {
        for (size_t i = 0; i < text.size(); i++) {
            unsigned char c = (unsigned char)text[i];
            if ((c < 0x20 && c != '\t') || c == 0x7f) {
                char kod[8];
                snprintf(kod, sizeof kod, "0x%02x", c);
                return zle(KOD_KAMPAN_NIE_KAMPAN, n,
                           "a control character (" + std::string(kod) + ") in column " + std::to_string(i + 1) +
                               ": a campaign is text");
            }
        }
        size_t z = 0;
        while (z < text.size() && medzera(text[z]))
            z++;
        if (z == text.size()) {
            // A blank line ends a briefing.
            otvorena = nullptr;
            return true;
        }
        if (text[z] == '#')
            return true;
        size_t k_slova = z;
        while (k_slova < text.size() && !medzera(text[k_slova]))
            k_slova++;
        std::string slovo = text.substr(z, k_slova - z);
        // What follows the one blank after the keyword, byte for byte.
        std::string zvysok = k_slova < text.size() ? text.substr(k_slova + 1) : std::string();

        if (slovo == "text")
            return text_spravy(zvysok, n);
        otvorena = nullptr;
        if (slovo == "name")
            return nazov(zvysok, n);
        if (slovo == "mission")
            return misia(zvysok, n);
        if (slovo == "before" || slovo == "after")
            return briefing(slovo, zvysok, n);
        if (slovo == "enemy")
            return nepriatel(zvysok, n);
        if (slovo == "shop")
            return obchod(zvysok, n);
        return zle(KOD_KAMPAN_SLOVO, n, "unknown keyword \"" + ukazka(slovo) + "\"");
    }

    // After the last line: the last mission complete, and the campaign too.
    bool koniec(int n)
    {
        if (!ma_meno)
            return zle(KOD_KAMPAN_NEUPLNA, n, "the campaign has no name (\"name TEXT\" before the first mission)");
        if (k.misie.empty())
            return zle(KOD_KAMPAN_NEUPLNA, n, "the campaign has no mission");
        return uzavri_misiu();
    }

private:
    // The numbers after a keyword, each checked against its range.
    bool cisla(const std::string &zvysok, const char *slovo, const Rozsah *rozsahy, size_t pocet, double *hodnoty,
               int n)
    {
        std::vector<std::string> w = slova(zvysok);
        if (w.size() != pocet) {
            std::string ocakavane;
            for (size_t i = 0; i < pocet; i++)
                ocakavane += std::string(" ") + rozsahy[i].meno;
            return zle(KOD_KAMPAN_POCET, n,
                       std::string(slovo) + " takes " + std::to_string(pocet) + " numbers, not " +
                           std::to_string(w.size()) + ": " + slovo + ocakavane);
        }
        for (size_t i = 0; i < pocet; i++) {
            const Rozsah &r = rozsahy[i];
            double v;
            long long c;
            if (r.cele) {
                if (!cele_z_textu(w[i], c))
                    return zle(KOD_KAMPAN_CISLO, n,
                               std::string(r.meno) + " \"" + ukazka(w[i]) + "\" is not a whole number");
                v = c < -1e12 ? -1e12 : c > 1e12 ? 1e12 : (double)c;
            } else if (!realne_z_textu(w[i], v)) {
                return zle(KOD_KAMPAN_CISLO, n, std::string(r.meno) + " \"" + ukazka(w[i]) + "\" is not a number");
            }
            if (v < r.min || v > r.max)
                return zle(KOD_KAMPAN_CISLO, n,
                           std::string(r.meno) + " " + ukazka(w[i]) + " is out of its range " + cislo_na_text(r.min) +
                               " to " + cislo_na_text(r.max));
            hodnoty[i] = v;
        }
        return true;
    }

    MisiaKampane *v_misii(const std::string &slovo, int n)
    {
        if (k.misie.empty()) {
            zle(KOD_KAMPAN_SLOVO, n, "\"" + slovo + "\" before the first \"mission\"");
            return nullptr;
        }
        return &k.misie.back();
    }

    bool nazov(const std::string &zvysok, int n)
    {
        if (!k.misie.empty())
            return zle(KOD_KAMPAN_SLOVO, n, "\"name\" comes before the first mission");
        if (ma_meno)
            return zle(KOD_KAMPAN_SLOVO, n, "a second \"name\"");
        if (slova(zvysok).empty())
            return zle(KOD_KAMPAN_POCET, n, "\"name\" takes the campaign's name");
        if (zvysok.size() > KAMPAN_NAJDLHSI_NAZOV)
            return zle(KOD_KAMPAN_DLHY_RIADOK, n,
                       "the name is longer than " + std::to_string(KAMPAN_NAJDLHSI_NAZOV) + " bytes");
        k.meno = zvysok;
        ma_meno = true;
        return true;
    }

    bool misia(const std::string &zvysok, int n)
    {
        if (!slova(zvysok).empty())
            return zle(KOD_KAMPAN_POCET, n, "\"mission\" takes no numbers");
        if (!ma_meno)
            return zle(KOD_KAMPAN_NEUPLNA, n, "the campaign has no name (\"name TEXT\" before the first mission)");
        if (!k.misie.empty() && !uzavri_misiu())
            return false;
        if ((int)k.misie.size() == KAMPAN_NAJVIAC_MISII)
            return zle(KOD_KAMPAN_VELA, n, "more than " + std::to_string(KAMPAN_NAJVIAC_MISII) + " missions");
        k.misie.emplace_back();
        riadok_misie = n;
        ma_pred = ma_po = false;
        return true;
    }

    // The mission just read has what it needs.
    bool uzavri_misiu()
    {
        const MisiaKampane &m = k.misie.back();
        std::string ktora = "mission " + std::to_string(k.misie.size());
        if (!ma_pred)
            return zle(KOD_KAMPAN_NEUPLNA, riadok_misie, ktora + " has no \"before\" briefing");
        if (!ma_po)
            return zle(KOD_KAMPAN_NEUPLNA, riadok_misie, ktora + " has no \"after\" briefing");
        if (m.nepriatelia.empty())
            return zle(KOD_KAMPAN_NEUPLNA, riadok_misie, ktora + " has no enemy");
        return true;
    }

    bool briefing(const std::string &slovo, const std::string &zvysok, int n)
    {
        MisiaKampane *m = v_misii(slovo, n);
        if (m == nullptr)
            return false;
        bool &ma = slovo == "before" ? ma_pred : ma_po;
        if (ma)
            return zle(KOD_KAMPAN_SLOVO, n, "a second \"" + slovo + "\" in mission " + std::to_string(k.misie.size()));
        double farba[3];
        if (!cisla(zvysok, slovo.c_str(), FARBA, 3, farba, n))
            return false;
        SpravaKampane &s = slovo == "before" ? m->pred : m->po;
        s.r = (int)farba[0];
        s.g = (int)farba[1];
        s.b = (int)farba[2];
        s.text.clear();
        ma = true;
        otvorena = &s;
        riadkov_spravy = 0;
        return true;
    }

    bool text_spravy(const std::string &zvysok, int n)
    {
        if (otvorena == nullptr)
            return zle(KOD_KAMPAN_SLOVO, n,
                       "\"text\" outside a briefing: it follows \"before\", \"after\" or another \"text\" (a blank "
                       "line ends a briefing; \"text\" alone is an empty line)");
        if (zmesti_sa && !zmesti_sa(zvysok))
            return zle(KOD_KAMPAN_SIROKY_RIADOK, n,
                       "the line \"" + ukazka(zvysok) + "\" is too wide for the briefing column at 1024x768");
        if (riadkov_spravy++ > 0)
            otvorena->text += '\n';
        otvorena->text += zvysok;
        return true;
    }

    bool nepriatel(const std::string &zvysok, int n)
    {
        MisiaKampane *m = v_misii("enemy", n);
        if (m == nullptr)
            return false;
        if ((int)m->nepriatelia.size() == KAMPAN_NAJVIAC_NEPRIATELOV)
            return zle(KOD_KAMPAN_VELA, n,
                       "more than " + std::to_string(KAMPAN_NAJVIAC_NEPRIATELOV) + " enemies in mission " +
                           std::to_string(k.misie.size()));
        double v[9];
        if (!cisla(zvysok, "enemy", NEPRIATEL, 9, v, n))
            return false;
        m->nepriatelia.push_back({v[0], v[1], v[2], v[3], v[4], (int)v[5], (int)v[6], v[7], (int)v[8]});
        return true;
    }

    bool obchod(const std::string &zvysok, int n)
    {
        MisiaKampane *m = v_misii("shop", n);
        if (m == nullptr)
            return false;
        if (m->obchod)
            return zle(KOD_KAMPAN_SLOVO, n, "a second \"shop\" in mission " + std::to_string(k.misie.size()));
        double ceny[2];
        if (!cisla(zvysok, "shop", OBCHOD, 2, ceny, n))
            return false;
        m->obchod = true;
        m->cena_torpeda = (int)ceny[0];
        m->cena_navnady = (int)ceny[1];
        return true;
    }

    const std::string &meno;
    Kampan &k;
    ChybaKampane &chyba;
    const MeradloRiadku &zmesti_sa;
    bool ma_meno = false;
    bool ma_pred = false, ma_po = false;  // of the mission being read
    int riadok_misie = 0;                 // the line of its "mission"
    SpravaKampane *otvorena = nullptr;    // the briefing that "text" adds to
    int riadkov_spravy = 0;
};

}  // namespace

bool citaj_kampan(std::istream &vstup, const std::string &meno, Kampan &k, ChybaKampane &chyba,
                  const MeradloRiadku &zmesti_sa, int prvy_riadok)
{
    k = Kampan();
    Citac c(meno, k, chyba, zmesti_sa);
    std::string riadok;
    size_t precitane = 0;
    int n = prvy_riadok - 1;
    for (;;) {
        Riadok r = citaj_riadok(vstup, riadok, precitane);
        if (r == RIADOK_ZIADNY)
            break;
        n++;
        if (precitane > KAMPAN_NAJVIAC_BAJTOV)
            return c.zle(KOD_KAMPAN_VELA, n,
                         "the file is longer than " + std::to_string(KAMPAN_NAJVIAC_BAJTOV) + " bytes");
        if (r == RIADOK_DLHY)
            return c.zle(KOD_KAMPAN_DLHY_RIADOK, n,
                         "line longer than " + std::to_string(KAMPAN_NAJDLHSI_RIADOK) + " bytes");
        k.text += riadok;
        k.text += '\n';
        if (n == prvy_riadok ? !c.hlavicka(riadok, n) : !c.riadok(riadok, n))
            return false;
    }
    if (vstup.bad())
        return c.zle(KOD_KAMPAN_NECITATELNA, n < prvy_riadok ? prvy_riadok : n, "read error");
    if (n < prvy_riadok)
        return c.zle(KOD_KAMPAN_PRAZDNA, prvy_riadok, "the file is empty");
    return c.koniec(n);
}
