#ifndef PONORKA_KLAVESY_HRY_H
#define PONORKA_KLAVESY_HRY_H

// The game's own keys, which act at once from the input callbacks rather than
// through a step's command: pause, the controls card and the screenshot. Each
// has up to two keyboard keys and two pad inputs, set from the player's
// bindings; Esc and Alt+Enter are fixed and handled by the keyboard callback
// itself.
enum KlavesaHry { HRA_PAUZA, HRA_KARTA, HRA_SNIMKA, KLAVESY_HRY };

// Allegro scancodes (0: none); by default P pauses and F1 opens the card.
void nastav_klavesy_hry(KlavesaHry k, int klavesa1, int klavesa2);
// Pad inputs (platform/gamepad.h codes; none by default).
void nastav_vstupy_hry(KlavesaHry k, int vstup1, int vstup2);

bool je_klavesa_hry(KlavesaHry k, int scancode);
int vstup_hry(KlavesaHry k, int i);

// A press of a game key, from either callback: pauses, asks for the card or
// for a screenshot. While the card is open only its own key counts (it closes
// the card).
void stlacena_klavesa_hry(KlavesaHry k);

// While a demo plays, its keys are taken in on the main thread between steps:
// the keyboard callback keeps every fresh press (the last 32) when asked to.
// A pad input's press is kept as STLACENY_VSTUP plus the input.
const int STLACENY_VSTUP = 0x10000;
void zbieraj_stlacenia(bool ano);
void stlacena_klavesa(int scancode);
// The oldest press not yet taken, or 0.
int dalsia_stlacena();

// Alt+Enter: a switch between the window and full screen is asked for.
void stlaceny_alt_enter();

// The screenshot and the switch are made by the main thread where it shows
// the picture; these take a request (true once per press) or look at them.
bool ziadost_snimky();
bool ziadost_prepnutia();
bool obraz_ziadany();

#endif
