#ifndef PONORKA_STRELA_H
#define PONORKA_STRELA_H

#include "objects/objekt.h"

// The player's homing torpedo.
class Strela1 : public Objekt {
public:
    Strela1();
    void Nakresli() override;
};

// Decoy: a fading disc without a sprite, slowing down as it ages.
class Strela2 : public Objekt {
public:
    Strela2();
    void Nakresli() override;
};

// Enemy torpedo: homes on the nearest decoy or on the player.
class Strela3 : public Objekt {
public:
    Strela3();
    void Nakresli() override;
};

// Gun bullet.
class Strela4 : public Objekt {
public:
    Strela4();
    void Nakresli() override;
};

#endif
