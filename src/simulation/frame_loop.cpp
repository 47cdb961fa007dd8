#include "simulation/frame_loop.h"

#include "display/obraz.h"
#include "display/zmeny.h"
#include "objects/povel.h"
#include "platform/casovac.h"
#include "platform/rozlisenie.h"
#include "simulation/combat.h"
#include "simulation/fire_control.h"
#include "simulation/status_bar.h"
#include "world/spravca.h"

int kedy_vykresli = 1;

int ukazovatel(int hodnota, int plna)
{
    return (int)((double)hodnota / plna * 100);
}

static int naboj(const Ponorka &hrac, int slot)
{
    return ukazovatel(hrac.GetNabijanie(slot), hrac.GetPrebi(slot));
}

void frame_step(Spravca &svet, Hra &hra, const Povel &povel)
{
    // The whole step sees this one command, however the keyboard changes meanwhile.
    nastav_povel(&povel);
    fire_control(svet);
    resolve_combat(svet);
    if (kedy_vykresli == 3)
        blit(hra.pozadie, svet.GetSvet(), 0, 0, 0, 0, 1024, 768);
    svet.Krok();
    if (kedy_vykresli == 3) {
        // The screen gets the bar drawn on the previous drawing step.
        kopiruj_zmeny(hra.stavovy_riadok, screen, 0, 0, 0, vyska_obrazu() * 9 / 10, sirka_obrazu(),
                      (int)((long double)vyska_obrazu() / 10.0));
        // The frame is whole: the real screen gets it (nothing to do at the picture's own size).
        prezentuj();

        Ponorka &hrac = svet.GetHrac();
        int zdravie = ukazovatel(hrac.GetHealth(), hrac.GetMax_health());
        drawStatusBar(hra.stavovy_riadok, hra.pismo, zdravie, naboj(hrac, 4), naboj(hrac, 0), naboj(hrac, 1),
                      naboj(hrac, 2), naboj(hrac, 3), hrac.GetTorpedo(), hrac.GetNavnada(), hra.kroky / 100,
                      hrac.GetMoney(), true, makecol(255, 255, 0), makecol(128, 128, 128));
        kedy_vykresli = 0;
        // A scaled screen's presentation counts towards the wait.
        if (!hra.bez_cakania)
            pockaj(MAX(0, pockaj_ticks(sirka_obrazu()) - cas_prezentacie()));
    }
    kedy_vykresli++;
    hra.kroky++;
    nastav_povel(nullptr);
}

void frame_step(Spravca &svet, Hra &hra)
{
    frame_step(svet, hra, povel_z_allegra());
}
