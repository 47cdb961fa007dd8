#include "game/pokus.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include <allegro.h>

#include "game/assets.h"
#include "game/casovac.h"
#include "game/frame_loop.h"
#include "game/missions.h"
#include "game/more.h"
#include "game/obrazovky.h"
#include "game/rozlisenie.h"
#include "game/volby.h"
#include "text/alfont.h"
#include "world/spravca.h"

void print_summary(int kroky, int ido_ms, int health)
{
    printf("P_VYPOCET = %d \nCAS = %d \nCAS_NA_VYPOCET %f \n VYPOCET/SEK = %f\nFPS = %f \nHealth = %d", kroky,
           ido_ms, (double)ido_ms / kroky, (double)kroky / ido_ms * 1000, (double)(kroky / 3) / (ido_ms / 1000),
           health);
}

// Full screen as intended; a desktop that cannot switch modes still gets a window, and
// --windowed asks for the window alone.
static bool nastav_grafiku()
{
    set_color_depth(16);
    if (!volby.okno && set_gfx_mode(GFX_AUTODETECT_FULLSCREEN, width, height, 0, 0) == 0)
        return true;
    return set_gfx_mode(GFX_AUTODETECT_WINDOWED, width, height, 0, 0) == 0;
}

static int bez_grafiky(bool system_bezi)
{
    if (!allegro_error[0])
        ustrzcpy(allegro_error, ALLEGRO_ERROR_SIZE, "No display available (is DISPLAY set?)");
    // Without a system driver even the text mode call would crash.
    if (system_bezi)
        set_gfx_mode(GFX_TEXT, 0, 0, 0, 0);
    allegro_message("Nemozem nastartovat grafiku\n%s\n", allegro_error);
    return 1;
}

// The world and everything drawn around it; the world goes last, when the routine returns.
static int hraj()
{
    Spravca svet;
    priprav_svet(svet);

    Hra hra;
    hra.kroky = 0;
    hra.pozadie = create_bitmap(1024, 768);
    create_more(hra.pozadie, 1024, 768, makecol(9, 0, 26));

    hra.pismo = alfont_load_font("data/fonts/formal.ttf");
    hra.pismo_briefing = alfont_load_font("data/fonts/trebuchet.ttf");
    alfont_set_font_size(hra.pismo, (int)((long double)SCREEN_H / 36.923076));
    alfont_set_font_size(hra.pismo_briefing, (int)((long double)SCREEN_H / 36.923076));

    hra.stavovy_riadok = create_bitmap(SCREEN_W, (int)((long double)SCREEN_H / 10.0));
    clear_bitmap(hra.stavovy_riadok);

    HraNaObrazovke obrazovky;
    hraj_misie(svet, hra, obrazovky);

    print_summary(hra.kroky, ido, svet.GetHrac().GetHealth());
    fflush(stdout);

    destroy_bitmap(hra.pozadie);
    destroy_bitmap(hra.stavovy_riadok);
    alfont_destroy_font(hra.pismo);
    alfont_destroy_font(hra.pismo_briefing);
    return 0;
}

int pokus_main()
{
    // Without a display there is no system driver, and every later call would crash.
    if (install_allegro(SYSTEM_AUTODETECT, &errno, atexit) != 0)
        return bez_grafiky(false);
    alfont_init();
    install_keyboard();
    install_mouse();
    install_sound(volby.zvuk ? DIGI_AUTODETECT : DIGI_NONE, MIDI_NONE, NULL);

    if (!check_assets())
        return 2;

    if (!nastav_grafiku())
        return bez_grafiky(true);

    srand(time(NULL));
    spusti_casovac();

    int vysledok = hraj();
    alfont_exit();
    return vysledok;
}
