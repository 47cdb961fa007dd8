// Measuring and anti-aliased output: opaque over a filled rectangle, or
// blended pixel by pixel into what the bitmap already holds.

#include "text/alfont_vnutro.h"

#include <climits>
#include <cstdarg>
#include <cstdint>

// Room for one formatted line; longer output is cut.
static const int printf_buffer_size = 512;

// Caches the glyph of one character; null when the face has none to offer.
static ALFONT_CACHED_GLYPH *glyph_for(ALFONT_FONT *f, int character)
{
    int index = alfont_vnutro::_alfont_glyph_index(f, character);
    if (index < 0 || f->cached_glyphs == NULL)
        return NULL;
    alfont_vnutro::_alfont_cache_glyph(f, index);
    return &f->cached_glyphs[index];
}

int alfont_text_length(ALFONT_FONT *f, const char *str)
{
    if (f == NULL || str == NULL)
        return 0;
    int total = 0;
    const char *p = str;
    int character;
    while ((character = ugetxc(&p)) != 0) {
        ALFONT_CACHED_GLYPH *g = glyph_for(f, character);
        if (g != NULL && g->advance_x)
            total += g->advance_x + f->ch_spacing;
    }
    return total;
}

// What Allegro's translucent putpixel leaves in a 16-bit pixel `under` when it
// draws `color` at coverage `a` (1..254) with set_trans_blender(0, 0, 0, a).
static int blend16(int color, int under, int a)
{
    // The three channels spread apart in one word, so one multiply blends them all.
    unsigned long n = (unsigned long)(a + 1) / 8;
    unsigned long x = (((unsigned long)color & 0xFFFF) | ((unsigned long)color << 16)) & 0x7E0F81F;
    unsigned long y = (((unsigned long)under & 0xFFFF) | ((unsigned long)under << 16)) & 0x7E0F81F;
    unsigned long r = ((x - y) * n / 32 + y) & 0x7E0F81F;
    return (int)((r & 0xFFFF) | (r >> 16));
}

// What text output changed since alfont_damage last reported; empty while x1 > x2.
static int damage_x1 = INT_MAX, damage_y1 = INT_MAX, damage_x2 = INT_MIN, damage_y2 = INT_MIN;

// Adds the pixels (x1, y1)..(x2, y2) of `bmp` that its clip rectangle lets through.
static void add_damage(BITMAP *bmp, int x1, int y1, int x2, int y2)
{
    int cl = bmp->clip ? bmp->cl : 0, ct = bmp->clip ? bmp->ct : 0;
    int cr = bmp->clip ? bmp->cr : bmp->w, cb = bmp->clip ? bmp->cb : bmp->h;
    x1 = MAX(x1, cl);
    y1 = MAX(y1, ct);
    x2 = MIN(x2, cr - 1);
    y2 = MIN(y2, cb - 1);
    if (x1 > x2 || y1 > y2)
        return;
    damage_x1 = MIN(damage_x1, x1);
    damage_y1 = MIN(damage_y1, y1);
    damage_x2 = MAX(damage_x2, x2);
    damage_y2 = MAX(damage_y2, y2);
}

bool alfont_damage(int *x, int *y, int *w, int *h)
{
    bool any = damage_x1 <= damage_x2;
    if (any) {
        *x = damage_x1;
        *y = damage_y1;
        *w = damage_x2 - damage_x1 + 1;
        *h = damage_y2 - damage_y1 + 1;
    }
    damage_x1 = damage_y1 = INT_MAX;
    damage_x2 = damage_y2 = INT_MIN;
    return any;
}

// Blends one glyph into a 16-bit memory bitmap as the translucent putpixel
// would, without switching Allegro's drawing mode for every pixel. Text drawn
// over itself stops changing its pixels: only those that changed are damage.
static void blend_glyph16(BITMAP *bmp, const ALFONT_CACHED_GLYPH *g, int left, int top, int color)
{
    int x1 = INT_MAX, y1 = INT_MAX, x2 = INT_MIN, y2 = INT_MIN;
    const unsigned char *coverage = g->aa_bmp;
    for (int row = 0; row < g->aa_height; row++, coverage += g->aa_width) {
        int y = top + row;
        if (bmp->clip && (y < bmp->ct || y >= bmp->cb))
            continue;
        uint16_t *line = (uint16_t *)bmp->line[y];
        for (int col = 0; col < g->aa_width; col++) {
            int a = coverage[col];
            int x = left + col;
            if (a == 0 || (bmp->clip && (x < bmp->cl || x >= bmp->cr)))
                continue;
            uint16_t value = (uint16_t)(a == 255 ? color : blend16(color, line[x], a));
            if (value != line[x]) {
                line[x] = value;
                x1 = MIN(x1, x);
                x2 = MAX(x2, x);
                y1 = MIN(y1, y);
                y2 = MAX(y2, y);
            }
        }
    }
    if (x1 <= x2)
        add_damage(bmp, x1, y1, x2, y2);
}

// 256 colours blending from the background to the text colour, by coverage.
static void build_colour_table(int table[256], int color, int backg)
{
    int f_r = getr(color), f_g = getg(color), f_b = getb(color);
    int b_r = getr(backg), b_g = getg(backg), b_b = getb(backg);
    int inc_r = f_r == b_r ? 0 : (f_r - b_r) + 1;
    int inc_g = f_g == b_g ? 0 : (f_g - b_g) + 1;
    int inc_b = f_b == b_b ? 0 : (f_b - b_b) + 1;
    int acc_r = b_r * 256, acc_g = b_g * 256, acc_b = b_b * 256;
    for (int i = 0; i < 256; i++) {
        table[i] = makecol(acc_r >> 8, acc_g >> 8, acc_b >> 8);
        acc_r += inc_r;
        acc_g += inc_g;
        acc_b += inc_b;
    }
}

void alfont_textout_aa_ex(BITMAP *bmp, ALFONT_FONT *f, const char *s, int x, int y, int color, int backg)
{
    if (bmp == NULL || f == NULL || s == NULL)
        return;

    int clip_left, clip_top, clip_right, clip_bottom;
    get_clip_rect(bmp, &clip_left, &clip_top, &clip_right, &clip_bottom);
    if (y + f->face_h < clip_top || y > clip_bottom || x > clip_right)
        return;

    // Text is drawn a character at a time in the same colours: the last table
    // is kept while the colours and the pixel format (depth, channel order) stay.
    static int table[256];
    static int table_color = -1, table_backg = -1, table_format = -1;
    if (backg >= 0) {
        int right = x + alfont_text_length(f, s) - 1;
        rectfill(bmp, x, y, right, y + f->face_h - 1, backg);
        add_damage(bmp, x, y, right, y + f->face_h - 1);
        int format = makecol(255, 128, 1);
        if (color != table_color || backg != table_backg || format != table_format) {
            build_colour_table(table, color, backg);
            table_color = color;
            table_backg = backg;
            table_format = format;
        }
    }

    bool direct = backg < 0 && is_memory_bitmap(bmp) && bitmap_color_depth(bmp) == 16;
    acquire_bitmap(bmp);

    const char *p = s;
    int character;
    while ((character = ugetxc(&p)) != 0 && x <= clip_right) {
        ALFONT_CACHED_GLYPH *g = glyph_for(f, character);
        if (g == NULL)
            continue;
        if (g->aa_available && g->aa_bmp != NULL && direct) {
            blend_glyph16(bmp, g, x + g->aa_left, y + f->face_ascender - g->aa_top, color);
        } else if (g->aa_available && g->aa_bmp != NULL) {
            int left = x + g->aa_left;
            int top = y + f->face_ascender - g->aa_top;
            add_damage(bmp, left, top, left + g->aa_width - 1, top + g->aa_height - 1);
            const unsigned char *coverage = g->aa_bmp;
            for (int row = 0; row < g->aa_height; row++) {
                for (int col = 0; col < g->aa_width; col++) {
                    int a = *coverage++;
                    if (a == 0)
                        continue;
                    if (backg >= 0) {
                        putpixel(bmp, left + col, top + row, table[a]);
                    } else {
                        if (a == 255) {
                            solid_mode();
                        } else {
                            drawing_mode(DRAW_MODE_TRANS, NULL, 0, 0);
                            set_trans_blender(0, 0, 0, a);
                        }
                        putpixel(bmp, left + col, top + row, color);
                    }
                }
            }
        }
        if (g->advance_x)
            x += g->advance_x + f->ch_spacing;
        if (g->advance_y)
            y += g->advance_y + f->ch_spacing;
    }

    release_bitmap(bmp);
    if (backg < 0)
        solid_mode();
}

void alfont_textout_centre_aa(BITMAP *bmp, ALFONT_FONT *f, const char *s, int x, int y, int color)
{
    alfont_textout_aa_ex(bmp, f, s, x - alfont_text_length(f, s) / 2, y, color, alfont_textmode);
}

void alfont_textprintf_aa(BITMAP *bmp, ALFONT_FONT *f, int x, int y, int color, const char *format, ...)
{
    if (format == NULL)
        return;
    char buf[printf_buffer_size];
    va_list ap;
    va_start(ap, format);
    uvszprintf(buf, sizeof(buf), format, ap);
    va_end(ap);
    alfont_textout_aa_ex(bmp, f, buf, x, y, color, alfont_textmode);
}

void alfont_textprintf_centre_aa(BITMAP *bmp, ALFONT_FONT *f, int x, int y, int color, const char *format, ...)
{
    if (format == NULL)
        return;
    char buf[printf_buffer_size];
    va_list ap;
    va_start(ap, format);
    uvszprintf(buf, sizeof(buf), format, ap);
    va_end(ap);
    alfont_textout_centre_aa(bmp, f, buf, x, y, color);
}
