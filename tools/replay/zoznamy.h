#ifndef PONORKA_REPLAY_ZOZNAMY_H
#define PONORKA_REPLAY_ZOZNAMY_H

#include <string>

class Spravca;

// Checks the six object lists of the world manager: head and tail both set or
// both null, no link before the head or after the tail, every back link the
// mirror of the forward link, the tail reached from the head, and only objects
// of the list's own class in it. Returns an empty string when all hold, else
// what is broken, naming the list and the position.
std::string chyby_zoznamov(const Spravca &svet);

#endif
