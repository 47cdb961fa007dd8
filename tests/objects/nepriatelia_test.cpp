#include <gtest/gtest.h>

#include "objects/nepriatelia.h"
#include "objects/testovacie_obrazky.h"
#include "support/allegro_env.h"

namespace {

class Nepr1Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        vloz_testovacie_obrazky();
        ciel = create_bitmap(300, 300);
        clear_to_color(ciel, 0);
    }
    void TearDown() override { destroy_bitmap(ciel); }

    Nepr1 *novy(double px, double py, double uhol)
    {
        Nepr1 *n = new Nepr1;
        n->SetBitmap(ciel);
        n->SetPx(px);
        n->SetPy(py);
        n->SetUhol(uhol);
        return n;
    }

    BITMAP *ciel = nullptr;
};

}  // namespace

TEST_F(Nepr1Test, ConstructorFixesFiringIntervalTurnStepAndSprite)
{
    Nepr1 n;
    EXPECT_EQ(n.GetReload(), 500);
    EXPECT_EQ(n.GetPrebijanie(), 0);
    EXPECT_EQ(n.GetOtacanie(), 0.1);
    EXPECT_EQ(n.GetSpeed(), 0);
    EXPECT_EQ(n.GetHealth(), 1);
    ASSERT_NE(n.GetObrazok(), nullptr);
    EXPECT_EQ(n.GetObrazok()->w, 50);
    EXPECT_TRUE(pixel_is(n.GetObrazok(), 0, 0, FARBA_NEPRIATEL));

    // Every enemy holds its own copy of the sprite.
    Nepr1 druhy;
    EXPECT_NE(druhy.GetObrazok(), n.GetObrazok());
}

TEST_F(Nepr1Test, DrawnCentredWithCornerTruncatedSeparatelyInXAndY)
{
    Objekt *n = novy(100.7, 200.6, 270);
    n->Nakresli();
    Obdlznik o = nakreslene(ciel, 0);
    // Heading 270 is one unit off unrotated: x spans exactly 50 pixels and the
    // slight tilt spreads y evenly about the corner's row 188.
    EXPECT_EQ(o.x1, 75);
    EXPECT_EQ(o.x2, 124);
    EXPECT_EQ(o.y1 + o.y2, 2 * 188 + 24);
    EXPECT_TRUE(pixel_is(ciel, 100, 200, FARBA_NEPRIATEL));
    EXPECT_EQ(n->GetPx(), 100.7);
    EXPECT_EQ(n->GetPy(), 200.6);
    EXPECT_EQ(n->GetUhol(), 270);
    EXPECT_EQ(n->GetSpeed(), 0);
    delete n;

    // x is truncated before the offset: 10.5 gives -15, not trunc(-14.5).
    clear_to_color(ciel, 0);
    n = novy(10.5, 100, 270);
    n->Nakresli();
    EXPECT_EQ(nakreslene(ciel, 0).x2, -15 + 49);
    delete n;
}

TEST_F(Nepr1Test, LeftFacingImageTurnedByHeading)
{
    // Left half dark, right half light, so a half turn shows.
    BITMAP *dvojfarebny = create_bitmap(50, 25);
    rectfill(dvojfarebny, 0, 0, 24, 24, makecol(100, 0, 0));
    rectfill(dvojfarebny, 25, 0, 49, 24, makecol(250, 0, 0));
    obrazky_vloz("gfx/submarine/nepriatel.tga", dvojfarebny);
    destroy_bitmap(dvojfarebny);

    Objekt *vlavo = novy(150, 150, 270);
    vlavo->Nakresli();
    EXPECT_TRUE(pixel_is(ciel, 130, 150, 100, 0, 0));
    EXPECT_TRUE(pixel_is(ciel, 170, 150, 250, 0, 0));
    delete vlavo;

    clear_to_color(ciel, 0);
    Objekt *vpravo = novy(150, 150, 90);
    vpravo->Nakresli();  // upside down: the halves change sides
    EXPECT_TRUE(pixel_is(ciel, 130, 150, 250, 0, 0));
    EXPECT_TRUE(pixel_is(ciel, 170, 150, 100, 0, 0));
    delete vpravo;

    clear_to_color(ciel, 0);
    Objekt *dole = novy(150, 150, 0);
    dole->Nakresli();  // three quarters of a turn: the bow points down
    Obdlznik o = nakreslene(ciel, 0);
    EXPECT_GT(o.y2 - o.y1, 40);
    EXPECT_LT(o.x2 - o.x1, 30);
    EXPECT_TRUE(pixel_is(ciel, 150, 170, 100, 0, 0));
    EXPECT_TRUE(pixel_is(ciel, 150, 130, 250, 0, 0));
    delete dole;
}
