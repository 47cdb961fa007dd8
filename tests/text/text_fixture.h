#ifndef PONORKA_TEST_TEXT_FIXTURE_H
#define PONORKA_TEST_TEXT_FIXTURE_H

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/allegro_env.h"
#include "support/temp_dir.h"
#include "text/alfont_vnutro.h"

#define DEJAVU_SANS "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
#define LIBERATION_SANS "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf"
#define FREE_SANS "/usr/share/fonts/truetype/freefont/FreeSans.ttf"

// A second, independent FreeType face: what the font itself says, to check the layer against.
class ReferenceFace {
public:
    explicit ReferenceFace(const char *path)
    {
        FT_Init_FreeType(&lib_);
        FT_New_Face(lib_, path, 0, &face_);
    }
    ~ReferenceFace()
    {
        FT_Done_Face(face_);
        FT_Done_FreeType(lib_);
    }
    FT_Face face() const { return face_; }
    // |ascender| + |descender| in whole pixels at a FreeType pixel size.
    int LineHeight(int pixels)
    {
        FT_Set_Pixel_Sizes(face_, 0, pixels);
        return abs((int)(face_->size->metrics.ascender >> 6)) + abs((int)(face_->size->metrics.descender >> 6));
    }
    int Ascender(int pixels)
    {
        FT_Set_Pixel_Sizes(face_, 0, pixels);
        return (int)(face_->size->metrics.ascender >> 6);
    }
    int GlyphAdvance(int glyph, int pixels)
    {
        FT_Set_Pixel_Sizes(face_, 0, pixels);
        FT_Load_Glyph(face_, glyph, FT_LOAD_DEFAULT);
        return (int)(face_->glyph->advance.x >> 6);
    }
    int CharAdvance(int character, int pixels) { return GlyphAdvance(FT_Get_Char_Index(face_, character), pixels); }

private:
    FT_Library lib_ = NULL;
    FT_Face face_ = NULL;
};

inline std::vector<unsigned char> ReadFile(const char *path)
{
    std::vector<unsigned char> bytes;
    FILE *f = fopen(path, "rb");
    if (f == NULL)
        return bytes;
    int c;
    while ((c = fgetc(f)) != EOF)
        bytes.push_back((unsigned char)c);
    fclose(f);
    return bytes;
}

inline std::string WriteTempFile(const std::string &name, const std::vector<unsigned char> &bytes)
{
    std::string path = process_temp_dir() + name;
    FILE *f = fopen(path.c_str(), "wb");
    if (f != NULL) {
        if (!bytes.empty())
            fwrite(bytes.data(), 1, bytes.size(), f);
        fclose(f);
    }
    return path;
}

// Offset of a table in a TrueType file's table directory, or 0 when missing.
inline size_t TableOffset(const std::vector<unsigned char> &ttf, const char *tag, size_t *entry = NULL)
{
    int tables = ttf[4] << 8 | ttf[5];
    for (int i = 0; i < tables; i++) {
        size_t e = 12 + 16 * (size_t)i;
        if (std::string(ttf.begin() + e, ttf.begin() + e + 4) == tag) {
            if (entry != NULL)
                *entry = e;
            return (size_t)ttf[e + 8] << 24 | ttf[e + 9] << 16 | ttf[e + 10] << 8 | ttf[e + 11];
        }
    }
    return 0;
}

// Every test starts with the layer initialised and leaves the process-wide
// text mode and Allegro's drawing mode as it found them.
class TextTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(alfont_init(), 0);
        saved_mode_ = alfont_textmode;
    }
    void TearDown() override
    {
        for (ALFONT_FONT *f : fonts_)
            alfont_destroy_font(f);
        for (BITMAP *b : bitmaps_)
            destroy_bitmap(b);
        alfont_text_mode(saved_mode_);
        solid_mode();
    }
    ALFONT_FONT *Load(const char *path, int size)
    {
        ALFONT_FONT *f = alfont_load_font(path);
        if (f != NULL) {
            fonts_.push_back(f);
            EXPECT_EQ(alfont_set_font_size(f, size), 0);
        }
        return f;
    }
    BITMAP *Bitmap(int w, int h, int color)
    {
        BITMAP *b = create_bitmap_ex(16, w, h);
        clear_to_color(b, color);
        bitmaps_.push_back(b);
        return b;
    }
    static bool Cached(ALFONT_FONT *f, int character)
    {
        return f->cached_glyphs[FT_Get_Char_Index(f->face, character)].is_cached != 0;
    }

private:
    int saved_mode_ = 0;
    std::vector<ALFONT_FONT *> fonts_;
    std::vector<BITMAP *> bitmaps_;
};

#endif
