// Library start-up, font loading and destruction, sizes and the text mode.

#include "text/alfont_vnutro.h"

#include <cstdlib>

FT_Library ft_library = NULL;
int alfont_inited = 0;
int alfont_textmode = 0;

// FreeType refuses pixel sizes above this; a search running past it can only fail.
static const int max_pixel_size = 0xFFFF;

int alfont_init(void)
{
    if (alfont_inited)
        return 0;
    ft_library = NULL;
    int error = FT_Init_FreeType(&ft_library);
    if (!error)
        alfont_inited = 1;
    return error;
}

void alfont_exit(void)
{
    if (!alfont_inited)
        return;
    FT_Done_FreeType(ft_library);
    ft_library = NULL;
    alfont_inited = 0;
}

ALFONT_FONT *alfont_load_font(const char *filepathname)
{
    ALFONT_FONT *f = (ALFONT_FONT *)calloc(1, sizeof(ALFONT_FONT));
    if (f == NULL)
        return NULL;

    if (filepathname == NULL || FT_New_Face(ft_library, filepathname, 0, &f->face) != 0) {
        free(f);
        return NULL;
    }

    if (f->face->face_flags & FT_FACE_FLAG_SCALABLE)
        f->num_fixed_sizes = -1;
    else
        f->num_fixed_sizes = f->face->num_fixed_sizes;

    int num_glyphs = (int)f->face->num_glyphs;
    if (num_glyphs > 0) {
        f->cached_glyphs = (ALFONT_CACHED_GLYPH *)malloc(num_glyphs * sizeof(ALFONT_CACHED_GLYPH));
        if (f->cached_glyphs == NULL) {
            FT_Done_Face(f->face);
            free(f);
            return NULL;
        }
        for (int i = 0; i < num_glyphs; i++) {
            f->cached_glyphs[i].is_cached = 0;
            f->cached_glyphs[i].mono_bmp = NULL;
            f->cached_glyphs[i].aa_bmp = NULL;
        }
    }

    int initial_size;
    if (f->num_fixed_sizes < 0) {
        f->fixed_sizes = (int *)malloc(sizeof(int));
        if (f->fixed_sizes == NULL) {
            alfont_destroy_font(f);
            return NULL;
        }
        f->fixed_sizes[0] = -1;
        initial_size = 8;
    } else {
        f->fixed_sizes = (int *)malloc((f->num_fixed_sizes + 1) * sizeof(int));
        if (f->fixed_sizes == NULL) {
            alfont_destroy_font(f);
            return NULL;
        }
        for (int i = 0; i < f->num_fixed_sizes; i++)
            f->fixed_sizes[i] = f->face->available_sizes[i].height;
        f->fixed_sizes[f->num_fixed_sizes] = -1;
        // A face without scalable outlines and without strikes has no size of
        // its own to start from.
        initial_size = f->num_fixed_sizes > 0 ? f->fixed_sizes[0] : 8;
    }

    alfont_set_font_size(f, initial_size);
    alfont_set_char_extra_spacing(f, 0);
    return f;
}

void alfont_destroy_font(ALFONT_FONT *f)
{
    if (f == NULL)
        return;
    // After alfont_exit the library has already released every face, this one
    // included: it must not be touched again (its glyph count is gone with it,
    // so glyphs still cached then cannot be walked and are lost).
    if (alfont_inited && f->cached_glyphs != NULL) {
        for (int i = 0; i < f->face->num_glyphs; i++) {
            free(f->cached_glyphs[i].mono_bmp);
            free(f->cached_glyphs[i].aa_bmp);
        }
    }
    free(f->cached_glyphs);
    if (alfont_inited)
        FT_Done_Face(f->face);
    free(f->fixed_sizes);
    free(f->data);
    free(f);
}

void alfont_vnutro::_alfont_delete_glyphs(ALFONT_FONT *f)
{
    if (f == NULL || f->cached_glyphs == NULL)
        return;
    for (int i = 0; i < f->face->num_glyphs; i++) {
        ALFONT_CACHED_GLYPH &g = f->cached_glyphs[i];
        if (g.is_cached) {
            g.is_cached = 0;
            free(g.mono_bmp);
            g.mono_bmp = NULL;
            free(g.aa_bmp);
            g.aa_bmp = NULL;
        }
    }
}

// Rendered line height of the size currently set on the face.
static int line_height(FT_Face face)
{
    return abs((int)(face->size->metrics.ascender >> 6)) + abs((int)(face->size->metrics.descender >> 6));
}

int alfont_set_font_size(ALFONT_FONT *f, int h)
{
    if (f == NULL)
        return -1;
    if (h == f->face_h)
        return 0;
    if (h <= 0)
        return -1;

    int test = h;
    int direction = 0;
    bool found = false;
    for (;;) {
        if (FT_Set_Pixel_Sizes(f->face, 0, test) != 0)
            break;
        int real = line_height(f->face);
        if (real == h) {
            found = true;
            break;
        }
        if (direction == 0) {
            direction = real < h ? 1 : -1;
        } else if (direction > 0 && real > h) {
            test = test - 1;
            FT_Set_Pixel_Sizes(f->face, 0, test);
            found = true;
            break;
        } else if (direction < 0 && real < h) {
            found = true;
            break;
        }
        test = test + direction;
        if (test <= 0 || test > max_pixel_size)
            break;
    }

    if (!found) {
        FT_Set_Pixel_Sizes(f->face, 0, f->real_face_h);
        return -1;
    }

    alfont_vnutro::_alfont_delete_glyphs(f);
    f->face_h = h;
    f->real_face_h = test;
    f->face_ascender = (int)(f->face->size->metrics.ascender >> 6);
    return 0;
}

int alfont_get_font_height(ALFONT_FONT *f)
{
    if (f == NULL)
        return 0;
    return f->face_h;
}

int alfont_set_char_extra_spacing(ALFONT_FONT *f, int spacing)
{
    if (f != NULL) {
        if (spacing < 0)
            f->ch_spacing = 0;
        else if (spacing > 4096)
            f->ch_spacing = 4096;
        else
            f->ch_spacing = spacing;
    }
    return spacing;
}

int alfont_text_mode(int mode)
{
    int old_mode = alfont_textmode;
    alfont_textmode = mode;
    return old_mode;
}
