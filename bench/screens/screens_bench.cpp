// One pass of the briefing with the whole opening message typed, and one pass
// of the shop with the pointer over an item: the work each screen repeats as
// fast as it can (the briefing) or once per retrace (the shop).
#include <cstdio>

#include <benchmark/benchmark.h>

#include "platform/casovac.h"
#include "screens/briefing_pass.h"
#include "screens/shop_pass.h"
#include "support/prostredie.h"
#include "text/alfont.h"

namespace {

const char kSprava[] =
    "Vitaj na palube!!!\n\nVolam sa Zorvik Tamberk, a ododneska som tvojim\nnadriadenym.Budes plnit moje "
    "rozkazy,\na odmenou ti bude skvely pocit\nze si sluzil pod mojim velenim.\n\nZverime ti do ruk "
    "najmodernejsiu\ndnesnu ponorku so skusenou posadkou,\na ty nam predvedies, co vies.";

void BM_briefing_pass(benchmark::State &state)
{
    ALFONT_FONT *font = nacitaj_pismo("data/fonts/trebuchet.ttf", 20);
    ALFONT_FONT *prompt = nacitaj_pismo("data/fonts/copperlate.ttf", 36);
    BITMAP *portret = load_bitmap("gfx/briefing/zorvik.tga", nullptr);
    if (!font || !prompt || !portret) {
        state.SkipWithError("briefing assets are missing");
    } else {
        // Argument 1: transparent text, as after the first mission, the costlier mode.
        const int old_mode = alfont_text_mode(state.range(0) ? -1 : 0);
        BITMAP *buffer = create_bitmap(1024, 768);
        clear_to_color(buffer, makecol(0, 0, 0));
        BriefingStav s = briefing_stav(buffer, portret, font, prompt, makecol(176, 128, 128), kSprava);
        s.odhalene = s.dlzka;
        for (auto _ : state) {
            ms = 1;
            briefing_pass(s);
            benchmark::ClobberMemory();
        }
        destroy_bitmap(buffer);
        alfont_text_mode(old_mode);
    }
    if (portret)
        destroy_bitmap(portret);
    alfont_destroy_font(prompt);
    alfont_destroy_font(font);
}
BENCHMARK(BM_briefing_pass)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_shop_pass(benchmark::State &state)
{
    ALFONT_FONT *continue_font = nacitaj_pismo("data/fonts/copperlate.ttf", 20);
    ALFONT_FONT *cena_font = nacitaj_pismo("data/fonts/formal.ttf", 25);
    int peniaze = 100, torpeda = 50, navnady = 100;
    BITMAP *buffer = create_bitmap(1024, 768);
    clear_to_color(buffer, makecol(0, 0, 0));
    ObchodStav s = obchod_stav(buffer, continue_font, cena_font, &peniaze, 50, 10, &torpeda, &navnady);
    const char *mena[] = {"unselected", "unactive", "selected"};
    bool ok = continue_font && cena_font;
    for (int i = 0; i < OBRAZKY_POLOZKY; i++) {
        char cesta[64];
        snprintf(cesta, sizeof cesta, "gfx/shop/torpedo_%s.tga", mena[i]);
        s.torpedo[i] = load_bitmap(cesta, nullptr);
        snprintf(cesta, sizeof cesta, "gfx/shop/navnada_%s.tga", mena[i]);
        s.navnada[i] = load_bitmap(cesta, nullptr);
        ok = ok && s.torpedo[i] && s.navnada[i];
    }
    if (!ok) {
        state.SkipWithError("shop assets are missing");
    } else {
        const int old_mode = alfont_text_mode(-1);
        mouse_x = 300;
        mouse_y = 200;
        mouse_b = 0;
        for (auto _ : state) {
            shop_pass(s);
            benchmark::ClobberMemory();
        }
        alfont_text_mode(old_mode);
    }
    for (int i = 0; i < OBRAZKY_POLOZKY; i++) {
        if (s.torpedo[i])
            destroy_bitmap(s.torpedo[i]);
        if (s.navnada[i])
            destroy_bitmap(s.navnada[i]);
    }
    destroy_bitmap(buffer);
    alfont_destroy_font(cena_font);
    alfont_destroy_font(continue_font);
}
BENCHMARK(BM_shop_pass)->Unit(benchmark::kMicrosecond);

}  // namespace
