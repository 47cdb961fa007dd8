// ponorka-replay: runs the game's own frame step from a script of held keys or
// a demo, headless, and writes a state trace after every step.

#include <allegro.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sstream>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include <sys/stat.h>

#include "demo/demo.h"
#include "demo/demo_priebeh.h"
#include "demo/demo_zapis.h"
#include "demo/subor_nahravky.h"
#include "objects/obrazky.h"
#include "objects/ponorka.h"
#include "objects/povel.h"
#include "options/priecinok_dat.h"
#include "options/volby.h"
#include "platform/odchod.h"
#include "platform/vystup.h"
#include "simulation/frame_loop.h"
#include "simulation/kampan.h"
#include "simulation/missions.h"
#include "simulation/waves.h"
#include "skript.h"
#include "start/assets.h"
#include "start/kampan_hry.h"
#include "start/pokus.h"
#include "stopa.h"
#include "text/alfont.h"
#include "world/spravca.h"
#include "zoznamy.h"

namespace {

const char *const NAZOV = "ponorka-replay";
const char *const PISMO = "data/fonts/formal.ttf";

const char *const POUZITIE =
    "usage: ponorka-replay [--missions 1|2|12] [--buy T,N] [--max-steps N] [--trace FILE] SCRIPT\n"
    "       ponorka-replay [--trace FILE] DEMO\n"
    "       ponorka-replay --record DEMO [--missions 1|12] [--buy T,N] [--max-steps N] [--trace FILE] SCRIPT\n"
    "       ponorka-replay [--record DEMO] --campaign FILE [--buy T,N]... [--max-steps N] [--trace FILE] SCRIPT\n"
    "  --missions  1: mission 1; 2: mission 2 in a fresh world; 12 (default): mission 1,\n"
    "              the shop, then mission 2 in the same world\n"
    "  --buy T,N   between the missions buy T torpedoes at 50, then N decoys at 10,\n"
    "              as far as the money goes (default 0,0)\n"
    "  --campaign FILE  play every mission of the campaign FILE in order (a name\n"
    "              without a slash is one of data/campaigns/); each --buy is one\n"
    "              shop's, in order, at the campaign's prices, and a shop without\n"
    "              one buys nothing; --missions and --soak are for the built-in\n"
    "              campaign only. A bad campaign: exit status 40 to 50\n"
    "  --max-steps N  steps allowed per mission (default 100000); a mission that does\n"
    "              not end within them stops the run with exit status 2\n"
    "  --trace FILE   write one JSON line of state after every step\n"
    "  --check-lists  check the object lists after every step; a broken one stops\n"
    "              the run with exit status 2\n"
    "  --soak N    mission 2 is spawned again whenever its enemies are gone, and the\n"
    "              run ends after N steps in all\n"
    "  --record DEMO  write the game the script plays as a demo\n"
    "  --help      show this help\n"
    "SCRIPT: one line per step with key names from F C X R E RIGHT LEFT S W UP DOWN SPACE\n"
    "  (NOBUF: the keyboard buffer is empty), \"*N\" at the end of a line for N steps,\n"
    "  \"#\" starts a comment line.\n"
    "DEMO: a file whose first line is \"#!ponorka-demo ...\"; its checksums are checked and\n"
    "  the game's lines printed, the purchases and the summary without its time lines too.\n"
    "It reads data/fonts/formal.ttf from the game's data folder, found as the game finds it\n"
    "($PONORKA_DATA, the working directory, the program's folder, the installed data).\n";

struct VolbyNastroja {
    int misie = 12;
    int torpeda = 0;
    int navnady = 0;
    long long max_krokov = 100000;
    const char *stopa = nullptr;
    const char *skript = nullptr;
    bool kontrola = false;
    long long soak = 0;
    const char *nahravka = nullptr;           // --record
    bool len_skript = false;                  // an option that only a script takes was given
    const char *kampan = nullptr;             // --campaign
    bool len_vstavana = false;                // --missions or --soak, for the built-in campaign only
    std::vector<std::pair<int, int>> nakupy;  // every --buy, in order: one a shop of a campaign
};

bool cele_cislo(const char *text, long long min, long long max, long long &v)
{
    if (text == nullptr || *text == '\0')
        return false;
    char *koniec;
    errno = 0;
    long long n = strtoll(text, &koniec, 10);
    if (errno != 0 || *koniec != '\0' || n < min || n > max)
        return false;
    v = n;
    return true;
}

bool nakup_z_textu(const char *text, VolbyNastroja &v)
{
    const char *ciarka = text ? strchr(text, ',') : nullptr;
    if (ciarka == nullptr)
        return false;
    std::string t(text, ciarka - text);
    long long a, b;
    if (!cele_cislo(t.c_str(), 0, INT_MAX, a) || !cele_cislo(ciarka + 1, 0, INT_MAX, b))
        return false;
    v.torpeda = (int)a;
    v.navnady = (int)b;
    v.nakupy.push_back({v.torpeda, v.navnady});
    return true;
}

int chyba_pouzitia(const std::string &sprava)
{
    fprintf(stderr, "%s: %s\n%s", NAZOV, sprava.c_str(), POUZITIE);
    return 1;
}

// Returns -1 when the options are fine, else the exit status.
int citaj_volby_nastroja(int argc, char **argv, VolbyNastroja &v)
{
    for (int i = 1; i < argc; i++) {
        std::string a = argv[i];
        const char *hodnota = i + 1 < argc ? argv[i + 1] : nullptr;
        long long n;
        if (a == "--help" || a == "-h") {
            fputs(POUZITIE, stderr);
            return 0;
        } else if (a == "--missions") {
            if (!cele_cislo(hodnota, 1, 12, n) || (n != 1 && n != 2 && n != 12))
                return chyba_pouzitia("--missions takes 1, 2 or 12");
            v.misie = (int)n;
            v.len_skript = true;
            v.len_vstavana = true;
            i++;
        } else if (a == "--buy") {
            if (!nakup_z_textu(hodnota, v))
                return chyba_pouzitia("--buy takes two counts, T,N");
            v.len_skript = true;
            i++;
        } else if (a == "--max-steps") {
            // Two missions of at most this many steps keep the step counter in an int.
            if (!cele_cislo(hodnota, 1, 1000000000, n))
                return chyba_pouzitia("--max-steps takes a count from 1 to 1000000000");
            v.max_krokov = n;
            v.len_skript = true;
            i++;
        } else if (a == "--check-lists") {
            v.kontrola = true;
        } else if (a == "--soak") {
            if (!cele_cislo(hodnota, 1, 1000000000, n))
                return chyba_pouzitia("--soak takes a count from 1 to 1000000000");
            v.soak = n;
            v.len_skript = true;
            v.len_vstavana = true;
            i++;
        } else if (a == "--record") {
            if (hodnota == nullptr)
                return chyba_pouzitia("--record takes a file name");
            v.nahravka = hodnota;
            i++;
        } else if (a == "--campaign") {
            if (hodnota == nullptr || *hodnota == '\0')
                return chyba_pouzitia("--campaign takes a file or a name");
            v.kampan = hodnota;
            i++;
        } else if (a == "--trace") {
            if (hodnota == nullptr)
                return chyba_pouzitia("--trace takes a file name");
            v.stopa = hodnota;
            i++;
        } else if (a.size() > 1 && a[0] == '-') {
            return chyba_pouzitia("unknown option " + a);
        } else if (v.skript != nullptr) {
            return chyba_pouzitia("only one script");
        } else {
            v.skript = argv[i];
        }
    }
    if (v.skript == nullptr)
        return chyba_pouzitia("no script given");
    // A demo starts with mission 1 and runs for as long as the game does.
    if (v.nahravka != nullptr && (v.misie == 2 || v.soak > 0))
        return chyba_pouzitia("--record plays from mission 1 and takes no --soak");
    if (v.kampan != nullptr && v.len_vstavana)
        return chyba_pouzitia("--missions and --soak are for the built-in campaign, not --campaign");
    return -1;
}

// A broken list is reported with the step it broke in.
bool zoznamy_v_poriadku(const Spravca &svet, const Hra &hra)
{
    std::string chyba = chyby_zoznamov(svet);
    if (chyba.empty())
        return true;
    fprintf(stderr, "%s: step %d: %s\n", NAZOV, hra.kroky, chyba.c_str());
    return false;
}

// The game's mission flow, fed from the script: no screens, the shop's
// purchases from --buy, a trace after every step.
class Prehravanie : public Priebeh {
public:
    // With a demo the steps come from it: the script is empty, and neither
    // the mission limits nor the options of a script apply.
    Prehravanie(const VolbyNastroja &nastavenia, const Skript &skript, FILE *subor_stopy, bool z_dema)
        : v(nastavenia), kurzor(skript), stopa(subor_stopy), demo(z_dema)
    {}

    int stav = 0;  // the exit status when a hook ended the run

    bool povel(Spravca &, Hra &, int, Povel &p) override
    {
        // The Enter that closed the first briefing stays in the keyboard
        // buffer, so keypressed() reports true from the first step on,
        // unless the script says NOBUF.
        p = kurzor.dalsi_usek().povel();
        return true;
    }

    bool po_kroku(Spravca &svet, Hra &hra, int misia, bool kreslenie) override
    {
        if (stopa != nullptr)
            zapis_stopu(stopa, misia, hra.kroky, kreslenie, svet);
        if (v.kontrola && !zoznamy_v_poriadku(svet, hra))
            return koniec(2);
        // A signal ends the run after this step, as it ends the game: the summary, the demo's end line.
        if (odchod_ziadany())
            return koniec(kod_odchodu(dovod_odchodu()));
        if (demo)
            return true;
        if (v.soak > 0)
            return soak(svet, hra);
        if (++kroky_misie == v.max_krokov && svet.GetZacNepr1() != nullptr) {
            fprintf(stderr, "%s: mission %d did not end within %lld steps\n", NAZOV, misia, v.max_krokov);
            return koniec(2);
        }
        return true;
    }

    bool po_misii(Spravca &, Hra &, int misia) override
    {
        kroky_misie = 0;
        // --missions 1 ends here, and so does everything after mission 2,
        // unless a demo is recorded: the game then goes on to its shop. A
        // campaign plays to its end.
        if (demo || v.kampan != nullptr || (v.nahravka != nullptr && misia == 2))
            return true;
        return misia == 1 && v.misie != 1;
    }

    bool briefing(Hra &, int, char *) override { return true; }

    // One item at a time while the money covers it: torpedoes, then decoys.
    // While recording, the purchases are printed as the game prints them. The
    // built-in campaign's shop after mission 2 buys nothing; a campaign's
    // shops take the --buy options in order.
    bool obchod(Nakup &n) override
    {
        int torpeda = v.torpeda, navnady = v.navnady;
        if (v.kampan != nullptr) {
            if (obchody >= v.nakupy.size())
                return true;
            torpeda = v.nakupy[obchody].first;
            navnady = v.nakupy[obchody].second;
            obchody++;
        } else if (++obchody > 1) {
            return true;
        }
        for (int i = 0; i < torpeda && kup_torpedo(n); i++) {
            if (v.nahravka != nullptr)
                vypis_nakup(POLOZKA_TORPEDO, n.torpeda, n.peniaze);
        }
        for (int i = 0; i < navnady && kup_navnadu(n); i++) {
            if (v.nahravka != nullptr)
                vypis_nakup(POLOZKA_NAVNADA, n.navnady, n.peniaze);
        }
        return true;
    }

private:
    bool koniec(int s)
    {
        stav = s;
        return false;
    }

    // Mission 2 is spawned again whenever its enemies are gone, until the
    // run has taken --soak steps in all.
    bool soak(Spravca &svet, Hra &hra)
    {
        if (hra.kroky >= v.soak) {
            fprintf(stderr, "soak: %d steps, %d waves of mission 2\n", hra.kroky, vlny);
            return false;
        }
        if (svet.GetZacNepr1() == nullptr) {
            spawn_mission(svet, 2);
            vlny++;
        }
        return true;
    }

    const VolbyNastroja &v;
    Kurzor kurzor;
    FILE *stopa;
    bool demo;
    size_t obchody = 0;
    long long kroky_misie = 0;
    int vlny = 1;  // the flow spawns the first wave
};

// The game's run without briefings and shop screens. Returns the exit status.
int hraj(const VolbyNastroja &v, Hra &hra, const Kampan &kampan, const Skript &skript, FILE *stopa)
{
    Spravca svet;
    priprav_svet(svet);
    Prehravanie prehravanie(v, skript, stopa, false);
    hraj_kampan(svet, hra, prehravanie, kampan, v.misie == 2 ? 2 : 1);
    return prehravanie.stav;
}

// The same, written down as a demo; the game's lines are printed as the game
// prints them, the summary without its time lines.
int nahraj(const VolbyNastroja &v, Hra &hra, const Kampan &kampan, const Skript &skript, FILE *stopa,
           SuborNahravky &subor)
{
    std::string dovod;
    if (!subor.zacni(dovod)) {
        fprintf(stderr, "%s: can't write the demo %s: %s\n", NAZOV, subor.cesta().c_str(), dovod.c_str());
        return KOD_DEMO_ZAPIS;
    }
    Spravca svet;
    priprav_svet(svet);
    Prehravanie prehravanie(v, skript, stopa, false);
    ZapisDema zapis(subor.subor(), verzia_hry(), kampan,
                    std::string(NAZOV) + ": can't write the demo " + subor.cesta());
    NahravanieDema nahravanie(zapis, prehravanie);
    hraj_kampan(svet, hra, nahravanie, kampan);
    print_summary_bez_casu(hra.kroky, svet.GetHrac().GetHealth());
    nahravanie.dokonci(svet, hra);
    if (!subor.dokonci(!zapis.chyba(), dovod)) {
        fflush(stdout);
        fprintf(stderr, "%s: the demo %s %s\n", NAZOV, subor.cesta().c_str(), dovod.c_str());
        return KOD_DEMO_ZAPIS;
    }
    return prehravanie.stav;
}

// A demo: its steps and purchases, every checksum checked. A desync stops the
// run at once, with the trace up to that step.
int prehraj(const VolbyNastroja &v, Hra &hra, const Demo &demo, FILE *stopa)
{
    Spravca svet;
    priprav_svet(svet);
    Skript prazdny;
    Prehravanie prehravanie(v, prazdny, stopa, true);
    PrehravanieDema dema(demo, prehravanie, false);
    bool dohrane = hraj_kampan(svet, hra, dema, demo.kampan);
    PrehravanieDema::Vysledok vysledok = dema.dohraj(svet, hra, dohrane);
    if (vysledok == PrehravanieDema::PRERUSENE) {
        // A signal is a way to end, as in the game; a broken list is not.
        if (odchod_ziadany())
            print_summary_bez_casu(hra.kroky, svet.GetHrac().GetHealth());
        return prehravanie.stav;
    }
    if (vysledok != PrehravanieDema::NESEDI)
        print_summary_bez_casu(hra.kroky, svet.GetHrac().GetHealth());
    if (vysledok != PrehravanieDema::DOHRANE) {
        fflush(stdout);
        fprintf(stderr, "%s: %s\n", NAZOV, dema.sprava().c_str());
    }
    return dema.kod();
}

// Reads the file whole within the limits of demos and scripts, and tells a demo
// from a script by its start. Returns -1 when it was read, else the exit status.
int citaj_vstup(const std::string &cesta, const char *meno, Skript &skript, Demo &demo, bool &je_demo)
{
    std::string obsah, dovod;
    if (!nacitaj_subor(cesta, obsah, dovod)) {
        fprintf(stderr, "%s: can't read %s: %s\n", NAZOV, meno, dovod.c_str());
        return KOD_DEMO_NECITATELNE;
    }
    je_demo = je_zaciatok_dema(obsah);
    std::istringstream vstup(obsah);
    if (je_demo) {
        ChybaDema chyba;
        if (!citaj_demo(vstup, meno, demo, chyba)) {
            fprintf(stderr, "%s: %s\n", NAZOV, chyba.sprava.c_str());
            return chyba.kod;
        }
        std::string varovanie = varovanie_verzie(demo, verzia_hry());
        if (!varovanie.empty())
            fprintf(stderr, "%s: warning: %s\n", NAZOV, varovanie.c_str());
        return -1;
    }
    std::string chyba;
    int kod = 1;
    if (!nacitaj_skript(vstup, meno, skript, chyba, &kod)) {
        fprintf(stderr, "%s: %s\n", NAZOV, chyba.c_str());
        return kod;
    }
    return -1;
}

// True when the two paths name one file: the same path, or one regular file
// reached two ways. Two names of a device (/dev/null twice) may both be written.
bool ten_isty_subor(const std::string &a, const std::string &b)
{
    if (a == b)
        return true;
    struct stat sa, sb;
    return stat(a.c_str(), &sa) == 0 && stat(b.c_str(), &sb) == 0 && S_ISREG(sa.st_mode) && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

// Refuses a trace or a demo to record that is the file read, or the two the same.
// Returns -1 when they are apart, else the exit status.
int rozne_subory(const VolbyNastroja &v, const std::string &vstup, const std::string &stopa,
                 const std::string &nahravka)
{
    const char *zle = nullptr;
    const char *meno = nullptr;
    if (v.stopa != nullptr && ten_isty_subor(stopa, vstup)) {
        zle = "--trace";
        meno = v.stopa;
    } else if (v.nahravka != nullptr && ten_isty_subor(nahravka, vstup)) {
        zle = "--record";
        meno = v.nahravka;
    }
    if (zle != nullptr) {
        fprintf(stderr, "%s: %s %s is the file it reads; it would be overwritten\n", NAZOV, zle, meno);
        return KOD_POUZITIE;
    }
    if (v.stopa != nullptr && v.nahravka != nullptr && ten_isty_subor(stopa, nahravka)) {
        fprintf(stderr, "%s: --trace and --record name the same file %s\n", NAZOV, v.stopa);
        return KOD_POUZITIE;
    }
    return -1;
}

// The data folder, the working directory once it is found.
std::string priecinok_dat()
{
    std::error_code chyba;
    std::string p = std::filesystem::current_path(chyba).string();
    return chyba ? std::string("the data folder") : p;
}

// The files a run without a display reads: the world's sprites and the status
// bar's font. Each is checked as the game checks it, so a FIFO or a damaged
// file in their place is named with its folder instead of hanging the loader.
bool subory_v_poriadku()
{
    const char *const subory[] = {"gfx/submarine/sub_player_right.tga",
                                  "gfx/submarine/sub_player_left.tga",
                                  "gfx/submarine/nepriatel.tga",
                                  "gfx/torpedo.tga",
                                  "gfx/gulomet.tga",
                                  PISMO};
    bool ok = true;
    for (const char *cesta : subory) {
        for (int i = 0; i < asset_file_count; i++) {
            std::string problem;
            if (strcmp(asset_files[i].path, cesta) == 0 && !check_asset(asset_files[i], problem)) {
                fprintf(stderr, "%s: asset file \"%s\" in %s: %s\n", NAZOV, cesta, priecinok_dat().c_str(),
                        problem.c_str());
                ok = false;
            }
        }
    }
    return ok;
}

int beh(int argc, char **argv)
{
    VolbyNastroja v;
    int stav = citaj_volby_nastroja(argc, argv, v);
    if (stav >= 0)
        return stav;

    // The script and the trace are named from where the player is; the data may lie elsewhere.
    const std::string skript_cesta = cesta_od_hraca(v.skript);
    const std::string stopa_cesta = v.stopa ? cesta_od_hraca(v.stopa) : std::string();
    const std::string nahravka_cesta = v.nahravka ? cesta_od_hraca(v.nahravka) : std::string();
    if (skript_cesta.empty()) {
        fprintf(stderr, "%s: can't read %s: %s\n", NAZOV, v.skript, PRIECINOK_HRACA_ZMIZOL);
        return KOD_DEMO_NECITATELNE;
    }
    if (v.stopa != nullptr && stopa_cesta.empty()) {
        fprintf(stderr, "%s: can't write trace %s: %s\n", NAZOV, v.stopa, PRIECINOK_HRACA_ZMIZOL);
        return 1;
    }
    if (v.nahravka != nullptr && nahravka_cesta.empty()) {
        fprintf(stderr, "%s: can't write the demo %s: %s\n", NAZOV, v.nahravka, PRIECINOK_HRACA_ZMIZOL);
        return KOD_DEMO_ZAPIS;
    }
    stav = rozne_subory(v, skript_cesta, stopa_cesta, nahravka_cesta);
    if (stav >= 0)
        return stav;
    if (!najdi_data("", NAZOV))
        return KOD_DATA;

    // A bad campaign is refused before anything is played, and so is one that a
    // trace or a demo to record would overwrite.
    Kampan kampan = vstavana_kampan();
    if (v.kampan != nullptr) {
        const std::string kampan_cesta = cesta_kampane(v.kampan);
        const char *zle = nullptr;
        const char *meno = nullptr;
        if (v.stopa != nullptr && ten_isty_subor(stopa_cesta, kampan_cesta)) {
            zle = "--trace";
            meno = v.stopa;
        } else if (v.nahravka != nullptr && ten_isty_subor(nahravka_cesta, kampan_cesta)) {
            zle = "--record";
            meno = v.nahravka;
        }
        if (zle != nullptr) {
            fprintf(stderr, "%s: %s %s is the campaign it reads; it would be overwritten\n", NAZOV, zle, meno);
            return KOD_POUZITIE;
        }
        stav = nacitaj_kampan(v.kampan, NAZOV, kampan);
        if (stav >= 0)
            return stav;
    }

    Skript skript;
    Demo demo;
    bool je_demo = false;
    stav = citaj_vstup(skript_cesta, v.skript, skript, demo, je_demo);
    if (stav >= 0)
        return stav;
    if (je_demo && (v.len_skript || v.nahravka != nullptr))
        return chyba_pouzitia("a demo plays as it was recorded: --missions, --buy, --max-steps, --soak and "
                              "--record take a script");
    if (je_demo && v.kampan != nullptr)
        return chyba_pouzitia("a demo plays the campaign it carries: --campaign takes a script");
    // Nothing of a demo that is there is touched before the recording begins.
    SuborNahravky nahravka;
    if (v.nahravka != nullptr) {
        std::string dovod;
        if (!nahravka.priprav(nahravka_cesta, dovod)) {
            fprintf(stderr, "%s: can't write the demo %s: %s\n", NAZOV, nahravka_cesta.c_str(), dovod.c_str());
            return KOD_DEMO_ZAPIS;
        }
    }

    // No graphics mode: with a memory bitmap as the screen, its size reads 0,
    // the screen copies draw nothing and the drawing steps do not wait.
    if (install_allegro(SYSTEM_NONE, &errno, atexit) != 0) {
        fprintf(stderr, "%s: can't start Allegro: %s\n", NAZOV, allegro_error);
        return 1;
    }
    set_color_depth(16);
    if (!subory_v_poriadku())
        return KOD_DATA;
    alfont_init();
    Hra hra;
    hra.pismo = alfont_load_font(PISMO);
    if (hra.pismo == nullptr) {
        fprintf(stderr, "%s: can't load %s in %s\n", NAZOV, PISMO, priecinok_dat().c_str());
        return KOD_DATA;
    }
    // The size the game gives it on a 768-line screen.
    alfont_set_font_size(hra.pismo, 20);
    hra.pismo_briefing = nullptr;
    hra.kroky = 0;
    BITMAP *obrazovka = create_bitmap(1024, 768);
    hra.pozadie = create_bitmap(1024, 768);
    hra.stavovy_riadok = create_bitmap(1024, 76);
    if (obrazovka == nullptr || hra.pozadie == nullptr || hra.stavovy_riadok == nullptr) {
        fprintf(stderr, "%s: out of memory for the bitmaps\n", NAZOV);
        return 1;
    }
    clear_bitmap(obrazovka);
    clear_bitmap(hra.pozadie);
    clear_bitmap(hra.stavovy_riadok);
    screen = obrazovka;

    FILE *stopa = nullptr;
    if (v.stopa != nullptr) {
        stopa = fopen(stopa_cesta.c_str(), "w");
        if (stopa == nullptr) {
            fprintf(stderr, "%s: can't write trace %s: %s\n", NAZOV, v.stopa, strerror(errno));
            return 1;
        }
    }

    // A signal stops the run after its step, with the summary and a whole demo.
    zachyt_signaly();
    if (je_demo)
        stav = prehraj(v, hra, demo, stopa);
    else if (v.nahravka != nullptr)
        stav = nahraj(v, hra, kampan, skript, stopa, nahravka);
    else
        stav = hraj(v, hra, kampan, skript, stopa);

    fflush(stdout);
    if (stopa != nullptr && fclose(stopa) != 0) {
        fprintf(stderr, "%s: error writing trace %s\n", NAZOV, v.stopa);
        stav = 1;
    }
    obrazky_vycisti();
    screen = nullptr;
    destroy_bitmap(obrazovka);
    destroy_bitmap(hra.pozadie);
    destroy_bitmap(hra.stavovy_riadok);
    alfont_destroy_font(hra.pismo);
    return stav;
}

}  // namespace

int main(int argc, char **argv)
{
    priprav_standardne_prudy();
    int stav = beh(argc, argv);
    if (!vystup_zapisany(NAZOV) && stav == 0)
        stav = KOD_VYSTUP;
    return stav;
}
END_OF_MAIN()
