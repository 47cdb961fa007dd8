#ifndef PONORKA_BENCH_ZATAZ_H
#define PONORKA_BENCH_ZATAZ_H

class Spravca;

// How many objects of each kind a benchmark world holds besides the player.
struct Zataz {
    int nepriatelia;   // enemy submarines (code 1)
    int torpeda;       // player torpedoes (50)
    int navnady;       // decoys (51)
    int nepr_torpeda;  // enemy torpedoes (52)
    int gulky;         // gun bullets (53)
    int vybuchy;       // explosions (200)

    int spolu() const { return nepriatelia + torpeda + navnady + nepr_torpeda + gulky + vybuchy; }
};

// The mission-2 fleet in mid-battle with 100 projectiles in the water:
// 20 player torpedoes, 10 decoys, 20 enemy torpedoes, 50 bullets, 5 explosions.
Zataz zataz_flotila2();

// n listed objects in the proportions of zataz_flotila2, fleet included: every
// kind grows with n, so the searches (torpedo x enemy, bullet x enemy,
// enemy torpedo x decoy) grow with n squared.
Zataz zataz_umerna(int n);

// The five-boat fleet and its ten decoys, and n - 15 projectiles and
// explosions in the proportions of zataz_flotila2: the lists grow, the lists
// searched do not, so a step grows linearly with n.
Zataz zataz_flotila_a(int n);

// Fills the world with the load, spawned through Spravca::Pridaj with the
// values the game's fire control and enemies use, at fixed pseudo-random
// places inside the visible part of the sea. The player stays where the game
// starts it. The same load always gives the same world.
void napln_svet(Spravca &svet, const Zataz &z);

#endif
