#ifndef PONORKA_ASSETGEN_PISMO_H
#define PONORKA_ASSETGEN_PISMO_H

#include "platno.h"

// Letters a UTF-8 line centred on x with its top at y, through FreeType at the surface's
// fine resolution, blending each glyph's grey levels in. Returns false when the font
// can't be opened or a glyph can't be rendered.
bool pis_na_stred(Platno &p, const char *pismo, int velkost, const char *text, double x, double y, Farba f);

#endif
