// One pass of the briefing loop with the whole opening briefing typed out:
// portrait, every character, the prompt and the copy to the screen.
#include <benchmark/benchmark.h>

#include "platform/casovac.h"
#include "platform/rozlisenie.h"
#include "screens/briefing_pass.h"
#include "support/prostredie.h"
#include "text/alfont.h"

namespace {

// The opening briefing, as the first mission shows it.
const char UVOD[] =
    "Vitaj na palube!!!\n\nVolam sa Zorvik Tamberk, a ododneska som tvojim\nnadriadenym.Budes plnit moje rozkazy,\na "
    "odmenou ti bude skvely pocit\nze si sluzil pod mojim velenim.\n\nZverime ti do ruk najmodernejsiu\ndnesnu "
    "ponorku so skusenou posadkou,\na ty nam predvedies, co vies.\n\nTvojou prvou uloho bude znicit\nnepriatelsku "
    "ponorku.\n\nVela stastia!";

// mode: the text layer's mode during the pass. The opening briefing runs before
// the first status bar (opaque on black), the later ones after it (transparent).
void briefing_pass_v_rezime(benchmark::State &state, int mode)
{
    BriefingRozmery r = briefing_rozmery(width, height);
    ALFONT_FONT *font = nacitaj_pismo("data/fonts/trebuchet.ttf", r.riadok);
    ALFONT_FONT *prompt = nacitaj_pismo("data/fonts/copperlate.ttf", r.prompt_size);
    BITMAP *portret = load_bitmap("gfx/briefing/zorvik.tga", nullptr);
    if (!font || !prompt || !portret) {
        state.SkipWithError("briefing assets missing");
        alfont_destroy_font(font);
        alfont_destroy_font(prompt);
        if (portret)
            destroy_bitmap(portret);
        return;
    }
    BITMAP *buffer = create_bitmap(width, height);
    clear_to_color(buffer, makecol(0, 0, 0));
    BriefingStav s = briefing_stav(buffer, portret, font, prompt, makecol(176, 128, 128), UVOD);
    s.odhalene = s.dlzka;
    s.uroven = 64;
    int predosly = alfont_text_mode(mode);
    // Warms the glyph caches as the typing would have.
    ms = 0;
    briefing_pass(s);

    for (auto _ : state) {
        // No tick: the pass only redraws.
        ms = 0;
        briefing_pass(s);
    }
    state.counters["znaky"] = s.dlzka;

    alfont_text_mode(predosly);
    destroy_bitmap(buffer);
    destroy_bitmap(portret);
    alfont_destroy_font(font);
    alfont_destroy_font(prompt);
}

void BM_BriefingPass_Nepriehladny(benchmark::State &state)
{
    briefing_pass_v_rezime(state, 0);
}
BENCHMARK(BM_BriefingPass_Nepriehladny)->Unit(benchmark::kMillisecond);

void BM_BriefingPass_Priehladny(benchmark::State &state)
{
    briefing_pass_v_rezime(state, -1);
}
BENCHMARK(BM_BriefingPass_Priehladny)->Unit(benchmark::kMillisecond);

}  // namespace
