#ifndef PONORKA_FRAME_LOOP_H
#define PONORKA_FRAME_LOOP_H

#include <allegro.h>

class Spravca;
struct ALFONT_FONT;
struct Povel;

// Drawing-phase counter of the frame loop: a step that starts with 3 draws.
// The world manager keeps a twin, ked_vykresli, that always agrees with it.
extern int kedy_vykresli;

// Surfaces and fonts the frame loop draws with; owned by the main routine.
struct Hra {
    BITMAP *pozadie;              // generated sea background, 1024 x 768
    BITMAP *stavovy_riadok;       // status-bar bitmap, the picture's width x its height / 10
    ALFONT_FONT *pismo;           // status-bar font
    ALFONT_FONT *pismo_briefing;  // briefing font
    int kroky;                    // step counter, never reset between missions
    bool bez_cakania = false;     // no pacing wait after drawing steps (a timed demo)
};

// One step of the frame loop under the given command: fire control, combat,
// background copy, world step, status bar and the pacing wait on drawing steps.
void frame_step(Spravca &svet, Hra &hra, const Povel &povel);
// The same, with the command read once from Allegro's keyboard.
void frame_step(Spravca &svet, Hra &hra);

// A gauge in percent, computed in floating point and truncated.
int ukazovatel(int hodnota, int plna);

#endif
