#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "screens/more.h"
#include "support/allegro_env.h"

namespace {

struct Mapa {
    BITMAP *bmp;
    std::string vystup;
    Mapa(int w, int h, int color, unsigned seed = 1)
    {
        bmp = create_bitmap(w, h);
        srand(seed);
        testing::internal::CaptureStdout();
        create_more(bmp, w, h, color);
        vystup = testing::internal::GetCapturedStdout();
    }
    ~Mapa() { destroy_bitmap(bmp); }
    bool riadok(int y, int r, int g, int b) const
    {
        for (int x = 0; x < bmp->w; x++)
            if (!pixel_is(bmp, x, y, r, g, b))
                return false;
        return true;
    }
};

}  // namespace

TEST(CreateMore, NightPaletteBands)
{
    Mapa m(1024, 768, makecol(9, 0, 26));
    for (int y = 102; y <= 203; y++)
        ASSERT_TRUE(m.riadok(y, 62, 17, 255)) << y;
    EXPECT_TRUE(m.riadok(204, 61, 16, 254));
    EXPECT_TRUE(m.riadok(509, 0, 0, 162));
    for (int y = 510; y < 768; y++)
        ASSERT_TRUE(m.riadok(y, 0, 0, 162)) << y;
    EXPECT_EQ(m.vystup, "Creating more....\nFirst part created\nSecond part created\nCreating stars...\n"
                        "More sucessfully created!\n");
}

TEST(CreateMore, NightStarsOnlyInUpperSkyEveryFourthColumn)
{
    Mapa m(1024, 768, makecol(9, 0, 26), 7);
    int white = makecol(255, 255, 255), sky = makecol(9, 0, 26);
    int stars = 0;
    for (int x = 0; x < 1024; x++) {
        int column = 0;
        for (int y = 0; y <= 101; y++) {
            int c = getpixel(m.bmp, x, y);
            if (c == white) {
                EXPECT_EQ(x % 4, 0) << x;
                EXPECT_LE(y, 96) << x;
                column++;
            } else {
                ASSERT_EQ(c, sky) << x << "," << y;
            }
        }
        EXPECT_LE(column, 1) << x;
        stars += column;
    }
    // Rows below zero are clipped away: about 5 of every 102 candidates vanish.
    EXPECT_GT(stars, 200);
    EXPECT_LE(stars, 256);
}

TEST(CreateMore, StarsFollowTheRandomSequence)
{
    Mapa a(1024, 768, makecol(9, 0, 26), 42), b(1024, 768, makecol(9, 0, 26), 42);
    Mapa c(1024, 768, makecol(9, 0, 26), 43);
    bool same_ab = true, same_ac = true;
    for (int y = 0; y < 768; y++)
        for (int x = 0; x < 1024; x++) {
            same_ab &= getpixel(a.bmp, x, y) == getpixel(b.bmp, x, y);
            same_ac &= getpixel(a.bmp, x, y) == getpixel(c.bmp, x, y);
        }
    EXPECT_TRUE(same_ab);
    EXPECT_FALSE(same_ac);
}

TEST(CreateMore, DefaultPaletteHasNoStars)
{
    int sky = makecol(200, 100, 50);
    Mapa m(1024, 768, sky);
    for (int y = 0; y <= 101; y++)
        ASSERT_TRUE(m.riadok(y, 200, 100, 50)) << y;
    EXPECT_TRUE(m.riadok(102, 83, 144, 255));
    EXPECT_TRUE(m.riadok(204, 82, 143, 255));
    EXPECT_TRUE(m.riadok(509, 62, 17, 255));
    EXPECT_TRUE(m.riadok(767, 62, 17, 255));
    EXPECT_EQ(m.vystup, "Creating more....\nFirst part created\nSecond part created\nMore sucessfully created!\n");
}

TEST(CreateMore, SinglePrecisionGradientIn32BitColour)
{
    // 16-bit colour hides the last bits, so paint in 32-bit to see the
    // single-precision result: blue ends at 162 (double arithmetic gives 163).
    set_color_depth(32);
    Mapa m(64, 600, makecol(9, 0, 26));
    EXPECT_EQ(getpixel(m.bmp, 10, 204), makecol32(61, 16, 254));
    EXPECT_EQ(getpixel(m.bmp, 10, 509), makecol32(0, 0, 162));
    EXPECT_EQ(getpixel(m.bmp, 10, 599), makecol32(0, 0, 162));
    Mapa d(64, 600, makecol(1, 2, 3));
    EXPECT_EQ(getpixel(d.bmp, 10, 204), makecol32(82, 143, 255));
    EXPECT_EQ(getpixel(d.bmp, 10, 509), makecol32(62, 17, 255));
    set_color_depth(16);
}
