#ifndef PONORKA_ZIADOST_KARTY_H
#define PONORKA_ZIADOST_KARTY_H

// The controls card (screens/karta.h) is asked for by its key, counted by the
// input callbacks as P is. While it is open it takes every key press itself,
// Esc included: the keyboard callback queues them here instead of acting.

// A press of the card's key; from the callbacks, only counts and wakes.
void stlacena_karta();
// Whether a press came that has not been taken in yet (does not take it).
bool karta_caka();
// Takes the presses in: true when one came since the last time.
bool ziadost_karty();

// The card opens (true) or closes (false): the queue starts empty.
void otvor_kartu(bool otvorena);
bool karta_otvorena();

// A key press while the card is open; from the keyboard callback.
// `opakovanie`: the desktop's auto-repeat of a key held down.
void klavesa_pre_kartu(int scancode, bool opakovanie);
// The next queued press, or 0 when there is none; OPAKOVANIE_KLAVESY is
// added to a repeat. Main thread only.
const int OPAKOVANIE_KLAVESY = 0x100;
int dalsia_klavesa_karty();
// Whether a press waits in the queue.
bool klavesy_karty_cakaju();

#endif
