#ifndef PONORKA_GAMEPAD_H
#define PONORKA_GAMEPAD_H

#include <string>

// The first gamepad Allegro's joystick routines find. A timer callback polls
// it and publishes its state; the main thread reads that state when it takes
// a step's command. No pad, or a driver that fails, is silent: the state then
// stays at rest.

const int PAD_TLACIDLA = 32;  // buttons (Allegro's MAX_JOYSTICK_BUTTONS)
const int PAD_OSI = 16;       // axes, every stick's in turn (Allegro has at most 5 x 3)

// The pad as it is now: buttons held, each axis from -128 to 128.
struct StavPadu {
    unsigned tlacidla = 0;  // bit b: button b held
    int os[PAD_OSI] = {};

    bool operator==(const StavPadu &s) const;
    bool operator!=(const StavPadu &s) const { return !(*this == s); }
};

// One input of the pad as a binding names it: nothing, a button, or an axis
// pushed to one side past the dead zone. Codes: 0 nothing, 1 + b button b,
// VSTUP_OS + 2a axis a to the minus side, VSTUP_OS + 2a + 1 to the plus side.
const int VSTUP_ZIADNY = 0;
const int VSTUP_OS = 64;
inline int vstup_tlacidla(int b)
{
    return 1 + b;
}
inline int vstup_osi(int a, bool plus)
{
    return VSTUP_OS + 2 * a + (plus ? 1 : 0);
}
inline bool je_tlacidlo(int v)
{
    return v >= 1 && v <= PAD_TLACIDLA;
}
inline bool je_os(int v)
{
    return v >= VSTUP_OS && v < VSTUP_OS + 2 * PAD_OSI;
}

// Whether input `v` is active in state `s`: a button held, an axis further
// than `mrtva_zona` (0..127) from the centre on its side.
bool vstup_aktivny(const StavPadu &s, int v, int mrtva_zona);

// Starts Allegro's joystick driver and takes the first pad. Call after the
// timer and the keyboard are up. False, silently, when there is none.
bool spusti_pad();
// Stops polling; the driver itself goes with Allegro.
void zastav_pad();
bool pad_pripojeny();
// The pad's name as the system gives it, or a plain description.
const std::string &meno_padu();

// The last state polled (all at rest without a pad).
StavPadu stav_padu();

// The axis dead zone the polling and the bindings use, 0..127.
void nastav_mrtvu_zonu(int zona);
int mrtva_zona();

// Reads Allegro's joy[0] into a state (the sticks' axes in turn); for the
// polling callback and for tests that fill joy[] by hand.
StavPadu stav_z_allegra();

#endif
