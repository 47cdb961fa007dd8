#ifndef PONORKA_KONTROLNY_SUCET_H
#define PONORKA_KONTROLNY_SUCET_H

#include <cstdint>
#include <string>

class Spravca;

// A 64-bit digest of the simulation state: every field of the player's boat,
// then each of the six lists (enemies, explosions, player torpedoes, decoys,
// enemy torpedoes, gun bullets) with its length and every field of each of
// its objects, in list order. Doubles go in by their bits, all values in a
// fixed byte order; links, sprites and drawing targets are left out, so two
// runs that play the same give the same sum whatever their addresses.
uint64_t kontrolny_sucet(Spravca &svet);

// The sum as the demo writes it: 16 lower-case hexadecimal digits.
std::string sucet_na_text(uint64_t sucet);
// Reads exactly 16 hexadecimal digits; false for anything else.
bool sucet_z_textu(const char *text, size_t dlzka, uint64_t &sucet);

#endif
