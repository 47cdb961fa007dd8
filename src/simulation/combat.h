#ifndef PONORKA_COMBAT_H
#define PONORKA_COMBAT_H

class Spravca;

// Euclidean distance of two points. Same formula as vzdialSpravca: the frame
// loop and the world manager each keep their own under its own name.
double vzdialPokus(double x1, double y1, double x2, double y2);

// Walks the lists once: hits, expiries, enemy fire, sunk enemies.
void resolve_combat(Spravca &world);

#endif
