#include "display/zmeny.h"

#include <gtest/gtest.h>

namespace {

bool rovnake(BITMAP *a, BITMAP *b)
{
    for (int y = 0; y < a->h; y++)
        for (int x = 0; x < a->w; x++)
            if (getpixel(a, x, y) != getpixel(b, x, y))
                return false;
    return true;
}

}  // namespace

static bool operator==(const Pas &a, const Pas &b)
{
    return a.x == b.x && a.y == b.y && a.w == b.w && a.h == b.h;
}

static void PrintTo(const Pas &p, std::ostream *os)
{
    *os << "{" << p.x << ", " << p.y << ", " << p.w << ", " << p.h << "}";
}

TEST(Zmeny, RunsOfChangedRowsAreBandsAsWideAsTheirChanges)
{
    BITMAP *a = create_bitmap_ex(16, 64, 48);
    BITMAP *b = create_bitmap_ex(16, 64, 48);
    clear_to_color(a, 0x1234);
    clear_to_color(b, 0x1234);
    EXPECT_TRUE(zmenene_pasy(a, 0, 0, b, 0, 0, 64, 48).empty());

    putpixel(a, 5, 3, 0);
    putpixel(a, 10, 4, 0);
    putpixel(a, 63, 30, 0);  // the last column, under an eight-byte step
    putpixel(a, 20, 31, 0);
    putpixel(a, 0, 47, 0);  // the first column of the last row
    std::vector<Pas> p = zmenene_pasy(a, 0, 0, b, 0, 0, 64, 48);
    std::vector<Pas> ocakavane = {{5, 3, 6, 2}, {20, 30, 44, 2}, {0, 47, 1, 1}};
    EXPECT_EQ(p, ocakavane);

    // A rectangle reaching outside both bitmaps is cut to what lies in both;
    // bands are in the first bitmap's coordinates.
    // Columns -10..29 of a against -20..19 of b: b has none left of 0, so a's 10..29.
    p = zmenene_pasy(a, -10, 2, b, -20, 2, 40, 100);
    ocakavane = {{10, 4, 1, 1}, {20, 31, 1, 1}};
    EXPECT_EQ(p, ocakavane);

    // Different depths can't be compared: the whole rectangle.
    BITMAP *c = create_bitmap_ex(32, 64, 48);
    p = zmenene_pasy(a, 0, 0, c, 0, 0, 8, 8);
    ocakavane = {{0, 0, 8, 8}};
    EXPECT_EQ(p, ocakavane);
    destroy_bitmap(c);
    destroy_bitmap(a);
    destroy_bitmap(b);
}

TEST(Zmeny, CopyingTheChangesGivesWhatTheWholeCopyGives)
{
    BITMAP *z = create_bitmap_ex(16, 80, 60);
    BITMAP *kam = create_bitmap_ex(16, 100, 70);
    BITMAP *cely = create_bitmap_ex(16, 100, 70);
    for (int y = 0; y < 60; y++)
        for (int x = 0; x < 80; x++)
            putpixel(z, x, y, (x * 7 + y * 13) & 0xFFFF);
    clear_to_color(kam, 0);
    blit(z, kam, 0, 0, 15, 5, 80, 60);
    // The destination differs in scattered places, one of them outside the copied part.
    putpixel(kam, 20, 10, 0xFFFF);
    putpixel(kam, 90, 60, 0xFFFF);
    rectfill(kam, 40, 30, 60, 33, 0x0F0F);
    putpixel(kam, 99, 69, 0xFFFF);
    blit(kam, cely, 0, 0, 0, 0, 100, 70);

    kopiruj_zmeny(z, kam, 2, 1, 17, 6, 78, 59);
    blit(z, cely, 2, 1, 17, 6, 78, 59);
    EXPECT_TRUE(rovnake(kam, cely));
    EXPECT_EQ(getpixel(kam, 99, 69), 0xFFFF);
    destroy_bitmap(z);
    destroy_bitmap(kam);
    destroy_bitmap(cely);
}
