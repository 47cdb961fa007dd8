#ifndef PONORKA_TEST_TEXT_FUZZ_H
#define PONORKA_TEST_TEXT_FUZZ_H

#include <cstddef>

// One round through the text layer: the bytes are written out and loaded as a
// font file; the text (any bytes, not necessarily valid UTF-8) is measured and
// drawn with that font and with a known good one. params picks the size, the
// mode, the spacing and where on the bitmap the text goes. Needs Allegro
// installed in 16-bit colour.
void fuzz_text_layer(const unsigned char *font, size_t font_size, const unsigned char *text, size_t text_size,
                     unsigned int params);

// Releases what the rounds keep between calls.
void fuzz_text_layer_done();

#endif
