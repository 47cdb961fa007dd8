#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "objects/testovacie_obrazky.h"
#include "platform/casovac.h"
#include "screens/obrazovky.h"
#include "simulation/frame_loop.h"
#include "simulation/status_bar.h"
#include "support/allegro_env.h"
#include "text/alfont.h"
#include "world/spravca.h"

namespace {

// A world with its background and status bar, stepped without a display.
class FrameLoop : public ::testing::Test {
protected:
    Hra hra{};
    Spravca *svet = nullptr;
    BITMAP *stara_obrazovka = nullptr;

    void SetUp() override
    {
        release_all_keys();
        // No display here: the screen is a memory bitmap, and SCREEN_W reads 0.
        stara_obrazovka = screen;
        screen = create_bitmap(1024, 768);
        alfont_init();
        kedy_vykresli = 1;
        ked_vykresli = 1;
        testing::internal::CaptureStdout();
        svet = new Spravca;
        hra.pozadie = create_bitmap(1024, 768);
        clear_to_color(hra.pozadie, makecol(0, 255, 0));
        hra.stavovy_riadok = create_bitmap(1024, 76);
        clear_to_color(hra.stavovy_riadok, makecol(255, 0, 255));
        hra.pismo = alfont_load_font("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
        ASSERT_NE(hra.pismo, nullptr);
        alfont_set_font_size(hra.pismo, 20);
        hra.kroky = 0;
    }

    void TearDown() override
    {
        delete svet;
        testing::internal::GetCapturedStdout();
        destroy_bitmap(hra.pozadie);
        destroy_bitmap(hra.stavovy_riadok);
        alfont_destroy_font(hra.pismo);
        destroy_bitmap(screen);
        screen = stara_obrazovka;
        alfont_text_mode(0);
        kedy_vykresli = 1;
        ked_vykresli = 1;
    }

    // Runs one step and tells whether it was a drawing step: only those copy
    // the background over the world bitmap.
    bool step()
    {
        clear_to_color(svet->GetSvet(), makecol(0, 0, 0));
        frame_step(*svet, hra);
        return getpixel(svet->GetSvet(), 3, 3) == makecol(0, 255, 0);
    }
};

}  // namespace

TEST_F(FrameLoop, EveryThirdStepDrawsCountingFromOne)
{
    std::vector<int> drawn;
    for (int s = 1; s <= 12; s++)
        if (step())
            drawn.push_back(s);
    EXPECT_EQ(drawn, (std::vector<int>{3, 6, 9, 12}));
    EXPECT_EQ(hra.kroky, 12);
    EXPECT_EQ(kedy_vykresli, 1);
    EXPECT_EQ(ked_vykresli, kedy_vykresli);
}

TEST_F(FrameLoop, CadenceCarriesIntoTheNextMission)
{
    // Mission 1 ends after step 7; the second step of mission 2 (step 9) draws.
    for (int s = 1; s <= 7; s++)
        step();
    svet->Pridaj(TYP_NEPR1, 2048, 300, 0, 0, 270, 1000, 1000, 0.2, 50);
    EXPECT_FALSE(step());
    EXPECT_TRUE(step());
    EXPECT_EQ(hra.kroky, 9);
}

TEST_F(FrameLoop, AnEnemyReachesTheScreenOverTheBackground)
{
    // Drawn on any step but the one that copies the background, the enemy
    // would be painted over before the world reaches the screen.
    vloz_testovacie_obrazky();
    svet->Pridaj(TYP_NEPR1, 600, 300, 0, 0, 0, 100, 100, 0, 50);
    hra.bez_cakania = true;
    clear_to_color(screen, makecol(0, 0, 0));
    for (int s = 1; s <= 3; s++)
        frame_step(*svet, hra);
    EXPECT_EQ(getpixel(screen, 600, 300), makecol(FARBA_NEPRIATEL));
    EXPECT_EQ(getpixel(screen, 3, 3), makecol(0, 255, 0));
}

TEST_F(FrameLoop, StatusBarIsRedrawnOnlyOnDrawingSteps)
{
    // Headless the bar's layout collapses to the corner, which is enough to see a redraw.
    auto untouched = [this] {
        for (int y = 0; y < 76; y++)
            for (int x = 0; x < 1024; x++)
                if (getpixel(hra.stavovy_riadok, x, y) != makecol(255, 0, 255))
                    return false;
        return true;
    };
    step();
    step();
    EXPECT_TRUE(untouched());
    step();
    EXPECT_FALSE(untouched());
}

// A drawing step in the 1024 x 768 mode: a stand-in mode of that size (no
// driver calls are made) and a thread ticking the game timer, so the pacing
// wait can end.
TEST_F(FrameLoop, DrawingStepAt1024ShowsThePreviousBarAndRedrawsItFromThePlayer)
{
    GFX_DRIVER rezim = GFX_DRIVER();
    rezim.w = 1024;
    rezim.h = 768;
    GFX_DRIVER *predosly = gfx_driver;
    gfx_driver = &rezim;
    std::atomic<bool> tikaj{true};
    std::thread hodiny([&tikaj] {
        while (tikaj) {
            dalsia();
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
    });

    clear_to_color(screen, makecol(0, 0, 255));
    Ponorka &hrac = svet->GetHrac();
    hrac.SetHealth(7777);
    hrac.SetMax_health(10000);
    // The world step charges every slot by one before the gauges are read.
    hrac.SetNabijanie(0, 998);  // 999 of 1000: 99
    hrac.SetNabijanie(1, 599);  // 600 of 1000: 60
    hrac.SetNabijanie(2, 249);  // 250 of 1000: 25
    hrac.SetNabijanie(3, 9);    // 10 of 1000: 1
    hrac.SetNabijanie(4, 74);   // 75 of 150: 50
    hrac.SetTorpedo(7);
    hrac.SetNavnada(13);
    hrac.SetMoney(450);
    hra.kroky = 12345;
    kedy_vykresli = 3;
    ked_vykresli = 3;

    frame_step(*svet, hra);
    int cakanie = timer;
    tikaj = false;
    hodiny.join();
    gfx_driver = predosly;

    // The bar on the screen is the one drawn before: 1024 x 76 at row 691.
    for (int y = 691; y < 767; y++)
        for (int x = 0; x < 1024; x++)
            ASSERT_TRUE(pixel_is(screen, x, y, 255, 0, 255)) << x << "," << y;
    for (int x = 0; x < 1024; x++)
        ASSERT_TRUE(pixel_is(screen, x, 767, 0, 0, 255)) << x;
    EXPECT_GE(cakanie, 15) << "a drawing step at width 1024 waits 15 ticks";
    EXPECT_EQ(hra.kroky, 12346);
    EXPECT_EQ(kedy_vykresli, 1);

    // The new bar: health, decoy launcher, tubes 0..3, stocks, steps / 100, money.
    BITMAP *ref = create_bitmap(1024, 76);
    clear_to_color(ref, makecol(255, 0, 255));
    gfx_driver = &rezim;
    drawStatusBar(ref, hra.pismo, 77, 50, 99, 60, 25, 1, 7, 13, 123, 450, true, makecol(255, 255, 0),
                  makecol(128, 128, 128));
    gfx_driver = predosly;
    int rozne = 0;
    for (int y = 0; y < 76; y++)
        for (int x = 0; x < 1024; x++)
            rozne += getpixel(ref, x, y) != getpixel(hra.stavovy_riadok, x, y);
    EXPECT_EQ(rozne, 0);
    destroy_bitmap(ref);
}

TEST_F(FrameLoop, RunMissionStopsWhenTheEnemyListEmpties)
{
    // Nothing to fight: the loop does not step at all.
    HraNaObrazovke obrazovky;
    run_mission(*svet, hra, obrazovky, 1);
    EXPECT_EQ(hra.kroky, 0);
}

TEST(Gauges, TruncateNotRound)
{
    EXPECT_EQ(ukazovatel(999, 1000), 99);
    EXPECT_EQ(ukazovatel(1000, 1000), 100);
    EXPECT_EQ(ukazovatel(149, 150), 99);
    EXPECT_EQ(ukazovatel(0, 40), 0);
    EXPECT_EQ(ukazovatel(9999, 10000), 99);
}
