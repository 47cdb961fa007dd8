#include "platform/klavesy_hry.h"

#include <atomic>

#include <allegro.h>

#include "platform/budik.h"
#include "platform/ziadost_karty.h"
#include "platform/ziadost_pauzy.h"

// Read by the input threads, written by the main thread when the bindings change.
static std::atomic<int> klavesy[KLAVESY_HRY][2] = {{KEY_P, 0}, {KEY_F1, 0}, {KEY_F12, 0}};
static std::atomic<int> vstupy[KLAVESY_HRY][2] = {};

void nastav_klavesy_hry(KlavesaHry k, int klavesa1, int klavesa2)
{
    klavesy[k][0] = klavesa1;
    klavesy[k][1] = klavesa2;
}

void nastav_vstupy_hry(KlavesaHry k, int vstup1, int vstup2)
{
    vstupy[k][0] = vstup1;
    vstupy[k][1] = vstup2;
}

bool je_klavesa_hry(KlavesaHry k, int scancode)
{
    return scancode != 0 && (klavesy[k][0] == scancode || klavesy[k][1] == scancode);
}

int vstup_hry(KlavesaHry k, int i)
{
    return vstupy[k][i];
}

static std::atomic<int> snimky{0};
static std::atomic<int> prepnutia{0};

void stlacena_klavesa_hry(KlavesaHry k)
{
    if (k == HRA_SNIMKA) {
        snimky++;
        zobud();
    } else if (k == HRA_KARTA)
        stlacena_karta();
    else if (!karta_otvorena())
        stlacene_p();
}

// One writer (the keyboard thread), one reader (the main thread).
static const int STLACENI = 32;
static std::atomic<bool> zbierane{false};
static std::atomic<int> stlacene[STLACENI];
static std::atomic<unsigned> zapisane{0};
static unsigned precitane = 0;

void zbieraj_stlacenia(bool ano)
{
    zbierane = ano;
    precitane = zapisane;
}

void stlacena_klavesa(int scancode)
{
    if (!zbierane)
        return;
    unsigned n = zapisane;
    stlacene[n % STLACENI] = scancode;
    zapisane = n + 1;
}

int dalsia_stlacena()
{
    unsigned n = zapisane;
    if (n - precitane > (unsigned)STLACENI)
        precitane = n - STLACENI;
    if (precitane == n)
        return 0;
    return stlacene[precitane++ % STLACENI];
}

void stlaceny_alt_enter()
{
    prepnutia++;
    zobud();
}

static bool vezmi(std::atomic<int> &ziadosti)
{
    int n = ziadosti.load();
    while (n > 0)
        if (ziadosti.compare_exchange_weak(n, n - 1))
            return true;
    return false;
}

bool ziadost_snimky()
{
    return vezmi(snimky);
}

bool ziadost_prepnutia()
{
    return vezmi(prepnutia);
}

bool obraz_ziadany()
{
    return snimky > 0 || prepnutia > 0;
}
