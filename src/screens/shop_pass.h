#ifndef PONORKA_SHOP_PASS_H
#define PONORKA_SHOP_PASS_H

#include <allegro.h>

struct ALFONT_FONT;
class PozorovatelNakupu;

// Positions of the shop screen for a screen size.
struct ObchodRozmery {
    int continue_size;  // CONTINUE font size
    int cena_size;      // price, stock and money font size
    int panel_x1, panel_y1, panel_x2, panel_y2;
    int torpedo_x;  // left edge of the torpedo item
    int navnada_x;  // left edge of the decoy item
    int polozka_y;  // top of both items
    int polozka_w, polozka_h;
    int continue_x1, continue_y1, continue_x2, continue_y2;
    int continue_text_y;
    int stred_x;   // centre of the CONTINUE label and the money
    int cena_y;    // price row
    int zasoba_y;  // stock and money row
};

ObchodRozmery obchod_rozmery(int w, int h);

// The three pictures of one item.
enum { OBRAZOK_NEOZNACENY, OBRAZOK_NEAKTIVNY, OBRAZOK_OZNACENY, OBRAZKY_POLOZKY };

// Everything one pass of the shop reads and changes.
struct ObchodStav {
    BITMAP *buffer;
    ALFONT_FONT *continue_font;        // may be null: the label is then left out
    ALFONT_FONT *cena_font;            // may be null: prices, stocks and money are then left out
    BITMAP *torpedo[OBRAZKY_POLOZKY];  // each may be null: left undrawn
    BITMAP *navnada[OBRAZKY_POLOZKY];
    int *peniaze;
    int cena_torpedo;
    int cena_navnada;
    int *torpeda;
    int *navnady;
    bool hotovo;
    int continue_farba;
    ObchodRozmery r;
    PozorovatelNakupu *pozorovatel;  // told of each accepted purchase; may be null
    // In demo playback the pass reads this pointer instead of the mouse and
    // draws it with `kurzor` (may be null) instead of Allegro's.
    bool demo_mys;
    int demo_x, demo_y;
    bool demo_tlacidlo;
    BITMAP *kurzor;
    // On a scaled screen the pass draws the live pointer itself, where the
    // mouse is in the picture, and puts back what it covered on the next pass.
    BITMAP *pod_kurzorom;  // made on the first such pass; freed by the shop
    int kurzor_x, kurzor_y;
    bool kurzor_nakresleny;
};

// Fresh pass state: not done, CONTINUE label grey. Images start null.
ObchodStav obchod_stav(BITMAP *buffer, ALFONT_FONT *continue_font, ALFONT_FONT *cena_font, int *peniaze,
                       int cena_torpedo, int cena_navnada, int *torpeda, int *navnady);

// One pass without the retrace wait: buy or leave on the left button, then
// redraw the panel and copy the buffer to the screen with the pointer on it.
void shop_pass(ObchodStav &s);

#endif
