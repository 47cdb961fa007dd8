#include "text/text_fixture.h"

namespace {

using AlfontLoad = TextTest;

TEST_F(AlfontLoad, FilesThatAreNoFontLoadAsNull)
{
    EXPECT_EQ(alfont_load_font(WriteTempFile("empty.ttf", {}).c_str()), nullptr);
    std::vector<unsigned char> text(400);
    for (size_t i = 0; i < text.size(); i++)
        text[i] = "Toto nie je pismo. "[i % 19];
    EXPECT_EQ(alfont_load_font(WriteTempFile("text.ttf", text).c_str()), nullptr);
    std::vector<unsigned char> noise(4096);
    unsigned int seed = 7;
    for (unsigned char &c : noise)
        c = (unsigned char)((seed = seed * 1103515245u + 12345u) >> 16);
    EXPECT_EQ(alfont_load_font(WriteTempFile("noise.ttf", noise).c_str()), nullptr);
    EXPECT_EQ(alfont_load_font("/nonexistent/ponorka/font.ttf"), nullptr);
    EXPECT_EQ(alfont_load_font(nullptr), nullptr);
}

// Whatever FreeType makes of a cut-off file, the layer either refuses it or
// measures and draws it without crashing (the ASan build checks the rest).
TEST_F(AlfontLoad, TruncatedFontsNeverCrash)
{
    const std::vector<unsigned char> whole = ReadFile(DEJAVU_SANS);
    ASSERT_FALSE(whole.empty());
    int loaded = 0, refused = 0;
    for (size_t keep : {(size_t)12, (size_t)100, (size_t)1000, whole.size() / 8, whole.size() / 2, whole.size() - 1000,
                        whole.size() - 1}) {
        SCOPED_TRACE(keep);
        std::vector<unsigned char> part(whole.begin(), whole.begin() + keep);
        ALFONT_FONT *f = alfont_load_font(WriteTempFile("cut.ttf", part).c_str());
        if (f == NULL) {
            refused++;
            continue;
        }
        loaded++;
        alfont_set_font_size(f, 20);
        BITMAP *b = Bitmap(300, 40, 0);
        const char *text = "Ponorka $ 1:5 \xE4\xB8\x80";
        EXPECT_GE(alfont_text_length(f, text), 0);
        alfont_textout_aa_ex(b, f, text, 2, 2, makecol(255, 255, 255), 0);
        alfont_textout_aa_ex(b, f, text, 2, 2, makecol(255, 255, 255), -1);
        alfont_set_font_size(f, 36);
        alfont_textout_aa_ex(b, f, text, 2, 2, makecol(255, 255, 255), -1);
        alfont_destroy_font(f);
    }
    EXPECT_GT(refused, 0);
    EXPECT_EQ(loaded + refused, 7);
}

}  // namespace
