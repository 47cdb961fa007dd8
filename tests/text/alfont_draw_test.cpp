#include "text/text_fixture.h"

#include <allegro/internal/aintern.h>

namespace {

using AlfontDraw = TextTest;

const int white = 0xFFFF;  // makecol16(255, 255, 255)

// Every pixel of a 16-bit bitmap, to compare two drawings.
std::vector<int> Pixels(BITMAP *b)
{
    std::vector<int> px;
    for (int y = 0; y < b->h; y++)
        for (int x = 0; x < b->w; x++)
            px.push_back(getpixel(b, x, y));
    return px;
}

int CountColour(BITMAP *b, int color)
{
    int n = 0;
    for (int y = 0; y < b->h; y++)
        for (int x = 0; x < b->w; x++)
            n += getpixel(b, x, y) == color;
    return n;
}

TEST_F(AlfontDraw, DefaultModeDrawsOnBlackRectangleOfStringSize)
{
    ASSERT_EQ(alfont_textmode, 0);
    ALFONT_FONT *f = Load(DEJAVU_SANS, 20);
    ASSERT_NE(f, nullptr);
    BITMAP *b = Bitmap(200, 60, white);
    const int x = 30, y = 15;
    const int yellow = makecol(255, 255, 0);
    alfont_textprintf_aa(b, f, x, y, yellow, "HIH");

    ReferenceFace ref(DEJAVU_SANS);
    const int len = 2 * ref.CharAdvance('H', 16) + ref.CharAdvance('I', 16);
    ASSERT_EQ(alfont_text_length(f, "HIH"), len);

    // The rectangle's corners are background, everything around it untouched.
    EXPECT_TRUE(pixel_is(b, x, y, 0, 0, 0));
    EXPECT_TRUE(pixel_is(b, x + len - 1, y, 0, 0, 0));
    EXPECT_TRUE(pixel_is(b, x, y + 20 - 1, 0, 0, 0));
    EXPECT_TRUE(pixel_is(b, x + len - 1, y + 20 - 1, 0, 0, 0));
    for (int yy = y - 1; yy <= y + 20; yy++) {
        EXPECT_EQ(getpixel(b, x - 1, yy), white);
        EXPECT_EQ(getpixel(b, x + len, yy), white);
    }
    for (int xx = x - 1; xx <= x + len; xx++) {
        EXPECT_EQ(getpixel(b, xx, y - 1), white);
        EXPECT_EQ(getpixel(b, xx, y + 20), white);
    }
    EXPECT_EQ(CountColour(b, white), 200 * 60 - len * 20);
    // The vertical strokes of H are fully covered: the text colour itself.
    EXPECT_GT(CountColour(b, yellow), 0);
}

TEST_F(AlfontDraw, OpaqueModeRampsFromBackgroundToTextColour)
{
    ALFONT_FONT *f = Load(DEJAVU_SANS, 36);
    ASSERT_NE(f, nullptr);
    // In 32-bit colour every table entry shows as computed; 16 bits would round
    // most off-by-one entries away. Mid-range channels, rising and falling.
    struct Hlbka32 {
        Hlbka32() { set_color_depth(32); }
        ~Hlbka32() { set_color_depth(16); }
    } hlbka;
    const int backg = makecol(30, 180, 120);
    const int color = makecol(200, 100, 40);
    BITMAP *b = create_bitmap_ex(32, 100, 60);
    clear_to_color(b, makecol(255, 255, 255));
    alfont_text_mode(backg);
    alfont_textout_aa_ex(b, f, "O", 10, 5, color, alfont_textmode);

    // Coverage a moves each channel from the background's value b towards the
    // text's f in steps of (f - b + 1) / 256, counted from b * 256.
    auto kanal = [](int f_c, int b_c, int a) { return (b_c * 256 + a * (f_c == b_c ? 0 : f_c - b_c + 1)) >> 8; };
    const ALFONT_CACHED_GLYPH &g = f->cached_glyphs[FT_Get_Char_Index(f->face, 'O')];
    ASSERT_TRUE(g.aa_available);
    int partial = 0, zle = 0;
    for (int r = 0; r < g.aa_height; r++) {
        for (int c = 0; c < g.aa_width; c++) {
            int a = g.aa_bmp[r * g.aa_width + c];
            int px = getpixel(b, 10 + g.aa_left + c, 5 + f->face_ascender - g.aa_top + r);
            int chcem = a == 0 ? backg
                               : makecol(kanal(getr(color), getr(backg), a), kanal(getg(color), getg(backg), a),
                                         kanal(getb(color), getb(backg), a));
            if (px != chcem && zle++ == 0)
                ADD_FAILURE() << "coverage " << a << ": " << std::hex << px << " instead of " << chcem;
            partial += a > 0 && a < 255;
        }
    }
    EXPECT_EQ(zle, 0);
    EXPECT_GT(partial, 50);
    destroy_bitmap(b);
}

TEST_F(AlfontDraw, TransparentModeBlendsAndLeavesSolidMode)
{
    ALFONT_FONT *f = Load(DEJAVU_SANS, 36);
    ASSERT_NE(f, nullptr);
    const int blue = makecol(0, 0, 255);
    BITMAP *b = Bitmap(100, 60, blue);
    alfont_text_mode(-1);
    alfont_textprintf_aa(b, f, 10, 5, white, "O");
    EXPECT_EQ(_drawing_mode, DRAW_MODE_SOLID);

    const ALFONT_CACHED_GLYPH &g = f->cached_glyphs[FT_Get_Char_Index(f->face, 'O')];
    int half = 0;
    for (int r = 0; r < g.aa_height; r++) {
        for (int c = 0; c < g.aa_width; c++) {
            int a = g.aa_bmp[r * g.aa_width + c];
            int px = getpixel(b, 10 + g.aa_left + c, 5 + f->face_ascender - g.aa_top + r);
            if (a == 0)
                EXPECT_EQ(px, blue);
            else if (a == 255)
                EXPECT_EQ(px, white);
            else if (a >= 96 && a <= 160) {
                // Between the background and the text colour in red and green.
                EXPECT_GT(getr(px), 0);
                EXPECT_LT(getr(px), 255);
                EXPECT_EQ(getb(px), 255);
                half++;
            }
        }
    }
    EXPECT_GT(half, 0);
    // Nothing but the glyph itself was touched: no background rectangle.
    EXPECT_EQ(getpixel(b, 10, 5), blue);
}

// Transparent text is Allegro's translucent putpixel of each covered pixel,
// blending again over what the last drawing left, and clipped the same way.
TEST_F(AlfontDraw, TransparentTextBlendsAsAllegrosTranslucentPutpixel)
{
    ALFONT_FONT *f = Load(DEJAVU_SANS, 36);
    ASSERT_NE(f, nullptr);
    BITMAP *b = Bitmap(100, 60, 0);
    BITMAP *ref = Bitmap(100, 60, 0);
    for (int y = 0; y < 60; y++)
        for (int x = 0; x < 100; x++) {
            putpixel(b, x, y, makecol(x * 2, y * 4, 255 - x));
            putpixel(ref, x, y, makecol(x * 2, y * 4, 255 - x));
        }
    set_clip_rect(b, 0, 0, 19, 30);
    set_clip_rect(ref, 0, 0, 19, 30);
    const int color = makecol(176, 128, 128);
    alfont_text_mode(-1);
    int dx, dy, dw, dh;
    alfont_damage(&dx, &dy, &dw, &dh);
    alfont_textprintf_aa(b, f, 4, 5, color, "O");
    alfont_textprintf_aa(b, f, 4, 5, color, "O");

    const ALFONT_CACHED_GLYPH &g = f->cached_glyphs[FT_Get_Char_Index(f->face, 'O')];
    for (int pass = 0; pass < 2; pass++)
        for (int r = 0; r < g.aa_height; r++)
            for (int c = 0; c < g.aa_width; c++) {
                int a = g.aa_bmp[r * g.aa_width + c];
                if (a == 0)
                    continue;
                if (a == 255) {
                    solid_mode();
                } else {
                    drawing_mode(DRAW_MODE_TRANS, NULL, 0, 0);
                    set_trans_blender(0, 0, 0, a);
                }
                putpixel(ref, 4 + g.aa_left + c, 5 + f->face_ascender - g.aa_top + r, color);
            }
    solid_mode();
    EXPECT_EQ(Pixels(b), Pixels(ref));
    // The glyph was drawn inside the clip rectangle and cut at its edges.
    int drawn = 0, outside = 0;
    for (int y = 0; y < 60; y++)
        for (int x = 0; x < 100; x++)
            if (getpixel(b, x, y) != makecol(x * 2, y * 4, 255 - x))
                (x <= 19 && y <= 30 ? drawn : outside)++;
    EXPECT_GT(drawn, 20);
    EXPECT_EQ(outside, 0);
    EXPECT_GT(g.aa_left + g.aa_width + 4, 20);

    // What changed is reported, inside the clip rectangle; drawn over itself
    // often enough the glyph stops changing, and then nothing is reported.
    ASSERT_TRUE(alfont_damage(&dx, &dy, &dw, &dh));
    EXPECT_GE(dx, 4 + g.aa_left);
    EXPECT_EQ(dx + dw - 1, 19);
    EXPECT_LE(dy + dh - 1, 30);
    EXPECT_FALSE(alfont_damage(&dx, &dy, &dw, &dh));
    for (int i = 0; i < 100; i++)
        alfont_textprintf_aa(b, f, 4, 5, color, "O");
    alfont_damage(&dx, &dy, &dw, &dh);
    alfont_textprintf_aa(b, f, 4, 5, color, "O");
    EXPECT_FALSE(alfont_damage(&dx, &dy, &dw, &dh));
}

TEST_F(AlfontDraw, ClipRectangleBoundsTheCharactersDrawn)
{
    ALFONT_FONT *f = Load(DEJAVU_SANS, 20);
    ASSERT_NE(f, nullptr);
    alfont_text_mode(-1);
    ReferenceFace ref(DEJAVU_SANS);
    const int adv_h = ref.CharAdvance('H', 16);
    BITMAP *b = Bitmap(200, 40, 0);
    set_clip_rect(b, 0, 0, 99, 39);

    // Starting right of the clip rectangle: nothing is drawn or even rendered.
    alfont_textout_aa_ex(b, f, "HB", 100, 5, white, -1);
    EXPECT_EQ(CountColour(b, 0), 200 * 40);
    EXPECT_FALSE(Cached(f, 'H'));

    // Above and below the clip rectangle: nothing.
    set_clip_rect(b, 0, 10, 199, 29);
    alfont_textout_aa_ex(b, f, "H", 5, 30, white, -1);
    alfont_textout_aa_ex(b, f, "H", 5, 10 - 20 - 1, white, -1);
    EXPECT_FALSE(Cached(f, 'H'));

    // The B starting exactly on the right clip edge is still drawn...
    set_clip_rect(b, 0, 0, 99, 39);
    alfont_textout_aa_ex(b, f, "HB", 99 - adv_h, 5, white, -1);
    EXPECT_TRUE(Cached(f, 'B'));
    // ...one pixel further it is beyond the edge and the text stops there.
    alfont_set_font_size(f, 25);
    alfont_textout_aa_ex(b, f, "HB", 100 - ref.CharAdvance('H', 21), 5, white, -1);
    EXPECT_TRUE(Cached(f, 'H'));
    EXPECT_FALSE(Cached(f, 'B'));
}

TEST_F(AlfontDraw, MissingCharacterIsGlyphZero)
{
    ALFONT_FONT *f = Load(DEJAVU_SANS, 20);
    ASSERT_NE(f, nullptr);
    ASSERT_EQ(FT_Get_Char_Index(f->face, 0x4E00), 0u);
    ASSERT_EQ(FT_Get_Char_Index(f->face, 0x4E01), 0u);
    ReferenceFace ref(DEJAVU_SANS);
    const int adv0 = ref.GlyphAdvance(0, 16);
    ASSERT_GT(adv0, 0);
    EXPECT_EQ(alfont_text_length(f, "\xE4\xB8\x80"), adv0);  // U+4E00
    EXPECT_TRUE(f->cached_glyphs[0].is_cached);

    // Two different missing characters draw the same box.
    BITMAP *one = Bitmap(60, 30, white);
    BITMAP *other = Bitmap(60, 30, white);
    alfont_textout_aa_ex(one, f, "\xE4\xB8\x80", 5, 5, makecol(255, 0, 0), -1);
    alfont_textout_aa_ex(other, f, "\xE4\xB8\x81", 5, 5, makecol(255, 0, 0), -1);
    EXPECT_EQ(Pixels(one), Pixels(other));
    EXPECT_LT(CountColour(one, white), 60 * 30);
}

// A face without a character map takes character codes as glyph indices;
// codes past the face's glyphs must not reach the cache.
TEST_F(AlfontDraw, FaceWithoutCharacterMapBoundsGlyphIndices)
{
    std::vector<unsigned char> ttf = ReadFile(DEJAVU_SANS);
    size_t cmap = 0, post = 0;
    ASSERT_NE(TableOffset(ttf, "cmap", &cmap), 0u);
    ASSERT_NE(TableOffset(ttf, "post", &post), 0u);
    // Renamed tables are unknown to FreeType: no map, and none synthesised from glyph names.
    ttf[cmap] = 'C';
    ttf[post] = 'P';
    std::string path = WriteTempFile("nocmap.ttf", ttf);
    ALFONT_FONT *f = Load(path.c_str(), 20);
    ASSERT_NE(f, nullptr);
    ASSERT_EQ(f->face->charmap, nullptr);

    ReferenceFace ref(path.c_str());
    EXPECT_EQ(alfont_text_length(f, "$"), ref.GlyphAdvance('$', 16));
    EXPECT_EQ(alfont_vnutro::_alfont_glyph_index(f, 36), 36);
    EXPECT_EQ(alfont_vnutro::_alfont_glyph_index(f, (int)f->face->num_glyphs), 0);
    EXPECT_EQ(alfont_vnutro::_alfont_glyph_index(f, 0x10FFFF), 0);
    // U+10FFFF in UTF-8: far beyond the face's 6253 glyphs.
    EXPECT_EQ(alfont_text_length(f, "\xF4\x8F\xBF\xBF"), ref.GlyphAdvance(0, 16));
    BITMAP *b = Bitmap(60, 30, 0);
    alfont_textout_aa_ex(b, f, "\xF4\x8F\xBF\xBF", 5, 5, white, 0);
}

TEST_F(AlfontDraw, FormattedTextIsCutAt511Bytes)
{
    ALFONT_FONT *f = Load(DEJAVU_SANS, 20);
    ASSERT_NE(f, nullptr);
    BITMAP *b = Bitmap(50, 30, 0);
    // Opaque output measures the whole formatted text, so every character
    // that survived formatting gets its glyph cached.
    alfont_text_mode(0);
    std::string kept = std::string(510, 'H') + "B";
    alfont_textprintf_aa(b, f, 0, 0, white, "%s%s", kept.c_str(), "W");
    EXPECT_TRUE(Cached(f, 'B'));
    EXPECT_FALSE(Cached(f, 'W'));

    std::string cut = std::string(511, 'H') + "W";
    alfont_textprintf_centre_aa(b, f, 0, 0, white, "%s", cut.c_str());
    EXPECT_FALSE(Cached(f, 'W'));
}

TEST_F(AlfontDraw, LengthIsTheSumOfCharacterLengths)
{
    ALFONT_FONT *f = Load(LIBERATION_SANS, 25);
    ASSERT_NE(f, nullptr);
    const char *text = "Velitel: Ponorka 7 \t$ 1200 \xC5\xA1\xC5\xA5 a\xCC\x81";
    for (int spacing : {0, 3}) {
        SCOPED_TRACE(spacing);
        alfont_set_char_extra_spacing(f, spacing);
        int sum = 0;
        const char *p = text;
        while (*p) {
            const char *start = p;
            ugetxc(&p);
            sum += alfont_text_length(f, std::string(start, p).c_str());
        }
        EXPECT_EQ(sum, alfont_text_length(f, text));
    }
}

TEST_F(AlfontDraw, SpacingFollowsOnlyGlyphsWithAdvance)
{
    ALFONT_FONT *f = Load(DEJAVU_SANS, 20);
    ASSERT_NE(f, nullptr);
    ReferenceFace ref(DEJAVU_SANS);
    ASSERT_EQ(ref.CharAdvance(0x301, 16), 0);  // combining acute accent
    alfont_set_char_extra_spacing(f, 5);
    EXPECT_EQ(alfont_text_length(f, "a"), ref.CharAdvance('a', 16) + 5);
    EXPECT_EQ(alfont_text_length(f, "a\xCC\x81"), ref.CharAdvance('a', 16) + 5);
    EXPECT_EQ(alfont_text_length(f, "ab"), ref.CharAdvance('a', 16) + ref.CharAdvance('b', 16) + 10);
    EXPECT_EQ(alfont_text_length(f, ""), 0);
}

TEST_F(AlfontDraw, CentredOutputStartsHalfTheLengthLeft)
{
    ALFONT_FONT *f = Load(DEJAVU_SANS, 20);
    ASSERT_NE(f, nullptr);
    const char *text = "Ahoj!";
    const int len = alfont_text_length(f, text);
    ASSERT_EQ(len % 2, 1) << "an odd length shows the halving";
    for (int mode : {0, -1}) {
        SCOPED_TRACE(mode);
        alfont_text_mode(mode);
        BITMAP *centred = Bitmap(200, 40, makecol(0, 128, 0));
        BITMAP *plain = Bitmap(200, 40, makecol(0, 128, 0));
        alfont_textout_centre_aa(centred, f, text, 100, 10, white);
        alfont_textout_aa_ex(plain, f, text, 100 - len / 2, 10, white, mode);
        EXPECT_EQ(Pixels(centred), Pixels(plain));
        BITMAP *printed = Bitmap(200, 40, makecol(0, 128, 0));
        alfont_textprintf_centre_aa(printed, f, 100, 10, white, "%s%c", "Ahoj", '!');
        EXPECT_EQ(Pixels(printed), Pixels(plain));
    }
}

TEST_F(AlfontDraw, NullFontDoesNothing)
{
    BITMAP *b = Bitmap(40, 20, white);
    alfont_text_mode(0);
    alfont_textout_aa_ex(b, nullptr, "abc", 0, 0, 0, 0);
    alfont_textout_centre_aa(b, nullptr, "abc", 20, 0, 0);
    alfont_textprintf_aa(b, nullptr, 0, 0, 0, "%d", 5);
    alfont_textprintf_centre_aa(b, nullptr, 20, 0, 0, "%d", 5);
    EXPECT_EQ(CountColour(b, white), 40 * 20);
    EXPECT_EQ(alfont_text_length(nullptr, "abc"), 0);
    EXPECT_EQ(alfont_set_font_size(nullptr, 20), -1);
    EXPECT_EQ(alfont_get_font_height(nullptr), 0);
    alfont_destroy_font(nullptr);
}

}  // namespace
