#include "simulation/combat.h"

#include <cmath>

#include "objects/ponorka.h"
#include "world/spravca.h"

double vzdialPokus(double x1, double y1, double x2, double y2)
{
    return sqrt((x1 - x2) * (x1 - x2) + (y1 - y2) * (y1 - y2));
}

static void navnady(Spravca &world)
{
    for (Objekt *d = world.GetZacStrela2(); d != nullptr; d = d->GetDalsia()) {
        if (skoncil(d)) {
            world.Uber(TYP_STRELA2, d);
            return;
        }
    }
}

// The hull is in reach within 50 of its centre, and is hit within 15 of the
// centre, the fore point or the aft point.
static bool zasah_trupu(Ponorka &hrac, Objekt *t)
{
    double px = hrac.GetPx();
    double py = hrac.GetPy();
    double vx = hrac.GetVx();
    double vy = hrac.GetVy();
    double tx = t->GetPx();
    double ty = t->GetPy();
    double d = vzdialPokus(tx, ty, px - 50, py);
    if (d < 50) {
        if (d < 15)
            return true;
        if (vzdialPokus(tx, ty, (px - 50 + vx) / 2, (py + vy) / 2) < 15)
            return true;
        // Not the blast's aft point (3 * px - 150 - vx): the other order rounds differently.
        if (vzdialPokus(tx, ty, (3 * px - vx - 150) / 2, (3 * py - vy) / 2) < 15)
            return true;
    }
    return false;
}

static void nepriatelske_torpeda(Spravca &world)
{
    for (Objekt *t = world.GetZacStrela3(); t != nullptr; t = t->GetDalsia()) {
        if (skoncil(t)) {
            world.Uber(TYP_STRELA3, t);
            return;
        }
        for (Objekt *d = world.GetZacStrela2(); d != nullptr; d = d->GetDalsia()) {
            if (vzdialPokus(t->GetPx(), t->GetPy(), d->GetPx(), d->GetPy()) < 8) {
                // The torpedo's blast goes off first, then the decoy's.
                world.Uber(TYP_STRELA3, t);
                world.Uber(TYP_STRELA2, d);
                return;
            }
        }
        if (zasah_trupu(world.GetHrac(), t)) {
            world.Uber(TYP_STRELA3, t);
            return;
        }
    }
}

static void vybuchy(Spravca &world)
{
    for (Objekt *v = world.GetZacVybuch1(); v != nullptr; v = v->GetDalsia()) {
        if (v->GetHealth() <= 0) {
            world.Uber(TYP_VYBUCH1, v);
            return;
        }
    }
}

// Sunk enemies go (one per step); the rest fire when their reload has run down.
static void nepriatelia(Spravca &world)
{
    for (Objekt *e = world.GetZacNepr1(); e != nullptr; e = e->GetDalsia()) {
        if (e->GetHealth() <= 0) {
            world.Uber(TYP_NEPR1, e);
            return;
        }
        if (e->GetPrebijanie() >= e->GetReload()) {
            e->SetPrebijanie(0);
            world.Pridaj(TYP_STRELA3, e->GetPx() + smer_x(e->GetUhol()) * 25, e->GetPy() + smer_y(e->GetUhol()) * 25,
                         0.3, 0.3, e->GetUhol(), 1000, 1000, 0.5, 40);
        }
    }
}

// A torpedo near an enemy is removed; its blast is what does the damage.
static void torpeda_hraca(Spravca &world)
{
    for (Objekt *t = world.GetZacStrela1(); t != nullptr; t = t->GetDalsia()) {
        if (skoncil(t)) {
            world.Uber(TYP_STRELA1, t);
            return;
        }
        for (Objekt *e = world.GetZacNepr1(); e != nullptr; e = e->GetDalsia()) {
            if (vzdialPokus(t->GetPx(), t->GetPy(), e->GetPx(), e->GetPy()) < 18) {
                world.Uber(TYP_STRELA1, t);
                return;
            }
        }
    }
}

void resolve_combat(Spravca &world)
{
    navnady(world);
    nepriatelske_torpeda(world);
    vybuchy(world);
    nepriatelia(world);
    torpeda_hraca(world);
}
