// libFuzzer entry for the campaign reader: the input is the file.
#include <cstdint>

#include "kampan_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz_kampan_reader(data, size);
    return 0;
}
