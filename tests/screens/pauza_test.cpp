#include <atomic>
#include <chrono>
#include <thread>

#include <gtest/gtest.h>

#include "platform/odchod.h"
#include "platform/udalosti.h"
#include "platform/ziadost_pauzy.h"
#include "screens/obrazovky.h"
#include "screens/pauza.h"
#include "simulation/frame_loop.h"
#include "support/allegro_env.h"
#include "support/screens_assets.h"
#include "text/alfont.h"

using namespace screens_test;

namespace {

class Pause : public ::testing::Test {
protected:
    void SetUp() override
    {
        zrus_odchod();
        fokus_okna(true);
        zabudni_p();
        if (pauza_ziadana()) {  // a pause left on by an earlier test
            stlacene_p();
            pauza_ziadana();
        }
    }
    void TearDown() override { SetUp(); }
};

TEST_F(Pause, PTogglesAndPressesOutsideAMissionDoNotCount)
{
    EXPECT_FALSE(pauza_ziadana());
    stlacene_p();
    EXPECT_TRUE(pauza_ziadana());
    EXPECT_TRUE(pauza_ziadana()) << "stays paused until P comes again";
    stlacene_p();
    EXPECT_FALSE(pauza_ziadana());
    stlacene_p();
    stlacene_p();
    EXPECT_FALSE(pauza_ziadana()) << "two presses between two looks cancel out";
    stlacene_p();
    zabudni_p();
    EXPECT_FALSE(pauza_ziadana()) << "a press on a screen before the mission";
}

TEST_F(Pause, LostFocusPausesUntilItComesBack)
{
    fokus_okna(false);
    EXPECT_TRUE(pauza_ziadana());
    fokus_okna(true);
    EXPECT_FALSE(pauza_ziadana());
    stlacene_p();
    fokus_okna(false);
    fokus_okna(true);
    EXPECT_TRUE(pauza_ziadana()) << "the focus back does not end a pause of P";
}

TEST_F(Pause, AsleepUntilPOrTheFocusOrLeaving)
{
    AssetDir dir;
    for (int koniec = 0; koniec < 3; koniec++) {
        if (koniec == 1)
            fokus_okna(false);
        else
            stlacene_p();
        ASSERT_TRUE(pauza_ziadana());
        std::atomic<bool> hotovo{false};
        std::thread pauza_vlakno([&] {
            pauza();
            hotovo = true;
        });
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        EXPECT_FALSE(hotovo);
        if (koniec == 0)
            stlacene_p();
        else if (koniec == 1)
            fokus_okna(true);
        else
            ziadaj_odchod(ODCHOD_ESC);
        pauza_vlakno.join();
        EXPECT_TRUE(hotovo);
        zrus_odchod();
    }
}

TEST_F(Pause, TheGamesBriefingAndShopForgetAPressOfPMadeOnThem)
{
    // Left at once (Esc is down as they open), so the screens' own loops stay short.
    AssetDir dir;
    HraNaObrazovke hra_na_obrazovke;
    Hra hra{};
    static char sprava[] = "Vitaj na palube!!!";
    stlacene_p();
    ziadaj_odchod(ODCHOD_ESC);
    EXPECT_FALSE(hra_na_obrazovke.briefing(hra, makecol(255, 255, 255), sprava));
    zrus_odchod();
    EXPECT_FALSE(pauza_ziadana()) << "the mission after a briefing starts running";

    Nakup n{100, 0, 0, 50, 10};
    stlacene_p();
    ziadaj_odchod(ODCHOD_ESC);
    EXPECT_FALSE(hra_na_obrazovke.obchod(n));
    zrus_odchod();
    EXPECT_FALSE(pauza_ziadana()) << "the mission after a shop starts running";
}

TEST_F(Pause, LabelCentredOverTheWorldViewLeavesTheStatusBar)
{
    BITMAP *b = create_bitmap(1024, 768);
    clear_to_color(b, makecol(0, 0, 255));
    alfont_init();
    ALFONT_FONT *f = alfont_load_font(kSansTtf);
    ASSERT_NE(f, nullptr);
    alfont_set_font_size(f, 36);
    nakresli_pauzu(b, f);
    // A black box (384, 297)-(640, 393), grey border, white letters in it.
    EXPECT_TRUE(pixel_is(b, 384, 345, 128, 128, 128));
    EXPECT_TRUE(pixel_is(b, 640, 345, 128, 128, 128));
    EXPECT_TRUE(pixel_is(b, 512, 297, 128, 128, 128));
    EXPECT_TRUE(pixel_is(b, 512, 393, 128, 128, 128));
    EXPECT_TRUE(pixel_is(b, 383, 345, 0, 0, 255));
    EXPECT_TRUE(pixel_is(b, 390, 303, 0, 0, 0));
    int biele = 0, vlavo = 0, vpravo = 0;
    for (int y = 298; y < 393; y++)
        for (int x = 385; x < 640; x++)
            if (getpixel(b, x, y) == makecol(255, 255, 255)) {
                biele++;
                (x < 512 ? vlavo : vpravo)++;
            }
    EXPECT_GT(biele, 100);
    EXPECT_LT(abs(vlavo - vpravo), biele / 4) << "centred";
    for (int y = 691; y < 768; y += 7)
        for (int x = 0; x < 1024; x += 13)
            ASSERT_TRUE(pixel_is(b, x, y, 0, 0, 255)) << "status bar at " << x << " " << y;
    alfont_destroy_font(f);
    destroy_bitmap(b);
}

}  // namespace

namespace {

TEST_F(Pause, AHeldPRepeatingItsPressCountsOnce)
{
    sleduj_udalosti();
    ASSERT_NE(keyboard_lowlevel_callback, nullptr);
    for (int i = 0; i < 5; i++)
        keyboard_lowlevel_callback(KEY_P);  // auto-repeat: presses without releases
    EXPECT_TRUE(pauza_ziadana());
    keyboard_lowlevel_callback(KEY_P | 0x80);
    EXPECT_TRUE(pauza_ziadana()) << "letting go does not resume";
    keyboard_lowlevel_callback(KEY_P);
    keyboard_lowlevel_callback(KEY_P | 0x80);
    EXPECT_FALSE(pauza_ziadana());
    keyboard_lowlevel_callback = nullptr;
    mouse_callback = nullptr;
}

}  // namespace
