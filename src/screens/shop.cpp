#include "screens/shop.h"

#include <cstdio>
#include <string>

#include "display/obraz.h"
#include "display/zmeny.h"
#include "platform/budik.h"
#include "platform/casovac.h"
#include "platform/odchod.h"
#include "platform/preklad.h"
#include "platform/rozlisenie.h"
#include "platform/ziadost_karty.h"
#include "screens/karta.h"
#include "screens/shop_demo.h"
#include "screens/shop_pass.h"
#include "simulation/missions.h"
#include "text/alfont.h"

void shop_timer()
{
    mozme_kupit = true;
    zobud();
}
END_OF_FUNCTION(shop_timer)

ObchodRozmery obchod_rozmery(int w, int h)
{
    // Quotients in extended precision, sums and differences before the
    // truncation: 1024 / 6.4 lands just below 160, so the panel starts at 159.
    ObchodRozmery r;
    r.continue_size = (int)(h / (long double)36.923076);
    r.cena_size = h / 30;
    r.panel_x1 = (int)(w / (long double)6.4);
    r.panel_y1 = (int)(h / (long double)14.222222);
    r.panel_x2 = (int)(w - w / (long double)6.4);
    r.panel_y2 = (int)(h / (long double)1.333333);
    r.torpedo_x = (int)(w / (long double)5.333333);
    r.navnada_x = w / 2;
    r.polozka_y = (int)(h / (long double)9.142857);
    r.polozka_w = (int)(w / (long double)3.2);
    r.polozka_h = (int)(h / (long double)2.56);
    r.continue_x1 = (int)(w / 2 - w / (long double)6.4);
    r.continue_x2 = (int)(w / 2 + w / (long double)6.4);
    r.continue_y1 = (int)(h / (long double)1.422222 - h / (long double)34.133333);
    r.continue_y2 = (int)(h / (long double)1.422222 + h / (long double)34.133333);
    r.continue_text_y = (int)(h / (long double)1.45);
    r.stred_x = w / 2;
    r.cena_y = h / 2;
    r.zasoba_y = (int)(h / 2 + h / (long double)25.6);
    return r;
}

ObchodStav obchod_stav(BITMAP *buffer, ALFONT_FONT *continue_font, ALFONT_FONT *cena_font, int *peniaze,
                       int cena_torpedo, int cena_navnada, int *torpeda, int *navnady)
{
    ObchodStav s;
    s.buffer = buffer;
    s.continue_font = continue_font;
    s.cena_font = cena_font;
    for (int i = 0; i < OBRAZKY_POLOZKY; i++) {
        s.torpedo[i] = nullptr;
        s.navnada[i] = nullptr;
    }
    s.peniaze = peniaze;
    s.cena_torpedo = cena_torpedo;
    s.cena_navnada = cena_navnada;
    s.torpeda = torpeda;
    s.navnady = navnady;
    s.hotovo = false;
    s.continue_farba = makecol(128, 128, 128);
    s.r = obchod_rozmery(width, height);
    s.pozorovatel = nullptr;
    s.demo_mys = false;
    s.demo_x = s.demo_y = 0;
    s.demo_tlacidlo = false;
    s.kurzor = nullptr;
    s.pod_kurzorom = nullptr;
    s.kurzor_x = s.kurzor_y = 0;
    s.kurzor_nakresleny = false;
    return s;
}

// The live mouse in the picture's pixels; off the picture (on the black
// around a scaled one) it is on nothing.
static void mys_v_obchode(int &x, int &y)
{
    if (!mys_v_obraze(mouse_x, mouse_y, x, y))
        x = y = -1;
}

// The pointer as the pass sees it: Allegro's live mouse, or the demo's own.
static int mys_x(const ObchodStav &s)
{
    int x, y;
    mys_v_obchode(x, y);
    return s.demo_mys ? s.demo_x : x;
}

static int mys_y(const ObchodStav &s)
{
    int x, y;
    mys_v_obchode(x, y);
    return s.demo_mys ? s.demo_y : y;
}

static bool mys_stlacena(const ObchodStav &s)
{
    return s.demo_mys ? s.demo_tlacidlo : (mouse_b & 1) != 0;
}

// Both ends of each range belong to the rectangle.
static bool mys_v(const ObchodStav &s, int x1, int y1, int x2, int y2)
{
    return mys_x(s) >= x1 && mys_x(s) <= x2 && mys_y(s) >= y1 && mys_y(s) <= y2;
}

static bool mys_na_torpede(const ObchodStav &s)
{
    const ObchodRozmery &r = s.r;
    return mys_v(s, r.torpedo_x, r.polozka_y, r.torpedo_x + r.polozka_w, r.polozka_y + r.polozka_h);
}

static bool mys_na_navnade(const ObchodStav &s)
{
    const ObchodRozmery &r = s.r;
    return mys_v(s, r.navnada_x, r.polozka_y, r.navnada_x + r.polozka_w, r.polozka_y + r.polozka_h);
}

static bool mys_na_continue(const ObchodStav &s)
{
    const ObchodRozmery &r = s.r;
    return mys_v(s, r.continue_x1, r.continue_y1, r.continue_x2, r.continue_y2);
}

static BITMAP *obrazok_polozky(BITMAP *const obrazky[], bool kupitelna, bool oznacena)
{
    if (!kupitelna)
        return obrazky[OBRAZOK_NEAKTIVNY];
    if (oznacena)
        return obrazky[OBRAZOK_OZNACENY];
    return obrazky[OBRAZOK_NEOZNACENY];
}

// Allegro's pointer, drawn by the pass at the mouse's place in the picture,
// its focus there as Allegro draws it.
static void nakresli_kurzor(ObchodStav &s)
{
    int x, y;
    if (mouse_sprite == nullptr || !mys_v_obraze(mouse_x, mouse_y, x, y))
        return;
    if (s.pod_kurzorom == nullptr)
        s.pod_kurzorom = create_bitmap(mouse_sprite->w, mouse_sprite->h);
    if (s.pod_kurzorom == nullptr)
        return;
    s.kurzor_x = x - mouse_x_focus;
    s.kurzor_y = y - mouse_y_focus;
    blit(s.buffer, s.pod_kurzorom, s.kurzor_x, s.kurzor_y, 0, 0, s.pod_kurzorom->w, s.pod_kurzorom->h);
    draw_sprite(s.buffer, mouse_sprite, s.kurzor_x, s.kurzor_y);
    s.kurzor_nakresleny = true;
}

void shop_pass(ObchodStav &s)
{
    const ObchodRozmery &r = s.r;
    show_mouse(NULL);
    // Where the pointer was: the real screen gets that back with the panel.
    if (s.kurzor_nakresleny && s.pod_kurzorom)
        blit(s.pod_kurzorom, s.buffer, 0, 0, s.kurzor_x, s.kurzor_y, s.pod_kurzorom->w, s.pod_kurzorom->h);
    s.kurzor_nakresleny = false;

    // Decided once: a purchase in this pass does not grey an item out until the next.
    bool torpedo_kupitelne = *s.peniaze >= s.cena_torpedo;
    bool navnada_kupitelna = *s.peniaze >= s.cena_navnada;

    if (mys_stlacena(s)) {
        if (mys_na_torpede(s) && mozme_kupit && torpedo_kupitelne) {
            *s.peniaze -= s.cena_torpedo;
            *s.torpeda += 1;
            vypis_nakup(POLOZKA_TORPEDO, *s.torpeda, *s.peniaze);
            mozme_kupit = false;
            if (s.pozorovatel)
                s.pozorovatel->kupene(POLOZKA_TORPEDO);
        }
        if (mys_na_navnade(s) && mozme_kupit && navnada_kupitelna) {
            *s.peniaze -= s.cena_navnada;
            *s.navnady += 1;
            vypis_nakup(POLOZKA_NAVNADA, *s.navnady, *s.peniaze);
            mozme_kupit = false;
            if (s.pozorovatel)
                s.pozorovatel->kupene(POLOZKA_NAVNADA);
        }
        if (mys_na_continue(s))
            s.hotovo = true;
    } else {
        mozme_kupit = true;
    }

    rectfill(s.buffer, r.panel_x1, r.panel_y1, r.panel_x2, r.panel_y2, makecol(0, 0, 0));
    rect(s.buffer, r.continue_x1, r.continue_y1, r.continue_x2, r.continue_y2, makecol(128, 128, 128));

    if (s.continue_font)
        alfont_textout_centre_aa(s.buffer, s.continue_font, "CONTINUE", r.stred_x, r.continue_text_y, s.continue_farba);
    if (s.cena_font) {
        alfont_textprintf_centre_aa(s.buffer, s.cena_font, r.continue_x1, r.cena_y, makecol(56, 176, 56), "$ %d",
                                    s.cena_torpedo);
        alfont_textprintf_centre_aa(s.buffer, s.cena_font, r.continue_x2, r.cena_y, makecol(56, 176, 56), "$ %d",
                                    s.cena_navnada);
        alfont_textprintf_centre_aa(s.buffer, s.cena_font, r.continue_x1, r.zasoba_y, makecol(176, 128, 56),
                                    "Current: %d", *s.torpeda);
        alfont_textprintf_centre_aa(s.buffer, s.cena_font, r.continue_x2, r.zasoba_y, makecol(176, 128, 56),
                                    "Current: %d", *s.navnady);
        alfont_textprintf_centre_aa(s.buffer, s.cena_font, r.stred_x, r.zasoba_y, makecol(56, 128, 176), "Money: $ %d",
                                    *s.peniaze);
    }

    // The label drawn above used the colour chosen on the previous pass.
    s.continue_farba = mys_na_continue(s) ? makecol(182, 182, 182) : makecol(128, 128, 128);

    BITMAP *t = obrazok_polozky(s.torpedo, torpedo_kupitelne, mys_na_torpede(s));
    if (t)
        stretch_blit(t, s.buffer, 0, 0, 400, 400, r.torpedo_x, r.polozka_y, r.polozka_w, r.polozka_h);
    BITMAP *n = obrazok_polozky(s.navnada, navnada_kupitelna, mys_na_navnade(s));
    if (n)
        stretch_blit(n, s.buffer, 0, 0, 400, 400, r.navnada_x, r.polozka_y, r.polozka_w, r.polozka_h);

    // The demo's pointer is drawn like Allegro's own, its tip at the position.
    if (s.demo_mys) {
        if (s.kurzor)
            draw_sprite(s.buffer, s.kurzor, s.demo_x, s.demo_y);
    } else if (obraz_presunuty()) {
        nakresli_kurzor(s);
    } else {
        show_mouse(s.buffer);
    }
    // Only what a pass changed reaches the screen: the panel, the pointer's old and new places.
    kopiruj_zmeny(s.buffer, screen, 0, 0, 0, 0, width, height);
    prezentuj_cast(0, 0, width, height);
    obsluz_obraz();
}

// What a pass reads of the world outside it. A pass that reads the same as
// the one before, after that one changed nothing, would draw the same again.
struct ObchodVstup {
    int x, y;
    bool tlacidlo;
    bool brana;
    int continue_farba;
};

static ObchodVstup obchod_vstup(const ObchodStav &s)
{
    return {mouse_x, mouse_y, (mouse_b & 1) != 0, mozme_kupit, s.continue_farba};
}

static bool ine(const ObchodVstup &a, const ObchodVstup &b)
{
    return a.x != b.x || a.y != b.y || a.tlacidlo != b.tlacidlo || a.brana != b.brana ||
           a.continue_farba != b.continue_farba;
}

// A visit played back from a demo: the shop's own pointer makes the recorded
// purchases and leaves; the real mouse is not read. A pass every 15 ms.
static void nakupy_dema(ObchodStav &s, const std::vector<Polozka> &nakupy, bool casovac)
{
    // Only the panel is redrawn each pass, so the pointer starts and stays on it.
    KurzorDema kurzor(s.r, nakupy, s.r.stred_x, (s.r.panel_y1 + s.r.panel_y2) / 2);
    s.demo_mys = true;
    int zaciatok = ido;
    for (int pass = 0; !s.hotovo && !odchod_ziadany(); pass++) {
        // Without the timer thread (tests) the passes keep the time themselves.
        kurzor.pass(casovac ? ido - zaciatok : pass * 15, s.demo_x, s.demo_y, s.demo_tlacidlo);
        shop_pass(s);
        if (casovac && !s.hotovo)
            pockaj(15);
    }
}

static void znic(BITMAP *b)
{
    if (b)
        destroy_bitmap(b);
}

void shop(int *money, int torpedo_price, int navnada_price, int unused1, int unused2, int *torpeda, int *navnady)
{
    shop(money, torpedo_price, navnada_price, unused1, unused2, torpeda, navnady, nullptr, nullptr);
}

void shop(int *money, int torpedo_price, int navnada_price, int unused1, int unused2, int *torpeda, int *navnady,
          PozorovatelNakupu *pozorovatel, const std::vector<Polozka> *predpis)
{
    (void)unused1;
    (void)unused2;
    ObchodRozmery r = obchod_rozmery(width, height);

    ALFONT_FONT *continue_font = alfont_load_font("data/fonts/copperlate.ttf");
    if (continue_font)
        alfont_set_font_size(continue_font, r.continue_size);
    ALFONT_FONT *cena_font = alfont_load_font("data/fonts/formal.ttf");
    if (cena_font)
        alfont_set_font_size(cena_font, r.cena_size);

    BITMAP *buffer = create_bitmap(width, height);
    BITMAP *dok = load_bitmap("gfx/shop/dock.tga", NULL);
    BITMAP *kurzor = load_bitmap("gfx/shop/cursor.bmp", NULL);
    ObchodStav s = obchod_stav(buffer, continue_font, cena_font, money, torpedo_price, navnada_price, torpeda, navnady);
    s.pozorovatel = pozorovatel;
    // The items' names are lettered into their pictures: a language whose
    // names the asset generator draws has a folder of pictures of its own.
    // TRANSLATORS: the folder of the shop's pictures lettered in your language
    // (gfx/shop/en/ holds TORPEDO and DECOY); keep gfx/shop/ when there is none.
    const std::string obrazky = preloz("gfx/shop/");
    auto nacitaj = [&obrazky](const char *subor) { return load_bitmap((obrazky + subor).c_str(), NULL); };
    s.torpedo[OBRAZOK_NEOZNACENY] = nacitaj("torpedo_unselected.tga");
    s.torpedo[OBRAZOK_NEAKTIVNY] = nacitaj("torpedo_unactive.tga");
    s.torpedo[OBRAZOK_OZNACENY] = nacitaj("torpedo_selected.tga");
    s.navnada[OBRAZOK_NEOZNACENY] = nacitaj("navnada_unselected.tga");
    s.navnada[OBRAZOK_NEAKTIVNY] = nacitaj("navnada_unactive.tga");
    s.navnada[OBRAZOK_OZNACENY] = nacitaj("navnada_selected.tga");

    if (buffer) {
        if (kurzor && predpis == nullptr)
            set_mouse_sprite(kurzor);
        // The backdrop is drawn once; the passes only redraw the panel over it.
        if (dok)
            stretch_blit(dok, buffer, 0, 0, 1280, 1024, 0, 0, width, height);
        rectfill(buffer, r.panel_x1, r.panel_y1, r.panel_x2, r.panel_y2, makecol(0, 0, 0));

        bool casovac = casovac_k_dispozicii();
        if (casovac)
            install_int(shop_timer, 1000);

        if (predpis != nullptr) {
            s.kurzor = kurzor;
            nakupy_dema(s, *predpis, casovac);
        }

        bool prvy = true;
        ObchodVstup pred_passom = obchod_vstup(s);
        while (!s.hotovo && !odchod_ziadany()) {
            // Asleep until the pointer, its button or the purchase gate
            // changes, or the last pass left something to redraw.
            if (casovac && !prvy)
                cakaj_kym([&] {
                    return ine(obchod_vstup(s), pred_passom) || karta_caka() || obraz_caka() || odchod_ziadany();
                });
            // A switch or a screenshot's note: the pass below puts the picture up again.
            obsluz_obraz();
            if (odchod_ziadany())
                break;
            // The card covers the shop; the next pass draws it whole again.
            if (ziadost_karty())
                karta();
            prvy = false;
            // Without a display there is no retrace to wait for.
            if (gfx_driver)
                vsync();
            pred_passom = obchod_vstup(s);
            shop_pass(s);
        }

        if (casovac)
            remove_int(shop_timer);
    }

    // The pointer must stop using the cursor image and the buffer before they go.
    show_mouse(NULL);
    set_mouse_sprite(NULL);

    znic(s.pod_kurzorom);
    znic(kurzor);
    znic(dok);
    for (int i = 0; i < OBRAZKY_POLOZKY; i++) {
        znic(s.torpedo[i]);
        znic(s.navnada[i]);
    }
    alfont_destroy_font(continue_font);
    alfont_destroy_font(cena_font);
    znic(buffer);
}
