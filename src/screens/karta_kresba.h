#ifndef PONORKA_KARTA_KRESBA_H
#define PONORKA_KARTA_KRESBA_H

#include <string>

#include <allegro.h>

#include "screens/karta_stav.h"

struct ALFONT_FONT;

// The card's fonts: the title in the briefing's prompt font, the rows and the
// notes in the briefing's text font. Any may be null: its text is left out.
struct KartaPisma {
    ALFONT_FONT *nadpis = nullptr;
    ALFONT_FONT *riadky = nullptr;
    ALFONT_FONT *poznamky = nullptr;
};

// Loads the fonts at sizes for a screen `h` pixels high; frees them.
KartaPisma nacitaj_pisma_karty(int h);
void uvolni_pisma_karty(KartaPisma &p);

// Draws the card over `kam` (a bitmap of the screen's size): a panel in the
// middle with every action's keys and pad inputs, the chosen place marked,
// the last message, the pad found (`pad`, empty: none) and the keys of the card.
void nakresli_kartu(BITMAP *kam, const KartaStav &s, const KartaPisma &p, const std::string &pad);

#endif
