// libFuzzer target: any bytes as a .png file in memory, through the PNG loader (no GL), staged in
// the ways the program stages pictures. A fatal alert is the loader's verdict on a malformed
// picture and ends the input quietly; a crash, a sanitizer report or a hang is a fault.
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
    // RGBA at its own size, padded RGB, one byte of alpha or brightness in the temporary buffer.
    const struct { int type, bytes; } runs[] = {{-102, 4}, {-101, 3}, {-103, 1}};
    for (const auto& r : runs) {
        int full_width = 0;
        try {
            load_png_bytes(data, (long)size, "fuzz.png", 1, r.type, r.bytes, &full_width);
        } catch (const fuzz_fatal_alert&) {
        }
    }
    return 0;
}
