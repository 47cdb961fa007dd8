#ifndef PONORKA_TEST_KAMPAN_FUZZ_H
#define PONORKA_TEST_KAMPAN_FUZZ_H

#include <cstddef>

// One round through the campaign reader: the bytes are read as a campaign file,
// and carried as the campaign of a demo. Whatever the bytes, the reader must
// either accept them as a campaign within every limit, which reads back the same
// from its own text and from a demo that carries it, or refuse them with one of
// its exit codes and a message naming the file; anything else aborts.
void fuzz_kampan_reader(const unsigned char *data, size_t size);

#endif
