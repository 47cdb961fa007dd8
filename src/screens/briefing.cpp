#include "screens/briefing.h"

#include <cstring>

#include "display/obraz.h"
#include "platform/budik.h"
#include "platform/casovac.h"
#include "platform/odchod.h"
#include "platform/rozlisenie.h"
#include "platform/ziadost_karty.h"
#include "screens/briefing_pass.h"
#include "screens/karta.h"
#include "text/alfont.h"

void briefing_timer()
{
    ms++;
    zobud();
}
END_OF_FUNCTION(briefing_timer)

BriefingRozmery briefing_rozmery(int w, int h)
{
    // Quotients in extended precision, truncated: 768 / 5.12 lands just below 150.
    BriefingRozmery r;
    r.riadok = (int)(h / (long double)36.923);
    r.text_x = (int)(w / (long double)1.82);
    r.text_y = (int)(h / (long double)5.12);
    r.prompt_size = (int)(h / (long double)21.333333);
    r.portret_x = (int)(w / (long double)12.8);
    r.portret_y = (int)(h / (long double)6.4);
    r.portret_w = (int)(w / (long double)2.31);
    r.portret_h = (int)(h / (long double)1.47);
    r.zalom_x = w - 2 * r.riadok;
    r.prompt_x = w / 2;
    r.prompt_y = h - h / 10;
    return r;
}

bool briefing_riadok_sa_zmesti(ALFONT_FONT *pismo, const std::string &riadok)
{
    BriefingRozmery r = briefing_rozmery(BRIEFING_SIRKA_OBRAZOVKY, BRIEFING_VYSKA_OBRAZOVKY);
    alfont_set_font_size(pismo, r.riadok);
    // The same steps as briefing_kresli's pen: one character's length at a time.
    int x = r.text_x;
    for (char c : riadok) {
        if (x >= r.zalom_x)
            return false;
        char znak[2] = {c, '\0'};
        x += alfont_text_length(pismo, znak);
    }
    return true;
}

BriefingStav briefing_stav(BITMAP *buffer, BITMAP *portret, ALFONT_FONT *pismo, ALFONT_FONT *prompt_font, int farba,
                           const char *text)
{
    BriefingStav s;
    s.buffer = buffer;
    s.portret = portret;
    s.font = pismo;
    s.prompt_font = prompt_font;
    s.farba = farba;
    s.text = text;
    s.dlzka = (int)strlen(text);
    s.odhalene = 0;
    s.uroven = 0;
    s.smer = 1;
    s.nakreslene = false;
    s.napisane = 0;
    s.pero_x = s.pero_y = 0;
    s.rezim_textu = 0;
    s.r = briefing_rozmery(width, height);
    return s;
}

bool briefing_enter()
{
    // Alt+Enter switches the screen and closes nothing.
    return (key[KEY_ENTER] || key[KEY_ENTER_PAD]) && !key[KEY_ALT] && !key[KEY_ALTGR];
}

void briefing_tik(BriefingStav &s)
{
    // Ticks that pile up between passes count as one: typing never outruns the loop.
    if (ms != 0) {
        s.uroven += s.smer;
        if (s.uroven > 127)
            s.smer = -1;
        if (s.uroven <= 0)
            s.smer = 1;
        ms = 0;
        if (s.odhalene < s.dlzka)
            s.odhalene++;
    }
}

// The text layer's mode: opaque (a background colour, 0 or more) or transparent (-1).
static int rezim_textu()
{
    int rezim = alfont_text_mode(0);
    alfont_text_mode(rezim);
    return rezim;
}

// What the text layer changed since it was last asked, from the briefing's
// buffer onto the screen; nothing when `ukaz` is false.
static void ukaz_zmenene(BITMAP *buffer, bool ukaz)
{
    int x, y, w, h;
    if (alfont_damage(&x, &y, &w, &h) && ukaz) {
        blit(buffer, screen, x, y, x, y, w, h);
        prezentuj_cast(x, y, w, h);
    }
}

void briefing_kresli(BriefingStav &s)
{
    if (s.portret && !s.nakreslene)
        stretch_sprite(s.buffer, s.portret, s.r.portret_x, s.r.portret_y, s.r.portret_w, s.r.portret_h);

    // Only what this pass changes goes to the screen, which holds the last pass:
    // the text layer tells what changed (the line being typed, the edges still
    // blending in, the prompt when its grey moves).
    ukaz_zmenene(s.buffer, false);

    // No clearing: the revealed text is drawn again over itself every pass.
    int rezim = rezim_textu();
    int od = 0;
    int x = s.r.text_x;
    int y = s.r.text_y;
    if (s.nakreslene && rezim >= 0 && rezim == s.rezim_textu) {
        od = s.napisane;
        x = s.pero_x;
        y = s.pero_y;
    }
    if (s.font) {
        for (int i = od; i < s.odhalene; i++) {
            char c = s.text[i];
            if (c == '\n') {
                x = s.r.text_x;
                y += s.r.riadok + 2;
                continue;
            }
            if (x >= s.r.zalom_x) {
                x = s.r.text_x;
                y += s.r.riadok + 2;
            }
            alfont_textprintf_aa(s.buffer, s.font, x, y, s.farba, "%c", c);
            char znak[2] = {c, '\0'};
            x += alfont_text_length(s.font, znak);
        }
        s.napisane = s.odhalene;
        s.pero_x = x;
        s.pero_y = y;
        s.rezim_textu = rezim;
    }

    // The text and the prompt are shown each by itself: together they would make one large rectangle.
    ukaz_zmenene(s.buffer, s.nakreslene);
    if (s.prompt_font)
        alfont_textout_centre_aa(s.buffer, s.prompt_font, "Press ENTER to continue", s.r.prompt_x, s.r.prompt_y,
                                 makecol(s.uroven, s.uroven, s.uroven));
    ukaz_zmenene(s.buffer, s.nakreslene);
    if (s.nakreslene)
        return;
    blit(s.buffer, screen, 0, 0, 0, 0, width, height);
    prezentuj_cast(0, 0, width, height);
    s.nakreslene = true;
}

void briefing_pass(BriefingStav &s)
{
    briefing_tik(s);
    briefing_kresli(s);
}

// Enter held, with Alt or without.
static bool enter_drzany()
{
    return key[KEY_ENTER] || key[KEY_ENTER_PAD];
}

void briefing(ALFONT_FONT *pismo, int color, char *text)
{
    briefing(pismo, color, text, false);
}

void briefing(ALFONT_FONT *pismo, int color, char *text, bool sam_sa_zavrie)
{
    BriefingRozmery r = briefing_rozmery(width, height);
    if (pismo)
        alfont_set_font_size(pismo, r.riadok);

    ALFONT_FONT *prompt_font = alfont_load_font("data/fonts/copperlate.ttf");
    if (prompt_font)
        alfont_set_font_size(prompt_font, r.prompt_size);

    SAMPLE *hudba = load_sample("sfx/briefing/beat.wav");
    BITMAP *buffer = create_bitmap(width, height);
    BITMAP *portret = load_bitmap("gfx/briefing/zorvik.tga", NULL);

    if (buffer) {
        clear_to_color(buffer, makecol(0, 0, 0));

        bool casovac = casovac_k_dispozicii();
        if (casovac)
            install_int(briefing_timer, 8);
        // Without a sound device the sample plays silently.
        if (hudba)
            play_sample(hudba, 128, 128, 1000, 1);

        BriefingStav s = briefing_stav(buffer, portret, pismo, prompt_font, color, text);
        // Opaque text paints the same pixels whatever lies under them, so a pass
        // with the last one's characters and prompt colour would paint nothing new.
        bool opakovanie_rovnake = rezim_textu() >= 0;
        int napisane = -1;  // when the text was fully typed, by the game timer
        auto uplynulo = [&] { return sam_sa_zavrie && napisane >= 0 && ido - napisane >= BRIEFING_DEMA_MS; };
        // An Enter held when the controls card closes closes no briefing until let go.
        bool enter_zamknuty = false;
        auto enter = [&] {
            if (!enter_drzany())
                enter_zamknuty = false;
            return briefing_enter() && !enter_zamknuty;
        };
        while (!enter() && !odchod_ziadany() && !uplynulo()) {
            // The card puts the briefing's picture back when it closes.
            if (ziadost_karty()) {
                karta();
                enter_zamknuty = briefing_enter();
            }
            // The Enter of Alt+Enter, still held after Alt, closes no briefing until let go.
            if (obsluz_obraz())
                enter_zamknuty = enter_drzany();
            int odhalene = s.odhalene;
            int prompt = makecol(s.uroven, s.uroven, s.uroven);
            briefing_tik(s);
            if (!s.nakreslene || !opakovanie_rovnake || s.odhalene != odhalene ||
                makecol(s.uroven, s.uroven, s.uroven) != prompt)
                briefing_kresli(s);
            if (napisane < 0 && s.odhalene == s.dlzka)
                napisane = ido;
            // Asleep until a tick brings something new or a key ends the screen.
            if (casovac)
                cakaj_kym([&] {
                    return ms != 0 || enter_drzany() != enter_zamknuty || karta_caka() || obraz_caka() ||
                           odchod_ziadany();
                });
        }

        if (casovac)
            remove_int(briefing_timer);
    }

    alfont_destroy_font(prompt_font);
    if (buffer)
        destroy_bitmap(buffer);
    if (portret)
        destroy_bitmap(portret);
    // Destroying the sample also stops its playback.
    if (hudba)
        destroy_sample(hudba);
}
