#ifndef PONORKA_POVEL_HRACA_H
#define PONORKA_POVEL_HRACA_H

#include <allegro.h>

#include "objects/povel.h"
#include "options/vazby.h"
#include "platform/gamepad.h"

// The player's bindings applied: which physical keys and pad inputs set which
// of the simulation's keys in a step's command, and which keys the input
// callbacks act on as the game's own.

// The command for the keys held (`drzane`, indexed by scancode) and the pad's
// state. The keyboard buffer is left to the caller.
Povel povel_z_vazieb(const Vazby &v, const bool drzane[KEY_MAX], const StavPadu &pad, int mrtva_zona);

// The command of this step from Allegro's keyboard and the pad, with the
// run's bindings. The keyboard buffer is Allegro's, as before bindings; a pad
// that was used opens it too, as a key press does.
Povel povel_hraca();

// Hands the run's bindings to the input callbacks (pause, the card) and the
// pad's dead zone to its polling. Call at start-up and after every change.
void pouzi_vazby();

// Keys and pad inputs held now act only after they are let go: what was held
// when the card closed must not fire.
void zamkni_drzane();

#endif
