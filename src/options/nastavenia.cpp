#include "options/nastavenia.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <map>
#include <sstream>
#include <vector>

#include <allegro.h>

const char *const SEKCIA_KLAVES = "controls";
const char *const SEKCIA_PADU = "gamepad";

static const char *const ANO_NIE[] = {"no", "yes", nullptr};
static const char *const REZIMY[] = {"fullscreen", "windowed", "fullscreen-desktop", nullptr};
// A word's index is the scale: auto first, as 0.
static const char *const MIERKY[] = {"auto", "1", "2", "3", "4", "5", "6", "7", "8", nullptr};
const char *const JAZYKY_NASTAVENI[] = {"auto", "sk", "en", nullptr};

const PolozkaNastavenia POLOZKY_NASTAVENI[] = {
    {"gamepad", "dead_zone", 0, 127, nullptr, &Nastavenia::mrtva_zona},
    {"sound", "enabled", 0, 0, ANO_NIE, &Nastavenia::zvuk},
    {"sound", "volume", 0, 100, nullptr, &Nastavenia::hlasitost},
    {"display", "mode", 0, 0, REZIMY, &Nastavenia::rezim},
    {"display", "scale", 0, 0, MIERKY, &Nastavenia::mierka},
    {"game", "language", 0, 0, JAZYKY_NASTAVENI, &Nastavenia::jazyk},
};
const int POCET_POLOZIEK = (int)(sizeof(POLOZKY_NASTAVENI) / sizeof(POLOZKY_NASTAVENI[0]));

bool Nastavenia::operator==(const Nastavenia &n) const
{
    if (vazby != n.vazby)
        return false;
    for (int i = 0; i < POCET_POLOZIEK; i++)
        if (this->*POLOZKY_NASTAVENI[i].hodnota != n.*POLOZKY_NASTAVENI[i].hodnota)
            return false;
    return true;
}

namespace {

// A longer line is no line of ours.
const size_t NAJDLHSI_RIADOK = 1000;

// One line of the file as Allegro's reader should see it. Allegro's reader
// takes any line it can split into a name and a value, and does not count
// lines; the game checks each line first, gives Allegro only the good ones,
// and so knows the line of every entry.
struct Riadok {
    enum Druh { INY, SEKCIA, KLUC, ZLY } druh = INY;
    std::string meno;      // the section's or the key's, in lower case
    std::string text;      // the line as Allegro gets it (empty for a bad one)
    std::string poznamka;  // a comment after a section's name
};

std::string male(std::string s)
{
    for (char &c : s)
        c = (char)tolower((unsigned char)c);
    return s;
}

bool znak_mena(char c)
{
    return isalnum((unsigned char)c) || c == '_' || c == '-';
}

Riadok rozober(std::string r)
{
    Riadok v;
    if (!r.empty() && r.back() == '\r')
        r.pop_back();
    v.text = r;
    if (r.size() > NAJDLHSI_RIADOK) {
        v.druh = Riadok::ZLY;
        return v;
    }
    for (char c : r)
        if ((unsigned char)c < 32 && c != '\t') {
            v.druh = Riadok::ZLY;
            return v;
        }
    size_t i = r.find_first_not_of(" \t");
    if (i == std::string::npos || r[i] == '#')
        return v;
    size_t j = i + (r[i] == '[' ? 1 : 0);
    size_t k = j;
    while (k < r.size() && znak_mena(r[k]))
        k++;
    std::string meno = r.substr(j, k - j);
    size_t za = r.find_first_not_of(" \t", k + (r[i] == '[' ? 1 : 0));
    if (r[i] == '[') {
        // "[name]", then nothing or a comment after a blank.
        bool dobry =
            !meno.empty() && k < r.size() && r[k] == ']' && (za == std::string::npos || (za > k + 1 && r[za] == '#'));
        if (!dobry) {
            v.druh = Riadok::ZLY;
            return v;
        }
        v.druh = Riadok::SEKCIA;
        v.meno = male(meno);
        v.text = "[" + meno + "]";
        if (za != std::string::npos)
            v.poznamka = r.substr(za);
        return v;
    }
    za = r.find_first_not_of(" \t", k);
    if (meno.empty() || za == std::string::npos || r[za] != '=') {
        v.druh = Riadok::ZLY;
        return v;
    }
    v.druh = Riadok::KLUC;
    v.meno = male(meno);
    return v;
}

std::vector<Riadok> riadky(const std::string &text)
{
    std::vector<Riadok> v;
    size_t od = 0;
    // A byte-order mark is no part of the first line.
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0)
        od = 3;
    while (od < text.size()) {
        size_t nl = text.find('\n', od);
        size_t po = nl == std::string::npos ? text.size() : nl;
        v.push_back(rozober(text.substr(od, po - od)));
        od = po + 1;
    }
    return v;
}

const PolozkaNastavenia *polozka(const std::string &sekcia, const std::string &kluc)
{
    for (int i = 0; i < POCET_POLOZIEK; i++)
        if (sekcia == POLOZKY_NASTAVENI[i].sekcia && kluc == POLOZKY_NASTAVENI[i].kluc)
            return &POLOZKY_NASTAVENI[i];
    return nullptr;
}

int akcia_kluca(const std::string &kluc)
{
    for (int a = 0; a < AKCIE; a++)
        if (kluc == AKCIE_HRY[a].kluc)
            return a;
    return -1;
}

bool sekcia_vazieb(const std::string &s, DruhVstupu &d)
{
    if (s == SEKCIA_KLAVES)
        d = KLAVESNICA;
    else if (s == SEKCIA_PADU)
        d = PAD;
    else
        return false;
    return true;
}

bool znama_sekcia(const std::string &s)
{
    DruhVstupu d;
    if (sekcia_vazieb(s, d))
        return true;
    for (int i = 0; i < POCET_POLOZIEK; i++)
        if (s == POLOZKY_NASTAVENI[i].sekcia)
            return true;
    return false;
}

bool znamy_kluc(const std::string &sekcia, const std::string &kluc)
{
    DruhVstupu d;
    return (sekcia_vazieb(sekcia, d) && akcia_kluca(kluc) >= 0) || polozka(sekcia, kluc) != nullptr;
}

std::string mena(DruhVstupu d, const int *vstupy)
{
    std::string s;
    for (int i = 0; i < MIESTA; i++)
        if (vstupy[i]) {
            if (!s.empty())
                s += ' ';
            s += meno(d, vstupy[i]);
        }
    return s;
}

std::string predvolene(DruhVstupu d, int akcia)
{
    std::string s = mena(d, d == KLAVESNICA ? AKCIE_HRY[akcia].klavesy : AKCIE_HRY[akcia].vstupy);
    return s.empty() ? "(nothing)" : s;
}

struct Citanie {
    const char *meno;
    FILE *chyby;

    void varuj(int riadok, const std::string &sprava) const
    {
        if (chyby)
            fprintf(chyby, "ponorka: %s:%d: %s\n", meno, riadok, sprava.c_str());
    }
};

// One action's entry: its inputs, or false (warned) when it keeps its default.
bool vstupy_zaznamu(const Citanie &c, int riadok, DruhVstupu d, int akcia, const char *hodnota, int *vstupy)
{
    const char *co = d == KLAVESNICA ? "key" : "pad input";
    std::string kto = AKCIE_HRY[akcia].kluc;
    std::istringstream slova(hodnota);
    std::string slovo;
    int n = 0;
    vstupy[0] = vstupy[1] = 0;
    while (slova >> slovo) {
        if (n == MIESTA) {
            c.varuj(riadok, kto + " takes at most two " + co + "s; using the default " + predvolene(d, akcia));
            return false;
        }
        int v = d == KLAVESNICA ? klavesa_z_mena(slovo) : vstup_z_mena(slovo);
        if (v <= 0) {
            c.varuj(riadok, std::string("unknown ") + co + " name '" + slovo + "' for " + kto + "; using the default " +
                                predvolene(d, akcia));
            return false;
        }
        if (d == KLAVESNICA && v == KEY_ESC) {
            c.varuj(riadok,
                    "Esc can't be bound (it leaves the game); " + kto + " keeps its default " + predvolene(d, akcia));
            return false;
        }
        vstupy[n++] = v;
    }
    return true;
}

// A value of a one-value setting, or false (warned) when it keeps its default.
bool hodnota_polozky(const Citanie &c, int riadok, const PolozkaNastavenia &p, const char *text, int predvolena,
                     int &hodnota)
{
    std::string t = text;
    std::string zaciatok = std::string(p.kluc) + " = " + t;
    if (p.slova) {
        std::string ktore;
        for (int i = 0; p.slova[i]; i++) {
            if (male(t) == p.slova[i]) {
                hodnota = i;
                return true;
            }
            ktore += std::string(i ? ", " : "") + p.slova[i];
        }
        c.varuj(riadok, zaciatok + " is not one of " + ktore + "; using the default " + p.slova[predvolena]);
        return false;
    }
    char *koniec = nullptr;
    long n = strtol(t.c_str(), &koniec, 10);
    if (t.empty() || *koniec != '\0' || !(isdigit((unsigned char)t[0]) || t[0] == '-')) {
        c.varuj(riadok, zaciatok + " is not a number; using the default " + std::to_string(predvolena));
        return false;
    }
    if (n < p.najmenej || n > p.najviac) {
        c.varuj(riadok, zaciatok + " is out of range " + std::to_string(p.najmenej) + ".." + std::to_string(p.najviac) +
                            "; using the default " + std::to_string(predvolena));
        return false;
    }
    hodnota = (int)n;
    return true;
}

// An action's inputs as one line of the file gives them.
struct Zaznam {
    int akcia;
    int riadok;  // 0: the default, no line
    int vstupy[MIESTA];
};

// The inputs of one kind: the file's entries in the order of their lines, then
// the defaults of the actions the file leaves out. An input already taken by
// an earlier line is dropped from the later one.
void vazby_druhu(const Citanie &c, DruhVstupu d, const std::map<int, int> &riadok_akcie,
                 const std::vector<Zaznam> &zo_suboru, Vazby &v)
{
    std::vector<Zaznam> vsetky = zo_suboru;
    for (int a = 0; a < AKCIE; a++)
        if (!riadok_akcie.count(a)) {
            Zaznam z{a, 0, {}};
            for (int i = 0; i < MIESTA; i++)
                z.vstupy[i] = v.miesta(d, a)[i];
            vsetky.push_back(z);
        }
    // An input may go to actions that never act at the same time.
    std::map<int, std::vector<const Zaznam *>> majitelia;
    for (Zaznam &z : vsetky) {
        int *m = v.miesta(d, z.akcia);
        m[0] = m[1] = 0;
        int n = 0;
        for (int i = 0; i < MIESTA; i++) {
            int x = z.vstupy[i];
            if (x == 0)
                continue;
            const Zaznam *spor = nullptr;
            for (const Zaznam *o : majitelia[x])
                if (spor == nullptr && v_spore(o->akcia, z.akcia))
                    spor = o;
            if (spor == nullptr) {
                majitelia[x].push_back(&z);
                m[n++] = x;
                continue;
            }
            const Zaznam &prvy = *spor;
            std::string kto = AKCIE_HRY[z.akcia].kluc;
            if (z.riadok)
                c.varuj(z.riadok, meno(d, x) + " is bound to " + AKCIE_HRY[prvy.akcia].kluc + " already (line " +
                                      std::to_string(prvy.riadok) + "); " + kto + " goes without it");
            else
                c.varuj(prvy.riadok, meno(d, x) + ", the default of " + kto + ", is bound to " +
                                         AKCIE_HRY[prvy.akcia].kluc + " here; " + kto + " goes without it");
        }
    }
}

}  // namespace

Nastavenia citaj_nastavenia(const std::string &text, const char *meno_suboru, FILE *chyby)
{
    Nastavenia n;
    Citanie c{meno_suboru, chyby};
    std::vector<Riadok> r = riadky(text);

    // Which line gives each entry; bad, unknown and repeated lines are warned
    // about here and left out of what Allegro reads.
    std::string sekcia;
    bool sekcia_znama = true;
    std::map<std::string, int> riadok_sekcie;
    std::map<std::string, int> riadok_kluca;  // "section\nkey"
    std::string pre_allegro;
    for (size_t i = 0; i < r.size(); i++) {
        Riadok &l = r[i];
        int cislo = (int)i + 1;
        if (l.druh == Riadok::ZLY) {
            c.varuj(cislo, l.text.size() > NAJDLHSI_RIADOK ? "a line longer than 1000 characters; ignored"
                                                           : "not a 'key = value' line; ignored");
            l.text.clear();
        } else if (l.druh == Riadok::SEKCIA) {
            sekcia = l.meno;
            sekcia_znama = znama_sekcia(sekcia);
            if (!sekcia_znama && !riadok_sekcie.count(sekcia))
                c.varuj(cislo, "unknown section [" + sekcia + "]; ignored");
            riadok_sekcie.emplace(sekcia, cislo);
        } else if (l.druh == Riadok::KLUC) {
            std::string k = sekcia + "\n" + l.meno;
            bool dobry = false;
            if (sekcia.empty())
                c.varuj(cislo, "'" + l.meno + "' is outside any section; ignored");
            else if (!sekcia_znama)
                ;  // told once, at the section's name
            else if (!znamy_kluc(sekcia, l.meno))
                c.varuj(cislo, "unknown key '" + l.meno + "' in [" + sekcia + "]; ignored");
            else if (riadok_kluca.count(k))
                c.varuj(cislo, "'" + l.meno + "' is given again (first on line " + std::to_string(riadok_kluca[k]) +
                                   "); ignored");
            else
                dobry = true;
            if (dobry)
                riadok_kluca[k] = cislo;
            else
                l.text.clear();
        }
        pre_allegro += l.text + "\n";
    }

    push_config_state();
    set_config_data(pre_allegro.data(), (int)pre_allegro.size());

    for (DruhVstupu d : {KLAVESNICA, PAD}) {
        const char *s = d == KLAVESNICA ? SEKCIA_KLAVES : SEKCIA_PADU;
        std::vector<Zaznam> zo_suboru;
        std::map<int, int> riadok_akcie;
        for (int a = 0; a < AKCIE; a++) {
            auto it = riadok_kluca.find(std::string(s) + "\n" + AKCIE_HRY[a].kluc);
            if (it == riadok_kluca.end())
                continue;
            Zaznam z{a, it->second, {}};
            if (vstupy_zaznamu(c, z.riadok, d, a, get_config_string(s, AKCIE_HRY[a].kluc, ""), z.vstupy)) {
                zo_suboru.push_back(z);
                riadok_akcie[a] = z.riadok;
            }
        }
        std::sort(zo_suboru.begin(), zo_suboru.end(),
                  [](const Zaznam &x, const Zaznam &y) { return x.riadok < y.riadok; });
        // Left-out actions and those with a bad entry keep their defaults.
        vazby_druhu(c, d, riadok_akcie, zo_suboru, n.vazby);
    }

    for (int i = 0; i < POCET_POLOZIEK; i++) {
        const PolozkaNastavenia &p = POLOZKY_NASTAVENI[i];
        auto it = riadok_kluca.find(std::string(p.sekcia) + "\n" + p.kluc);
        if (it == riadok_kluca.end())
            continue;
        int hodnota = n.*p.hodnota;
        if (hodnota_polozky(c, it->second, p, get_config_string(p.sekcia, p.kluc, ""), n.*p.hodnota, hodnota))
            n.*p.hodnota = hodnota;
    }

    pop_config_state();
    return n;
}

std::string priprav_na_zapis(const std::string &text)
{
    std::vector<std::string> v;
    for (const Riadok &l : riadky(text)) {
        if (l.druh == Riadok::SEKCIA) {
            // Allegro adds a new key after the first run of lines of its
            // section, before a blank line; without one before the next
            // section's name (and the comments over it) the key would land in
            // that section.
            auto komentar = [](const std::string &r) {
                size_t z = r.find_first_not_of(" \t");
                return z != std::string::npos && r[z] == '#';
            };
            size_t i = v.size();
            while (i > 0 && komentar(v[i - 1]))
                i--;
            if (i > 0 && !v[i - 1].empty())
                v.insert(v.begin() + i, "");
            v.push_back(l.text);
            if (!l.poznamka.empty())
                v.push_back(l.poznamka);
            continue;
        }
        // A line goes to the writer as it was, but for control characters
        // that would end or split it there; a blank line as an empty one.
        std::string t;
        for (char c : l.text)
            if ((unsigned char)c >= 32 || c == '\t')
                t += c;
        v.push_back(t.find_first_not_of(" \t") == std::string::npos ? "" : t);
    }
    std::string vysledok;
    for (const std::string &r : v)
        vysledok += r + "\n";
    return vysledok;
}

void zapis_nastavenia(const Nastavenia &n)
{
    for (DruhVstupu d : {KLAVESNICA, PAD})
        for (int a = 0; a < AKCIE; a++) {
            // Allegro removes a key set to an empty text: one blank keeps it, and reads back as nothing.
            std::string h = mena(d, n.vazby.miesta(d, a));
            set_config_string(d == KLAVESNICA ? SEKCIA_KLAVES : SEKCIA_PADU, AKCIE_HRY[a].kluc,
                              h.empty() ? " " : h.c_str());
        }
    for (int i = 0; i < POCET_POLOZIEK; i++) {
        const PolozkaNastavenia &p = POLOZKY_NASTAVENI[i];
        int h = n.*p.hodnota;
        set_config_string(p.sekcia, p.kluc, p.slova ? p.slova[h] : std::to_string(h).c_str());
    }
}
