#include "options/volby.h"

#include <cstring>

#include "options/kody.h"

#ifndef PONORKA_VERSION
#error "PONORKA_VERSION comes from the project's version in CMakeLists.txt"
#endif

Volby volby;

const Volba volby_tabulka[] = {
    {"--help", nullptr, "show this help and exit", [](Volby &v, const char *) { v.pomoc = true; }},
    {"--version", nullptr, "show the version number and exit", [](Volby &v, const char *) { v.verzia = true; }},
    {"--windowed", nullptr, "play in a 1024x768 window", [](Volby &v, const char *) { v.rezim = REZIM_OKNO; }},
    {"--fullscreen", nullptr,
     "play full screen by a mode switch; without the switch when that fails, then in a window (the default)",
     [](Volby &v, const char *) { v.rezim = REZIM_CELA_OBRAZOVKA; }},
    {"--fullscreen-desktop", nullptr,
     "play full screen at the desktop's size, the picture scaled to fit with its shape kept (no mode switch)",
     [](Volby &v, const char *) { v.rezim = REZIM_PLOCHA; }},
    {"--scale", "N", "a window N times 1024x768, N from 1 to 8, or auto: the largest that fits the desktop",
     [](Volby &v, const char *hodnota) {
         int n = -1;
         if (strcmp(hodnota, "auto") == 0)
             n = MIERKA_AUTO;
         else if (hodnota[0] >= '1' && hodnota[0] <= '0' + NAJVACSIA_MIERKA && hodnota[1] == '\0')
             n = hodnota[0] - '0';
         v.mierka = n;
         v.zla_mierka = n < 0 ? hodnota : "";
     }},
    {"--nosound", nullptr, "start no sound driver at all", [](Volby &v, const char *) { v.zvuk = false; }},
    {"--lang", "CODE", "show the game's texts in the language CODE (en, sk), not the locale's",
     [](Volby &v, const char *hodnota) { v.jazyk = hodnota; }},
    {"--data", "DIR", "read the game's data (gfx/, sfx/, data/fonts/) from DIR",
     [](Volby &v, const char *hodnota) { v.data = hodnota; }},
    {"--record", "FILE", "play, and write the game as a demo to FILE",
     [](Volby &v, const char *hodnota) {
         v.nahravka = hodnota;
         v.demo_volby++;
     }},
    {"--playdemo", "FILE", "play the demo FILE back at the normal pace (Esc leaves, P pauses)",
     [](Volby &v, const char *hodnota) {
         v.prehravka = hodnota;
         v.meranie = false;
         v.demo_volby++;
     }},
    {"--timedemo", "FILE", "play the demo FILE back as fast as it goes, and time it",
     [](Volby &v, const char *hodnota) {
         v.prehravka = hodnota;
         v.meranie = true;
         v.demo_volby++;
     }},
    {"--campaign", "FILE", "play the campaign FILE; a name without a slash is one of data/campaigns/",
     [](Volby &v, const char *hodnota) { v.kampan = hodnota; }},
    {"--config", "FILE", "read and write the settings in FILE instead of the usual file",
     [](Volby &v, const char *hodnota) { v.subor_nastaveni = hodnota; }},
    {"--no-config", nullptr, "read no settings file and write none: the default keys and choices",
     [](Volby &v, const char *) { v.bez_nastaveni = true; }},
};
const int volby_pocet = (int)(sizeof(volby_tabulka) / sizeof(volby_tabulka[0]));

const Klaves klavesy_tabulka[] = {
    {"F", "fire a torpedo"},
    {"C", "machine gun"},
    {"X", "launch a decoy"},
    {"R", "blast line ahead of the bow"},
    {"E", "large blast"},
    {"Right / Left", "throttle ahead / astern"},
    {"W / S", "pitch the bow up / down"},
    {"Up / Down", "rise / sink"},
    {"Space", "turn about"},
    {"Enter", "close a briefing"},
    {"Mouse", "buy torpedoes and decoys in the shop, leave with CONTINUE"},
    {"P", "pause a mission, and resume it (a window that loses the focus pauses too)"},
    {"F1", "the controls card: every key and pad input, and changing them (Esc or F1 closes it)"},
    {"F12", "save a screenshot of the game's picture (1024x768 PNG) in the pictures folder's Ponorka folder"},
    {"Alt+Enter", "switch between a window and full screen, on any screen; the choice is kept in the settings"},
    {"Esc", "leave the game on any screen: the summary is printed as at the end"},
    {"Left / Right", "in --playdemo: seek back / forward 10 seconds of game time"},
    {"PgUp / PgDn", "in --playdemo: to the start of the previous / next mission"},
    {"Up / Down", "in --playdemo: play faster / slower (1/2x, 1x, 2x, 4x, 8x)"},
    {"Space", "in --playdemo: one step while paused (P pauses and resumes)"},
    {"Home", "in --playdemo: back to the start"},
};
const int klavesy_pocet = (int)(sizeof(klavesy_tabulka) / sizeof(klavesy_tabulka[0]));

const Kod kody_tabulka[] = {
    {KOD_OK, "the game ended after the last mission, or the player left it (Esc, the window's close "
             "button), or --help, --version"},
    {KOD_BEZ_GRAFIKY, "no graphics mode could be set (no display)"},
    {KOD_DATA, "the data folder was not found, or an asset is missing or damaged"},
    {KOD_DEMO_NESEDI, "a demo played differently from how it was recorded (desync)"},
    {KOD_DEMO_NECITATELNE, "the demo can't be opened or read"},
    {KOD_DEMO_NIE_DEMO, "the file is not a demo"},
    {KOD_DEMO_PRAZDNE, "the demo file is empty"},
    {KOD_DEMO_FORMAT, "the demo is of another format version"},
    {KOD_DEMO_ZLY_RIADOK, "a line of the demo is no record, or out of place"},
    {KOD_DEMO_KLAVESA, "the demo names an unknown key"},
    {KOD_DEMO_POCET, "the demo has a bad repeat count, or too many steps"},
    {KOD_DEMO_DLHY_RIADOK, "a line of the demo is too long"},
    {KOD_DEMO_PREDCASNY_KONIEC, "the demo ended early, without its end line (played as far as it went)"},
    {KOD_DEMO_ZAPIS, "the demo to record can't be written"},
    {KOD_KAMPAN_NECITATELNA, "the campaign can't be opened or read, or there is none of that name"},
    {KOD_KAMPAN_PRAZDNA, "the campaign file is empty"},
    {KOD_KAMPAN_NIE_KAMPAN, "the file is not a campaign (or not text)"},
    {KOD_KAMPAN_FORMAT, "the campaign is of another format version"},
    {KOD_KAMPAN_SLOVO, "a campaign line has an unknown keyword, or one out of place"},
    {KOD_KAMPAN_POCET, "a campaign line has a wrong count of numbers"},
    {KOD_KAMPAN_CISLO, "a number of the campaign is out of its range, or no number"},
    {KOD_KAMPAN_NEUPLNA, "the campaign has no name or mission, or a mission lacks enemies or a briefing"},
    {KOD_KAMPAN_VELA, "the campaign has too many missions or enemies, or is over 1 MiB"},
    {KOD_KAMPAN_DLHY_RIADOK, "a line of the campaign is longer than 4096 bytes, or its name than 100"},
    {KOD_KAMPAN_SIROKY_RIADOK, "a briefing line of the campaign is too wide for the briefing column"},
    {KOD_POUZITIE, "the command line was wrong"},
    {KOD_VYSTUP, "standard output could not be written (a full disk, a closed pipe): the reason on standard "
                 "error"},
    {KOD_SIGHUP, "the terminal was closed (SIGHUP): the summary printed, everything released"},
    {KOD_SIGINT, "interrupted (SIGINT): the summary printed, everything released"},
    {KOD_SIGTERM, "terminated (SIGTERM): the summary printed, everything released"},
};
const int kody_pocet = (int)(sizeof(kody_tabulka) / sizeof(kody_tabulka[0]));

const char *verzia_hry()
{
    return PONORKA_VERSION;
}

namespace {

const char *const NAZOV = "ponorka";

const Volba *najdi_volbu(const char *meno, size_t dlzka)
{
    for (int i = 0; i < volby_pocet; i++)
        if (strlen(volby_tabulka[i].meno) == dlzka && strncmp(volby_tabulka[i].meno, meno, dlzka) == 0)
            return &volby_tabulka[i];
    return nullptr;
}

int chyba(FILE *err, const std::string &dovod)
{
    fprintf(err, "%s: %s\n", NAZOV, dovod.c_str());
    vypis_pouzitie(err);
    return KOD_POUZITIE;
}

}  // namespace

void vypis_pouzitie(FILE *f)
{
    fprintf(f, "Usage: %s", NAZOV);
    for (int i = 0; i < volby_pocet; i++) {
        const Volba &o = volby_tabulka[i];
        if (o.argument)
            fprintf(f, " [%s %s]", o.meno, o.argument);
        else
            fprintf(f, " [%s]", o.meno);
    }
    fprintf(f, "\nTry '%s --help' for the options, the keys and the exit codes.\n", NAZOV);
}

void vypis_pomoc(FILE *f)
{
    fprintf(f, "Usage: %s [OPTION]...\n   or: %s FILE.demo   (plays the demo, as --playdemo does)\n", NAZOV, NAZOV);
    fprintf(f, "A side-view submarine combat game: two missions in a night sea, briefings between\n"
               "them and a shop for torpedoes and decoys.\n\nOptions:\n");
    size_t sirka = 0;
    for (int i = 0; i < volby_pocet; i++) {
        const Volba &o = volby_tabulka[i];
        size_t n = strlen(o.meno) + (o.argument ? 1 + strlen(o.argument) : 0);
        if (n > sirka)
            sirka = n;
    }
    for (int i = 0; i < volby_pocet; i++) {
        const Volba &o = volby_tabulka[i];
        std::string hlava = o.meno;
        if (o.argument)
            hlava += std::string(" ") + o.argument;
        fprintf(f, "  %-*s  %s\n", (int)sirka, hlava.c_str(), o.popis);
    }
    fprintf(f, "\nKeys:\n");
    sirka = 0;
    for (int i = 0; i < klavesy_pocet; i++)
        if (strlen(klavesy_tabulka[i].meno) > sirka)
            sirka = strlen(klavesy_tabulka[i].meno);
    for (int i = 0; i < klavesy_pocet; i++)
        fprintf(f, "  %-*s  %s\n", (int)sirka, klavesy_tabulka[i].meno, klavesy_tabulka[i].popis);
    fprintf(f, "\nThese are the default keys; a gamepad plays too. The controls card (F1) changes them, and\n"
               "keeps them with the other settings in $XDG_CONFIG_HOME/ponorka/ponorka.cfg\n"
               "(~/.config/ponorka/ponorka.cfg when XDG_CONFIG_HOME is not set).\n");
    fprintf(f, "\nThe data folder is the first of these that holds gfx/, sfx/ and data/fonts/:\n"
               "--data DIR, $PONORKA_DATA, the working directory, the program's own folder, the\n"
               "installed data beside the program (../share/games/ponorka), the install path.\n");
    fprintf(f, "\nA campaign named without a slash (--campaign NAME) is data/campaigns/NAME or\n"
               "data/campaigns/NAME.campaign in the data folder; with a slash it is a path.\n");
    fprintf(f, "\nExit codes:\n");
    for (int i = 0; i < kody_pocet; i++)
        fprintf(f, "  %-3d %s\n", kody_tabulka[i].kod, kody_tabulka[i].popis);
}

bool je_subor_dema(const char *cesta)
{
    size_t n = strlen(cesta);
    if (n > 5 && strcmp(cesta + n - 5, ".demo") == 0)
        return true;
    // The demo's first line, read no further.
    char hlavicka[16] = {};
    FILE *f = fopen(cesta, "rb");
    if (f == nullptr)
        return false;
    size_t precitane = fread(hlavicka, 1, 14, f);
    fclose(f);
    return precitane == 14 && memcmp(hlavicka, "#!ponorka-demo", 14) == 0;
}

int citaj_volby(int argc, char **argv, Volby &v, FILE *out, FILE *err)
{
    for (int i = 1; i < argc; i++) {
        const char *a = argv[i];
        // A lone demo file, as the file manager hands it over, plays it.
        if (argc == 2 && a[0] != '-' && je_subor_dema(a)) {
            v.prehravka = a;
            v.meranie = false;
            v.demo_volby++;
            break;
        }
        if (strncmp(a, "--", 2) != 0 || a[2] == '\0')
            return chyba(err, std::string("unexpected argument '") + a + "'");
        // --name=value is the same as --name value.
        const char *rovnasa = strchr(a, '=');
        size_t dlzka = rovnasa ? (size_t)(rovnasa - a) : strlen(a);
        const Volba *o = najdi_volbu(a, dlzka);
        std::string meno(a, dlzka);
        if (o == nullptr)
            return chyba(err, "unknown option '" + meno + "'");
        const char *hodnota = nullptr;
        if (o->argument) {
            if (rovnasa)
                hodnota = rovnasa + 1;
            else if (i + 1 < argc)
                hodnota = argv[++i];
            if (hodnota == nullptr || *hodnota == '\0')
                return chyba(err, "option '" + meno + "' needs an argument " + o->argument);
        } else if (rovnasa) {
            return chyba(err, "option '" + meno + "' takes no argument");
        }
        o->nastav(v, hodnota);
    }
    if (v.demo_volby > 1)
        return chyba(err, "only one of --record, --playdemo and --timedemo");
    if (!v.kampan.empty() && !v.prehravka.empty())
        return chyba(err, "a demo plays the campaign it was recorded with: no --campaign with it");
    if (v.bez_nastaveni && !v.subor_nastaveni.empty())
        return chyba(err, "only one of --config and --no-config");
    if (!v.zla_mierka.empty())
        return chyba(err, "--scale takes 1 to 8 or auto, not '" + v.zla_mierka + "'");
    if (v.pomoc) {
        vypis_pomoc(out);
        return KOD_OK;
    }
    if (v.verzia) {
        fprintf(out, "%s %s\n", NAZOV, verzia_hry());
        return KOD_OK;
    }
    return -1;
}
