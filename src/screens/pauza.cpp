#include "screens/pauza.h"

#include <string>

#include "display/obraz.h"
#include "options/subor_nastaveni.h"
#include "platform/budik.h"
#include "platform/odchod.h"
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
        alfont_textout_centre_aa(kam, pismo, "PAUZA", x, y - alfont_get_font_height(pismo) / 2, makecol(255, 255, 255));
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
    std::string riadok = klavesa ? std::string(klavesa) + ": ovladanie" : "";
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
