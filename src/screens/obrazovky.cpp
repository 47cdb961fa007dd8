#include "screens/obrazovky.h"

#include "objects/povel.h"
#include "platform/odchod.h"
#include "platform/ziadost_karty.h"
#include "platform/ziadost_pauzy.h"
#include "screens/briefing.h"
#include "screens/karta.h"
#include "screens/pauza.h"
#include "screens/povel_hraca.h"
#include "screens/shop.h"
#include "simulation/frame_loop.h"

bool HraNaObrazovke::povel(Spravca &, Hra &, int, Povel &p)
{
    // The card and a pause stand between two steps: the command is taken after them.
    if (!odchod_ziadany() && ziadost_karty())
        karta();
    if (!odchod_ziadany() && pauza_ziadana())
        pauza();
    if (odchod_ziadany())
        return false;
    p = povel_hraca();
    return true;
}

bool HraNaObrazovke::briefing(Hra &hra, int farba, char *text)
{
    ::briefing(hra.pismo_briefing, farba, text, prehravanie);
    zabudni_p();
    return !odchod_ziadany();
}

bool HraNaObrazovke::obchod(Nakup &n)
{
    shop(&n.peniaze, n.cena_torpeda, n.cena_navnady, 0, 0, &n.torpeda, &n.navnady, n.pozorovatel, n.predpis);
    zabudni_p();
    return !odchod_ziadany();
}
