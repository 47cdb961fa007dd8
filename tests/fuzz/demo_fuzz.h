#ifndef PONORKA_TEST_DEMO_FUZZ_H
#define PONORKA_TEST_DEMO_FUZZ_H

#include <cstddef>

// One round through the demo reader: the bytes are read as a demo file, and
// each of their lines as a step line. Whatever the bytes, the reader must
// either accept them with records in order or refuse them with one of its
// exit codes and a message naming the file; anything else aborts.
void fuzz_demo_reader(const unsigned char *data, size_t size);

#endif
