#ifndef PONORKA_VYBUCH_H
#define PONORKA_VYBUCH_H

#include "objects/objekt.h"

// Explosion: a two-pixel ring growing to Max_health while Health counts down.
class Vybuch1 : public Objekt {
public:
    Vybuch1();
    void Nakresli() override;
};

#endif
