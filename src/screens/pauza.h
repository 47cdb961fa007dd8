#ifndef PONORKA_PAUZA_H
#define PONORKA_PAUZA_H

#include <allegro.h>

struct ALFONT_FONT;

// The pause screen. A pause stands between two steps and touches nothing of
// the simulation: the game timer (and so CAS) runs on. What asks for a pause
// is in platform/ziadost_pauzy.h.

// Stands the mission still: the label over the last frame on the screen, then
// asleep until the pause ends or the player leaves. The controls card opens
// over it.
void pauza();

// The centred "PAUZA" label over the world view of a bitmap of the screen's
// size; the status bar below it stays as it is. `riadok` (when given, in
// `male`) is a grey line under the label: the key of the controls card.
void nakresli_pauzu(BITMAP *kam, ALFONT_FONT *pismo, ALFONT_FONT *male = nullptr, const char *riadok = nullptr);

#endif
