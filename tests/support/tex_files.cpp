// tex_files.cpp -- pictures written by the tests themselves.
#include "tests/support/tex_files.h"
#include "tests/support/ww_test.h"
#include <png.h>
#include <cstdio>

int tex_png_channels(int color_type)
{
    switch (color_type) {
    case PNG_COLOR_TYPE_GRAY: return 1;
    case PNG_COLOR_TYPE_GRAY_ALPHA: return 2;
    case PNG_COLOR_TYPE_RGB: return 3;
    case PNG_COLOR_TYPE_PALETTE: return 1;
    default: return 4;
    }
}

int tex_write_png(const std::string& path, const tex_png& p)
{
    FILE* f = fopen(path.c_str(), "wb");
    if (!f) return 0;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    const int ch = tex_png_channels(p.color_type);
    // One sample per byte below 8 bits (packed by libpng), two bytes big-endian at 16.
    const int sample_bytes = p.bit_depth == 16 ? 2 : 1;
    std::vector<unsigned char> rows((size_t)p.w * p.h * ch * sample_bytes);
    for (size_t i = 0; i < (size_t)p.w * p.h * ch; i++) {
        if (sample_bytes == 2) { rows[i * 2] = (unsigned char)(p.samples[i] >> 8); rows[i * 2 + 1] = (unsigned char)p.samples[i]; }
        else rows[i] = (unsigned char)p.samples[i];
    }
    std::vector<png_bytep> ptrs(p.h);
    for (int y = 0; y < p.h; y++) ptrs[y] = rows.data() + (size_t)y * p.w * ch * sample_bytes;
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        fclose(f);
        return 0;
    }
    png_init_io(png, f);
    png_set_IHDR(png, info, p.w, p.h, p.bit_depth, p.color_type, p.interlace ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    std::vector<png_color> pal;
    for (size_t i = 0; i + 2 < p.palette.size(); i += 3) pal.push_back({p.palette[i], p.palette[i + 1], p.palette[i + 2]});
    if (p.color_type == PNG_COLOR_TYPE_PALETTE) png_set_PLTE(png, info, pal.data(), (int)pal.size());
    if (!p.trns_alpha.empty())
        png_set_tRNS(png, info, p.trns_alpha.data(), (int)p.trns_alpha.size(), nullptr);
    if (p.trns_color[0] >= 0) {
        png_color_16 c{};
        c.gray = (png_uint_16)p.trns_color[0];
        c.red = (png_uint_16)p.trns_color[0];
        c.green = (png_uint_16)p.trns_color[1];
        c.blue = (png_uint_16)p.trns_color[2];
        png_set_tRNS(png, info, nullptr, 0, &c);
    }
    if (p.gamma > 0) png_set_gAMA(png, info, p.gamma);
    png_write_info(png, info);
    if (p.bit_depth < 8) png_set_packing(png);
    png_write_image(png, ptrs.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return fclose(f) == 0;
}

static void put(std::string& v, unsigned int x, int n)
{
    for (int i = 0; i < n; i++) v.push_back((char)(x >> (8 * i)));
}

int tex_write_bmp(const std::string& path, const tex_bmp& b)
{
    const long row = (3L * b.w + 3) & ~3L;   // rows padded to whole words
    std::string v;
    put(v, b.magic, 2);
    put(v, (unsigned int)(54 + row * (b.h > 0 ? b.h : -b.h)), 4);
    put(v, 0, 2); put(v, 0, 2);
    put(v, 54, 4);
    put(v, 40, 4);
    put(v, (unsigned int)b.w, 4);
    put(v, (unsigned int)b.h, 4);
    put(v, 1, 2);
    put(v, b.bit_count, 2);
    put(v, b.compression, 4);
    put(v, 0, 4); put(v, 2835, 4); put(v, 2835, 4); put(v, 0, 4); put(v, 0, 4);
    for (int y = 0; y < b.h && !b.rgb.empty(); y++) {
        for (int x = 0; x < b.w; x++) {
            const unsigned char* p = &b.rgb[((size_t)y * b.w + x) * 3];
            v.push_back((char)p[2]); v.push_back((char)p[1]); v.push_back((char)p[0]);
        }
        for (long k = 3L * b.w; k < row; k++) v.push_back(0);
    }
    if (b.cut >= 0 && (size_t)b.cut < v.size()) v.resize((size_t)b.cut);
    return ww_write_bytes(path, v);
}

int tex_read_png_rgba(const std::string& path, unsigned char* buf, int max_rows, int* w, int* h)
{
    FILE* f = fopen(path.c_str(), "rb");
    if (!f) return 0;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    std::vector<png_bytep> rows((size_t)max_rows);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        fclose(f);
        return 0;
    }
    png_init_io(png, f);
    png_read_info(png, info);
    *w = (int)png_get_image_width(png, info);
    *h = (int)png_get_image_height(png, info);
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    png_read_update_info(png, info);
    for (int y = 0; y < *h && y < max_rows; y++) rows[y] = buf + (size_t)y * *w * 4;
    png_read_image(png, rows.data());
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    fclose(f);
    return 1;
}
