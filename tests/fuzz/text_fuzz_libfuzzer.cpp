// libFuzzer entry for the text layer: four bytes of parameters, one byte of
// text length, the text, and the rest as the font file.
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include <allegro.h>

#include "text_fuzz.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    if (install_allegro(SYSTEM_NONE, &errno, atexit) != 0)
        abort();
    set_color_depth(16);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 5)
        return 0;
    unsigned int params;
    memcpy(&params, data, 4);
    size_t text_size = data[4];
    data += 5;
    size -= 5;
    if (text_size > size)
        text_size = size;
    fuzz_text_layer(data + text_size, size - text_size, data, text_size, params);
    return 0;
}
