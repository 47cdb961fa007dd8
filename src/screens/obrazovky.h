#ifndef PONORKA_OBRAZOVKY_H
#define PONORKA_OBRAZOVKY_H

#include "simulation/missions.h"

// The game as a player plays it: each step's command from Allegro's
// keyboard and the pad through the player's bindings, the briefing and shop
// screens shown. The pause key and the controls card stand a mission still
// between two steps; Esc, the close button and the signals end the flow at
// the next hook (the screens stop their own loops for them too).
class HraNaObrazovke : public Priebeh {
public:
    bool povel(Spravca &svet, Hra &hra, int misia, Povel &p) override;
    bool briefing(Hra &hra, int farba, char *text) override;
    bool obchod(Nakup &n) override;

    // A demo played back: the briefings close by themselves.
    bool prehravanie = false;
};

#endif
