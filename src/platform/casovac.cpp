#include "platform/casovac.h"

#include <climits>

#include "platform/budik.h"

std::atomic<int> ido{0};
std::atomic<int> timer{0};
std::atomic<int> ms{0};
std::atomic<bool> mozme_kupit{true};

// The tick count pockaj waits for; none while nobody waits.
static std::atomic<int> ciel_pockaj{INT_MAX};

void dalsia()
{
    ido++;
    // Only the tick a wait is waiting for wakes the main thread.
    if (++timer >= ciel_pockaj)
        zobud();
}
END_OF_FUNCTION(dalsia)

void spusti_casovac()
{
    LOCK_VARIABLE(ido);
    LOCK_VARIABLE(timer);
    LOCK_VARIABLE(ciel_pockaj);
    LOCK_FUNCTION(dalsia);
    install_int(dalsia, 1);
    ido = 0;
}

int pockaj_ticks(int screen_w)
{
    switch (screen_w) {
    case 640:
        return 20;
    case 1024:
        return 15;
    case 1280:
        return 12;
    default:
        return 0;
    }
}

void pockaj(int n)
{
    timer = 0;
    ciel_pockaj = n;
    // Asleep until the n-th tick after the reset wakes it.
    cakaj_kym([n] { return timer >= n; });
    ciel_pockaj = INT_MAX;
}
