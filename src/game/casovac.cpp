#include "game/casovac.h"

std::atomic<int> ido{0};
std::atomic<int> timer{0};
std::atomic<int> ms{0};
std::atomic<bool> mozme_kupit{true};

void dalsia()
{
    ido++;
    timer++;
}
END_OF_FUNCTION(dalsia)

void spusti_casovac()
{
    LOCK_VARIABLE(ido);
    LOCK_VARIABLE(timer);
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
    // Re-read the counter on every pass; yield so the display server keeps up.
    while (timer < n)
        rest(0);
}
