#include "screens/pauza.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "display/obraz.h"
#include "options/subor_nastaveni.h"
#include "platform/budik.h"
#include "platform/odchod.h"
#include "platform/preklad.h"
#include "platform/rozlisenie.h"
#include "platform/ziadost_karty.h"
#include "platform/ziadost_pauzy.h"
#include "screens/karta.h"
#include "text/alfont.h"

void nakresli_pauzu(BITMAP *kam, ALFONT_FONT *pismo, ALFONT_FONT *male, const char *riadok)
{
    // Centred in the world view, the top nine tenths.
    int x = kam->w / 2;
    int y = kam->h * 9 / 10 / 2;
    int sirka = kam->w / 4;
    int vyska = kam->h / 8;
    rectfill(kam, x - sirka / 2, y - vyska / 2, x + sirka / 2, y + vyska / 2, makecol(0, 0, 0));
    rect(kam, x - sirka / 2, y - vyska / 2, x + sirka / 2, y + vyska / 2, makecol(128, 128, 128));
    if (pismo)
        alfont_textout_centre_aa(kam, pismo, preloz("PAUZA"), x, y - alfont_get_font_height(pismo) / 2,
                                 makecol(255, 255, 255));
    // In the box's lower quarter, below the label.
    if (male && riadok)
        alfont_textout_centre_aa(kam, male, riadok, x, y + vyska / 2 - vyska / 4, makecol(128, 128, 128));
}

void pauza()
{
    // The briefing's prompt font, loaded for the pause alone: the fonts the
    // mission draws with keep their sizes.
    ALFONT_FONT *pismo = alfont_load_font("data/fonts/copperlate.ttf");
    if (pismo)
        alfont_set_font_size(pismo, (int)(vyska_obrazu() / (long double)21.333333));
    ALFONT_FONT *male = alfont_load_font("data/fonts/trebuchet.ttf");
    if (male)
        alfont_set_font_size(male, vyska_obrazu() / 48);
    const char *klavesa = meno_klavesy(nastavenia.n.vazby.klavesy[AKCIA_KARTA][0]);
    std::string riadok = klavesa ? std::string(klavesa) + preloz(": ovladanie") : "";
    nakresli_pauzu(screen, pismo, male, riadok.empty() ? nullptr : riadok.c_str());
    prezentuj();
    alfont_destroy_font(pismo);
    alfont_destroy_font(male);

    while (pauza_ziadana() && !odchod_ziadany()) {
        // The card puts back the pause's picture when it closes.
        if (ziadost_karty())
            karta();
        else
            cakaj_kym([] { return pauza_sa_zmenila() || karta_caka() || obraz_caka() || odchod_ziadany(); });
        obsluz_obraz();
    }
}

// "m:ss" of game time, "?:??" when not known.
static std::string cas(int kroky)
{
    if (kroky < 0)
        return "?:??";
    char t[24];
    snprintf(t, sizeof t, "%d:%02d", kroky / 200 / 60, kroky / 200 % 60);
    return t;
}

void nakresli_prehlad(BITMAP *kam, ALFONT_FONT *pismo, const PrehladDema &p)
{
    int svet = kam->h * 9 / 10;
    int vyska_pisma = pismo ? alfont_get_font_height(pismo) : 10;
    int x = kam->w / 20;
    int sirka = kam->w - 2 * x;
    int vyska = vyska_pisma * 2 + 18;
    int y = svet - vyska - kam->h / 60;
    rectfill(kam, x, y, x + sirka, y + vyska, makecol(0, 0, 0));
    rect(kam, x, y, x + sirka, y + vyska, makecol(128, 128, 128));

    int dlzka = p.koniec_misie >= 0 ? p.koniec_misie - p.zaciatok_misie : -1;
    std::string rychlost = p.rychlost == 1 ? "1/2x" : std::to_string(p.rychlost / 2) + "x";
    std::string misia = preloz("misia");
    std::string text = misia + " " + std::to_string(p.misia) + preloz(" z ") + std::to_string(p.misii) + "    " +
                       misia + " " + cas(p.krok - p.zaciatok_misie) + " / " + cas(dlzka) + "    " + preloz("demo") +
                       " " + cas(p.krok) + " / " + cas(p.kroky) + "    " + preloz("rychlost") + " " + rychlost +
                       (p.pauza ? std::string("    ") + preloz("pauza") : "");
    if (pismo)
        alfont_textout_aa_ex(kam, pismo, text.c_str(), x + 8, y + 4, makecol(255, 255, 0), -1);

    // The bar over the whole demo, the start of each later mission as a white mark.
    int bx = x + 8, bw = sirka - 16;
    int by = y + vyska_pisma + 8, bh = vyska - vyska_pisma - 14;
    rect(kam, bx, by, bx + bw, by + bh, makecol(128, 128, 128));
    if (p.kroky > 0) {
        int plne = (int)((long long)bw * std::min(p.krok, p.kroky) / p.kroky);
        if (plne > 1)
            rectfill(kam, bx + 1, by + 1, bx + plne - 1, by + bh - 1, makecol(76, 128, 176));
        for (int hranica : p.hranice) {
            int hx = bx + (int)((long long)bw * hranica / p.kroky);
            vline(kam, hx, by - 3, by + bh + 3, makecol(255, 255, 255));
        }
    }
}
