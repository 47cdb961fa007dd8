#include "options/vazby.h"

#include "platform/preklad.h"

#include <strings.h>

#include <cstdlib>

#include <allegro.h>

// The pad's defaults follow the order in which Linux numbers a gamepad's
// buttons and axes: A, B, X, Y, the left and right shoulder, back, start;
// the left stick's two axes, the right stick's vertical one as the fifth and
// the d-pad as the seventh and eighth.
const PopisAkcie AKCIE_HRY[AKCIE] = {
    {"torpedo", N_("torpedo"), "F", {KEY_F, 0}, {vstup_tlacidla(0), 0}},
    {"gun", N_("gulomet"), "C", {KEY_C, 0}, {vstup_tlacidla(2), 0}},
    {"decoy", N_("navnada"), "X", {KEY_X, 0}, {vstup_tlacidla(1), 0}},
    {"blast_line", N_("rad vybuchov"), "R", {KEY_R, 0}, {vstup_tlacidla(5), 0}},
    {"large_blast", N_("velky vybuch"), "E", {KEY_E, 0}, {vstup_tlacidla(4), 0}},
    {"right", N_("motor vpravo"), "RIGHT", {KEY_RIGHT, 0}, {vstup_osi(0, true), vstup_osi(6, true)}},
    {"left", N_("motor vlavo"), "LEFT", {KEY_LEFT, 0}, {vstup_osi(0, false), vstup_osi(6, false)}},
    {"pitch_up", N_("prida hore"), "W", {KEY_W, 0}, {vstup_osi(4, false), 0}},
    {"pitch_down", N_("prida dole"), "S", {KEY_S, 0}, {vstup_osi(4, true), 0}},
    {"rise", N_("stupanie"), "UP", {KEY_UP, 0}, {vstup_osi(1, false), vstup_osi(7, false)}},
    {"sink", N_("klesanie"), "DOWN", {KEY_DOWN, 0}, {vstup_osi(1, true), vstup_osi(7, true)}},
    {"turn_about", N_("obrat"), "SPACE", {KEY_SPACE, 0}, {vstup_tlacidla(3), 0}},
    {"pause", N_("pauza"), nullptr, {KEY_P, 0}, {vstup_tlacidla(7), 0}},
    {"controls", N_("ovladanie"), nullptr, {KEY_F1, 0}, {0, 0}},
    {"screenshot", N_("snimka obrazovky"), nullptr, {KEY_F12, 0}, {0, 0}},
    {"seek_back", N_("demo: dozadu"), nullptr, {KEY_LEFT, 0}, {0, 0}},
    {"seek_forward", N_("demo: dopredu"), nullptr, {KEY_RIGHT, 0}, {0, 0}},
    {"previous_mission", N_("demo: predosla misia"), nullptr, {KEY_PGUP, 0}, {0, 0}},
    {"next_mission", N_("demo: dalsia misia"), nullptr, {KEY_PGDN, 0}, {0, 0}},
    {"faster", N_("demo: rychlejsie"), nullptr, {KEY_UP, 0}, {0, 0}},
    {"slower", N_("demo: pomalsie"), nullptr, {KEY_DOWN, 0}, {0, 0}},
    {"step", N_("demo: krok"), nullptr, {KEY_SPACE, 0}, {0, 0}},
    {"to_start", N_("demo: na zaciatok"), nullptr, {KEY_HOME, 0}, {0, 0}},
};

// Where an action acts: in play, in a demo's playback, or in both.
static int kde(int akcia)
{
    if (akcia == AKCIA_PAUZA || akcia == AKCIA_KARTA || akcia == AKCIA_SNIMKA)
        return 3;
    return akcia >= AKCIA_DOZADU ? 2 : 1;
}

bool v_spore(int akcia1, int akcia2)
{
    return (kde(akcia1) & kde(akcia2)) != 0;
}

// Indexed by scancode: the names of Allegro's KEY_ constants.
static const char *const MENA_KLAVES[KEY_MAX] = {
    nullptr,     "A",         "B",          "C",         "D",          "E",        "F",         "G",
    "H",         "I",         "J",          "K",         "L",          "M",        "N",         "O",
    "P",         "Q",         "R",          "S",         "T",          "U",        "V",         "W",
    "X",         "Y",         "Z",          "0",         "1",          "2",        "3",         "4",
    "5",         "6",         "7",          "8",         "9",          "0_PAD",    "1_PAD",     "2_PAD",
    "3_PAD",     "4_PAD",     "5_PAD",      "6_PAD",     "7_PAD",      "8_PAD",    "9_PAD",     "F1",
    "F2",        "F3",        "F4",         "F5",        "F6",         "F7",       "F8",        "F9",
    "F10",       "F11",       "F12",        "ESC",       "TILDE",      "MINUS",    "EQUALS",    "BACKSPACE",
    "TAB",       "OPENBRACE", "CLOSEBRACE", "ENTER",     "COLON",      "QUOTE",    "BACKSLASH", "BACKSLASH2",
    "COMMA",     "STOP",      "SLASH",      "SPACE",     "INSERT",     "DEL",      "HOME",      "END",
    "PGUP",      "PGDN",      "LEFT",       "RIGHT",     "UP",         "DOWN",     "SLASH_PAD", "ASTERISK",
    "MINUS_PAD", "PLUS_PAD",  "DEL_PAD",    "ENTER_PAD", "PRTSCR",     "PAUSE",    "ABNT_C1",   "YEN",
    "KANA",      "CONVERT",   "NOCONVERT",  "AT",        "CIRCUMFLEX", "COLON2",   "KANJI",     "EQUALS_PAD",
    "BACKQUOTE", "SEMICOLON", "COMMAND",    "UNKNOWN1",  "UNKNOWN2",   "UNKNOWN3", "UNKNOWN4",  "UNKNOWN5",
    "UNKNOWN6",  "UNKNOWN7",  "UNKNOWN8",   "LSHIFT",    "RSHIFT",     "LCONTROL", "RCONTROL",  "ALT",
    "ALTGR",     "LWIN",      "RWIN",       "MENU",      "SCRLOCK",    "NUMLOCK",  "CAPSLOCK",
};

bool Vazby::operator==(const Vazby &v) const
{
    for (int a = 0; a < AKCIE; a++)
        for (int m = 0; m < MIESTA; m++)
            if (klavesy[a][m] != v.klavesy[a][m] || vstupy[a][m] != v.vstupy[a][m])
                return false;
    return true;
}

Vazby predvolene_vazby()
{
    Vazby v;
    for (int a = 0; a < AKCIE; a++)
        for (int m = 0; m < MIESTA; m++) {
            v.klavesy[a][m] = AKCIE_HRY[a].klavesy[m];
            v.vstupy[a][m] = AKCIE_HRY[a].vstupy[m];
        }
    return v;
}

// The first place filled before the second.
static void zarovnaj(int *miesta)
{
    if (miesta[0] == 0 && miesta[1] != 0) {
        miesta[0] = miesta[1];
        miesta[1] = 0;
    }
}

int prirad(Vazby &v, DruhVstupu d, int akcia, int miesto, int vstup)
{
    int stratila = -1;
    if (vstup != 0)
        for (int a = 0; a < AKCIE; a++) {
            int *m = v.miesta(d, a);
            for (int i = 0; i < MIESTA; i++)
                if (m[i] == vstup && !(a == akcia && i == miesto) && v_spore(a, akcia)) {
                    m[i] = 0;
                    stratila = a;
                }
        }
    v.miesta(d, akcia)[miesto] = vstup;
    for (int a = 0; a < AKCIE; a++)
        zarovnaj(v.miesta(d, a));
    return stratila;
}

int obnov(Vazby &v, int akcia, int stratili[2 * MIESTA])
{
    int n = 0;
    for (DruhVstupu d : {KLAVESNICA, PAD}) {
        const int *predvolene = d == KLAVESNICA ? AKCIE_HRY[akcia].klavesy : AKCIE_HRY[akcia].vstupy;
        int *m = v.miesta(d, akcia);
        m[0] = m[1] = 0;
        for (int i = 0; i < MIESTA; i++) {
            int a = akcia_vstupu(v, d, predvolene[i], akcia);
            if (a >= 0) {
                int *ine = v.miesta(d, a);
                for (int j = 0; j < MIESTA; j++)
                    if (ine[j] == predvolene[i])
                        ine[j] = 0;
                zarovnaj(ine);
                stratili[n++] = a;
            }
            m[i] = predvolene[i];
        }
    }
    for (int i = n; i < 2 * MIESTA; i++)
        stratili[i] = -1;
    return n;
}

int akcia_vstupu(const Vazby &v, DruhVstupu d, int vstup, int k_akcii)
{
    if (vstup == 0)
        return -1;
    for (int a = 0; a < AKCIE; a++)
        for (int i = 0; i < MIESTA; i++)
            if (v.miesta(d, a)[i] == vstup && (k_akcii < 0 || (a != k_akcii && v_spore(a, k_akcii))))
                return a;
    return -1;
}

const char *meno_klavesy(int scancode)
{
    if (scancode <= 0 || scancode >= KEY_MAX)
        return nullptr;
    return MENA_KLAVES[scancode];
}

int klavesa_z_mena(const std::string &meno)
{
    for (int k = 1; k < KEY_MAX; k++)
        if (strcasecmp(MENA_KLAVES[k], meno.c_str()) == 0)
            return k;
    return 0;
}

std::string meno_vstupu(int vstup)
{
    if (je_tlacidlo(vstup))
        return "B" + std::to_string(vstup);
    if (je_os(vstup)) {
        int a = (vstup - VSTUP_OS) / 2;
        return "AXIS" + std::to_string(a + 1) + ((vstup - VSTUP_OS) % 2 ? "+" : "-");
    }
    return "";
}

// A number 1..najviac of decimal digits only, or -1.
static int cislo(const std::string &text, int najviac)
{
    if (text.empty() || text.size() > 2 || text[0] == '0')
        return -1;
    int n = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return -1;
        n = n * 10 + (c - '0');
    }
    return n <= najviac ? n : -1;
}

int vstup_z_mena(const std::string &meno)
{
    if (meno.size() >= 2 && (meno[0] == 'B' || meno[0] == 'b')) {
        int b = cislo(meno.substr(1), PAD_TLACIDLA);
        return b > 0 ? vstup_tlacidla(b - 1) : -1;
    }
    if (meno.size() >= 6 && strncasecmp(meno.c_str(), "AXIS", 4) == 0) {
        char smer = meno.back();
        if (smer != '+' && smer != '-')
            return -1;
        int a = cislo(meno.substr(4, meno.size() - 5), PAD_OSI);
        return a > 0 ? vstup_osi(a - 1, smer == '+') : -1;
    }
    return -1;
}

std::string meno(DruhVstupu d, int vstup)
{
    if (d == PAD)
        return meno_vstupu(vstup);
    const char *m = meno_klavesy(vstup);
    return m ? m : "";
}
