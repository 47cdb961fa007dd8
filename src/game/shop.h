#ifndef PONORKA_SHOP_H
#define PONORKA_SHOP_H

class PozorovatelNakupu;

void shop_timer();
// Mouse-driven shop; writes back money, torpedoes and decoys through the pointers.
void shop(int *money, int torpedo_price, int navnada_price, int unused1, int unused2, int *torpeda,
          int *navnady);
// The same, telling `pozorovatel` (when set) of every purchase it accepts, in order.
void shop(int *money, int torpedo_price, int navnada_price, int unused1, int unused2, int *torpeda, int *navnady,
          PozorovatelNakupu *pozorovatel);

#endif
