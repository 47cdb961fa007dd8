// libFuzzer entry for the demo reader: the input is the file.
#include <cstdint>

#include "demo_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz_demo_reader(data, size);
    return 0;
}
