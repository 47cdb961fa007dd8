#include "platform/preklad.h"

#include <clocale>
#include <cstdlib>
#include <cstring>
#include <string>

#include <libintl.h>

namespace {

const char *const DOMENA = "ponorka";

bool zacaty = false;
// The code chosen over the locale; empty when the locale decides.
std::string jazyk;
// The player's own LANGUAGE, kept when a chosen code first takes its place
// and given back when the choice is dropped.
bool prepisany = false;
bool mal_language = false;
std::string povodny_language;

bool je_pismeno(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// A locale name gettext reads as a folder name: no slash, no colon of a list.
bool je_kod_jazyka(const char *kod)
{
    size_t n = strlen(kod);
    if (n > 32 || !je_pismeno(kod[0]))
        return false;
    for (size_t i = 0; i < n; i++) {
        char c = kod[i];
        if (!je_pismeno(c) && !(c >= '0' && c <= '9') && c != '_' && c != '.' && c != '@' && c != '-')
            return false;
    }
    return true;
}

bool je_c(const char *locale)
{
    return locale == nullptr || strcmp(locale, "C") == 0 || strcmp(locale, "POSIX") == 0;
}

// The messages' locale from the environment, or C.UTF-8 where a chosen code
// would meet the C locale: gettext ignores LANGUAGE under C, and C.UTF-8 is
// on every machine.
void nastav_spravy()
{
    if (setlocale(LC_MESSAGES, "") == nullptr)
        setlocale(LC_MESSAGES, "C");
    if (!jazyk.empty() && je_c(setlocale(LC_MESSAGES, nullptr)))
        setlocale(LC_MESSAGES, "C.UTF-8");
    // Forgets the translations gettext has looked up so far.
    textdomain(DOMENA);
}

// The chosen code goes to gettext as LANGUAGE; without one, the player's own.
void pouzi_jazyk()
{
    if (!jazyk.empty()) {
        if (!prepisany) {
            const char *l = getenv("LANGUAGE");
            mal_language = l != nullptr;
            povodny_language = l ? l : "";
            prepisany = true;
        }
        setenv("LANGUAGE", jazyk.c_str(), 1);
    } else if (prepisany) {
        if (mal_language)
            setenv("LANGUAGE", povodny_language.c_str(), 1);
        else
            unsetenv("LANGUAGE");
        prepisany = false;
    }
    nastav_spravy();
}

}  // namespace

void zacni_preklad(const char *katalogy)
{
    zacaty = true;
    bindtextdomain(DOMENA, katalogy);
    // The catalogue's own bytes whatever the character set of the locale.
    bind_textdomain_codeset(DOMENA, "UTF-8");
    pouzi_jazyk();
}

bool nastav_jazyk(const char *kod)
{
    if (kod == nullptr || (*kod != '\0' && !je_kod_jazyka(kod)))
        return false;
    jazyk = kod;
    if (zacaty)
        pouzi_jazyk();
    return true;
}

void obnov_jazyk_a_cisla()
{
    setlocale(LC_NUMERIC, "C");
    if (zacaty)
        nastav_spravy();
}

const char *preloz(const char *text)
{
    // The empty text would give the catalogue's header.
    if (!zacaty || text == nullptr || *text == '\0')
        return text;
    return dgettext(DOMENA, text);
}
