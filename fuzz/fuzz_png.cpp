// libFuzzer target: any bytes, written as a .png file, through the PNG loader (no GL). A fatal
// alert is the loader's verdict on a malformed picture and ends the run's input quietly; a crash,
// a sanitizer report or a hang is a fault.
#include "draw/HL_BITMAP.h"
#include "fuzz/fuzz_pictures.h"
#include <png.h>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>
#include <unistd.h>

namespace {

std::string s_input;

// Small pictures of several kinds, so the fuzzer starts from files that get past the signature,
// the chunk CRCs and the image header.
void write_seed(const std::string& path, int w, int h, int color_type, int depth, int interlace, int with_trns)
{
    FILE* f = fopen(path.c_str(), "wb");
    if (!f) return;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        fclose(f);
        return;
    }
    png_init_io(png, f);
    png_set_IHDR(png, info, w, h, depth, color_type, interlace ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_color pal[4] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 0, 255}};
    png_byte alpha[3] = {0, 128, 255};
    if (color_type == PNG_COLOR_TYPE_PALETTE) png_set_PLTE(png, info, pal, 4);
    if (with_trns) png_set_tRNS(png, info, alpha, 3, nullptr);
    if (color_type != PNG_COLOR_TYPE_PALETTE) png_set_gAMA(png, info, 0.45455);
    png_write_info(png, info);
    int channels = color_type == PNG_COLOR_TYPE_RGB ? 3 : color_type == PNG_COLOR_TYPE_RGBA ? 4
                 : color_type == PNG_COLOR_TYPE_GRAY_ALPHA ? 2 : 1;
    const int row_bytes = (w * channels * depth + 7) / 8;
    std::vector<png_byte> row((size_t)row_bytes);
    for (int y = 0; y < h; y++) {
        for (int i = 0; i < row_bytes; i++) row[i] = (png_byte)(color_type == PNG_COLOR_TYPE_PALETTE ? (y * 7 + i) & 0x55 : y * 31 + i * 13);
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    fclose(f);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz_pictures_setup("png");
    s_input = fuzz_dir() + "input.png";

    const struct { int w, h, type, depth, interlace, trns; } seeds[] = {
        {5, 3, PNG_COLOR_TYPE_RGB, 8, 0, 0},        {4, 4, PNG_COLOR_TYPE_RGBA, 16, 1, 0},
        {9, 2, PNG_COLOR_TYPE_GRAY, 1, 1, 0},       {3, 3, PNG_COLOR_TYPE_PALETTE, 2, 0, 1},
        {2, 5, PNG_COLOR_TYPE_GRAY_ALPHA, 8, 0, 0}, {17, 1, PNG_COLOR_TYPE_GRAY, 4, 0, 0},
    };
    std::vector<std::string> seeds_made;
    for (size_t i = 0; i < sizeof seeds / sizeof seeds[0]; i++) {
        const std::string p = fuzz_dir() + "seed" + std::to_string(i) + ".png";
        write_seed(p, seeds[i].w, seeds[i].h, seeds[i].type, seeds[i].depth, seeds[i].interlace, seeds[i].trns);
        seeds_made.push_back(p);
    }
    fuzz_add_seeds(argc, argv, seeds_made);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (!fuzz_write_input(s_input, data, size)) return 0;
    const struct { int type, bytes; } runs[] = {{-102, 4}, {-101, 3}, {-103, 1}};
    for (const auto& r : runs) {
        int full_width = 0;
        try {
            load_png_into_scratch(s_input, 1, r.type, r.bytes, &full_width);
        } catch (const fuzz_fatal_alert&) {
        }
    }
    return 0;
}
