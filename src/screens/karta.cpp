#include "screens/karta.h"

#include <cstdio>

#include <allegro.h>

#include "display/obraz.h"
#include "display/zmeny.h"
#include "options/subor_nastaveni.h"
#include "platform/budik.h"
#include "platform/gamepad.h"
#include "platform/odchod.h"
#include "platform/rozlisenie.h"
#include "platform/ziadost_karty.h"
#include "screens/karta_kresba.h"
#include "screens/karta_stav.h"
#include "screens/povel_hraca.h"

// The pad inputs active in `teraz` and not in `pred`: the first of them, or 0.
static int novy_vstup(const StavPadu &pred, const StavPadu &teraz, int zona)
{
    for (int v = 1; v < VSTUP_OS + 2 * PAD_OSI; v++)
        if ((je_tlacidlo(v) || je_os(v)) && vstup_aktivny(teraz, v, zona) && !vstup_aktivny(pred, v, zona))
            return v;
    return 0;
}

void karta()
{
    KartaStav s;
    s.vazby = nastavenia.n.vazby;
    s.pad = pad_pripojeny();
    std::string pad = s.pad ? meno_padu() : "";
    int zona = nastavenia.n.mrtva_zona;

    // What the card covers comes back when it closes; it draws in a copy.
    BITMAP *pod = create_bitmap(sirka_obrazu(), vyska_obrazu());
    BITMAP *buffer = create_bitmap(sirka_obrazu(), vyska_obrazu());
    KartaPisma pisma = nacitaj_pisma_karty(vyska_obrazu());
    if (pod)
        blit(screen, pod, 0, 0, 0, 0, sirka_obrazu(), vyska_obrazu());

    otvor_kartu(true);
    ziadost_karty();
    StavPadu pred = stav_padu();
    while (!s.zatvorena && !odchod_ziadany()) {
        if (buffer && pod) {
            blit(pod, buffer, 0, 0, 0, 0, sirka_obrazu(), vyska_obrazu());
            nakresli_kartu(buffer, s, pisma, pad);
            kopiruj_zmeny(buffer, screen, 0, 0, 0, 0, sirka_obrazu(), vyska_obrazu());
            prezentuj();
        }
        cakaj_kym([&] {
            return klavesy_karty_cakaju() || karta_caka() || stav_padu() != pred || obraz_caka() || odchod_ziadany();
        });
        obsluz_obraz();
        for (int k; (k = dalsia_klavesa_karty()) != 0;)
            karta_klavesa(s, k);
        StavPadu teraz = stav_padu();
        int v = novy_vstup(pred, teraz, zona);
        pred = teraz;
        if (v)
            karta_vstup_padu(s, v);
        // The pad's card input closes it too; the keyboard's came through the queue.
        if (ziadost_karty() && !s.caka)
            s.zatvorena = true;
    }
    otvor_kartu(false);
    ziadost_karty();

    if (pod) {
        kopiruj_zmeny(pod, screen, 0, 0, 0, 0, sirka_obrazu(), vyska_obrazu());
        prezentuj();
    }
    uvolni_pisma_karty(pisma);
    if (buffer)
        destroy_bitmap(buffer);
    if (pod)
        destroy_bitmap(pod);

    zamkni_drzane();
    if (s.vazby != nastavenia.n.vazby) {
        nastavenia.n.vazby = s.vazby;
        pouzi_vazby();
        uloz_nastavenia_hry(stderr);
    }
}
