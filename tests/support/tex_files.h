// tex_files.h -- pictures written by the tests themselves: PNG through libpng's writer, BMP
// byte by byte so that malformed headers can be made on purpose; and the plain libpng read that
// the texture benchmarks measure the program's loading against.
#pragma once
#include <string>
#include <vector>

struct tex_png {
    int w = 1, h = 1;
    int color_type = 6;                     // libpng's PNG_COLOR_TYPE_* value
    int bit_depth = 8;
    int interlace = 0;                      // 0 none, 1 Adam7
    std::vector<unsigned> samples;          // w * h * channels, top row first, each 0 .. 2^depth - 1
    std::vector<unsigned char> palette;     // r, g, b per entry (colour type 3)
    std::vector<unsigned char> trns_alpha;  // palette alpha (colour type 3)
    int trns_color[3] = {-1, -1, -1};       // grey or r, g, b made transparent (types 0 and 2)
    double gamma = 1 / 2.2;                 // 0: no gAMA chunk
};
int tex_png_channels(int color_type);
int tex_write_png(const std::string& path, const tex_png& p);

struct tex_bmp {
    int w = 1, h = 1;
    std::vector<unsigned char> rgb;         // w * h * 3 as r, g, b, bottom row first
    unsigned short magic = 0x4D42;
    unsigned short bit_count = 24;
    unsigned int compression = 0;
    long cut = -1;                          // >= 0: keep only this many bytes of the file
};
int  tex_write_bmp(const std::string& path, const tex_bmp& b);

// The file read with libpng into RGBA, top row first, and nothing else: at most max_rows rows of
// the picture's width into buf, which must hold them. 0 when the file cannot be read.
int tex_read_png_rgba(const std::string& path, unsigned char* buf, int max_rows, int* w, int* h);
