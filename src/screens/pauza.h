#ifndef PONORKA_PAUZA_H
#define PONORKA_PAUZA_H

#include <allegro.h>

struct ALFONT_FONT;

// P pauses a mission and P again resumes it; a window that loses the focus
// pauses too, until it gets the focus back. A pause stands between two steps
// and touches nothing of the simulation: the game timer (and so CAS) runs on.

// A press of P; called from the keyboard callback, only counts.
void stlacene_p();
// The window got (true) or lost (false) the focus; called from the display-switch callbacks.
void fokus_okna(bool ma);
// Presses of P made outside a mission do not pause the next one.
void zabudni_p();

// Whether the mission should stand still now; takes in the presses of P so far.
bool pauza_ziadana();

// Stands the mission still: the label over the last frame on the screen, then
// asleep until the pause ends or the player leaves.
void pauza();

// The centred "PAUZA" label over the world view of a bitmap of the screen's
// size; the status bar below it stays as it is.
void nakresli_pauzu(BITMAP *kam, ALFONT_FONT *pismo);

#endif
