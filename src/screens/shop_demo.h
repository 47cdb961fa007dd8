#ifndef PONORKA_SHOP_DEMO_H
#define PONORKA_SHOP_DEMO_H

#include <vector>

#include "screens/shop_pass.h"
#include "simulation/missions.h"

// The pointer of a shop visit played back from a demo: it glides onto each
// item in turn and clicks it, two purchases a second, then onto CONTINUE and
// clicks that. Each click holds the button down for exactly one pass and lets
// it up in the next, so the shop's gate opens between two purchases and never
// lets one click buy twice.
class KurzorDema {
public:
    KurzorDema(const ObchodRozmery &rozmery, const std::vector<Polozka> &predpis, int x, int y);

    // The pointer for a pass `t` milliseconds after the shop opened.
    void pass(int t, int &x, int &y, bool &tlacidlo);

    // Milliseconds each purchase takes, and of that the glide onto the item.
    static const int NA_NAKUP = 500;
    static const int PRESUN = 350;

private:
    struct Bod {
        int x, y;
    };
    Bod ciel(size_t k) const;

    ObchodRozmery r;
    std::vector<Polozka> nakupy;
    Bod zaciatok;
    size_t kliknute = 0;  // clicks made; the last one is on CONTINUE
    bool pustit = false;  // the button goes up in this pass
    Bod kde;
};

#endif
