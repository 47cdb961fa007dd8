// The glyph cache: each glyph is rendered once per size, mono and anti-aliased.

#include "text/alfont_vnutro.h"

#include <cstdlib>
#include <cstring>

#include FT_GLYPH_H

// First byte of row r of a FreeType bitmap, whichever way its rows run.
static const unsigned char *bitmap_row(const FT_Bitmap &b, int r)
{
    if (b.pitch < 0)
        return b.buffer + (size_t)(b.rows - 1 - r) * (size_t)-b.pitch;
    return b.buffer + (size_t)r * (size_t)b.pitch;
}

// Renders a copy of glyph in the given mode; null unless the result is a
// bitmap glyph. The caller releases it with FT_Done_Glyph.
static FT_BitmapGlyph render_copy(FT_Glyph glyph, FT_Render_Mode mode)
{
    FT_Glyph copy;
    if (FT_Glyph_Copy(glyph, &copy) != 0)
        return NULL;
    if (copy->format != FT_GLYPH_FORMAT_BITMAP)
        FT_Glyph_To_Bitmap(&copy, mode, NULL, 1);
    if (copy->format != FT_GLYPH_FORMAT_BITMAP) {
        FT_Done_Glyph(copy);
        return NULL;
    }
    return (FT_BitmapGlyph)copy;
}

// Sizes are taken in 64 bits: a damaged font may ask for an enormous glyph.
static unsigned char *alloc_pixels(int width, int height)
{
    if ((long long)width * height < 1)
        return NULL;
    return (unsigned char *)malloc((size_t)width * (size_t)height);
}

static void cache_mono(ALFONT_CACHED_GLYPH &g, FT_Glyph glyph)
{
    FT_BitmapGlyph bg = render_copy(glyph, FT_RENDER_MODE_MONO);
    if (bg == NULL)
        return;
    const FT_Bitmap &b = bg->bitmap;
    if (b.pixel_mode == FT_PIXEL_MODE_MONO) {
        g.mono_available = 1;
        g.mono_width = b.width;
        g.mono_height = b.rows;
        g.mono_left = bg->left;
        g.mono_top = bg->top;
        g.mono_bmp = alloc_pixels(g.mono_width, g.mono_height);
        if (g.mono_bmp != NULL) {
            for (int r = 0; r < g.mono_height; r++) {
                const unsigned char *src = bitmap_row(b, r);
                unsigned char *dst = g.mono_bmp + (size_t)r * g.mono_width;
                for (int c = 0; c < g.mono_width; c++)
                    dst[c] = src[c >> 3] & (0x80 >> (c & 7));
            }
        }
    }
    FT_Done_Glyph((FT_Glyph)bg);
}

static void cache_aa(ALFONT_CACHED_GLYPH &g, FT_Glyph glyph)
{
    FT_BitmapGlyph bg = render_copy(glyph, FT_RENDER_MODE_NORMAL);
    if (bg == NULL)
        return;
    const FT_Bitmap &b = bg->bitmap;
    if (b.pixel_mode == FT_PIXEL_MODE_GRAY) {
        g.aa_available = 1;
        g.aa_width = b.width;
        g.aa_height = b.rows;
        g.aa_left = bg->left;
        g.aa_top = bg->top;
        g.aa_bmp = alloc_pixels(g.aa_width, g.aa_height);
        if (g.aa_bmp != NULL) {
            for (int r = 0; r < g.aa_height; r++)
                memcpy(g.aa_bmp + (size_t)r * g.aa_width, bitmap_row(b, r), g.aa_width);
            // Fewer grey levels are stretched to the full 0..255 coverage range.
            if (b.num_grays > 0 && b.num_grays < 256) {
                unsigned char factor = (unsigned char)(256 / b.num_grays);
                for (size_t i = 0; i < (size_t)g.aa_width * g.aa_height; i++)
                    g.aa_bmp[i] = (unsigned char)(g.aa_bmp[i] * factor);
            }
        }
    }
    FT_Done_Glyph((FT_Glyph)bg);
}

void alfont_vnutro::_alfont_cache_glyph(ALFONT_FONT *f, int glyph_number)
{
    if (f == NULL || f->cached_glyphs == NULL || glyph_number < 0 || glyph_number >= f->face->num_glyphs)
        return;
    ALFONT_CACHED_GLYPH &g = f->cached_glyphs[glyph_number];
    if (g.is_cached)
        return;

    g.is_cached = 1;
    g.mono_available = 0;
    g.aa_available = 0;
    g.mono_bmp = NULL;
    g.aa_bmp = NULL;
    g.advance_x = 0;
    g.advance_y = 0;

    // A glyph that will not load (a damaged font) stays cached as an empty
    // glyph without advance, rather than reusing whatever the slot held before.
    FT_Glyph glyph;
    if (FT_Load_Glyph(f->face, glyph_number, FT_LOAD_DEFAULT) != 0)
        return;
    if (FT_Get_Glyph(f->face->glyph, &glyph) != 0)
        return;

    cache_mono(g, glyph);
    cache_aa(g, glyph);

    g.advance_x = (int)(f->face->glyph->advance.x >> 6);
    g.advance_y = (int)(f->face->glyph->advance.y >> 6);
    FT_Done_Glyph(glyph);
}

int alfont_vnutro::_alfont_glyph_index(ALFONT_FONT *f, int character)
{
    if (f->face->num_glyphs <= 0)
        return -1;
    long index;
    if (f->face->charmap != NULL)
        index = (long)FT_Get_Char_Index(f->face, (FT_ULong)(unsigned int)character);
    else
        index = character;
    if (index < 0 || index >= f->face->num_glyphs)
        return 0;
    return (int)index;
}
