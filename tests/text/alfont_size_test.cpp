#include "text/text_fixture.h"

namespace {

using AlfontSize = TextTest;

struct SizeCase {
    const char *path;
    int asked;
    int pixels;  // the FreeType size the search must settle on
};

// Line heights of these faces (from FreeType): DejaVu Sans 16:19 17:21 21:25 30:36;
// Liberation Sans 17:20 22:25 32:36; FreeSans 20:20 25:25 35:35 36:37.
TEST_F(AlfontSize, SearchDownSettlesOnExactMatchOrFirstSizeBelow)
{
    const SizeCase cases[] = {
        {DEJAVU_SANS, 20, 16},                           // 17 gives 21, 16 gives 19: first below
        {DEJAVU_SANS, 25, 21},                           // exact
        {DEJAVU_SANS, 36, 30},                           // exact
        {LIBERATION_SANS, 20, 17},                       // exact
        {LIBERATION_SANS, 25, 22},                       // exact
        {LIBERATION_SANS, 36, 32},                       // exact
        {FREE_SANS, 20, 20},                             // the asked size matches at once
        {FREE_SANS, 25, 25},       {FREE_SANS, 36, 35},  // 36 gives 37, 35 gives 35: first below
    };
    for (const SizeCase &c : cases) {
        SCOPED_TRACE(std::string(c.path) + " at " + std::to_string(c.asked));
        ALFONT_FONT *f = Load(c.path, c.asked);
        ASSERT_NE(f, nullptr);
        ReferenceFace ref(c.path);
        EXPECT_EQ(alfont_get_font_height(f), c.asked);
        EXPECT_EQ(f->face_h, c.asked);
        EXPECT_EQ(f->real_face_h, c.pixels);
        EXPECT_EQ(f->face->size->metrics.y_ppem, c.pixels);
        EXPECT_EQ(f->face_ascender, ref.Ascender(c.pixels));
    }
}

// A copy of DejaVu Sans whose line is squeezed (ascender 1400, descender -200
// of 2048 units), so the line height falls short of the pixel size and the
// search has to go up.
class AlfontSizeUp : public TextTest {
protected:
    void SetUp() override
    {
        TextTest::SetUp();
        std::vector<unsigned char> ttf = ReadFile(DEJAVU_SANS);
        ASSERT_FALSE(ttf.empty());
        size_t hhea = TableOffset(ttf, "hhea");
        ASSERT_NE(hhea, 0u);
        const unsigned char metrics[4] = {1400 >> 8, 1400 & 0xFF, 0xFF, (unsigned char)(-200 & 0xFF)};
        for (int i = 0; i < 4; i++)
            ttf[hhea + 4 + i] = metrics[i];
        path_ = WriteTempFile("squeezed.ttf", ttf);
    }
    std::string path_;
};

TEST_F(AlfontSizeUp, SearchUpTakesExactMatchOrStepsBackFromOvershoot)
{
    ReferenceFace ref(path_.c_str());
    for (int asked : {20, 25, 36}) {
        SCOPED_TRACE(asked);
        ASSERT_LT(ref.LineHeight(asked), asked) << "the squeezed face must make the search go up";
        // Walk up as the rule says: the first size matching exactly, else the
        // one before the first size that overshoots.
        int expected = asked;
        while (ref.LineHeight(expected) < asked)
            expected++;
        if (ref.LineHeight(expected) > asked)
            expected--;

        ALFONT_FONT *f = Load(path_.c_str(), asked);
        ASSERT_NE(f, nullptr);
        EXPECT_EQ(f->real_face_h, expected);
        EXPECT_EQ(f->face->size->metrics.y_ppem, expected);
        EXPECT_EQ(f->face_h, asked);
    }
    // The squeezed face has both kinds at the game's sizes: 20 is met exactly
    // (at 24 pixels) and 25 only by stepping back from 31 to 30.
    EXPECT_EQ(ref.LineHeight(24), 20);
    for (int p = 25; p <= 40; p++)
        EXPECT_NE(ref.LineHeight(p), 25);
}

TEST_F(AlfontSize, SameSizeKeepsCacheOtherSizeEmptiesIt)
{
    ALFONT_FONT *f = Load(DEJAVU_SANS, 20);
    ASSERT_NE(f, nullptr);
    alfont_text_length(f, "Ab");
    ASSERT_TRUE(Cached(f, 'A'));
    ASSERT_TRUE(Cached(f, 'b'));

    EXPECT_EQ(alfont_set_font_size(f, 20), 0);
    EXPECT_TRUE(Cached(f, 'A'));
    EXPECT_TRUE(Cached(f, 'b'));

    EXPECT_EQ(alfont_set_font_size(f, 25), 0);
    EXPECT_FALSE(Cached(f, 'A'));
    EXPECT_FALSE(Cached(f, 'b'));
    EXPECT_EQ(f->cached_glyphs[FT_Get_Char_Index(f->face, 'A')].aa_bmp, nullptr);

    // Glyphs cached again are rendered at the new size.
    ReferenceFace ref(DEJAVU_SANS);
    EXPECT_EQ(alfont_text_length(f, "A"), ref.CharAdvance('A', 21));
}

TEST_F(AlfontSize, FailedChangeLeavesFaceAndCacheAsTheyWere)
{
    ALFONT_FONT *f = Load(DEJAVU_SANS, 20);
    ASSERT_NE(f, nullptr);
    alfont_text_length(f, "A");
    const int ascender = f->face_ascender;

    // 0 and below are refused outright; 1 searches down to nothing, since even
    // the smallest pixel size of this face has a two-pixel line.
    for (int bad : {0, -1, -20, 1}) {
        SCOPED_TRACE(bad);
        EXPECT_EQ(alfont_set_font_size(f, bad), -1);
        EXPECT_EQ(f->face_h, 20);
        EXPECT_EQ(f->real_face_h, 16);
        EXPECT_EQ(f->face_ascender, ascender);
        EXPECT_EQ(f->face->size->metrics.y_ppem, 16);
        EXPECT_TRUE(Cached(f, 'A'));
    }
}

TEST_F(AlfontSize, LoadStartsScalableFaceAtEightWithoutSpacing)
{
    ALFONT_FONT *f = alfont_load_font(DEJAVU_SANS);
    ASSERT_NE(f, nullptr);
    ReferenceFace ref(DEJAVU_SANS);
    EXPECT_EQ(f->num_fixed_sizes, -1);
    ASSERT_NE(f->fixed_sizes, nullptr);
    EXPECT_EQ(f->fixed_sizes[0], -1);
    EXPECT_EQ(f->face_h, 8);
    EXPECT_EQ(ref.LineHeight(f->real_face_h), 8);
    EXPECT_EQ(f->ch_spacing, 0);
    EXPECT_EQ(f->data, nullptr);
    alfont_destroy_font(f);
}

TEST_F(AlfontSize, ExtraSpacingIsClampedButTheArgumentReturned)
{
    ALFONT_FONT *f = Load(DEJAVU_SANS, 20);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(alfont_set_char_extra_spacing(f, 7), 7);
    EXPECT_EQ(f->ch_spacing, 7);
    EXPECT_EQ(alfont_set_char_extra_spacing(f, -5), -5);
    EXPECT_EQ(f->ch_spacing, 0);
    EXPECT_EQ(alfont_set_char_extra_spacing(f, 5000), 5000);
    EXPECT_EQ(f->ch_spacing, 4096);
    EXPECT_EQ(alfont_set_char_extra_spacing(f, 4096), 4096);
    EXPECT_EQ(f->ch_spacing, 4096);
}

TEST_F(AlfontSize, InitIsIdempotentAndExitReleasesTheLibrary)
{
    EXPECT_EQ(alfont_init(), 0);
    EXPECT_EQ(alfont_inited, 1);
    EXPECT_NE(ft_library, nullptr);

    alfont_exit();
    EXPECT_EQ(alfont_inited, 0);
    EXPECT_EQ(alfont_load_font(DEJAVU_SANS), nullptr);

    EXPECT_EQ(alfont_init(), 0);
    EXPECT_EQ(alfont_inited, 1);
    ALFONT_FONT *f = alfont_load_font(DEJAVU_SANS);
    ASSERT_NE(f, nullptr);
    // A font outliving the library: destroying it must not touch the face again.
    alfont_exit();
    alfont_destroy_font(f);
    EXPECT_EQ(alfont_init(), 0);
}

TEST_F(AlfontSize, TextModeReturnsThePreviousMode)
{
    int before = alfont_textmode;
    EXPECT_EQ(alfont_text_mode(-1), before);
    EXPECT_EQ(alfont_text_mode(makecol(0, 0, 255)), -1);
    EXPECT_EQ(alfont_textmode, makecol(0, 0, 255));
}

}  // namespace
