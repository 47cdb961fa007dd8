#ifndef PONORKA_ZIADOST_PAUZY_H
#define PONORKA_ZIADOST_PAUZY_H

// P pauses a mission and P again resumes it; a window that loses the focus
// pauses too, until it gets the focus back. These are the requests, counted
// by the input callbacks; the pause screen (screens/pauza.h) stands on them.

// A press of P; called from the keyboard callback, only counts.
void stlacene_p();
// The window got (true) or lost (false) the focus; called from the display-switch callbacks.
void fokus_okna(bool ma);
// Presses of P made outside a mission do not pause the next one.
void zabudni_p();

// Whether the mission should stand still now; takes in the presses of P so far.
bool pauza_ziadana();

// Whether a press of P or a change of focus came since pauza_ziadana last took them in.
bool pauza_sa_zmenila();

#endif
