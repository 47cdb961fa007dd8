#include "demo/demo_zapis.h"

#include <cerrno>
#include <cstdarg>
#include <cstring>

#include "demo/demo.h"
#include "demo/kontrolny_sucet.h"
#include "demo/riadok_krokov.h"

ZapisDema::ZapisDema(FILE *subor, const char *verzia_hry, const std::string &hlasenie_chyby)
    : f(subor), hlasenie(hlasenie_chyby)
{
    zaznam("%s %d %s", DEMO_HLAVICKA, DEMO_FORMAT, verzia_hry);
}

ZapisDema::ZapisDema(FILE *subor, const char *verzia_hry, const Kampan &kampan, const std::string &hlasenie_chyby)
    : f(subor), hlasenie(hlasenie_chyby)
{
    if (je_vstavana(kampan)) {
        zaznam("%s %d %s", DEMO_HLAVICKA, DEMO_FORMAT, verzia_hry);
        return;
    }
    zaznam("%s %d %s", DEMO_HLAVICKA, DEMO_FORMAT_KAMPANE, verzia_hry);
    zaznam("%s %s %s", DEMO_KAMPAN, sucet_na_text(hash_kampane(kampan.text)).c_str(), kampan.meno.c_str());
    // The text has a line end after every line; each goes whole, blanks and all.
    size_t z = 0;
    while (z < kampan.text.size()) {
        size_t k = kampan.text.find('\n', z);
        if (k == std::string::npos)
            k = kampan.text.size();
        fputs(DEMO_RIADOK_KAMPANE, f);
        fwrite(kampan.text.data() + z, 1, k - z, f);
        fputc('\n', f);
        z = k + 1;
    }
    fflush(f);
    over_zapis();
}

void ZapisDema::zaznam(const char *format, ...)
{
    dopis_kroky();
    va_list a;
    va_start(a, format);
    vfprintf(f, format, a);
    va_end(a);
    fputc('\n', f);
    fflush(f);
    over_zapis();
}

// Right after the write, while errno still holds its reason.
void ZapisDema::over_zapis()
{
    if (nahlasene || !ferror(f))
        return;
    nahlasene = true;
    if (!hlasenie.empty())
        fprintf(stderr, "%s: %s (playing on)\n", hlasenie.c_str(), strerror(errno));
}

void ZapisDema::dopis_kroky()
{
    if (v_behu == 0)
        return;
    char riadok[128];
    size_t n = zapis_riadok_krokov(beh, v_behu, riadok, sizeof riadok);
    riadok[n] = '\n';
    fwrite(riadok, 1, n + 1, f);
    over_zapis();
    v_behu = 0;
}

void ZapisDema::krok(const Povel &p)
{
    if (v_behu > 0 && p != beh)
        dopis_kroky();
    beh = p;
    v_behu++;
}

void ZapisDema::misia(int cislo)
{
    zaznam("#!mission %d", cislo);
}

void ZapisDema::kontrola(int krok, uint64_t sucet)
{
    zaznam("#!check %d %s", krok, sucet_na_text(sucet).c_str());
}

void ZapisDema::koniec_misie(int cislo, int krok, uint64_t sucet)
{
    zaznam("#!mission-end %d %d %s", cislo, krok, sucet_na_text(sucet).c_str());
}

void ZapisDema::obchod(int cislo)
{
    zaznam("#!shop %d", cislo);
}

void ZapisDema::nakup(Polozka p)
{
    zaznam("#!buy %s", p == POLOZKA_TORPEDO ? "torpedo" : "decoy");
}

void ZapisDema::koniec(int kroky, uint64_t sucet)
{
    zaznam("#!end %d %s", kroky, sucet_na_text(sucet).c_str());
}

bool ZapisDema::chyba() const
{
    return ferror(f) != 0;
}
