#include "platform/ziadost_pauzy.h"

#include <atomic>

#include "platform/budik.h"

static std::atomic<int> stlacenia_p{0};
static std::atomic<bool> bez_fokusu{false};

// Main thread only: what pauza_ziadana last took in.
static int videne_p = 0;
static bool videne_bez_fokusu = false;
static bool pauza_klavesou = false;

void stlacene_p()
{
    stlacenia_p++;
    zobud();
}

void fokus_okna(bool ma)
{
    bez_fokusu = !ma;
    zobud();
}

void zabudni_p()
{
    videne_p = stlacenia_p;
}

bool pauza_ziadana()
{
    int n = stlacenia_p;
    // Every press toggles; two within one step cancel out.
    if ((n - videne_p) % 2 != 0)
        pauza_klavesou = !pauza_klavesou;
    videne_p = n;
    videne_bez_fokusu = bez_fokusu;
    return pauza_klavesou || videne_bez_fokusu;
}

bool pauza_sa_zmenila()
{
    return stlacenia_p != videne_p || bez_fokusu != videne_bez_fokusu;
}
