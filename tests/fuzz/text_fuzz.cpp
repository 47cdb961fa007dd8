#include "text_fuzz.h"

#include <cstdio>
#include <string>

#include <allegro.h>

#include "support/temp_dir.h"
#include "text/alfont_vnutro.h"

namespace {

const char *const good_font_path = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

ALFONT_FONT *good_font = NULL;
BITMAP *target = NULL;

std::string font_file()
{
    return process_temp_dir() + "font.ttf";
}

// Allegro's formatter never returns from a UTF-8 sequence longer than four
// bytes whose decoded code comes out at 2^30 or more (lead bytes 0xFD to 0xFF);
// the game formats only ASCII and numbers, so formatted output gets the text
// without such lead bytes. Plain output and measuring read the raw bytes.
std::string formattable(const std::string &text)
{
    std::string s = text;
    for (char &c : s)
        if ((unsigned char)c >= 0xF8)
            c = '?';
    return s;
}

void exercise(ALFONT_FONT *f, const std::string &text, unsigned int params)
{
    const int size = 1 + (int)(params & 0x3F);
    const int x = (int)((params >> 6) & 0xFF) - 64;
    const int y = (int)((params >> 14) & 0x3F) - 16;
    const int spacing = (int)((params >> 20) & 0x7) - 2;
    const int mode = (params >> 23) & 1 ? -1 : makecol(0, 0, 96);
    const int clip = (params >> 24) & 1;

    alfont_set_font_size(f, size);
    alfont_set_char_extra_spacing(f, spacing);
    if (clip)
        set_clip_rect(target, 20, 5, 120, 30);
    else
        set_clip_rect(target, 0, 0, target->w - 1, target->h - 1);

    alfont_text_length(f, text.c_str());
    alfont_textout_aa_ex(target, f, text.c_str(), x, y, makecol(255, 255, 255), mode);
    int old = alfont_text_mode(mode);
    alfont_textout_centre_aa(target, f, text.c_str(), x + 100, y, makecol(176, 76, 76));
    const std::string printable = formattable(text);
    alfont_textprintf_aa(target, f, x, y + 10, makecol(76, 176, 76), "%s %d", printable.c_str(), size);
    alfont_textprintf_centre_aa(target, f, x + 50, y, makecol(76, 176, 76), "%s", printable.c_str());
    alfont_text_mode(old);
    alfont_set_font_size(f, 20);
}

}  // namespace

void fuzz_text_layer(const unsigned char *pismo, size_t font_size, const unsigned char *text, size_t text_size,
                     unsigned int params)
{
    if (alfont_init() != 0)
        return;
    if (target == NULL)
        target = create_bitmap_ex(16, 256, 64);
    if (good_font == NULL)
        good_font = alfont_load_font(good_font_path);
    clear_to_color(target, makecol(0, 0, 0));

    // The layer reads strings up to their terminator; anything after an inner 0 is ignored.
    std::string s(reinterpret_cast<const char *>(text), text_size);

    const std::string path = font_file();
    FILE *out = fopen(path.c_str(), "wb");
    if (out == NULL)
        return;
    if (font_size > 0)
        fwrite(pismo, 1, font_size, out);
    fclose(out);

    ALFONT_FONT *f = alfont_load_font(path.c_str());
    if (f != NULL) {
        exercise(f, s, params);
        alfont_destroy_font(f);
    }
    if (good_font != NULL)
        exercise(good_font, s, params ^ 0x00800000u);
    solid_mode();
}

void fuzz_text_layer_done()
{
    alfont_destroy_font(good_font);
    good_font = NULL;
    if (target != NULL)
        destroy_bitmap(target);
    target = NULL;
    remove(font_file().c_str());
}
