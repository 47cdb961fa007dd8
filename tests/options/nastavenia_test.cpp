#include <algorithm>
#include <dirent.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include <allegro.h>

#include <gtest/gtest.h>

#include "options/nastavenia.h"
#include "options/subor_nastaveni.h"
#include "options/volby.h"

namespace {

// A folder of the test's own, removed with everything in it.
class Priecinok {
public:
    Priecinok()
    {
        char vzor[] = "/tmp/ponorka-nastavenia-XXXXXX";
        cesta = mkdtemp(vzor);
    }
    ~Priecinok() { std::system(("rm -rf '" + cesta + "'").c_str()); }
    std::string cesta;
};

void zapis(const std::string &cesta, const std::string &text)
{
    std::ofstream(cesta, std::ios::binary) << text;
}

std::string obsah(const std::string &cesta)
{
    std::ifstream f(cesta, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

std::vector<std::string> subory(const std::string &priecinok)
{
    std::vector<std::string> v;
    DIR *d = opendir(priecinok.c_str());
    while (dirent *e = d ? readdir(d) : nullptr)
        if (e->d_name[0] != '.' || (e->d_name[1] != '\0' && e->d_name[1] != '.'))
            v.push_back(e->d_name);
    if (d)
        closedir(d);
    return v;
}

// A stream whose text the test reads when done.
struct Vystup {
    char *buf = nullptr;
    size_t dlzka = 0;
    FILE *f = open_memstream(&buf, &dlzka);
    ~Vystup()
    {
        if (f)
            fclose(f);
        free(buf);
    }
    std::string text()
    {
        fflush(f);
        return std::string(buf, dlzka);
    }
};

// What the reader warned, and what it read.
struct Precitane {
    Nastavenia n;
    std::string varovania;
};

Precitane precitaj(const std::string &text)
{
    Vystup v;
    Nastavenia n = citaj_nastavenia(text, "S", v.f);
    return {n, v.text()};
}

Nastavenia ine_nastavenia()
{
    Nastavenia n;
    prirad(n.vazby, KLAVESNICA, AKCIA_TORPEDO, 0, KEY_G);
    prirad(n.vazby, KLAVESNICA, AKCIA_TORPEDO, 1, KEY_LCONTROL);
    prirad(n.vazby, KLAVESNICA, AKCIA_NAVNADA, 0, 0);  // bound to nothing
    prirad(n.vazby, PAD, AKCIA_OTOC, 1, vstup_osi(2, true));
    n.mrtva_zona = 50;
    n.zvuk = 0;
    n.hlasitost = 40;
    n.rezim = REZIM_OKNO;
    n.jazyk = 2;  // en
    return n;
}

}  // namespace

TEST(Nastavenia, WhereTheFileIs)
{
    EXPECT_EQ(cesta_nastaveni("/x/cfg", "/home/h"), "/x/cfg/ponorka/ponorka.cfg");
    EXPECT_EQ(cesta_nastaveni("", "/home/h"), "/home/h/.config/ponorka/ponorka.cfg");
    EXPECT_EQ(cesta_nastaveni(nullptr, "/home/h"), "/home/h/.config/ponorka/ponorka.cfg");
    EXPECT_EQ(cesta_nastaveni("relative/cfg", "/home/h"), "/home/h/.config/ponorka/ponorka.cfg")
        << "a relative XDG path is no path";
    EXPECT_EQ(cesta_nastaveni(nullptr, nullptr), "");
}

TEST(Nastavenia, WrittenAndReadBack)
{
    Priecinok p;
    std::string cesta = p.cesta + "/ponorka/ponorka.cfg";
    Nastavenia n = ine_nastavenia();
    std::string dovod;
    ASSERT_TRUE(uloz_nastavenia(cesta, n, true, dovod)) << dovod;
    std::string text = obsah(cesta);
    EXPECT_NE(text.find("[controls]\ntorpedo = G LCONTROL\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\ndecoy =  \n"), std::string::npos) << "an empty value stays a key: " << text;
    EXPECT_NE(text.find("\nturn_about = B4 AXIS3+\n"), std::string::npos) << text;
    EXPECT_NE(text.find("[display]\nmode = windowed\n"), std::string::npos) << text;
    EXPECT_NE(text.find("[game]\nlanguage = en\n"), std::string::npos) << text;
    Precitane r = precitaj(text);
    EXPECT_EQ(r.varovania, "");
    EXPECT_TRUE(r.n == n);
    EXPECT_EQ(r.n.vazby.klavesy[AKCIA_NAVNADA][0], 0) << "the decoy bound to nothing";
    struct stat st;
    ASSERT_EQ(stat((p.cesta + "/ponorka").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u) << "a folder made for the settings is private";
}

TEST(Nastavenia, CommandLineThenFileThenDefault)
{
    Priecinok p;
    std::string cesta = p.cesta + "/moje.cfg";
    Volby v;
    v.subor_nastaveni = cesta;
    ASSERT_EQ(priprav_nastavenia(v, stderr), -1);
    nacitaj_nastavenia(stderr);
    EXPECT_EQ(rezim_hry(v), REZIM_CELA_OBRAZOVKA) << "no file: the default";
    EXPECT_TRUE(zvuk_hry(v));

    zapis(cesta, "[display]\nmode = windowed\n[sound]\nenabled = no\n");
    ASSERT_EQ(priprav_nastavenia(v, stderr), -1);
    nacitaj_nastavenia(stderr);
    EXPECT_EQ(rezim_hry(v), REZIM_OKNO) << "the file";
    EXPECT_FALSE(zvuk_hry(v));
    v.rezim = REZIM_CELA_OBRAZOVKA;  // --fullscreen
    EXPECT_EQ(rezim_hry(v), REZIM_CELA_OBRAZOVKA) << "the option";

    Volby bez;
    bez.bez_nastaveni = true;
    bez.rezim = REZIM_NEZADANY;
    ASSERT_EQ(priprav_nastavenia(bez, stderr), -1);
    nacitaj_nastavenia(stderr);
    EXPECT_EQ(rezim_hry(bez), REZIM_CELA_OBRAZOVKA) << "--no-config reads nothing";
    EXPECT_TRUE(uloz_nastavenia_hry(stderr));
    EXPECT_EQ(obsah(cesta), "[display]\nmode = windowed\n[sound]\nenabled = no\n") << "and writes nothing";
    priprav_nastavenia(bez, stderr);
}

TEST(Nastavenia, RewriteReplacesTheFileWholeAndKeepsWhatItDoesNotKnow)
{
    Priecinok p;
    std::string cesta = p.cesta + "/ponorka.cfg";
    std::string povodny = "# my keys\n[controls]\n# left hand\ntorpedo = Q\nturbo = T\n\n[mine]\ncolour = red\n";
    zapis(cesta, povodny);
    struct stat pred, po;
    ASSERT_EQ(stat(cesta.c_str(), &pred), 0);
    std::string dovod;
    ASSERT_TRUE(uloz_nastavenia(cesta, ine_nastavenia(), false, dovod)) << dovod;
    ASSERT_EQ(stat(cesta.c_str(), &po), 0);
    EXPECT_NE(pred.st_ino, po.st_ino) << "a new file renamed over the old";
    std::string text = obsah(cesta);
    for (const char *zostalo :
         {"# my keys\n[controls]\n# left hand\ntorpedo = G LCONTROL\n", "\nturbo = T\n", "[mine]\ncolour = red\n"})
        EXPECT_NE(text.find(zostalo), std::string::npos) << zostalo << " in:\n" << text;
    EXPECT_EQ(subory(p.cesta), std::vector<std::string>{"ponorka.cfg"}) << "no temporary file left";

    // A disk that fills up while Allegro writes: the old file stays whole.
    std::string predtym = obsah(cesta);
    Nastavenia n = ine_nastavenia();
    prirad(n.vazby, KLAVESNICA, AKCIA_GULOMET, 0, KEY_CAPSLOCK);
    prirad(n.vazby, KLAVESNICA, AKCIA_GULOMET, 1, KEY_NUMLOCK);
    void (*signal_pred)(int) = signal(SIGXFSZ, SIG_IGN);
    rlimit limit;
    getrlimit(RLIMIT_FSIZE, &limit);
    rlimit male = limit;
    male.rlim_cur = predtym.size() + 5;  // room for the copy, not for the longer new values
    setrlimit(RLIMIT_FSIZE, &male);
    bool ulozene = uloz_nastavenia(cesta, n, false, dovod);
    setrlimit(RLIMIT_FSIZE, &limit);
    signal(SIGXFSZ, signal_pred);
    EXPECT_FALSE(ulozene);
    EXPECT_EQ(dovod, "writing it failed (is the disk full?)");
    EXPECT_EQ(obsah(cesta), predtym);
    EXPECT_EQ(subory(p.cesta), std::vector<std::string>{"ponorka.cfg"}) << "no temporary file left";
}

TEST(Nastavenia, NewKeysStayInTheirSectionWhenTheNextFollowsAtOnce)
{
    Priecinok p;
    std::string cesta = p.cesta + "/ponorka.cfg";
    zapis(cesta, "[controls]\ngun = V\n# theirs\n[mine]\nx = 1\n");
    std::string dovod;
    Nastavenia n;
    prirad(n.vazby, KLAVESNICA, AKCIA_GULOMET, 0, KEY_V);
    prirad(n.vazby, KLAVESNICA, AKCIA_TORPEDO, 0, KEY_T);
    ASSERT_TRUE(uloz_nastavenia(cesta, n, false, dovod)) << dovod;
    std::string text = obsah(cesta);
    EXPECT_EQ(text.substr(0, 31), "[controls]\ngun = V\ntorpedo = T\n") << text;
    EXPECT_NE(text.find("\n\n# theirs\n[mine]\nx = 1\n"), std::string::npos) << text;
    Precitane r = precitaj(text);
    EXPECT_TRUE(r.n == n);
    // Its line: after one line per action, the blank line and the comment.
    int linka = (int)std::count(text.begin(), text.begin() + text.find("[mine]"), '\n') + 1;
    EXPECT_EQ(linka, AKCIE + 4);
    EXPECT_EQ(r.varovania, "ponorka: S:" + std::to_string(linka) + ": unknown section [mine]; ignored\n");
}

TEST(Nastavenia, AFileThatCantBeReadIsNeverOverwritten)
{
    Priecinok p;
    std::string cesta = p.cesta + "/ponorka.cfg";
    std::string dlhy = "# " + std::string(NAJVACSI_SUBOR, 'x') + "\n";
    zapis(cesta, dlhy);
    std::string dovod;
    EXPECT_FALSE(uloz_nastavenia(cesta, ine_nastavenia(), false, dovod));
    EXPECT_EQ(dovod, "it can't be read (it is longer than 65536 bytes), so it is not overwritten");
    EXPECT_EQ(obsah(cesta), dlhy);
}

// Every kind of bad input: one warning naming the file and line, the entry's
// default, and the rest of the file read.
TEST(Nastavenia, BadInputWarnsOnceAndKeepsTheDefault)
{
    struct Pripad {
        const char *text;
        const char *varovanie;
        std::function<bool(const Nastavenia &)> plati;
    };
    const Nastavenia d;
    const Pripad pripady[] = {
        {"[controls]\ntorpedo G\ngun = V\n", "ponorka: S:2: not a 'key = value' line; ignored\n",
         [&](const Nastavenia &n) { return n.vazby.klavesy[AKCIA_TORPEDO][0] == KEY_F; }},
        {"[colours]\nsea = blue\n[sound]\nvolume = 5\n", "ponorka: S:1: unknown section [colours]; ignored\n",
         [&](const Nastavenia &n) { return n.hlasitost == 5; }},
        {"[controls]\nfire = G\n", "ponorka: S:2: unknown key 'fire' in [controls]; ignored\n",
         [&](const Nastavenia &n) { return n == d; }},
        {"torpedo = G\n", "ponorka: S:1: 'torpedo' is outside any section; ignored\n",
         [&](const Nastavenia &n) { return n == d; }},
        {"[controls]\ntorpedo = G F13\n", "ponorka: S:2: unknown key name 'F13' for torpedo; using the default F\n",
         [&](const Nastavenia &n) { return n.vazby.klavesy[AKCIA_TORPEDO][0] == KEY_F; }},
        {"[gamepad]\ntorpedo = B99\n", "ponorka: S:2: unknown pad input name 'B99' for torpedo; using the default B1\n",
         [&](const Nastavenia &n) { return n.vazby.vstupy[AKCIA_TORPEDO][0] == vstup_tlacidla(0); }},
        {"[controls]\ntorpedo = G H J\n", "ponorka: S:2: torpedo takes at most two keys; using the default F\n",
         [&](const Nastavenia &n) { return n.vazby.klavesy[AKCIA_TORPEDO][0] == KEY_F; }},
        {"[controls]\ntorpedo = G\ngun = G V\n",
         "ponorka: S:3: G is bound to torpedo already (line 2); gun goes without it\n",
         [&](const Nastavenia &n) {
             return n.vazby.klavesy[AKCIA_TORPEDO][0] == KEY_G && n.vazby.klavesy[AKCIA_GULOMET][0] == KEY_V &&
                    n.vazby.klavesy[AKCIA_GULOMET][1] == 0;
         }},
        {"[controls]\ntorpedo = C\n",
         "ponorka: S:2: C, the default of gun, is bound to torpedo here; gun goes without it\n",
         [&](const Nastavenia &n) { return n.vazby.klavesy[AKCIA_GULOMET][0] == 0; }},
        {"[controls]\ntorpedo = G\ntorpedo = H\n",
         "ponorka: S:3: 'torpedo' is given again (first on line 2); ignored\n",
         [&](const Nastavenia &n) { return n.vazby.klavesy[AKCIA_TORPEDO][0] == KEY_G; }},
        {"[controls]\npause = esc\n",
         "ponorka: S:2: Esc can't be bound (it leaves the game); pause keeps its default P\n",
         [&](const Nastavenia &n) { return n.vazby.klavesy[AKCIA_PAUZA][0] == KEY_P; }},
        {"[sound]\nvolume = 500\n", "ponorka: S:2: volume = 500 is out of range 0..100; using the default 100\n",
         [&](const Nastavenia &n) { return n.hlasitost == 100; }},
        {"[gamepad]\ndead_zone = lots\n", "ponorka: S:2: dead_zone = lots is not a number; using the default 32\n",
         [&](const Nastavenia &n) { return n.mrtva_zona == 32; }},
        {"[display]\nmode = huge\n",
         "ponorka: S:2: mode = huge is not one of fullscreen, windowed, fullscreen-desktop; using the default "
         "fullscreen\n",
         [&](const Nastavenia &n) { return n.rezim == REZIM_CELA_OBRAZOVKA; }},
        {"[game]\nlanguage = fr\n", "ponorka: S:2: language = fr is not one of auto, sk, en; using the default auto\n",
         [&](const Nastavenia &n) { return n.jazyk == 0; }},
        {"[sound]\r\nvolume = 7\r\n\xEF\xBB\xBF\n", "ponorka: S:3: not a 'key = value' line; ignored\n",
         [&](const Nastavenia &n) { return n.hlasitost == 7; }},
    };
    for (const Pripad &p : pripady) {
        Precitane r = precitaj(p.text);
        EXPECT_EQ(r.varovania, p.varovanie) << p.text;
        EXPECT_TRUE(p.plati(r.n)) << p.text;
    }

    // A file that can't be read: a folder where it should be.
    Priecinok p;
    nastavenia = NastaveniaHry();
    nastavenia.cesta = p.cesta;
    Vystup chyby;
    nacitaj_nastavenia(chyby.f);
    EXPECT_EQ(chyby.text(),
              "ponorka: " + p.cesta + ": can't read it (it is a folder); playing with the default settings\n");
    EXPECT_TRUE(nastavenia.n == d);
    Vystup pri_ulozeni;
    EXPECT_FALSE(uloz_nastavenia_hry(pri_ulozeni.f));
    EXPECT_EQ(pri_ulozeni.text(), "ponorka: " + p.cesta +
                                      ": the settings were not saved: it could not be read at the start, so it is not "
                                      "overwritten; they stay for this game\n");
    nastavenia = NastaveniaHry();
}

TEST(Nastavenia, ConfigNamingAFolderOrAMissingParentIsAUsageError)
{
    Priecinok p;
    Volby v;
    v.subor_nastaveni = p.cesta;
    Vystup chyby;
    EXPECT_EQ(priprav_nastavenia(v, chyby.f), 64);
    std::string text = chyby.text();
    EXPECT_EQ(text.substr(0, text.find('\n')), "ponorka: --config '" + p.cesta + "' names a folder, not a file");
    v.subor_nastaveni = p.cesta + "/nie/ponorka.cfg";
    Vystup chyby2;
    EXPECT_EQ(priprav_nastavenia(v, chyby2.f), 64);
    text = chyby2.text();
    EXPECT_EQ(text.substr(0, text.find('\n')),
              "ponorka: --config '" + v.subor_nastaveni + "': its folder " + p.cesta + "/nie does not exist");
    v.subor_nastaveni = p.cesta + "/ponorka.cfg";
    EXPECT_EQ(priprav_nastavenia(v, stderr), -1) << "a file not there yet is fine";
    nastavenia = NastaveniaHry();
}

// A failed save in the game: one warning, the settings kept.
TEST(Nastavenia, AnUnwritableFolderWarnsOnceAndKeepsTheSettings)
{
    nastavenia = NastaveniaHry();
    nastavenia.cesta = "/dev/null/ponorka/ponorka.cfg";
    nastavenia.n = ine_nastavenia();
    Vystup chyby;
    EXPECT_FALSE(uloz_nastavenia_hry(chyby.f));
    EXPECT_EQ(chyby.text(), "ponorka: /dev/null/ponorka/ponorka.cfg: the settings were not saved: can't make the "
                            "folder /dev/null/ponorka (Not a directory); they stay for this game\n");
    EXPECT_TRUE(nastavenia.n == ine_nastavenia());
    nastavenia = NastaveniaHry();
}
