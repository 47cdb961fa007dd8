#ifndef PONORKA_ZVUK_H
#define PONORKA_ZVUK_H

// Starts digital sound (no MIDI). The sound libraries' own complaints about a
// missing device stay off the terminal; the game says once, on standard
// error, that it plays without sound.
void spusti_zvuk();

#endif
