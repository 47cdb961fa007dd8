#include "start/pokus.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include <allegro.h>

#include "demo/demo_hra.h"
#include "display/obraz.h"
#include "options/priecinok_dat.h"
#include "options/subor_nastaveni.h"
#include "options/volby.h"
#include "platform/casovac.h"
#include "platform/gamepad.h"
#include "platform/odchod.h"
#include "platform/preklad.h"
#include "platform/rozlisenie.h"
#include "platform/udalosti.h"
#include "platform/zvuk.h"
#include "screens/more.h"
#include "screens/obrazovky.h"
#include "screens/pauza.h"
#include "screens/povel_hraca.h"
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

// Full screen as intended; a desktop that cannot switch modes still gets full
// screen at its own size, or a window. --windowed, --fullscreen-desktop and
// --scale (or the settings file's display) ask for the others.
static bool nastav_grafiku()
{
    set_color_depth(16);
    if (!nastav_zobrazenie(rezim_hry(volby), mierka_hry(volby)))
        return false;
    // Allegro leaves at exit by a mode of its own, which must find its screen.
    atexit(vrat_obrazovku);
    return true;
}

// The graphics message with the library's own error text, and on standard error
// what was tried: the display named by DISPLAY, or none.
static int bez_grafiky(bool system_bezi)
{
    // Without a system driver even the text mode call would crash.
    if (system_bezi)
        set_gfx_mode(GFX_TEXT, 0, 0, 0, 0);
    allegro_message("Nemozem nastartovat grafiku\n%s\n", allegro_error);
    fflush(stdout);
    const char *displej = getenv("DISPLAY");
    if (displej == nullptr || *displej == '\0')
        fprintf(stderr, "ponorka: no display: DISPLAY is not set\n");
    else if (!system_bezi)
        fprintf(stderr, "ponorka: no display: can't open the display \"%s\" named by DISPLAY\n", displej);
    else
        fprintf(stderr, "ponorka: no 1024x768 graphics mode in 16-bit colour %s on the display \"%s\"\n",
                rezim_hry(volby) == REZIM_OKNO ? "in a window" : "full screen or in a window", displej);
    return KOD_BEZ_GRAFIKY;
}

// The playback's overlay, on the screen over the world view. It comes after
// the frame was presented, so a scaled screen is shown it here.
static void kresli_polohu(const PolohaDema &p, Hra &hra)
{
    PrehladDema d{p.misia, p.misii, p.krok, p.zaciatok_misie, p.koniec_misie, p.kroky, p.hranice, p.rychlost, p.pauza};
    nakresli_prehlad(screen, hra.pismo, d);
    prezentuj_cast(0, 0, sirka_obrazu(), vyska_obrazu());
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
    alfont_set_font_size(hra.pismo, (int)((long double)vyska_obrazu() / 36.923076));
    alfont_set_font_size(hra.pismo_briefing, (int)((long double)vyska_obrazu() / 36.923076));

    hra.stavovy_riadok = create_bitmap(sirka_obrazu(), (int)((long double)vyska_obrazu() / 10.0));
    clear_bitmap(hra.stavovy_riadok);

    HraNaObrazovke obrazovky;
    obrazovky.prehravanie = demo.rezim == DemoHry::PREHRAVANIE;
    demo.kresli_polohu = kresli_polohu;
    // The summary comes also when the player left early: the steps run so far.
    int kod = hraj_s_demom(svet, hra, obrazovky, demo, kampan, vypis_suhrn);

    destroy_bitmap(hra.pozadie);
    destroy_bitmap(hra.stavovy_riadok);
    alfont_destroy_font(hra.pismo);
    alfont_destroy_font(hra.pismo_briefing);
    // A demo's trouble first; otherwise how the player left.
    return kod != 0 ? kod : kod_odchodu(dovod_odchodu());
}

int zvol_jazyk(const Volby &v, FILE *err)
{
    zacni_preklad(priecinok_katalogov().c_str());
    // The locale first, --lang over it; the settings file's [game] language,
    // read once Allegro runs, comes between the two (pokus_main).
    if (!v.jazyk.empty() && !nastav_jazyk(v.jazyk.c_str())) {
        fprintf(err, "ponorka: option '--lang' needs a language code such as en or sk, not '%s'\n", v.jazyk.c_str());
        vypis_pouzitie(err);
        return KOD_POUZITIE;
    }
    return -1;
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
    nacitaj_nastavenia(stderr);
    // The settings file's language comes over the locale, --lang over both.
    if (volby.jazyk.empty() && nastavenia.n.jazyk > 0)
        nastav_jazyk(JAZYKY_NASTAVENI[nastavenia.n.jazyk]);
    install_keyboard();
    // The X11 keyboard sets the whole locale from the environment for its
    // input method: the summary's numbers would take a decimal comma.
    obnov_jazyk_a_cisla();
    install_mouse();
    if (zvuk_hry(volby))
        spusti_zvuk();
    else
        install_sound(DIGI_NONE, MIDI_NONE, NULL);
    // Full volume is Allegro's own, left as it is.
    if (nastavenia.n.hlasitost < 100)
        set_volume(nastavenia.n.hlasitost * 255 / 100, -1);

    if (!check_assets())
        return KOD_DATA;

    if (!nastav_grafiku())
        return bez_grafiky(true);
    sleduj_udalosti();
    // A signal during start-up ends it here, before a demo is begun.
    if (odchod_ziadany())
        return kod_odchodu(dovod_odchodu());

    srand(time(NULL));
    spusti_casovac();
    // A pad, or none: either is silent.
    spusti_pad();
    pouzi_vazby();

    int vysledok = hraj(demo, kampan);
    vrat_obrazovku();
    zastav_pad();
    alfont_exit();
    return vysledok;
}
