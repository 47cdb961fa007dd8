#ifndef PONORKA_MISSIONS_H
#define PONORKA_MISSIONS_H

#include <vector>

#include "simulation/kampan.h"

class Spravca;
struct Hra;
struct Povel;

// The two things the shop sells.
enum Polozka { POLOZKA_TORPEDO, POLOZKA_NAVNADA };

// Told of every purchase the shop accepts, in order; a refused click tells nothing.
class PozorovatelNakupu {
public:
    virtual ~PozorovatelNakupu() = default;
    virtual void kupene(Polozka p) = 0;
};

// What a shop visit works on: the player's money and stocks and the prices.
struct Nakup {
    int peniaze;
    int torpeda;
    int navnady;
    int cena_torpeda;
    int cena_navnady;
    // Told of each accepted purchase when set (a demo being recorded).
    PozorovatelNakupu *pozorovatel = nullptr;
    // When set, the purchases to make instead of the player's (a demo played
    // back on screen); the shop shows them being made, then leaves.
    const std::vector<Polozka> *predpis = nullptr;
};

// What the game, the replay tool and demo playback do differently around the
// one mission flow: where each step's command comes from, whether the
// screens are shown, what is recorded. Any hook returning false ends the run
// there (the player left, a step limit, a broken demo); the caller knows why.
class Priebeh {
public:
    virtual ~Priebeh() = default;
    // The command of the next step of mission `misia`, taken once before it.
    virtual bool povel(Spravca &svet, Hra &hra, int misia, Povel &p) = 0;
    // After each step; `kreslenie` tells whether it was a drawing step.
    virtual bool po_kroku(Spravca &svet, Hra &hra, int misia, bool kreslenie);
    // After a mission's last step.
    virtual bool po_misii(Spravca &svet, Hra &hra, int misia);
    // A briefing with its text colour and message.
    virtual bool briefing(Hra &hra, int farba, char *text) = 0;
    // A shop visit: purchases change the money and stocks in `n`.
    virtual bool obchod(Nakup &n) = 0;
};

// The boat as a game starts it.
void priprav_svet(Spravca &svet);

// The campaign's missions in order from `prva_misia` on, each its briefing,
// its wave and its steps, the second briefing and the shop when it has one.
// False when a hook ended the run.
bool hraj_kampan(Spravca &svet, Hra &hra, Priebeh &priebeh, const Kampan &kampan, int prva_misia = 1);

// The built-in campaign: briefing, mission 1, briefing, shop, briefing,
// mission 2, briefing, shop; from mission 2 on when `prva_misia` is 2.
bool hraj_misie(Spravca &svet, Hra &hra, Priebeh &priebeh, int prva_misia = 1);

// Frame steps until the enemy list is empty.
bool run_mission(Spravca &svet, Hra &hra, Priebeh &priebeh, int misia);

// One shop visit: the player's money and stocks go in, the shop's result comes back.
bool navsteva_obchodu(Spravca &svet, Priebeh &priebeh);
// The same at a campaign's prices.
bool navsteva_obchodu(Spravca &svet, Priebeh &priebeh, int cena_torpeda, int cena_navnady);

// One item bought when the money covers it, and the observer told; false and
// nothing changed otherwise.
bool kup_torpedo(Nakup &n);
bool kup_navnadu(Nakup &n);
bool kup(Nakup &n, Polozka p);

// The lines the shop prints for a purchase, with the new stock and money.
void vypis_nakup(Polozka p, int zasoba, int peniaze);

#endif
