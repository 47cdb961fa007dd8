#include "display/obraz.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <allegro.h>

#include "display/snimka.h"
#include "display/umiestnenie.h"
#include "display/zmeny.h"
#include "options/subor_nastaveni.h"
#include "options/volby.h"
#include "platform/budik.h"
#include "platform/casovac.h"
#include "platform/klavesy_hry.h"
#include "platform/preklad.h"
#include "platform/rozlisenie.h"
#include "platform/udalosti.h"
#include "platform/ziadost_pauzy.h"

namespace {

// How long a screenshot's note stays, in game-timer milliseconds.
const int POZNAMKA_MS = 2000;

BITMAP *skutocna = nullptr;  // Allegro's screen while the picture stands in for it
BITMAP *obraz = nullptr;     // the memory picture, made with the first mode
// The picture as the real screen shows it, so that only what changed is shown
// again; not valid after anything else put pixels on the real screen.
BITMAP *ukazane = nullptr;
bool ukazane_platne = false;
Umiestnenie kde = {0, 0, 1024, 768};
int rezim_teraz = REZIM_CELA_OBRAZOVKA;
// The kind of full screen Alt+Enter goes back to: the last one in force, or
// full screen without a mode switch after a start in a window.
int posledna_cela = REZIM_PLOCHA;
int mierka_okna = 1;  // the window's scale asked for, MIERKA_AUTO too

int trvanie_prezentacie = 0;  // ms of the last whole presentation on a scaled screen

std::string poznamka;  // empty: none shown
int poznamka_od = 0;
std::atomic<bool> poznamka_vyprsala{false};

bool presunuty()
{
    return kde.x != 0 || kde.y != 0 || kde.w != width || kde.h != height;
}

// The picture stands in for the screen from here on; the real one is black around it.
void nahrad_obrazovku()
{
    if (skutocna)
        return;
    skutocna = screen;
    blit(skutocna, obraz, 0, 0, 0, 0, width, height);
    screen = obraz;
}

bool skus(int karta, int w, int h)
{
    return set_gfx_mode(karta, w, h, 0, 0) == 0;
}

bool okno(int mierka, int plocha_w, int plocha_h)
{
    int n = mierka == MIERKA_AUTO ? najvacsia_mierka(width, height, plocha_w, plocha_h) : mierka;
    // A window larger than the desktop is tried smaller, down to the picture's own size.
    for (; n > 1; n--)
        if (n * width <= plocha_w && n * height <= plocha_h && skus(GFX_AUTODETECT_WINDOWED, n * width, n * height))
            return true;
    return skus(GFX_AUTODETECT_WINDOWED, width, height);
}

bool nastav_rezim(int rezim, int mierka)
{
    int plocha_w = 0, plocha_h = 0;
    if (get_desktop_resolution(&plocha_w, &plocha_h) != 0 || plocha_w <= 0 || plocha_h <= 0) {
        plocha_w = width;
        plocha_h = height;
    }
    if (rezim == REZIM_CELA_OBRAZOVKA && skus(GFX_AUTODETECT_FULLSCREEN, width, height)) {
        rezim_teraz = posledna_cela = REZIM_CELA_OBRAZOVKA;
        return true;
    }
    // Full screen without a mode switch: the desktop's own size. Only asked
    // for, or as the mode switch's fallback on a desktop larger than the picture.
    bool plocha = rezim == REZIM_PLOCHA || (rezim == REZIM_CELA_OBRAZOVKA && (plocha_w != width || plocha_h != height));
    if (plocha && skus(GFX_AUTODETECT_FULLSCREEN, plocha_w, plocha_h)) {
        rezim_teraz = posledna_cela = REZIM_PLOCHA;
        return true;
    }
    rezim_teraz = REZIM_OKNO;
    return okno(rezim == REZIM_OKNO ? mierka : 1, plocha_w, plocha_h);
}

void nakresli_poznamku()
{
    if (poznamka.empty() || !skutocna)
        return;
    int w = text_length(font, poznamka.c_str()) + 8;
    int h = text_height(font) + 8;
    int x = kde.x + 4, y = kde.y + 4;
    rectfill(skutocna, x, y, x + w - 1, y + h - 1, makecol(0, 0, 0));
    rect(skutocna, x, y, x + w - 1, y + h - 1, makecol(128, 128, 128));
    textout_ex(skutocna, font, poznamka.c_str(), x + 4, y + 4, makecol(255, 255, 255), -1);
}

void cela_obrazovka()
{
    if (!skutocna)
        return;
    acquire_bitmap(skutocna);
    if (presunuty()) {
        // The black around the picture, then the picture.
        if (kde.y > 0) {
            rectfill(skutocna, 0, 0, skutocna->w - 1, kde.y - 1, 0);
            rectfill(skutocna, 0, kde.y + kde.h, skutocna->w - 1, skutocna->h - 1, 0);
        }
        if (kde.x > 0) {
            rectfill(skutocna, 0, kde.y, kde.x - 1, kde.y + kde.h - 1, 0);
            rectfill(skutocna, kde.x + kde.w, kde.y, skutocna->w - 1, kde.y + kde.h - 1, 0);
        }
    }
    release_bitmap(skutocna);
    prezentuj_vsetko();
}

void koniec_poznamky()
{
    poznamka_vyprsala = true;
    zobud();
}
END_OF_FUNCTION(koniec_poznamky)

void ukaz_poznamku(const std::string &text)
{
    poznamka = text;
    poznamka_od = ido;
    poznamka_vyprsala = false;
    // The memory picture stands in while the note shows, so the note stays out of it.
    nahrad_obrazovku();
    if (casovac_k_dispozicii()) {
        LOCK_FUNCTION(koniec_poznamky);
        LOCK_VARIABLE(poznamka_vyprsala);
        install_int(koniec_poznamky, POZNAMKA_MS);
    }
    prezentuj_vsetko();
}

void skry_poznamku()
{
    poznamka.clear();
    if (casovac_k_dispozicii())
        remove_int(koniec_poznamky);
    poznamka_vyprsala = false;
    if (!skutocna)
        return;
    if (presunuty()) {
        prezentuj_vsetko();
        return;
    }
    // At the picture's own size the screen is the picture again.
    blit(obraz, skutocna, 0, 0, 0, 0, width, height);
    screen = skutocna;
    skutocna = nullptr;
}

void snimka()
{
    std::string priecinok = priecinok_snimok();
    std::string dovod;
    std::string cesta = uloz_snimku(screen, priecinok, dovod);
    if (!cesta.empty()) {
        ukaz_poznamku(preloz("snimka: ") + cesta);
    } else {
        fprintf(stderr, "ponorka: can't save a screenshot in %s: %s\n", priecinok.c_str(), dovod.c_str());
        ukaz_poznamku(preloz("snimka sa neulozila: ") + priecinok + ": " + dovod);
    }
}

// Alt+Enter: a window becomes full screen of the kind last in force (without
// a mode switch when there was none), full screen becomes the window.
void prepni()
{
    int novy = rezim_teraz == REZIM_OKNO ? posledna_cela : REZIM_OKNO;
    int stary = rezim_teraz;
    if (!poznamka.empty())
        skry_poznamku();
    if (!nastav_zobrazenie(novy, mierka_okna) && !nastav_zobrazenie(stary, mierka_okna))
        nastav_zobrazenie(REZIM_OKNO, 1);
    // The display in force is kept for the next start, the window's scale
    // with it, and this run's command line choices give way.
    volby.rezim = REZIM_NEZADANY;
    volby.mierka = MIERKA_NEZADANA;
    if (nastavenia.n.rezim != rezim_teraz || nastavenia.n.mierka != mierka_okna) {
        nastavenia.n.rezim = rezim_teraz;
        nastavenia.n.mierka = mierka_okna;
        uloz_nastavenia_hry(stderr);
    }
}

}  // namespace

bool nastav_zobrazenie(int rezim, int mierka)
{
    // What the screen shows at the picture's own size goes with its mode: the memory picture keeps it.
    if (gfx_driver && obraz && !skutocna && screen)
        blit(screen, obraz, 0, 0, 0, 0, width, height);
    vrat_obrazovku();
    if (obraz == nullptr) {
        set_color_depth(16);
        obraz = create_bitmap_ex(16, width, height);
        if (obraz)
            clear_bitmap(obraz);
        // Without it every presentation shows the whole picture.
        ukazane = create_bitmap_ex(16, width, height);
    }
    mierka_okna = mierka;
    // The window's and the card's callbacks see no focus lost to the switch itself.
    prestan_sledovat_prepnutie();
    set_color_depth(16);
    bool dobre = obraz != nullptr && nastav_rezim(rezim, mierka);
    if (!dobre)
        return false;
    sleduj_udalosti();
    fokus_okna(true);
    kde = umiestni(width, height, SCREEN_W, SCREEN_H);
    clear_to_color(screen, 0);
    if (presunuty()) {
        skutocna = screen;
        screen = obraz;
        cela_obrazovka();
    } else {
        blit(obraz, screen, 0, 0, 0, 0, width, height);
    }
    return true;
}

void vrat_obrazovku()
{
    ukazane_platne = false;
    if (!skutocna)
        return;
    // The memory picture keeps what was drawn; the real screen goes with its mode.
    screen = skutocna;
    skutocna = nullptr;
}

bool obraz_presunuty()
{
    return presunuty();
}

bool mys_v_obraze(int mx, int my, int &x, int &y)
{
    if (!presunuty()) {
        x = mx;
        y = my;
        return true;
    }
    return bod_v_obraze(kde, width, height, mx, my, x, y);
}

void prezentuj()
{
    int zaciatok = ido;
    prezentuj_cast(0, 0, width, height);
    obsluz_obraz();
    trvanie_prezentacie = skutocna && presunuty() ? ido - zaciatok : 0;
}

int cas_prezentacie()
{
    return trvanie_prezentacie;
}

// A whole number of times in 16-bit colour, faster than Allegro's general
// stretch: each row of the part widened once, then written n times through
// the bitmap's own line access, so a display screen sees what changed.
static void zvacsi16(BITMAP *obraz, BITMAP *kam, int x, int y, int w, int h, int dx, int dy, int n)
{
    static std::vector<uint16_t> riadok;
    riadok.resize((size_t)w * n);
    for (int r = 0; r < h; r++) {
        const uint16_t *z = (const uint16_t *)obraz->line[y + r] + x;
        uint16_t *d = riadok.data();
        if (n == 2) {
            for (int i = 0; i < w; i++) {
                d[2 * i] = z[i];
                d[2 * i + 1] = z[i];
            }
        } else {
            for (int i = 0; i < w; i++)
                for (int k = 0; k < n; k++)
                    *d++ = z[i];
        }
        for (int k = 0; k < n; k++) {
            uintptr_t a = bmp_write_line(kam, dy + r * n + k);
            memcpy((uint16_t *)a + dx, riadok.data(), riadok.size() * sizeof(uint16_t));
        }
    }
    bmp_unwrite_line(kam);
}

void prenes_obraz(BITMAP *obraz, BITMAP *kam, const Umiestnenie &u, int x, int y, int w, int h)
{
    // Only what lies in the picture: the scaler reads no pixel outside it.
    if (x < 0) {
        w += x;
        x = 0;
    }
    if (y < 0) {
        h += y;
        y = 0;
    }
    w = MIN(w, obraz->w - x);
    h = MIN(h, obraz->h - y);
    if (w <= 0 || h <= 0)
        return;
    if (u.w % obraz->w == 0 && u.h % obraz->h == 0 && u.w / obraz->w == u.h / obraz->h) {
        // A whole number of times: each pixel of the part lands where it does in the whole.
        int n = u.w / obraz->w;
        if (n == 1)
            blit(obraz, kam, x, y, u.x + x, u.y + y, w, h);
        else if (bitmap_color_depth(obraz) == 16 && bitmap_color_depth(kam) == 16 && is_memory_bitmap(obraz) &&
                 u.x + u.w <= kam->w && u.y + u.h <= kam->h)
            zvacsi16(obraz, kam, x, y, w, h, u.x + x * n, u.y + y * n, n);
        else
            stretch_blit(obraz, kam, x, y, w, h, u.x + x * n, u.y + y * n, w * n, h * n);
    } else {
        // Any other size is sampled for the whole picture, so a part would not match it.
        stretch_blit(obraz, kam, 0, 0, obraz->w, obraz->h, u.x, u.y, u.w, u.h);
    }
}

// A whole number of times the picture's size: a part of it is shown by itself.
static bool cela_mierka()
{
    return kde.w % width == 0 && kde.h % height == 0 && kde.w / width == kde.h / height;
}

void prezentuj_cast(int x, int y, int w, int h)
{
    if (!skutocna)
        return;
    std::vector<Pas> pasy;
    if (ukazane && ukazane_platne && cela_mierka())
        pasy = zmenene_pasy(obraz, x, y, ukazane, x, y, w, h);
    else if (!ukazane || !ukazane_platne || !zmenene_pasy(obraz, 0, 0, ukazane, 0, 0, width, height).empty())
        // Any other size samples the whole picture for any part of it.
        pasy.push_back({0, 0, width, height});
    if (pasy.empty())
        return;
    acquire_bitmap(skutocna);
    for (const Pas &p : pasy) {
        prenes_obraz(obraz, skutocna, kde, p.x, p.y, p.w, p.h);
        if (ukazane)
            blit(obraz, ukazane, p.x, p.y, p.x, p.y, p.w, p.h);
    }
    ukazane_platne = ukazane != nullptr;
    nakresli_poznamku();
    release_bitmap(skutocna);
}

void prezentuj_vsetko()
{
    ukazane_platne = false;
    prezentuj_cast(0, 0, width, height);
}

bool obraz_caka()
{
    return obraz_ziadany() || poznamka_vyprsala;
}

bool obsluz_obraz()
{
    if (!gfx_driver)
        return false;
    bool prepnute = false;
    while (ziadost_prepnutia()) {
        prepni();
        prepnute = true;
    }
    while (ziadost_snimky())
        snimka();
    if (!poznamka.empty() && (poznamka_vyprsala || ido - poznamka_od >= POZNAMKA_MS))
        skry_poznamku();
    return prepnute;
}

int rezim_zobrazenia()
{
    return rezim_teraz;
}
