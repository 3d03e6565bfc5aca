// libFuzzer target: any bytes, written as a .bmp file, through the BMP loader (no GL). A fatal
// alert is the loader's verdict on a malformed picture; a crash, a sanitizer report, a read past
// the mapping or a hang is a fault.
#include "draw/HL_BITMAP.h"
#include "fuzz/fuzz_pictures.h"
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>
#include <unistd.h>

namespace {

std::string s_input;

void put(std::vector<unsigned char>& v, unsigned x, int n)
{
    for (int i = 0; i < n; i++) v.push_back((unsigned char)(x >> (8 * i)));
}

// A well-formed 24-bit picture, magenta in its first pixel so the colour key is reached.
void write_seed(const std::string& path, int w, int h)
{
    const int row = (3 * w + 3) & ~3;
    std::vector<unsigned char> v;
    put(v, 0x4D42, 2); put(v, 54 + row * h, 4); put(v, 0, 4); put(v, 54, 4);
    put(v, 40, 4); put(v, w, 4); put(v, h, 4); put(v, 1, 2); put(v, 24, 2);
    for (int i = 0; i < 6; i++) put(v, 0, 4);
    for (int y = 0; y < h; y++)
        for (int i = 0; i < row; i++) v.push_back(i < 3 * w ? (unsigned char)(y == 0 && i < 3 ? (i == 1 ? 0 : 255) : y * 40 + i) : 0);
    if (FILE* f = fopen(path.c_str(), "wb")) {
        fwrite(v.data(), 1, v.size(), f);
        fclose(f);
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz_pictures_setup("bmp");
    s_input = fuzz_dir() + "input.bmp";

    const int sizes[][2] = {{1, 1}, {3, 2}, {5, 4}, {301, 1}, {4, 7}};
    std::vector<std::string> seeds_made;
    for (size_t i = 0; i < sizeof sizes / sizeof sizes[0]; i++) {
        const std::string p = fuzz_dir() + "seed" + std::to_string(i) + ".bmp";
        write_seed(p, sizes[i][0], sizes[i][1]);
        seeds_made.push_back(p);
    }
    fuzz_add_seeds(argc, argv, seeds_made);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (!fuzz_write_input(s_input, data, size)) return 0;
    // Padded RGB, keyed RGBA in a paint slot, brightness alpha in the temporary buffer, one byte.
    const struct { int index, type, bytes, filter; } runs[] = {
        {1, -101, 3, -107}, {430, -102, 4, -107}, {2, -103, 4, -112}, {3, -104, 1, -113}};
    for (const auto& r : runs) {
        int full_width = 0;
        try {
            load_bmp_into_scratch(s_input, r.index, r.type, r.bytes, r.filter, &full_width);
        } catch (const fuzz_fatal_alert&) {
        }
    }
    return 0;
}
