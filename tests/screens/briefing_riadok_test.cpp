// The width check of a campaign's briefing lines against the briefing itself:
// the longest line it passes stays on one line, one character more wraps.
#include <string>

#include <gtest/gtest.h>

#include "platform/casovac.h"
#include "screens/briefing_pass.h"
#include "support/allegro_env.h"
#include "support/screens_assets.h"
#include "text/alfont.h"

using namespace screens_test;

namespace {

// Pixels of the text column's second line that are not black.
int na_druhom_riadku(BITMAP *b)
{
    int n = 0;
    for (int y = 149 + 22; y < 149 + 44; y++)
        for (int x = 540; x < 1024; x++)
            n += getpixel(b, x, y) != makecol(0, 0, 0);
    return n;
}

// The whole line typed out by the briefing's own passes; what reached its second line.
int napis(ALFONT_FONT *pismo, BITMAP *buffer, const std::string &riadok)
{
    clear_to_color(buffer, makecol(0, 0, 0));
    BriefingStav s = briefing_stav(buffer, nullptr, pismo, nullptr, makecol(255, 255, 255), riadok.c_str());
    for (size_t i = 0; i < riadok.size(); i++) {
        ms = 1;
        briefing_pass(s);
    }
    return na_druhom_riadku(buffer);
}

}  // namespace

TEST(BriefingWidth, TheLongestLineThatPassesStaysOnOneLineAndOneMoreWraps)
{
    AssetDir dir;
    ALFONT_FONT *pismo = alfont_load_font(kSansTtf);
    ASSERT_NE(pismo, nullptr);
    BITMAP *buffer = create_bitmap(1024, 768);
    int stary_mod = alfont_text_mode(0);

    const std::string slova = "Vitaj na palube, kapitan! Tma je na nasej strane. ";
    std::string riadok;
    while (briefing_riadok_sa_zmesti(pismo, riadok + slova[riadok.size() % slova.size()]))
        riadok += slova[riadok.size() % slova.size()];
    ASSERT_GT(riadok.size(), 20u);
    // Whether a character still fits depends only on where it starts, so any
    // one will do: a visible one, to be seen on the next line.
    std::string dlhsi = riadok + "M";
    EXPECT_FALSE(briefing_riadok_sa_zmesti(pismo, dlhsi));

    EXPECT_EQ(napis(pismo, buffer, riadok), 0) << riadok;
    EXPECT_GT(napis(pismo, buffer, dlhsi), 0) << dlhsi;
    EXPECT_TRUE(briefing_riadok_sa_zmesti(pismo, ""));

    alfont_text_mode(stary_mod);
    destroy_bitmap(buffer);
    alfont_destroy_font(pismo);
    ms = 0;
}
