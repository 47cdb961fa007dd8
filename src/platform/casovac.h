#ifndef PONORKA_CASOVAC_H
#define PONORKA_CASOVAC_H

#include <atomic>

#include <allegro.h>

// Counters and flags the timer callbacks change on Allegro's timer thread.
// They are atomic, and every wait reads them afresh on each pass.
extern std::atomic<int> ido;           // game-timer ticks (ms) since start-up
extern std::atomic<int> timer;         // delay counter of pockaj
extern std::atomic<int> ms;            // briefing ticks, 8 ms each
extern std::atomic<bool> mozme_kupit;  // the shop may accept the next purchase

// Game timer callback, 1 ms period; wakes pockaj on the tick it waits for.
void dalsia();
// Installs dalsia and starts counting ido from 0.
void spusti_casovac();
// Waits n game-timer ticks, asleep: returns on the n-th tick after it began.
void pockaj(int n);
// Ticks pockaj waits after a drawing step at the given screen width.
int pockaj_ticks(int screen_w);

// The screens' own timer callbacks need Allegro's timer thread. The headless
// system driver has none (installing a callback there crashes inside Allegro),
// so the screens skip their callbacks when running without one.
inline bool casovac_k_dispozicii()
{
    return system_driver != nullptr && system_driver->id != SYSTEM_NONE;
}

#endif
