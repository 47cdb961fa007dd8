#ifndef PONORKA_REPLAY_STOPA_H
#define PONORKA_REPLAY_STOPA_H

#include <cstdio>

class Spravca;

// Writes one trace line: the player's state and every listed object, as a
// JSON object. Doubles are printed so that they read back to the same bits.
void zapis_stopu(FILE *f, int misia, int krok, bool kreslenie, Spravca &svet);

#endif
