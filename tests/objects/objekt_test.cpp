#include <cmath>

#include <gtest/gtest.h>

#include "objects/objekt.h"

namespace {

Objekt at(double py, double uhol, double speed, double otacanie = 1)
{
    Objekt o;
    o.SetPy(py);
    o.SetUhol(uhol);
    o.SetSpeed(speed);
    o.SetOtacanie(otacanie);
    return o;
}

}  // namespace

TEST(Objekt, ConstructorDefaults)
{
    Objekt o;
    EXPECT_EQ(o.GetPx(), 0);
    EXPECT_EQ(o.GetPy(), 0);
    EXPECT_EQ(o.GetHealth(), 1);
    EXPECT_EQ(o.GetMax_health(), 1);
    EXPECT_EQ(o.GetDalsia(), nullptr);
    EXPECT_EQ(o.GetPredosla(), nullptr);
    EXPECT_EQ(o.GetObrazok(), nullptr);
    EXPECT_EQ(o.GetSpeed(), 0);
    EXPECT_EQ(o.GetZrychlenie(), 0);
    EXPECT_EQ(o.GetUhol(), 0);
    EXPECT_EQ(o.GetPrebijanie(), 0);
}

TEST(Objekt, PohniStillObjectOnlyAges)
{
    Objekt o = at(300, 0, 0);
    o.SetPx(10);
    o.Pohni();
    EXPECT_EQ(o.GetPx(), 10);
    EXPECT_EQ(o.GetPy(), 300);
    EXPECT_EQ(o.GetSx(), 0);
    EXPECT_EQ(o.GetSy(), 0);
    EXPECT_EQ(o.GetPrebijanie(), 1);
}

TEST(Objekt, PohniHeading90MovesRightWithEightDecimalPi)
{
    Objekt o = at(300, 90, 0.5);
    o.Pohni();
    EXPECT_DOUBLE_EQ(o.GetSx(), 0.5);
    EXPECT_NE(o.GetSy(), 0.0);  // cos of the eight-decimal pi is not exactly zero
    EXPECT_LT(std::fabs(o.GetSy()), 1e-8);
    EXPECT_EQ(o.GetSy(), cos(90 * 3.14159265 / 180) * 0.5);
}

TEST(Objekt, SurfaceRuleAppliesAtExactly101)
{
    Objekt o = at(101, 0, 0);
    o.Pohni();
    EXPECT_EQ(o.GetSpeed(), 0.15);  // stopped object is set moving forwards

    Objekt deeper = at(101.000001, 0, 0);
    deeper.Pohni();
    EXPECT_EQ(deeper.GetSpeed(), 0);
}

TEST(Objekt, SurfaceRuleTurnsTowardsDown)
{
    Objekt up = at(50, 180, 1.0);
    up.Pohni();
    EXPECT_EQ(up.GetUhol(), 175);  // exactly 180 takes the first branch only

    Objekt right = at(50, 100, 1.0);
    right.Pohni();
    EXPECT_EQ(right.GetUhol(), 95);

    Objekt left = at(50, 200, 1.0);
    left.Pohni();
    EXPECT_EQ(left.GetUhol(), 205);

    for (double edge : {75.0, 285.0, 450.0, -90.0}) {
        Objekt o = at(50, edge, 1.0);
        o.Pohni();
        EXPECT_EQ(o.GetUhol(), edge) << edge;
        EXPECT_DOUBLE_EQ(o.GetSpeed(), 0.98) << edge;
    }
}

TEST(Objekt, SurfaceRuleSpeedFloor)
{
    Objekt fast = at(50, 0, 1.0);
    fast.Pohni();
    EXPECT_EQ(fast.GetSpeed(), 1.0 - 0.02);

    Objekt slow = at(50, 0, 0.16);
    slow.Pohni();
    EXPECT_EQ(slow.GetSpeed(), 0.15);

    Objekt astern = at(50, 0, -0.3);
    astern.Pohni();
    EXPECT_EQ(astern.GetSpeed(), 0.15);
}

TEST(Objekt, BaseNakresliDrawsNothing)
{
    BITMAP *bmp = create_bitmap(64, 64);
    clear_to_color(bmp, makecol(1, 2, 3));
    Objekt o;
    o.SetBitmap(bmp);
    o.Nakresli();
    for (int y = 0; y < 64; y++)
        for (int x = 0; x < 64; x++)
            ASSERT_EQ(getpixel(bmp, x, y), makecol(1, 2, 3));
    destroy_bitmap(bmp);
}

TEST(Objekt, SpriteAngleTruncatesHeading)
{
    EXPECT_EQ(uhol_sprajtu(90, 320), itofix(257));
    EXPECT_EQ(uhol_sprajtu(270, 448), itofix(257));
    EXPECT_EQ(uhol_sprajtu(0, 448), itofix(448));
    EXPECT_EQ(uhol_sprajtu(90, 448), itofix(385));
    EXPECT_EQ(uhol_sprajtu(0, 320), itofix(320));
}

TEST(Objekt, SpriteAngleOfAccumulatedHeadingsStaysNegativeFixed)
{
    EXPECT_EQ(uhol_sprajtu(1000, 320), -391 * 65536);  // a = 711
    EXPECT_EQ(uhol_sprajtu(-90, 448), 511 * 65536);    // a = -63
}

TEST(Objekt, RotatedSpriteMatchesAllegroAndShiftsExactlyPastTheLeftEdge)
{
    BITMAP *sprajt = create_bitmap(50, 25);
    clear_to_color(sprajt, makecol(200, 0, 0));
    rectfill(sprajt, 0, 0, 10, 24, makecol(0, 0, 200));
    BITMAP *nas = create_bitmap(300, 200);
    BITMAP *allegro = create_bitmap(300, 200);
    for (int uhol : {0, 1, 37, 64, 100, 192, 257, 385, 448}) {
        clear_to_color(nas, 0);
        clear_to_color(allegro, 0);
        rotuj_sprajt(nas, sprajt, 120, 70, itofix(uhol));
        rotate_sprite(allegro, sprajt, 120, 70, itofix(uhol));
        for (int y = 0; y < 200; y++)
            for (int x = 0; x < 300; x++)
                ASSERT_EQ(getpixel(nas, x, y), getpixel(allegro, x, y)) << uhol << " " << x << "," << y;

        // Drawn 135 pixels further left, the same image shows 135 pixels over.
        clear_to_color(allegro, 0);
        rotuj_sprajt(allegro, sprajt, -15, 70, itofix(uhol));
        for (int y = 0; y < 200; y++)
            for (int x = 0; x + 135 < 300; x++)
                ASSERT_EQ(getpixel(allegro, x, y), getpixel(nas, x + 135, y)) << uhol << " " << x << "," << y;
    }
    destroy_bitmap(nas);
    destroy_bitmap(allegro);
    destroy_bitmap(sprajt);
}
