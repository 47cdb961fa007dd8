#ifndef PONORKA_BRIEFING_PASS_H
#define PONORKA_BRIEFING_PASS_H

#include <string>

#include <allegro.h>

struct ALFONT_FONT;

// Positions of the briefing screen for a screen size.
struct BriefingRozmery {
    int riadok;       // message font size and line height L
    int text_x;       // left edge of the text column
    int text_y;       // top of the first line
    int prompt_size;  // font size of the prompt
    int portret_x, portret_y, portret_w, portret_h;
    int zalom_x;  // a character whose pen x reaches this starts a new line
    int prompt_x, prompt_y;
};

BriefingRozmery briefing_rozmery(int w, int h);

// The screen size a campaign's briefing lines are measured for.
const int BRIEFING_SIRKA_OBRAZOVKY = 1024;
const int BRIEFING_VYSKA_OBRAZOVKY = 768;

// True when one line of a briefing's message stays on one line in the text
// column of a 1024x768 briefing: the pen moves as the briefing screen moves it,
// character by character with the font at the briefing's size (which this
// sets), and a character that would start at the wrapping edge or beyond is
// one too many.
bool briefing_riadok_sa_zmesti(ALFONT_FONT *pismo, const std::string &riadok);

// Everything one pass of the briefing reads and changes.
struct BriefingStav {
    BITMAP *buffer;
    BITMAP *portret;           // may be null: drawn only when loaded
    ALFONT_FONT *font;         // message font, owned by the caller
    ALFONT_FONT *prompt_font;  // may be null: the prompt is then left out
    int farba;
    const char *text;
    int dlzka;        // characters in the message
    int odhalene;     // characters revealed so far
    int uroven;       // grey level of the prompt
    int smer;         // +1 brightening, -1 darkening
    bool nakreslene;  // a pass has drawn the portrait and shown the whole buffer
    // Opaque text: characters already standing in the buffer, the pen after
    // them, and the text mode they were drawn in.
    int napisane;
    int pero_x, pero_y;
    int rezim_textu;
    BriefingRozmery r;
};

// Fresh pass state for a message: nothing revealed, prompt black and brightening.
BriefingStav briefing_stav(BITMAP *buffer, BITMAP *portret, ALFONT_FONT *font, ALFONT_FONT *prompt_font, int farba,
                           const char *text);

// True while the main or the keypad Enter key is down.
bool briefing_enter();

// One pass: at most one tick's worth of typing and pulsing (briefing_tik),
// then the buffer redrawn and copied to the screen (briefing_kresli).
void briefing_pass(BriefingStav &s);
// When ms holds a tick: the prompt one grey level on, one more character revealed.
void briefing_tik(BriefingStav &s);
// The revealed characters and the prompt drawn over the last pass, and the
// buffer copied to the screen. The portrait touches no pixel of the text or
// the prompt, so it is drawn and the whole buffer copied on the first pass
// only (or whenever `nakreslene` is cleared). Later passes copy what changed
// around the text and the prompt. Opaque text paints the same pixels however
// often it is drawn, so later passes draw only the characters new since the
// last one; text without a background is drawn whole every pass.
void briefing_kresli(BriefingStav &s);

#endif
