#include "platform/udalosti.h"

#include <atomic>

#include <allegro.h>

#include "platform/budik.h"
#include "platform/odchod.h"
#include "platform/ziadost_pauzy.h"

// A held key repeats its press (with the desktop's auto-repeat) and no release
// comes between: only the press after a release counts.
static std::atomic<bool> p_dole{false};

// A release comes with the top bit set.
static void klavesa(int scancode)
{
    bool pustena = (scancode & 0x80) != 0;
    int kod = scancode & 0x7f;
    if (kod == KEY_ESC && !pustena) {
        ziadaj_odchod(ODCHOD_ESC);
    } else if (kod == KEY_P) {
        if (!pustena && !p_dole)
            stlacene_p();
        p_dole = !pustena;
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
    p_dole = false;
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
