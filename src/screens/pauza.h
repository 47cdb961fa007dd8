#ifndef PONORKA_PAUZA_H
#define PONORKA_PAUZA_H

#include <allegro.h>

struct ALFONT_FONT;

// The pause screen. A pause stands between two steps and touches nothing of
// the simulation: the game timer (and so CAS) runs on. What asks for a pause
// is in platform/ziadost_pauzy.h.

// Stands the mission still: the label over the last frame on the screen, then
// asleep until the pause ends or the player leaves.
void pauza();

// The centred "PAUZA" label, in the player's language, over the world view
// of a bitmap of the screen's size; the status bar below it stays as it is.
void nakresli_pauzu(BITMAP *kam, ALFONT_FONT *pismo);

#endif
