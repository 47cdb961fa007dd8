#include "display/umiestnenie.h"

#include <gtest/gtest.h>

TEST(Umiestnenie, WholeScaleFillsAWindowOfThatSize)
{
    Umiestnenie u = umiestni(1024, 768, 2048, 1536);
    EXPECT_EQ(u.x, 0);
    EXPECT_EQ(u.y, 0);
    EXPECT_EQ(u.w, 2048);
    EXPECT_EQ(u.h, 1536);
    u = umiestni(1024, 768, 1024, 768);
    EXPECT_EQ(u.w, 1024);
    EXPECT_EQ(u.h, 768);
}

TEST(Umiestnenie, WideScreenIsPillarboxedWithTheShapeKept)
{
    Umiestnenie u = umiestni(1024, 768, 1920, 1080);
    EXPECT_EQ(u.w, 1440);
    EXPECT_EQ(u.h, 1080);
    EXPECT_EQ(u.x, 240);
    EXPECT_EQ(u.y, 0);
    // A tall screen gets black above and below.
    u = umiestni(1024, 768, 1280, 1024);
    EXPECT_EQ(u.w, 1280);
    EXPECT_EQ(u.h, 960);
    EXPECT_EQ(u.x, 0);
    EXPECT_EQ(u.y, 32);
}

TEST(Umiestnenie, LargestWholeScaleThatFits)
{
    EXPECT_EQ(najvacsia_mierka(1024, 768, 1920, 1080), 1);
    EXPECT_EQ(najvacsia_mierka(1024, 768, 2048, 1536), 2);
    EXPECT_EQ(najvacsia_mierka(1024, 768, 3840, 2160), 2);
    EXPECT_EQ(najvacsia_mierka(1024, 768, 800, 600), 1);
}

TEST(Umiestnenie, PointsMapIntoThePictureAndTheBorderIsNowhere)
{
    Umiestnenie u = umiestni(1024, 768, 2048, 1536);
    int x = 0, y = 0;
    ASSERT_TRUE(bod_v_obraze(u, 1024, 768, 601, 1001, x, y));
    EXPECT_EQ(x, 300);
    EXPECT_EQ(y, 500);
    ASSERT_TRUE(bod_v_obraze(u, 1024, 768, 2047, 1535, x, y));
    EXPECT_EQ(x, 1023);
    EXPECT_EQ(y, 767);

    u = umiestni(1024, 768, 1920, 1080);
    EXPECT_FALSE(bod_v_obraze(u, 1024, 768, 239, 500, x, y));
    EXPECT_FALSE(bod_v_obraze(u, 1024, 768, 1680, 500, x, y));
    ASSERT_TRUE(bod_v_obraze(u, 1024, 768, 240, 0, x, y));
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
    ASSERT_TRUE(bod_v_obraze(u, 1024, 768, 240 + 720, 540, x, y));
    EXPECT_EQ(x, 512);
    EXPECT_EQ(y, 384);
}
