#ifndef PONORKA_PONORKA_H
#define PONORKA_PONORKA_H

#include "objects/objekt.h"

// Number of weapon slots: four torpedo tubes, decoy launcher, blast line,
// large blast and gun.
#define PONORKA_SLOTY 8

// Phases of the about-turn, the values of Max_obrat.
enum FazaObratu {
    OBRAT_ZIADNY = 0,           // not turning
    OBRAT_DOLAVA = 1,           // right to left, first half
    OBRAT_DOPRAVA = 2,          // left to right, first half
    OBRAT_DOLAVA_DOKONCI = 3,   // right to left, second half
    OBRAT_DOPRAVA_DOKONCI = 4,  // left to right, second half
};

// The player's submarine. Held by value in the world manager, never listed.
class Ponorka : public Objekt {
protected:
    int Torpedo;
    int Navnada;
    int Money;
    double Max_obrat;
    double Obrat;
    double Horedole;
    double Vx;
    double Vy;
    int Nabijanie[PONORKA_SLOTY];
    int Prebi[PONORKA_SLOTY];

    void Nastav_pridu();

public:
    Ponorka();
    ~Ponorka();
    // Owns its sprite; a copy would release it twice.
    Ponorka(const Ponorka &) = delete;
    Ponorka &operator=(const Ponorka &) = delete;

    void Ovladanie();
    void Maxspeed();
    void Nakresli() override;

    int GetTorpedo() const { return Torpedo; }
    void SetTorpedo(int v) { Torpedo = v; }
    int GetNavnada() const { return Navnada; }
    void SetNavnada(int v) { Navnada = v; }
    int GetMoney() const { return Money; }
    void SetMoney(int v) { Money = v; }
    double GetMax_obrat() const { return Max_obrat; }
    void SetMax_obrat(double v) { Max_obrat = v; }
    double GetObrat() const { return Obrat; }
    void SetObrat(double v) { Obrat = v; }
    double GetHoredole() const { return Horedole; }
    void SetHoredole(double v) { Horedole = v; }
    double GetVx() const { return Vx; }
    void SetVx(double v) { Vx = v; }
    double GetVy() const { return Vy; }
    void SetVy(double v) { Vy = v; }
    // Slots are 0 to 7.
    int GetNabijanie(int slot) const { return Nabijanie[slot]; }
    void SetNabijanie(int slot, int v) { Nabijanie[slot] = v; }
    int GetPrebi(int slot) const { return Prebi[slot]; }
};

#endif
