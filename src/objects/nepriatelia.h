#ifndef PONORKA_NEPRIATELIA_H
#define PONORKA_NEPRIATELIA_H

#include "objects/objekt.h"

// Enemy submarine: steered from outside towards the player, drawn as a
// rotated left-facing sprite centred on (Px, Py).
class Nepr1 : public Objekt {
public:
    Nepr1();
    void Nakresli() override;
};

#endif
