#include "kampan_fuzz.h"

#include <cstdlib>
#include <sstream>
#include <string>

#include "demo/demo.h"
#include "demo/kontrolny_sucet.h"
#include "simulation/kampan.h"
#include "simulation/kampan_citac.h"

namespace {

void over(bool podmienka)
{
    if (!podmienka)
        abort();
}

// A stand-in for the briefing column: a line of at most 60 bytes fits.
const size_t SIRKA = 60;

bool zmesti_sa(const std::string &riadok)
{
    return riadok.size() <= SIRKA;
}

bool je_text(const std::string &s)
{
    for (unsigned char c : s)
        if ((c < 0x20 && c != '\t' && c != '\n') || c == 0x7f)
            return false;
    return true;
}

void over_spravu(const SpravaKampane &s, bool zmerana)
{
    over(s.r >= 0 && s.r <= 255 && s.g >= 0 && s.g <= 255 && s.b >= 0 && s.b <= 255);
    over(je_text(s.text));
    if (!zmerana)
        return;
    size_t z = 0;
    for (;;) {
        size_t k = s.text.find('\n', z);
        over((k == std::string::npos ? s.text.size() : k) - z <= SIRKA);
        if (k == std::string::npos)
            break;
        z = k + 1;
    }
}

// Every limit kept; the briefing lines within the column when they were measured.
void over_kampan(const Kampan &k, bool zmerana)
{
    over(!k.meno.empty() && je_text(k.meno) && k.meno.find('\n') == std::string::npos);
    over(!k.misie.empty() && (int)k.misie.size() <= KAMPAN_NAJVIAC_MISII);
    for (const MisiaKampane &m : k.misie) {
        over_spravu(m.pred, zmerana);
        over_spravu(m.po, zmerana);
        over(!m.nepriatelia.empty() && (int)m.nepriatelia.size() <= KAMPAN_NAJVIAC_NEPRIATELOV);
        for (const NepriatelKampane &n : m.nepriatelia) {
            over(n.px >= -10000 && n.px <= 10000 && n.py >= -10000 && n.py <= 10000);
            over(n.speed >= 0 && n.speed <= 10 && n.max_speed >= 0 && n.max_speed <= 10);
            over(n.uhol >= -360 && n.uhol <= 360 && n.otacanie >= 0 && n.otacanie <= 90);
            over(n.health >= 1 && n.health <= 1000000 && n.max_health >= 1 && n.max_health <= 1000000);
            over(n.vybuch >= 0 && n.vybuch <= 1000);
        }
        if (m.obchod)
            over(m.cena_torpeda >= 1 && m.cena_torpeda <= 10000 && m.cena_navnady >= 1 && m.cena_navnady <= 10000);
    }
    over(!k.text.empty() && k.text.back() == '\n');
}

// A demo of format 2 carrying `text` line by line, named and hashed as the
// recorder names and hashes it.
std::string demo_s_kampanou(const std::string &text, const std::string &meno)
{
    std::string d = std::string(DEMO_HLAVICKA) + " 2 1.0.0\n" + DEMO_KAMPAN + " " + sucet_na_text(hash_kampane(text)) +
                    " " + meno + "\n";
    size_t z = 0;
    while (z < text.size()) {
        size_t k = text.find('\n', z);
        if (k == std::string::npos)
            k = text.size();
        d += DEMO_RIADOK_KAMPANE + text.substr(z, k - z) + "\n";
        z = k + 1;
    }
    return d + "#!end 0 0000000000000000\n";
}

}  // namespace

void fuzz_kampan_reader(const unsigned char *data, size_t size)
{
    std::string text(reinterpret_cast<const char *>(data), size);

    std::istringstream vstup(text);
    Kampan k;
    ChybaKampane chyba;
    if (citaj_kampan(vstup, "f.campaign", k, chyba, zmesti_sa)) {
        over_kampan(k, true);
        // Its own text reads back to the same campaign.
        std::istringstream znova(k.text);
        Kampan k2;
        ChybaKampane chyba2;
        over(citaj_kampan(znova, "f.campaign", k2, chyba2, zmesti_sa) && rovnake(k, k2) && k2.text == k.text);
        // And so does the demo that carries it.
        std::istringstream demo(demo_s_kampanou(k.text, k.meno));
        Demo d;
        ChybaDema chyba_dema;
        over(citaj_demo(demo, "f.demo", d, chyba_dema) && d.format == DEMO_FORMAT_KAMPANE && rovnake(d.kampan, k));
    } else {
        over(chyba.kod >= KOD_KAMPAN_NECITATELNA && chyba.kod <= KOD_KAMPAN_SIROKY_RIADOK);
        over(chyba.sprava.compare(0, 11, "f.campaign:") == 0);
    }

    // Whatever the bytes, a demo carrying them is read or refused by name.
    std::istringstream demo(demo_s_kampanou(text, "Fuzz"));
    Demo d;
    ChybaDema chyba_dema;
    if (citaj_demo(demo, "f.demo", d, chyba_dema)) {
        // A demo's campaign was measured when it was recorded.
        over_kampan(d.kampan, false);
    } else {
        over(chyba_dema.kod >= KOD_DEMO_NECITATELNE && chyba_dema.kod <= KOD_DEMO_DLHY_RIADOK);
        over(chyba_dema.sprava.compare(0, 7, "f.demo:") == 0);
    }
}
