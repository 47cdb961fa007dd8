#ifndef PONORKA_KARTA_H
#define PONORKA_KARTA_H

// The controls card: every action with its keys and pad inputs, over
// whatever the screen shows (a briefing, a mission it stands still, the
// shop). What it does with each key is in screens/karta_stav.h; it saves
// the bindings when it closes.

// Opens the card and returns when it is closed or the player leaves the game.
void karta();

#endif
