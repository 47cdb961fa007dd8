#include "game/obrazovky.h"

#include "game/briefing.h"
#include "game/frame_loop.h"
#include "game/shop.h"
#include "objects/povel.h"

bool HraNaObrazovke::povel(Spravca &, Hra &, int, Povel &p)
{
    p = povel_z_allegra();
    return true;
}

bool HraNaObrazovke::briefing(Hra &hra, int farba, char *text)
{
    ::briefing(hra.pismo_briefing, farba, text);
    return true;
}

bool HraNaObrazovke::obchod(Nakup &n)
{
    shop(&n.peniaze, n.cena_torpeda, n.cena_navnady, 0, 0, &n.torpeda, &n.navnady, n.pozorovatel);
    return true;
}
