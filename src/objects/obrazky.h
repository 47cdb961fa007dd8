#ifndef PONORKA_OBRAZKY_H
#define PONORKA_OBRAZKY_H

#include <allegro.h>

// Image cache: every file is read from disk once per run and every caller
// gets its own memory copy, which it owns and releases with destroy_bitmap.
// Spawning a torpedo therefore does no file input.

// A fresh copy of the image at path (relative to the working directory), or
// null when the file can't be read. A failed read is retried on the next call.
BITMAP *obrazok_kopia(const char *cesta);

// Puts a copy of bmp into the cache under path, replacing any earlier entry;
// the caller keeps bmp.
void obrazky_vloz(const char *cesta, BITMAP *bmp);

// Releases every cached image; the next request reads the file again.
void obrazky_vycisti();

#endif
