#include "platform/ziadost_karty.h"

#include <atomic>

#include "platform/budik.h"

static std::atomic<int> stlacenia{0};
static int videne = 0;  // main thread only
static std::atomic<bool> otvorena{false};

// Presses for the open card: written by the keyboard thread, read by the main
// thread. A full queue drops the press; the player presses again.
const int DLZKA_RADU = 32;
static std::atomic<int> rad[DLZKA_RADU];
static std::atomic<unsigned> zapisane{0};
static std::atomic<unsigned> precitane{0};

void stlacena_karta()
{
    stlacenia++;
    zobud();
}

bool karta_caka()
{
    return stlacenia != videne;
}

bool ziadost_karty()
{
    int n = stlacenia;
    bool bola = n != videne;
    videne = n;
    return bola;
}

void otvor_kartu(bool o)
{
    precitane = zapisane.load();
    otvorena = o;
}

bool karta_otvorena()
{
    return otvorena;
}

void klavesa_pre_kartu(int scancode, bool opakovanie)
{
    if (opakovanie)
        scancode |= OPAKOVANIE_KLAVESY;
    unsigned z = zapisane;
    if (z - precitane >= (unsigned)DLZKA_RADU)
        return;
    rad[z % DLZKA_RADU] = scancode;
    zapisane = z + 1;
    zobud();
}

int dalsia_klavesa_karty()
{
    unsigned p = precitane;
    if (p == zapisane)
        return 0;
    int k = rad[p % DLZKA_RADU];
    precitane = p + 1;
    return k;
}

bool klavesy_karty_cakaju()
{
    return precitane != zapisane;
}
