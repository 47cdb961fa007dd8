#ifndef PONORKA_ALFONT_H
#define PONORKA_ALFONT_H

// Anti-aliased TrueType text on Allegro bitmaps, with a glyph cache per font.
// Callers hold fonts only by pointer; the font's layout and the FreeType side
// stay inside the text layer (text/alfont_vnutro.h).

#include <allegro.h>

// A loaded font at one pixel size; owned by whoever loaded it.
struct ALFONT_FONT;

// Process-wide text mode: >= 0 is the opaque background colour, negative is transparent.
extern int alfont_textmode;

int alfont_init(void);
void alfont_exit(void);

ALFONT_FONT *alfont_load_font(const char *filepathname);
void alfont_destroy_font(ALFONT_FONT *f);

int alfont_set_font_size(ALFONT_FONT *f, int h);
int alfont_get_font_height(ALFONT_FONT *f);

int alfont_text_mode(int mode);
int alfont_text_length(ALFONT_FONT *f, const char *str);

void alfont_textout_aa_ex(BITMAP *bmp, ALFONT_FONT *f, const char *s, int x, int y, int color, int backg);
void alfont_textout_centre_aa(BITMAP *bmp, ALFONT_FONT *f, const char *s, int x, int y, int color);
void alfont_textprintf_aa(BITMAP *bmp, ALFONT_FONT *f, int x, int y, int color, const char *format, ...);
void alfont_textprintf_centre_aa(BITMAP *bmp, ALFONT_FONT *f, int x, int y, int color, const char *format, ...);

// The rectangle of pixels text output has changed since the last call, in the
// coordinates of the bitmaps drawn on: for transparent text on a 16-bit memory
// bitmap the pixels whose value changed, otherwise every pixel drawn over.
// False when there were none. Each call starts a new rectangle.
bool alfont_damage(int *x, int *y, int *w, int *h);

#endif
