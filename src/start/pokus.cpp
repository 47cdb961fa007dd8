#include "start/pokus.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include <allegro.h>

#include "demo/demo_hra.h"
#include "options/volby.h"
#include "platform/casovac.h"
#include "platform/odchod.h"
#include "platform/rozlisenie.h"
#include "platform/udalosti.h"
#include "platform/zvuk.h"
#include "screens/more.h"
#include "screens/obrazovky.h"
#include "simulation/frame_loop.h"
#include "simulation/kampan.h"
#include "simulation/missions.h"
#include "start/assets.h"
#include "start/kampan_hry.h"
#include "text/alfont.h"
#include "world/spravca.h"

void print_summary(int kroky, int ido_ms, int health)
{
    printf("P_VYPOCET = %d \nCAS = %d \nCAS_NA_VYPOCET %f \n VYPOCET/SEK = %f\nFPS = %f \nHealth = %d", kroky, ido_ms,
           (double)ido_ms / kroky, (double)kroky / ido_ms * 1000, (double)(kroky / 3) / (ido_ms / 1000), health);
}

void print_summary_bez_casu(int kroky, int health)
{
    printf("P_VYPOCET = %d \nHealth = %d", kroky, health);
}

// The summary, flushed before any message that follows it on stderr.
static void vypis_suhrn(Spravca &svet, Hra &hra)
{
    print_summary(hra.kroky, ido, svet.GetHrac().GetHealth());
    fflush(stdout);
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
static int hraj(DemoHry &demo, const Kampan &kampan)
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
    obrazovky.prehravanie = demo.rezim == DemoHry::PREHRAVANIE;
    // The summary comes also when the player left early: the steps run so far.
    int kod = hraj_s_demom(svet, hra, obrazovky, demo, kampan, vypis_suhrn);

    destroy_bitmap(hra.pozadie);
    destroy_bitmap(hra.stavovy_riadok);
    alfont_destroy_font(hra.pismo);
    alfont_destroy_font(hra.pismo_briefing);
    // A demo's trouble first; otherwise how the player left.
    return kod != 0 ? kod : kod_odchodu(dovod_odchodu());
}

int pokus_main()
{
    // A campaign is read whole first, and so is a demo: a bad one is refused
    // without a display, and before a demo to record is opened.
    Kampan kampan = vstavana_kampan();
    if (!volby.kampan.empty()) {
        int kod_kampane = nacitaj_kampan(volby.kampan, "ponorka", kampan);
        if (kod_kampane >= 0)
            return kod_kampane;
    }
    DemoHry demo;
    int kod_dema = priprav_demo(volby, demo);
    if (kod_dema >= 0)
        return kod_dema;
    // A pipe gets each diagnostic line as it is printed.
    setvbuf(stdout, nullptr, _IOLBF, 0);
    // Without a display there is no system driver, and every later call would crash.
    if (install_allegro(SYSTEM_AUTODETECT, &errno, atexit) != 0)
        return bez_grafiky(false);
    zachyt_signaly();
    alfont_init();
    install_keyboard();
    install_mouse();
    if (volby.zvuk)
        spusti_zvuk();
    else
        install_sound(DIGI_NONE, MIDI_NONE, NULL);

    if (!check_assets())
        return 2;

    if (!nastav_grafiku())
        return bez_grafiky(true);
    sleduj_udalosti();

    srand(time(NULL));
    spusti_casovac();

    int vysledok = hraj(demo, kampan);
    alfont_exit();
    return vysledok;
}
