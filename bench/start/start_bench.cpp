// Loading at start-up: the asset check that reads every file with the game's
// own loaders, and the work between the graphics mode and the first briefing
// frame (world, background, fonts, status bar, the briefing's own files and
// its first pass).
#include <benchmark/benchmark.h>

#include "objects/obrazky.h"
#include "platform/casovac.h"
#include "platform/rozlisenie.h"
#include "screens/briefing_pass.h"
#include "screens/more.h"
#include "start/assets.h"
#include "support/rezim.h"
#include "text/alfont.h"
#include "world/spravca.h"

namespace {

void BM_KontrolaAssetov(benchmark::State &state)
{
    for (auto _ : state) {
        if (!check_assets()) {
            state.SkipWithError("assets missing or damaged");
            break;
        }
    }
}
BENCHMARK(BM_KontrolaAssetov)->Unit(benchmark::kMillisecond);

char sprava[] = "Vitaj na palube!!!";

void BM_StartPoBriefing(benchmark::State &state)
{
    Rezim1024 rezim;
    for (auto _ : state) {
        // Every image is read from disk again, as in a fresh process.
        obrazky_vycisti();
        Spravca *svet = new Spravca;
        svet->GetHrac().SetHealth(10000);
        svet->GetHrac().SetMax_health(10000);

        BITMAP *pozadie = create_bitmap(1024, 768);
        create_more(pozadie, 1024, 768, makecol(9, 0, 26));
        ALFONT_FONT *pismo = alfont_load_font("data/fonts/formal.ttf");
        ALFONT_FONT *pismo_briefing = alfont_load_font("data/fonts/trebuchet.ttf");
        alfont_set_font_size(pismo, (int)((long double)SCREEN_H / 36.923076));
        alfont_set_font_size(pismo_briefing, (int)((long double)SCREEN_H / 36.923076));
        BITMAP *stavovy = create_bitmap(SCREEN_W, (int)((long double)SCREEN_H / 10.0));
        clear_bitmap(stavovy);

        // The briefing's entry and its first pass.
        BriefingRozmery r = briefing_rozmery(width, height);
        alfont_set_font_size(pismo_briefing, r.riadok);
        ALFONT_FONT *prompt = alfont_load_font("data/fonts/copperlate.ttf");
        alfont_set_font_size(prompt, r.prompt_size);
        SAMPLE *hudba = load_sample("sfx/briefing/beat.wav");
        BITMAP *buffer = create_bitmap(width, height);
        BITMAP *portret = load_bitmap("gfx/briefing/zorvik.tga", nullptr);
        clear_to_color(buffer, makecol(0, 0, 0));
        BriefingStav s = briefing_stav(buffer, portret, pismo_briefing, prompt, makecol(176, 128, 128), sprava);
        ms = 1;
        briefing_pass(s);

        if (!pismo || !pismo_briefing || !prompt || !hudba || !portret)
            state.SkipWithError("assets missing");

        if (hudba)
            destroy_sample(hudba);
        if (portret)
            destroy_bitmap(portret);
        destroy_bitmap(buffer);
        alfont_destroy_font(prompt);
        destroy_bitmap(stavovy);
        alfont_destroy_font(pismo);
        alfont_destroy_font(pismo_briefing);
        destroy_bitmap(pozadie);
        delete svet;
        if (state.error_occurred())
            break;
    }
}
BENCHMARK(BM_StartPoBriefing)->Unit(benchmark::kMillisecond);

}  // namespace
