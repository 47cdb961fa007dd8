#include "pismo.h"

#include <cstdio>
#include <vector>

#include <ft2build.h>
#include FT_FREETYPE_H

namespace {

std::vector<unsigned long> dekoduj_utf8(const char *s)
{
    std::vector<unsigned long> out;
    const unsigned char *u = (const unsigned char *)s;
    while (*u) {
        unsigned long c = *u++;
        int dalsie = c >= 0xf0 ? 3 : c >= 0xe0 ? 2 : c >= 0xc0 ? 1 : 0;
        if (dalsie)
            c &= 0x3f >> dalsie;
        while (dalsie-- > 0 && (*u & 0xc0) == 0x80)
            c = (c << 6) | (*u++ & 0x3f);
        out.push_back(c);
    }
    return out;
}

}  // namespace

bool pis_na_stred(Platno &p, const char *pismo, int velkost, const char *text, double x, double y, Farba f)
{
    FT_Library lib;
    if (FT_Init_FreeType(&lib))
        return false;
    FT_Face face;
    if (FT_New_Face(lib, pismo, 0, &face)) {
        std::fprintf(stderr, "ponorka-assetgen: cannot open font %s\n", pismo);
        FT_Done_FreeType(lib);
        return false;
    }
    const int s = p.GetS();
    FT_Set_Pixel_Sizes(face, 0, (FT_UInt)(velkost * s));
    std::vector<unsigned long> znaky = dekoduj_utf8(text);
    bool ok = true;

    long sirka = 0;
    for (unsigned long z : znaky) {
        if (FT_Load_Char(face, z, FT_LOAD_DEFAULT)) {
            ok = false;
            continue;
        }
        sirka += face->glyph->advance.x >> 6;
    }
    long pero = (long)(x * s) - sirka / 2;
    long zaklad = (long)(y * s) + (face->size->metrics.ascender >> 6);
    for (unsigned long z : znaky) {
        if (FT_Load_Char(face, z, FT_LOAD_RENDER)) {
            ok = false;
            continue;
        }
        FT_GlyphSlot g = face->glyph;
        for (unsigned r = 0; r < g->bitmap.rows; r++) {
            for (unsigned c = 0; c < g->bitmap.width; c++) {
                double a = g->bitmap.buffer[r * g->bitmap.pitch + c] / 255.0;
                p.Primiesaj((int)(pero + g->bitmap_left + (long)c), (int)(zaklad - g->bitmap_top + (long)r), f, a);
            }
        }
        pero += g->advance.x >> 6;
    }
    FT_Done_Face(face);
    FT_Done_FreeType(lib);
    return ok;
}
