#ifndef PONORKA_PAUZA_H
#define PONORKA_PAUZA_H

#include <vector>

#include <allegro.h>

struct ALFONT_FONT;

// The pause screen. A pause stands between two steps and touches nothing of
// the simulation: the game timer (and so CAS) runs on. What asks for a pause
// is in platform/ziadost_pauzy.h.

// Stands the mission still: the label over the last frame on the screen, then
// asleep until the pause ends or the player leaves. The controls card opens
// over it.
void pauza();

// The centred "PAUZA" label, in the player's language, over the world view of a bitmap of the screen's
// size; the status bar below it stays as it is. `riadok` (when given, in
// `male`) is a grey line under the label: the key of the controls card.
void nakresli_pauzu(BITMAP *kam, ALFONT_FONT *pismo, ALFONT_FONT *male = nullptr, const char *riadok = nullptr);

// A demo's playback overlay: a box at the foot of the world view (never the
// status bar's own pixels) with the mission, the game time of the mission
// and of the whole demo against their totals (`-1`: not known), the speed in
// halves (1 for half speed) and a bar over the whole demo with the start of
// mission 2 marked; steps count 200 a second of game time.
struct PrehladDema {
    int misia, misii;
    int krok, zaciatok_misie, koniec_misie, kroky;
    std::vector<int> hranice;  // the first steps of missions 2, 3, ...
    int rychlost;
    bool pauza;
};
void nakresli_prehlad(BITMAP *kam, ALFONT_FONT *pismo, const PrehladDema &p);

#endif
