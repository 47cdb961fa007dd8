#ifndef PONORKA_WAVES_H
#define PONORKA_WAVES_H

#include <vector>

#include "simulation/kampan.h"

class Spravca;

// Adds a mission's enemy submarines in the order of its wave. Only enemies:
// the type code is always the enemy's, whatever the campaign says.
void pridaj_vlnu(Spravca &svet, const std::vector<NepriatelKampane> &vlna);

// Adds the enemy submarines of the built-in campaign's mission 1 or 2.
void spawn_mission(Spravca &svet, int mission);

#endif
