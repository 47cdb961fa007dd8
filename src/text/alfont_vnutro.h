#ifndef PONORKA_ALFONT_VNUTRO_H
#define PONORKA_ALFONT_VNUTRO_H

// Inside of the text layer: the FreeType side, the font and glyph layouts and
// the helpers. Only the layer itself and its own tests include this.

#include "text/alfont.h"

#include <ft2build.h>
#include FT_FREETYPE_H

// One cached glyph: its mono and anti-aliased coverage bitmaps (one byte per
// pixel, row after row) and its advance in whole pixels.
struct ALFONT_CACHED_GLYPH {
    char is_cached;
    int mono_width, mono_height;
    int aa_width, aa_height;
    int mono_left, mono_top;
    int aa_left, aa_top;
    int advance_x, advance_y;
    int mono_available, aa_available;
    unsigned char *mono_bmp;  // non-zero = ink; null for an empty glyph
    unsigned char *aa_bmp;    // coverage 0..255; null for an empty glyph
};

struct ALFONT_FONT {
    FT_Face face;
    int face_h;         // pixel height last asked for; the height the layer reports
    int real_face_h;    // pixel size actually set on the face
    int face_ascender;  // ascender at the current size, whole pixels
    char *data;         // private copy of the file when loaded from memory, else null
    int data_size;
    int ch_spacing;                      // pixels added after every glyph's advance, 0..4096
    int num_fixed_sizes;                 // -1 for a scalable face, else the count of bitmap strikes
    ALFONT_CACHED_GLYPH *cached_glyphs;  // one entry per glyph of the face
    int *fixed_sizes;                    // strike heights ended by -1; just {-1} when scalable
};

extern FT_Library ft_library;
extern int alfont_inited;

int alfont_set_char_extra_spacing(ALFONT_FONT *f, int spacing);

// The layer's internal helpers keep their leading underscore. At global scope
// such names belong to the compiler and its library; inside a namespace they
// are ours.
namespace alfont_vnutro {

void _alfont_cache_glyph(ALFONT_FONT *f, int glyph_number);
void _alfont_delete_glyphs(ALFONT_FONT *f);
// The glyph index of a character is bounded by the face: anything the cache
// cannot hold maps to glyph 0, and -1 means the face has no glyphs at all.
int _alfont_glyph_index(ALFONT_FONT *f, int character);

}  // namespace alfont_vnutro

#endif
