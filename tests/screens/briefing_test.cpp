#include <initializer_list>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/casovac.h"
#include "screens/briefing.h"
#include "screens/briefing_pass.h"
#include "support/allegro_env.h"
#include "support/screens_assets.h"
#include "text/alfont.h"

using namespace screens_test;

namespace {

TEST(BriefingLayout, PositionsAt1024x768)
{
    BriefingRozmery r = briefing_rozmery(1024, 768);
    EXPECT_EQ(r.riadok, 20);
    EXPECT_EQ(r.text_x, 562);
    EXPECT_EQ(r.text_y, 149);  // a plain double quotient would give 150
    EXPECT_EQ(r.prompt_size, 36);
    EXPECT_EQ(r.portret_x, 79);
    EXPECT_EQ(r.portret_y, 119);
    EXPECT_EQ(r.portret_w, 443);
    EXPECT_EQ(r.portret_h, 522);
    EXPECT_EQ(r.zalom_x, 984);
    EXPECT_EQ(r.prompt_x, 512);
    EXPECT_EQ(r.prompt_y, 692);
}

// Counts pixels of a rectangle (both corners included) that are not black.
int nie_ciernych(BITMAP *b, int x1, int y1, int x2, int y2)
{
    int n = 0;
    for (int y = y1; y <= y2; y++)
        for (int x = x1; x <= x2; x++)
            n += getpixel(b, x, y) != makecol(0, 0, 0);
    return n;
}

bool rovnake(BITMAP *a, BITMAP *b, int x1, int y1, int x2, int y2)
{
    for (int y = y1; y <= y2; y++)
        for (int x = x1; x <= x2; x++)
            if (getpixel(a, x, y) != getpixel(b, x, y))
                return false;
    return true;
}

class BriefingPass : public ::testing::Test {
protected:
    AssetDir dir;
    ALFONT_FONT *font = nullptr;
    ALFONT_FONT *prompt_font = nullptr;
    BITMAP *portret = nullptr;
    BITMAP *buffer = nullptr;
    BITMAP *ref = nullptr;
    int stary_mod = 0;
    int biela = 0;
    std::string text;

    void SetUp() override
    {
        release_all_keys();
        ms = 0;
        stary_mod = alfont_text_mode(0);
        font = alfont_load_font(kSansTtf);
        ASSERT_NE(font, nullptr);
        alfont_set_font_size(font, 20);
        prompt_font = alfont_load_font("data/fonts/copperlate.ttf");
        ASSERT_NE(prompt_font, nullptr);
        alfont_set_font_size(prompt_font, 36);
        portret = load_bitmap("gfx/briefing/zorvik.tga", nullptr);
        ASSERT_NE(portret, nullptr);
        buffer = create_bitmap(1024, 768);
        clear_to_color(buffer, makecol(0, 0, 0));
        ref = create_bitmap(1024, 768);
        clear_to_color(ref, makecol(0, 0, 0));
        biela = makecol(255, 255, 255);
    }
    void TearDown() override
    {
        alfont_text_mode(stary_mod);
        destroy_bitmap(ref);
        destroy_bitmap(buffer);
        destroy_bitmap(portret);
        alfont_destroy_font(prompt_font);
        alfont_destroy_font(font);
        ms = 0;
    }
    BriefingStav stav(const std::string &t)
    {
        text = t;
        return briefing_stav(buffer, portret, font, prompt_font, biela, text.c_str());
    }
    static void tik(BriefingStav &s)
    {
        ms = 1;
        briefing_pass(s);
    }
    void na_ref(int x, int y, char c) { alfont_textprintf_aa(ref, font, x, y, biela, "%c", c); }
    int sirka(char c)
    {
        char z[2] = {c, '\0'};
        return alfont_text_length(font, z);
    }
};

TEST_F(BriefingPass, TypesAtMostOneCharacterPerTickedPass)
{
    BriefingStav s = stav("Ahoj");
    briefing_pass(s);
    EXPECT_EQ(s.odhalene, 0) << "no tick, nothing typed";
    ms = 40;  // many ticks since the last pass still type one character
    briefing_pass(s);
    EXPECT_EQ(s.odhalene, 1);
    EXPECT_EQ(ms.load(), 0);
    briefing_pass(s);
    EXPECT_EQ(s.odhalene, 1);
    for (int i = 0; i < 10; i++)
        tik(s);
    EXPECT_EQ(s.odhalene, 4) << "never more than the message has";
}

TEST_F(BriefingPass, EmptyMessageShowsPortraitAndPromptOnly)
{
    BriefingStav s = stav("");
    for (int i = 0; i < 60; i++)
        tik(s);
    EXPECT_EQ(nie_ciernych(screen, 522, 0, 1023, 680), 0) << "the text column stays empty";
    EXPECT_GT(nie_ciernych(screen, 0, 692, 1023, 767), 0) << "the prompt is showing";
    EXPECT_TRUE(rovnake(screen, buffer, 0, 0, 1023, 767)) << "the whole buffer reaches the screen";

    // The portrait fills (79, 119)-(521, 640); its mask colour stays see-through.
    EXPECT_TRUE(pixel_is(screen, 79, 119, kPortrait.r, kPortrait.g, kPortrait.b));
    EXPECT_TRUE(pixel_is(screen, 521, 640, kPortrait.r, kPortrait.g, kPortrait.b));
    EXPECT_TRUE(pixel_is(screen, 78, 119, 0, 0, 0));
    EXPECT_TRUE(pixel_is(screen, 79, 118, 0, 0, 0));
    EXPECT_TRUE(pixel_is(screen, 522, 640, 0, 0, 0));
    EXPECT_TRUE(pixel_is(screen, 521, 641, 0, 0, 0));
    EXPECT_TRUE(pixel_is(screen, 300, 380, 0, 0, 0));
}

TEST_F(BriefingPass, TwoNewlinesLeaveOneEmptyLine)
{
    BriefingStav s = stav("A\n\nB");
    for (int i = 0; i < 4; i++)
        tik(s);
    na_ref(562, 149, 'A');
    na_ref(562, 149 + 44, 'B');
    EXPECT_GT(nie_ciernych(buffer, 562, 193, 600, 215), 0);
    EXPECT_TRUE(rovnake(buffer, ref, 540, 0, 1023, 680));
}

TEST_F(BriefingPass, LongLineWrapsAtTheFirstCharacterReaching984)
{
    const int n = 100;
    BriefingStav s = stav(std::string(n, 'M'));
    for (int i = 0; i < n; i++)
        tik(s);
    // Lay the same characters out by hand: a character whose pen x is at or
    // beyond 984 starts the next line at 562, 22 pixels lower.
    int w = sirka('M');
    ASSERT_GT(w, 0);
    int x = 562, y = 149, na_prvom = 0;
    for (int i = 0; i < n; i++) {
        if (x >= 984) {
            x = 562;
            y += 22;
        }
        if (y == 149)
            na_prvom++;
        na_ref(x, y, 'M');
        x += w;
    }
    EXPECT_EQ(na_prvom, (984 - 562 + w - 1) / w);
    EXPECT_GT(y, 149 + 22) << "the test text must wrap at least twice";
    EXPECT_TRUE(rovnake(buffer, ref, 540, 0, 1023, 680));
}

TEST_F(BriefingPass, PromptPulsesOverTwoHundredFiftySixTicks)
{
    BriefingStav s = stav("");
    std::vector<int> urovne;
    for (int i = 0; i < 256; i++) {
        tik(s);
        urovne.push_back(s.uroven);
        if (i == 127) {
            bool najdena = false;  // the brightest prompt pixel has the full grey level
            for (int y = 692; y < 768 && !najdena; y++)
                for (int x = 0; x < 1024 && !najdena; x++)
                    najdena = pixel_is(buffer, x, y, 128, 128, 128);
            EXPECT_TRUE(najdena);
        }
    }
    for (int i = 0; i < 128; i++)
        EXPECT_EQ(urovne[i], i + 1);
    for (int i = 128; i < 256; i++)
        EXPECT_EQ(urovne[i], 255 - i);
    EXPECT_EQ(nie_ciernych(buffer, 0, 692, 1023, 767), 0) << "black again after 256 ticks";
    tik(s);
    EXPECT_EQ(s.uroven, 1);
}

TEST_F(BriefingPass, OpaqueTextStaysPutTransparentTextConverges)
{
    BriefingStav s = stav("O");
    tik(s);
    BITMAP *prvy = create_bitmap(1024, 768);
    blit(buffer, prvy, 0, 0, 0, 0, 1024, 768);
    for (int i = 0; i < 20; i++)
        briefing_pass(s);
    EXPECT_TRUE(rovnake(buffer, prvy, 540, 0, 1023, 680)) << "opaque mode repaints the same pixels";

    clear_to_color(buffer, makecol(0, 0, 0));
    alfont_text_mode(-1);
    s = stav("O");
    tik(s);
    blit(buffer, prvy, 0, 0, 0, 0, 1024, 768);
    for (int i = 0; i < 20; i++)
        briefing_pass(s);
    int jasnejsie = 0, tmavsie = 0;
    for (int y = 140; y < 180; y++)
        for (int x = 555; x < 600; x++) {
            int a = getr(getpixel(prvy, x, y)), b = getr(getpixel(buffer, x, y));
            jasnejsie += b > a;
            tmavsie += b < a;
        }
    EXPECT_GT(jasnejsie, 0) << "partly covered edge pixels blend again on every pass";
    EXPECT_EQ(tmavsie, 0);
    destroy_bitmap(prvy);
}

TEST_F(BriefingPass, LaterPassesShowWhatWholePassesWould)
{
    // Later passes leave the portrait as the first drew it, draw only the new
    // characters of opaque text and copy only what changed; the screen must
    // come out the same, after every pass, as when every pass draws the
    // portrait and every character and copies the whole buffer.
    BITMAP *cele = create_bitmap(1024, 768);
    BITMAP *cely_buffer = create_bitmap(1024, 768);
    for (int rezim : {0, -1}) {
        alfont_text_mode(rezim);
        clear_to_color(buffer, makecol(0, 0, 0));
        clear_to_color(cely_buffer, makecol(0, 0, 0));
        clear_to_color(screen, makecol(0, 0, 0));
        clear_to_color(cele, makecol(0, 0, 0));
        BriefingStav s = stav("Vitaj na palube!!!\n\nVolam sa Zorvik Tamberk, a ododneska som tvojim\nnadriadenym.");
        BriefingStav c = briefing_stav(cely_buffer, s.portret, s.font, s.prompt_font, s.farba, s.text);
        auto pass = [&](int tiky) {
            ms = tiky;
            briefing_pass(s);
            BITMAP *obrazovka = screen;
            screen = cele;
            ms = tiky;
            c.nakreslene = false;
            briefing_pass(c);
            screen = obrazovka;
        };
        int rozdielne = 0;
        for (int i = 0; i < 150; i++) {
            pass(1);
            if (i % 3 == 0)
                pass(0);  // a pass without a tick in between, as a slow timer gives
            rozdielne += !rovnake(screen, cele, 0, 0, 1023, 767);
        }
        EXPECT_EQ(rozdielne, 0) << "text mode " << rezim;
        EXPECT_GT(nie_ciernych(screen, 562, 149, 1023, 250), 0);
    }
    destroy_bitmap(cely_buffer);
    destroy_bitmap(cele);
}

TEST_F(BriefingPass, MissingPortraitAndPromptFontAreLeftOut)
{
    text = "Hi";
    BriefingStav s = briefing_stav(buffer, nullptr, font, nullptr, biela, text.c_str());
    for (int i = 0; i < 5; i++)
        tik(s);
    EXPECT_EQ(nie_ciernych(buffer, 0, 0, 540, 767), 0);
    EXPECT_EQ(nie_ciernych(buffer, 0, 692, 1023, 767), 0);
    EXPECT_GT(nie_ciernych(buffer, 562, 149, 620, 175), 0);
}

class BriefingScreen : public ::testing::Test {
protected:
    void SetUp() override
    {
        release_all_keys();
        alfont_init();
        font = alfont_load_font(kSansTtf);
        ASSERT_NE(font, nullptr);
    }
    void TearDown() override
    {
        alfont_destroy_font(font);
        release_all_keys();
        ms = 0;
    }
    ALFONT_FONT *font = nullptr;
};

TEST_F(BriefingScreen, EnterHeldAtOpeningEndsBeforeAnythingIsShown)
{
    static char sprava[] = "Vitaj na palube!!!";
    for (int k : {KEY_ENTER, KEY_ENTER_PAD}) {
        AssetDir dir;
        release_all_keys();
        key[k] = 1;
        ms = 5;  // left over from an earlier showing
        briefing(font, makecol(255, 255, 255), sprava);
        EXPECT_EQ(nie_ciernych(screen, 0, 0, 1023, 767), 0) << "key " << k;
        EXPECT_EQ(ms.load(), 5) << "not reset on entry, and no pass ran";
        EXPECT_EQ(alfont_get_font_height(font), 20) << "the message font is left at the line height";
    }
}

TEST_F(BriefingScreen, MissingAssetsDoNotCrash)
{
    AssetDir dir(false);
    key[KEY_ENTER] = 1;
    static char sprava[] = "x";
    briefing(font, makecol(255, 255, 255), sprava);
    briefing(nullptr, makecol(255, 255, 255), sprava);
    EXPECT_EQ(nie_ciernych(screen, 0, 0, 1023, 767), 0);
}

}  // namespace
