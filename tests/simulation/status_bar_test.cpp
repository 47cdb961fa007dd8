#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "simulation/status_bar.h"
#include "support/allegro_env.h"
#include "text/alfont.h"

namespace {

// The face the game ships as data/fonts/formal.ttf, its status-bar font.
const char *const status_font = "/usr/share/fonts/truetype/liberation2/LiberationSerif-Regular.ttf";

// The bar lays itself out from the screen mode; the tests have no display, so
// a driver record that only reports a 1024 x 768 mode stands in for one.
class StatusBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(alfont_init(), 0);
        saved_mode_ = alfont_textmode;
        saved_driver_ = gfx_driver;
        mode_.w = 1024;
        mode_.h = 768;
        gfx_driver = &mode_;
        font_ = alfont_load_font(status_font);
        ASSERT_NE(font_, nullptr);
        ASSERT_EQ(alfont_set_font_size(font_, 20), 0);
    }
    void TearDown() override
    {
        gfx_driver = saved_driver_;
        for (BITMAP *b : bitmaps_)
            destroy_bitmap(b);
        alfont_destroy_font(font_);
        alfont_text_mode(saved_mode_);
        solid_mode();
    }
    BITMAP *Bar(int fill = makecol(255, 0, 255))
    {
        BITMAP *b = create_bitmap_ex(16, 1024, 76);
        clear_to_color(b, fill);
        bitmaps_.push_back(b);
        return b;
    }
    struct Args {
        int health = 0, navnada = 0, t1 = 0, t2 = 0, t3 = 0, t4 = 0;
        int torpeda = 0, navnady = 0, cas = 0, peniaze = 0;
        bool flag = true;
    };
    BITMAP *Draw(const Args &a, BITMAP *b = nullptr)
    {
        if (b == nullptr)
            b = Bar();
        drawStatusBar(b, font_, a.health, a.navnada, a.t1, a.t2, a.t3, a.t4, a.torpeda, a.navnady, a.cas, a.peniaze,
                      a.flag, makecol(255, 255, 0), makecol(128, 128, 128));
        return b;
    }
    // The text as the bar should draw it: centred at (x, y) in transparent
    // mode on the black inside of a box.
    BITMAP *Reference(const char *text, int x, int y, int color)
    {
        BITMAP *b = Bar(makecol(0, 0, 0));
        int old = alfont_text_mode(-1);
        alfont_textout_centre_aa(b, font_, text, x, y, color);
        alfont_text_mode(old);
        return b;
    }
    static bool SameRegion(BITMAP *a, BITMAP *b, int x1, int y1, int x2, int y2)
    {
        for (int y = y1; y <= y2; y++)
            for (int x = x1; x <= x2; x++)
                if (getpixel(a, x, y) != getpixel(b, x, y))
                    return false;
        return true;
    }
    static bool SameBitmap(BITMAP *a, BITMAP *b) { return SameRegion(a, b, 0, 0, 1023, 75); }
    static bool Column(BITMAP *b, int x, int y1, int y2, int color)
    {
        for (int y = y1; y <= y2; y++)
            if (getpixel(b, x, y) != color)
                return false;
        return true;
    }

    ALFONT_FONT *font_ = nullptr;

private:
    GFX_DRIVER mode_ = {};
    GFX_DRIVER *saved_driver_ = nullptr;
    int saved_mode_ = 0;
    std::vector<BITMAP *> bitmaps_;
};

const int grey = makecol16(128, 128, 128);
const int white = makecol16(255, 255, 255);
const int black = makecol16(0, 0, 0);
const int blue = makecol16(0, 0, 255);

// A box outline: the corners are white and the pixels just outside grey.
void ExpectBox(BITMAP *b, int x1, int y1, int x2, int y2, int corner)
{
    SCOPED_TRACE(std::to_string(x1) + "," + std::to_string(y1) + " - " + std::to_string(x2) + "," + std::to_string(y2));
    EXPECT_EQ(getpixel(b, x1, y1), corner);
    EXPECT_EQ(getpixel(b, x2, y2), corner);
    EXPECT_EQ(getpixel(b, x1 - 1, y1), grey);
    EXPECT_EQ(getpixel(b, x2 + 1, y2), grey);
    EXPECT_EQ(getpixel(b, x1, y1 - 1), y1 - 1 == 0 ? makecol16(255, 255, 0) : grey);
    EXPECT_EQ(getpixel(b, x2, y2 + 1), grey);
}

TEST_F(StatusBarTest, LayoutAt1024By768)
{
    BITMAP *b = Draw(Args());
    // Top line and background.
    EXPECT_TRUE(pixel_is(b, 0, 0, 255, 255, 0));
    EXPECT_TRUE(pixel_is(b, 1023, 0, 255, 255, 0));
    EXPECT_TRUE(pixel_is(b, 0, 75, 128, 128, 128));
    EXPECT_TRUE(pixel_is(b, 1023, 75, 128, 128, 128));

    // Health gauge: margin 19, gap 10, 300 by 23, white outline on blue.
    ExpectBox(b, 19, 10, 319, 33, white);
    EXPECT_EQ(getpixel(b, 20, 11), blue);
    EXPECT_EQ(getpixel(b, 318, 32), blue);
    // Tube gauges, 149 by 12, and the decoy gauge, 199 by 12 with a right margin of 79.
    ExpectBox(b, 688, 10, 837, 22, black);
    ExpectBox(b, 856, 10, 1005, 22, black);
    ExpectBox(b, 688, 32, 837, 44, black);
    ExpectBox(b, 856, 32, 1005, 44, black);
    ExpectBox(b, 746, 54, 945, 66, black);
    // Money and time box; count boxes 99 right of the health gauge, 123 by 24.
    ExpectBox(b, 19, 43, 319, 66, white);
    ExpectBox(b, 437, 10, 560, 34, white);
    ExpectBox(b, 437, 42, 560, 66, white);
    // The other corners of the outlines, and the flood-filled black insides.
    EXPECT_EQ(getpixel(b, 319, 43), white);
    EXPECT_EQ(getpixel(b, 19, 66), white);
    EXPECT_EQ(getpixel(b, 560, 10), white);
    EXPECT_EQ(getpixel(b, 437, 34), white);
    EXPECT_EQ(getpixel(b, 20, 65), black);
    EXPECT_EQ(getpixel(b, 318, 65), black);
    EXPECT_EQ(getpixel(b, 438, 33), black);
    EXPECT_EQ(getpixel(b, 559, 33), black);
    EXPECT_EQ(getpixel(b, 438, 65), black);
    EXPECT_EQ(getpixel(b, 559, 65), black);
    // The fills stay inside: between the boxes the bar is grey.
    EXPECT_EQ(getpixel(b, 437, 38), grey);
    EXPECT_EQ(getpixel(b, 400, 40), grey);
}

TEST_F(StatusBarTest, EmptyGaugesShowOnlyBackgroundAndOutline)
{
    BITMAP *b = Draw(Args());
    for (int x = 20; x <= 318; x++)
        ASSERT_TRUE(Column(b, x, 11, 32, blue)) << x;
    EXPECT_TRUE(Column(b, 19, 10, 33, white));
    EXPECT_TRUE(Column(b, 319, 10, 33, white));
    for (int x = 688; x <= 837; x++) {
        ASSERT_TRUE(Column(b, x, 10, 22, black)) << x;
        ASSERT_TRUE(Column(b, x, 32, 44, black)) << x;
    }
    for (int x = 746; x <= 945; x++)
        ASSERT_TRUE(Column(b, x, 54, 66, black)) << x;
}

TEST_F(StatusBarTest, FullGaugesRampFromRedToGreen)
{
    Args a;
    a.health = 100;
    a.t1 = a.t2 = a.t3 = a.t4 = 100;
    a.navnada = 100;
    BITMAP *b = Draw(a);

    // Health: 300 columns over 255 steps, red falls and green rises by one a
    // column; from column 255 on it is pure green. Column 0 lies under the outline.
    for (int i = 1; i <= 299; i++) {
        int expected = i <= 255 ? makecol16(255 - i, i, 0) : makecol16(0, 255, 0);
        ASSERT_TRUE(Column(b, 19 + i, 11, 32, expected)) << "column " << i;
    }
    for (int x = 274; x <= 318; x++)
        EXPECT_TRUE(pixel_is(b, x, 20, 0, 255, 0));

    // Each of the four tubes: 149 columns, red falling and green rising by one
    // a column, never reaching green; the column after them stays black.
    const int tuby[4][2] = {{688, 10}, {856, 10}, {688, 32}, {856, 32}};
    for (const auto &t : tuby) {
        for (int i = 0; i <= 148; i++)
            ASSERT_TRUE(Column(b, t[0] + i, t[1], t[1] + 12, makecol16(255 - i, i, 0)))
                << t[0] << "," << t[1] << " column " << i;
        EXPECT_TRUE(Column(b, t[0] + 149, t[1], t[1] + 12, black)) << t[0] << "," << t[1];
    }
    // Decoy launcher: 199 columns.
    EXPECT_TRUE(Column(b, 746 + 198, 54, 66, makecol16(57, 198, 0)));
    EXPECT_TRUE(Column(b, 945, 54, 66, black));
}

TEST_F(StatusBarTest, FillIsNotClamped)
{
    Args a;
    a.t1 = 150;  // 223 columns: past the box, through the gap, under tube 2
    a.t3 = -40;
    BITMAP *b = Draw(a);
    // Past column 149 the ramp holds the end colour.
    for (int x = 838; x <= 855; x++)
        ASSERT_TRUE(Column(b, x, 10, 22, makecol16(0, 255, 0))) << x;
    // Tube 2 is drawn later and covers the rest.
    EXPECT_TRUE(Column(b, 856, 10, 22, black));
    for (int x = 688; x <= 837; x++)
        ASSERT_TRUE(Column(b, x, 32, 44, black)) << x;
}

TEST_F(StatusBarTest, ProgressBarEdgeCases)
{
    BITMAP *b = Bar(grey);
    // Width 0 steps once: no division by zero, a one-column box of background.
    drawProgressBar(b, 10, 10, 0, 5, 255, 0, 0, 0, 255, 0, 100, false, 0, blue);
    EXPECT_TRUE(Column(b, 10, 10, 15, blue));
    EXPECT_EQ(getpixel(b, 11, 10), grey);
    drawProgressBar(b, 20, 10, -3, 5, 255, 0, 0, 0, 255, 0, 100, true, white, blue);

    // The step comes from the larger end value, not the difference: red runs
    // 200, 180, ... past its end value 100, and blue climbs although both ends are 50.
    drawProgressBar(b, 100, 40, 10, 5, 200, 0, 50, 100, 0, 50, 100, false, 0, black);
    EXPECT_TRUE(Column(b, 100, 40, 45, makecol16(200, 0, 50)));
    EXPECT_TRUE(Column(b, 104, 40, 45, makecol16(120, 0, 70)));
    EXPECT_TRUE(Column(b, 109, 40, 45, makecol16(20, 0, 95)));
    EXPECT_TRUE(Column(b, 110, 40, 45, black));
    // A partial fill truncates: 33 % of 10 is 3 columns.
    drawProgressBar(b, 200, 40, 10, 5, 0, 0, 0, 255, 255, 255, 33, false, 0, black);
    EXPECT_TRUE(Column(b, 202, 40, 45, makecol16(50, 50, 50)));
    EXPECT_TRUE(Column(b, 203, 40, 45, black));
}

TEST_F(StatusBarTest, TextsAreCentredInTheirBoxes)
{
    Args a;
    a.torpeda = 12;
    a.navnady = 7;
    a.peniaze = 300;
    a.cas = 65;
    BITMAP *b = Draw(a);
    const int green = makecol(76, 176, 76);
    EXPECT_TRUE(SameRegion(b, Reference("12", 498, 10, green), 438, 11, 559, 33));
    EXPECT_TRUE(SameRegion(b, Reference("7", 498, 42, green), 438, 43, 559, 65));
    // 65 seconds: one minute and five seconds, no padding; the tabs are drawn
    // as the font draws them.
    const int red = makecol(176, 76, 76);
    EXPECT_TRUE(SameRegion(b, Reference("$ 300 \t\t 1:5", 169, 43, red), 20, 44, 318, 65));
    EXPECT_FALSE(SameRegion(b, Reference("$ 300 \t\t 1:05", 169, 43, red), 20, 44, 318, 65));
    EXPECT_FALSE(SameRegion(b, Reference("$ 300 \t\t 01:05", 169, 43, red), 20, 44, 318, 65));

    a.cas = 3600;
    b = Draw(a);
    EXPECT_TRUE(SameRegion(b, Reference("$ 300 \t\t 60:0", 169, 43, red), 20, 44, 318, 65));
}

TEST_F(StatusBarTest, LeavesTransparentTextMode)
{
    alfont_text_mode(0);
    Draw(Args());
    EXPECT_EQ(alfont_textmode, -1);
}

TEST_F(StatusBarTest, FlagChangesNothing)
{
    Args a;
    a.health = 57;
    a.t2 = 80;
    a.peniaze = 1200;
    a.cas = 754;
    BITMAP *with = Draw(a);
    a.flag = false;
    BITMAP *without = Draw(a);
    EXPECT_TRUE(SameBitmap(with, without));
}

TEST_F(StatusBarTest, EveryCallRepaintsTheWholeBar)
{
    Args a;
    a.health = 40;
    a.navnada = 90;
    a.t4 = 10;
    a.torpeda = 3;
    a.peniaze = 100;
    a.cas = 59;
    Args other;
    other.health = 100;
    other.t1 = other.t2 = other.t3 = other.t4 = 100;
    other.torpeda = 88888;
    other.navnady = 99999;
    other.peniaze = 123456789;
    other.cas = 99999;

    BITMAP *fresh = Draw(a, Bar(makecol(0, 0, 0)));
    BITMAP *reused = Draw(other);
    Draw(a, reused);
    EXPECT_TRUE(SameBitmap(fresh, reused));
    Draw(a, reused);
    EXPECT_TRUE(SameBitmap(fresh, reused));
}

}  // namespace
