#ifndef PONORKA_FIRE_CONTROL_H
#define PONORKA_FIRE_CONTROL_H

class Spravca;

// Launches whatever the held fire keys ask for and the charges allow.
void fire_control(Spravca &world);

#endif
