#include "game/udalosti.h"

#include <allegro.h>

#include "game/budik.h"
#include "game/odchod.h"
#include "game/pauza.h"

// Presses only: a release comes with the top bit set.
static void klavesa(int scancode)
{
    if (scancode == KEY_ESC)
        ziadaj_odchod(ODCHOD_ESC);
    else if (scancode == KEY_P)
        stlacene_p();
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
