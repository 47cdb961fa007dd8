#ifndef PONORKA_WAVES_H
#define PONORKA_WAVES_H

class Spravca;

// Adds the enemy submarines of mission 1 or 2, in the order of the wave table.
void spawn_mission(Spravca &svet, int mission);

#endif
