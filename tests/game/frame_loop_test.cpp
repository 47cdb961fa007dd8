#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "game/pokus.h"
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
    svet->Pridaj(1, 2048, 300, 0, 0, 270, 1000, 1000, 0.2, 50);
    EXPECT_FALSE(step());
    EXPECT_TRUE(step());
    EXPECT_EQ(hra.kroky, 9);
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

TEST_F(FrameLoop, RunMissionStopsWhenTheEnemyListEmpties)
{
    // Nothing to fight: the loop does not step at all.
    run_mission(*svet, hra);
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
