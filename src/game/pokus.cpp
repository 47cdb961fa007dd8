#include "game/pokus.h"

#include <cstdio>

int kedy_vykresli = 1;
int width = 1024;
int height = 768;
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

void print_summary(int kroky, int ido_ms, int health)
{
    printf("P_VYPOCET = %d \nCAS = %d \nCAS_NA_VYPOCET %f \n VYPOCET/SEK = %f\nFPS = %f \nHealth = %d", kroky,
           ido_ms, (double)ido_ms / kroky, (double)kroky / ido_ms * 1000, (double)(kroky / 3) / (ido_ms / 1000),
           health);
}
