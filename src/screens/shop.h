#ifndef PONORKA_SHOP_H
#define PONORKA_SHOP_H

#include <vector>

#include "simulation/missions.h"

void shop_timer();
// Mouse-driven shop; writes back money, torpedoes and decoys through the pointers.
void shop(int *money, int torpedo_price, int navnada_price, int unused1, int unused2, int *torpeda, int *navnady);
// The same, telling `pozorovatel` (when set) of every purchase it accepts, in
// order. With `predpis` (a demo played back) the shop's own pointer makes those
// purchases, about two a second, and leaves through CONTINUE.
void shop(int *money, int torpedo_price, int navnada_price, int unused1, int unused2, int *torpeda, int *navnady,
          PozorovatelNakupu *pozorovatel, const std::vector<Polozka> *predpis);

#endif
