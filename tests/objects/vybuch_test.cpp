#include <gtest/gtest.h>

#include "objects/testovacie_obrazky.h"
#include "objects/vybuch.h"
#include "support/allegro_env.h"

namespace {

const int STRED = 450;

class VybuchTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ciel = create_bitmap(2 * STRED, 2 * STRED);
        clear_to_color(ciel, 0);
    }
    void TearDown() override { destroy_bitmap(ciel); }

    void nakresli(int polomer, int zostava)
    {
        Vybuch1 v;
        v.SetBitmap(ciel);
        v.SetPx(STRED + 0.9);
        v.SetPy(STRED + 0.9);
        v.SetMax_health(polomer);
        v.SetHealth(zostava);
        v.Nakresli();
    }

    // The ring's pixels along the horizontal line through the centre, right side.
    void over_prstenec(int vnutorny, int farba)
    {
        EXPECT_EQ(getpixel(ciel, STRED + vnutorny, STRED), farba);
        EXPECT_EQ(getpixel(ciel, STRED + vnutorny + 1, STRED), farba);
        EXPECT_EQ(getpixel(ciel, STRED + vnutorny + 2, STRED), 0);
        if (vnutorny > 0) {
            EXPECT_EQ(getpixel(ciel, STRED + vnutorny - 1, STRED), 0);
        }
        Obdlznik o = nakreslene(ciel, 0);
        EXPECT_EQ(o.x1, STRED - vnutorny - 1);
        EXPECT_EQ(o.x2, STRED + vnutorny + 1);
    }

    BITMAP *ciel = nullptr;
};

}  // namespace

TEST_F(VybuchTest, ConstructorLeavesTheBaseDefaults)
{
    Vybuch1 v;
    EXPECT_EQ(v.GetPx(), 0);
    EXPECT_EQ(v.GetPy(), 0);
    EXPECT_EQ(v.GetSpeed(), 0);
    EXPECT_EQ(v.GetUhol(), 0);
    EXPECT_EQ(v.GetHealth(), 1);
    EXPECT_EQ(v.GetMax_health(), 1);
    EXPECT_EQ(v.GetDalsia(), nullptr);
    EXPECT_EQ(v.GetPredosla(), nullptr);
    EXPECT_EQ(v.GetObrazok(), nullptr);
}

TEST_F(VybuchTest, HalfGrownRingIsOrange)
{
    nakresli(20, 10);
    over_prstenec(10, makecol(255, 128, 0));
}

TEST_F(VybuchTest, NewRingIsRedAndStartsAtTheCentre)
{
    nakresli(50, 50);
    over_prstenec(0, makecol(255, 0, 0));
    EXPECT_EQ(getpixel(ciel, STRED, STRED), makecol(255, 0, 0));
}

TEST_F(VybuchTest, LastStepIsYellowAtFullRadius)
{
    nakresli(400, 1);
    over_prstenec(399, makecol(255, 255, 0));
}

TEST_F(VybuchTest, OverdueExplosionsGrowPastTheirRadius)
{
    nakresli(20, 0);
    over_prstenec(20, makecol(255, 255, 0));

    clear_to_color(ciel, 0);
    nakresli(20, -4);
    // Green 255 + 51 is handed to makecol as it is.
    over_prstenec(24, makecol(255, 306, 0));
}

TEST_F(VybuchTest, RadiusBelowOneDrawsNothing)
{
    nakresli(0, 0);
    nakresli(-5, -5);
    EXPECT_TRUE(nakreslene(ciel, 0).prazdny());
}
