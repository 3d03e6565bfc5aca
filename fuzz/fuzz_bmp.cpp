// libFuzzer target: any bytes as a .bmp file in memory, through the BMP loader (no GL). A fatal
// alert is the loader's verdict on a malformed picture; a crash, a sanitizer report, a read past
// the bytes or a hang is a fault.
#include "draw/HL_BITMAP.h"
#include "fuzz/fuzz_pictures.h"
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz_pictures_setup();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Padded RGB, keyed RGBA in a paint slot, brightness alpha in the temporary buffer, one byte.
    const struct { int index, type, bytes, filter; } runs[] = {
        {1, -101, 3, -107}, {430, -102, 4, -107}, {2, -103, 4, -112}, {3, -104, 1, -113}};
    for (const auto& r : runs) {
        int full_width = 0;
        try {
            load_bmp_bytes(data, (long)size, "fuzz.bmp", r.index, r.type, r.bytes, r.filter, &full_width);
        } catch (const fuzz_fatal_alert&) {
        }
    }
    return 0;
}
