#ifndef PONORKA_UDALOSTI_H
#define PONORKA_UDALOSTI_H

// What the player and the desktop tell the game besides the simulation's own
// keys: Esc, the game's own keys (pause, the controls card) and, while the
// card is open, every key for it; the pointer (the shop redraws when it
// moves), the window's close button and its focus. Each callback runs on
// Allegro's input thread and only notes the event and wakes the main thread's wait.
// Call once the keyboard, the mouse and the graphics mode are set up.
void sleduj_udalosti();

// Lets go of the window's focus callbacks while the game changes its own
// mode; sleduj_udalosti takes them again.
void prestan_sledovat_prepnutie();

#endif
