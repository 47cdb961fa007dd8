#ifndef PONORKA_MISSIONS_H
#define PONORKA_MISSIONS_H

class Spravca;
struct Hra;

// Briefing, mission 1, briefing, shop, briefing, mission 2, briefing, shop.
void hraj_misie(Spravca &svet, Hra &hra);

// One shop visit: the player's money and stocks go in, the shop's result comes back.
void navsteva_obchodu(Spravca &svet);

#endif
