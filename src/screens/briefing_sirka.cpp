#include "screens/briefing_sirka.h"

#include "screens/briefing_pass.h"
#include "text/alfont.h"

bool briefing_riadok_sa_zmesti(ALFONT_FONT *pismo, const std::string &riadok)
{
    BriefingRozmery r = briefing_rozmery(BRIEFING_SIRKA_OBRAZOVKY, BRIEFING_VYSKA_OBRAZOVKY);
    alfont_set_font_size(pismo, r.riadok);
    // The same steps as briefing_kresli's pen: one character's length at a time.
    int x = r.text_x;
    for (char c : riadok) {
        if (x >= r.zalom_x)
            return false;
        char znak[2] = {c, '\0'};
        x += alfont_text_length(pismo, znak);
    }
    return true;
}
