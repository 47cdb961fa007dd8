#include "simulation/fire_control.h"

#include <allegro.h>

#include "objects/ponorka.h"
#include "objects/povel.h"
#include "world/spravca.h"

// Weapon slots of the player's boat.
enum { SLOT_TORPEDO_LAST = 3, SLOT_NAVNADA = 4, SLOT_RAD_VYBUCHOV = 5, SLOT_VELKY_VYBUCH = 6, SLOT_GULOMET = 7 };

// Torpedo: the first tube that is exactly full fires, and only one per step.
static void vystrel_torpedo(Spravca &world, Ponorka &hrac)
{
    if (hrac.GetTorpedo() > 0 && hrac.GetPrebijanie() >= hrac.GetReload()) {
        for (int i = 0; i <= SLOT_TORPEDO_LAST; i++) {
            if (hrac.GetNabijanie(i) == hrac.GetPrebi(i)) {
                hrac.SetNabijanie(i, 0);
                hrac.SetTorpedo(hrac.GetTorpedo() - 1);
                world.Pridaj(TYP_STRELA1, hrac.GetVx(), hrac.GetVy(), hrac.GetSpeed(), hrac.GetMax_speed() * 1.2,
                             hrac.GetUhol(), 1000, 1000, 0.4, 50);
                hrac.SetPrebijanie(0);
                break;
            }
        }
    }
}

static void vystrel_gulomet(Spravca &world, Ponorka &hrac)
{
    if (hrac.GetNabijanie(SLOT_GULOMET) >= hrac.GetPrebi(SLOT_GULOMET)) {
        world.Pridaj(TYP_STRELA4, hrac.GetVx(), hrac.GetVy(), hrac.GetSpeed(), hrac.GetMax_speed(), hrac.GetUhol(), 300,
                     300, 0, 20);
        hrac.SetNabijanie(SLOT_GULOMET, 0);
    }
}

// The decoy leaves from the stern: the bow point mirrored through the hull centre.
static void vypusti_navnadu(Spravca &world, Ponorka &hrac)
{
    if (hrac.GetNabijanie(SLOT_NAVNADA) >= hrac.GetPrebi(SLOT_NAVNADA) && hrac.GetNavnada() > 0) {
        hrac.SetNabijanie(SLOT_NAVNADA, 0);
        hrac.SetNavnada(hrac.GetNavnada() - 1);
        world.Pridaj(TYP_STRELA2, 2 * hrac.GetPx() - hrac.GetVx() - 100, 2 * hrac.GetPy() - hrac.GetVy(),
                     hrac.GetSpeed(), hrac.GetSpeed(), hrac.GetUhol(), 1500, 1500, 0, 1);
    }
}

// Eighteen explosions on the heading line, 100 to 950 pixels ahead of the bow.
static void rad_vybuchov(Spravca &world, Ponorka &hrac)
{
    if (hrac.GetNabijanie(SLOT_RAD_VYBUCHOV) >= hrac.GetPrebi(SLOT_RAD_VYBUCHOV)) {
        hrac.SetNabijanie(SLOT_RAD_VYBUCHOV, 0);
        for (int k = 2; k < 20; k++) {
            world.Pridaj(TYP_VYBUCH1, hrac.GetVx() + smer_x(hrac.GetUhol()) * (50 * k),
                         hrac.GetVy() + smer_y(hrac.GetUhol()) * (50 * k), 0, 0, 0, 75, 75, 0, 0);
        }
    }
}

// One large blast in the middle of the view.
static void velky_vybuch(Spravca &world, Ponorka &hrac)
{
    if (hrac.GetNabijanie(SLOT_VELKY_VYBUCH) >= hrac.GetPrebi(SLOT_VELKY_VYBUCH)) {
        hrac.SetNabijanie(SLOT_VELKY_VYBUCH, 0);
        world.Pridaj(TYP_VYBUCH1, 512, 384, 0, 0, 0, 400, 400, 0, 0);
    }
}

void fire_control(Spravca &world)
{
    // The buffer is never read, so after the first key of the run this stays open.
    if (!buffer_klavesnice())
        return;
    Ponorka &hrac = world.GetHrac();
    if (drzi_klavesu(KEY_F))
        vystrel_torpedo(world, hrac);
    if (drzi_klavesu(KEY_C))
        vystrel_gulomet(world, hrac);
    if (drzi_klavesu(KEY_X))
        vypusti_navnadu(world, hrac);
    if (drzi_klavesu(KEY_R))
        rad_vybuchov(world, hrac);
    if (drzi_klavesu(KEY_E))
        velky_vybuch(world, hrac);
}
