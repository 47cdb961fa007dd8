#include "platform/udalosti.h"

#include <atomic>

#include <allegro.h>

#include "platform/budik.h"
#include "platform/klavesy_hry.h"
#include "platform/odchod.h"
#include "platform/ziadost_karty.h"
#include "platform/ziadost_pauzy.h"

// A held key repeats its press (with the desktop's auto-repeat) and no release
// comes between: only the press after a release counts.
static std::atomic<bool> dole[KEY_MAX];

// A release comes with the top bit set.
static void klavesa(int scancode)
{
    bool pustena = (scancode & 0x80) != 0;
    int kod = scancode & 0x7f;
    bool opakovanie = !pustena && dole[kod];
    dole[kod] = !pustena;
    // Alt+Enter switches on every screen, the card's too, and is no Enter there.
    bool alt = dole[KEY_ALT] || dole[KEY_ALTGR];
    if (alt && (kod == KEY_ENTER || kod == KEY_ENTER_PAD)) {
        if (!pustena && !opakovanie)
            stlaceny_alt_enter();
    } else if (karta_otvorena()) {
        // The open card takes every key, Esc too.
        if (!pustena)
            klavesa_pre_kartu(kod, opakovanie);
    } else if (kod == KEY_ESC && !pustena) {
        ziadaj_odchod(ODCHOD_ESC);
    } else if (!pustena && !opakovanie) {
        stlacena_klavesa(kod);
        if (je_klavesa_hry(HRA_PAUZA, kod))
            stlacena_klavesa_hry(HRA_PAUZA);
        else if (je_klavesa_hry(HRA_KARTA, kod))
            stlacena_klavesa_hry(HRA_KARTA);
        else if (je_klavesa_hry(HRA_SNIMKA, kod))
            stlacena_klavesa_hry(HRA_SNIMKA);
    }
    zobud();
}
END_OF_STATIC_FUNCTION(klavesa)

static void mys(int)
{
    zobud();
}
END_OF_STATIC_FUNCTION(mys)

static void zatvor_okno()
{
    ziadaj_odchod(ODCHOD_OKNO);
}

static void fokus_dnu()
{
    fokus_okna(true);
}

static void fokus_von()
{
    // The library lets go of every key when the focus goes.
    for (std::atomic<bool> &d : dole)
        d = false;
    fokus_okna(false);
}

void sleduj_udalosti()
{
    LOCK_FUNCTION(klavesa);
    LOCK_FUNCTION(mys);
    keyboard_lowlevel_callback = klavesa;
    mouse_callback = mys;
    set_close_button_callback(zatvor_okno);
    // A full screen that cannot switch away refuses these; nothing to pause for then.
    set_display_switch_callback(SWITCH_IN, fokus_dnu);
    set_display_switch_callback(SWITCH_OUT, fokus_von);
}

void prestan_sledovat_prepnutie()
{
    remove_display_switch_callback(fokus_dnu);
    remove_display_switch_callback(fokus_von);
}
