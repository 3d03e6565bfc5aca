// OGL_decode.cpp -- the picture code's half that needs no GL: the staging buffers, the range
// checks, PNG and BMP decoding, edge bleeding, the background plan and the BMP writer. The
// headless tests and the fuzzers run these.
#include "draw/HL_BITMAP.h"
#include "draw/HL_GRAPH.h"
#include "base/records.h"
#include "base/alert.h"
#include "base/IO_UTILS.h"
#include "base/HL_MATH_FUN.h"
#include <png.h>
#include <algorithm>
#include <cmath>
#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

void (*OGL_texbmp_progress)(const char* message);

enum { TEX_MAX_DIM = 1024, TEX_BUF_BYTES = TEX_MAX_DIM * TEX_MAX_DIM * 4 };

static unsigned char s_scratch_raw[TEX_BUF_BYTES];
static unsigned char s_scratch_temp[TEX_BUF_BYTES];
unsigned char* scratch_array_raw = s_scratch_raw;
unsigned char* scratch_array_temp = s_scratch_temp;

//=== range checks ===========================================================================
// A value outside its range is a programming error or a damaged picture: fatal, naming the file.
static int in_range(int v, int lo, int hi, const char* message, const std::string& path)
{
    if (v >= lo && v <= hi) return 1;
    MACIBM_alert(0, message, path.c_str(), "", "", 17);
    return 0;
}

static const char* const s_size_message = "Trying to create a texture either less than 1 or greater than 1024!";

int check_dx(int dx, const std::string& path) { return in_range(dx, 1, TEX_MAX_DIM, s_size_message, path); }
int check_dy(int dy, const std::string& path) { return in_range(dy, 1, TEX_MAX_DIM, s_size_message, path); }
int check_type(int type, const std::string& path)
{
    return in_range(type, -104, -100, "Trying to creata an invalid texture type!", path);
}
int check_index(int index, const std::string& path)
{
    return in_range(index, 0, REN_NUM_TEX - 1, "Trying to bind too low or high a texture index!", path);
}
int check_filter_type(int filter_type, const std::string& path)
{
    return in_range(filter_type, -113, -107, "Trying to bind an invalid filter type!", path);
}
int check_bytes(int bytes, const std::string& path)
{
    return in_range(bytes, 1, 4, "Trying to bind too low or high a number of bytes!", path);
}

int check_rgb_type(int rgb_type, const std::string& path)
{
    if (rgb_type == OGL_RGB_ALPHA || rgb_type == OGL_RGB_RGB || rgb_type == OGL_RGB_RGBA) return 1;
    MACIBM_alert(0, "Trying to bind an invalid RGB type!", path.c_str(), "", "", 17);
    return 0;
}

//=== codes ==================================================================================
int OGL_filter_has_mips(int f) { return f == -108 || f == -111 || f == -112 || f == -113; }
static int filter_is_key(int f) { return f == -109 || f == -111; }
static int filter_is_bright(int f) { return f == -110 || f == -112; }

int OGL_tex_bytes(int type, int filter_type)
{
    if (type <= -102) return 4;
    if (filter_type == -113) return 1;
    if (filter_type >= -112 && filter_type <= -109) return 4;
    return 3;
}

// Types -103 and -104 decode into the temporary buffer and leave scratch_array as it was, for
// callers that read the picture themselves while the staging buffer holds other work.
static unsigned char* dest_buffer(int type) { return type == -103 || type == -104 ? scratch_array_temp : scratch_array; }

// The loaders' name rule: the last four characters (the extension) give way to ext.
static std::string with_ext(const std::string& path, const char* ext)
{
    std::string p = path;
    if (p.size() > 4) p.resize(p.size() - 4);
    return p + ext;
}

static int pow2_at_least(int v)
{
    int p = 1;
    while (p < v && p < TEX_MAX_DIM) p <<= 1;
    return p;
}

int OGL_is_pow2(int v) { return v > 0 && (v & (v - 1)) == 0; }

// The padded margin of a staged picture is zeroed so what GL filters into the visible edge (and
// into the smaller mip levels) is the same whatever was loaded before.
static void clear_padding(unsigned char* dst, int w, int h, int full_w, int full_h, int bytes)
{
    if (full_w > w)
        for (int y = 0; y < h; y++) memset(dst + ((size_t)y * full_w + w) * bytes, 0, (size_t)(full_w - w) * bytes);
    if (full_h > h) memset(dst + (size_t)h * full_w * bytes, 0, (size_t)(full_h - h) * full_w * bytes);
}

//=== sizes ==================================================================================
float get_scale(const std::string& path, int index, int type, int* dx, int* dy, int* x_os, int* y_os, int* full_width)
{
    *x_os = *y_os = 0;
    if (!check_index(index, path) || !check_type(type, path)) return 1.0f;
    const int vis_x = *dx, vis_y = *dy;
    if (!check_dx(vis_x, path) || !check_dy(vis_y, path)) return 1.0f;
    int tot_x = vis_x, tot_y = vis_y;
    if (type == -100 || type == -101) {
        tot_x = pow2_at_least(vis_x);
        tot_y = pow2_at_least(vis_y);
    }
    if (!check_dx(tot_x, path) || !check_dy(tot_y, path)) return 1.0f;
    ren.tex_dx_vis[index] = (float)vis_x;
    ren.tex_dy_vis[index] = (float)vis_y;
    ren.tex_dx_tot[index] = (float)tot_x;
    ren.tex_dy_tot[index] = (float)tot_y;
    *full_width = tot_x;
    return 1.0f;
}

//=== PNG ====================================================================================
namespace {
struct png_source { const unsigned char* cur; const unsigned char* end; };
struct png_failure { int have; char msg[256]; };

enum png_outcome { PNG_DONE, PNG_NO_READER, PNG_NO_INFO, PNG_BAD_SIGNATURE, PNG_BAD_SIZE, PNG_GAVE_UP };

struct png_job {
    const unsigned char* data;
    size_t size;
    int channels;              // 3 or 4 decoded per pixel into raw
    unsigned char* raw;        // where the rows go, top row first (scratch_array_raw unless given)
    std::vector<unsigned char>* into;   // or grown to fit and the rows put there
    int width, height;
    int has_alpha;             // the file carries alpha (its own channel or a tRNS chunk)
    const unsigned char* gamma;   // colour correction still to apply while staging, or null
    png_failure failure;
};
}

void png_buffered_read_func(png_struct_def* png_ptr, unsigned char* data, size_t length)
{
    png_source* src = (png_source*)png_get_io_ptr(png_ptr);
    if (!src || (size_t)(src->end - src->cur) < length) png_error(png_ptr, "PNG Read Error, overran end of buffer!");
    memcpy(data, src->cur, length);
    src->cur += length;
}

// libpng is C: an exception must never pass through it. The message is kept and control jumps
// back to the loader, which tears libpng down before raising the alert.
void my_error(png_struct_def* png_ptr, const char* message)
{
    png_failure* f = (png_failure*)png_get_error_ptr(png_ptr);
    if (f && !f->have) {
        snprintf(f->msg, sizeof f->msg, "%s", message ? message : "");
        f->have = 1;
    }
    png_longjmp(png_ptr, 1);
}

void my_warning(png_struct_def* png_ptr, const char* message)
{
    (void)png_ptr;
    (void)message;
}

// libpng's gamma correction for pictures of up to 8 bits per sample, computed the way libpng
// computes it (its fixed-point gamma values, its significance threshold, its rounding), so the
// staged colours are the ones libpng would give. libpng rebuilds the table for every file and
// runs a pass of its own over every row; here one table serves every file of the same gamma and
// the lookup rides on the copy into the staging buffer. Returns null where libpng would leave
// the colours alone. 16-bit pictures are corrected by libpng itself, before their low byte goes.
static const unsigned char* gamma_table_8bit(double file_gamma)
{
    // One cache per thread: pictures may be decoded on the worker threads as well.
    static thread_local long cached_file = -1;
    static thread_local const unsigned char* cached = nullptr;
    static thread_local unsigned char table[256];

    const long screen = 220000;                                     // 2.2 in libpng's fixed point
    // libpng's double interface takes values of 128 and more as already in fixed point.
    const long file = (long)std::floor(file_gamma < 128 ? file_gamma * 100000 + 0.5 : file_gamma + 0.5);
    if (file == cached_file) return cached;
    cached_file = file;
    cached = nullptr;
    auto significant = [](double g) { return g < 100000 - 5000 || g > 100000 + 5000; };
    if (file <= 0 || !significant(std::floor((double)file * screen / 100000 + 0.5))) return cached;
    const double exponent = std::floor(1e15 / file / screen + 0.5);     // 1 / (file * screen), fixed point
    if (!significant(exponent)) return cached;
    for (int i = 0; i < 256; i++)
        table[i] = i == 0 || i == 255 ? (unsigned char)i
                                      : (unsigned char)std::floor(255 * std::pow(i / 255., exponent * .00001) + .5);
    cached = table;
    return cached;
}

// Decode the whole picture into job->raw (scratch_array_raw when null), top row first,
// job->channels per pixel.
// Nothing else is touched, so a failure leaves every slot and the staging buffer as they were.
static png_outcome decode_png(png_job* job)
{
    if (png_sig_cmp((png_const_bytep)job->data, 0, 8) != 0) return PNG_BAD_SIGNATURE;

    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &job->failure, my_error, my_warning);
    if (!png) return PNG_NO_READER;
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return PNG_NO_INFO;
    }
    png_source src = {job->data, job->data + job->size};
    png_bytep rows[TEX_MAX_DIM];
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return PNG_GAVE_UP;
    }
    png_set_read_fn(png, &src, png_buffered_read_func);
    png_read_info(png, info);

    job->width = (int)png_get_image_width(png, info);
    job->height = (int)png_get_image_height(png, info);
    if (job->width < 1 || job->width > TEX_MAX_DIM || job->height < 1 || job->height > TEX_MAX_DIM) {
        png_destroy_read_struct(&png, &info, nullptr);
        return PNG_BAD_SIZE;
    }
    const int color = png_get_color_type(png, info);
    const int depth = png_get_bit_depth(png, info);

    png_set_interlace_handling(png);
    double file_gamma;
    if (!png_get_gAMA(png, info, &file_gamma)) file_gamma = 0.5555555555555556;   // the old Mac encoding
    if (depth == 16) png_set_gamma(png, 2.2, file_gamma);
    else job->gamma = gamma_table_8bit(file_gamma);

    job->has_alpha = (color & PNG_COLOR_MASK_ALPHA) != 0;
    if (color == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
    if (color == PNG_COLOR_TYPE_GRAY && depth < 8) png_set_expand_gray_1_2_4_to_8(png);
    if (png_get_valid(png, info, PNG_INFO_tRNS)) {
        png_set_tRNS_to_alpha(png);
        job->has_alpha = 1;
    }
    if (depth == 16) png_set_strip_16(png);
    if (depth < 8) png_set_packing(png);
    if (color == PNG_COLOR_TYPE_GRAY || color == PNG_COLOR_TYPE_GRAY_ALPHA) png_set_gray_to_rgb(png);
    if (job->channels == 4 && !job->has_alpha) png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    if (job->channels == 3 && job->has_alpha) png_set_strip_alpha(png);
    png_read_update_info(png, info);
    if (png_get_rowbytes(png, info) != (size_t)job->width * job->channels) {
        png_destroy_read_struct(&png, &info, nullptr);
        return PNG_GAVE_UP;
    }

    const size_t row_bytes = (size_t)job->width * job->channels;
    if (job->into && job->into->size() < row_bytes * job->height) job->into->resize(row_bytes * job->height);
    unsigned char* raw = job->into ? job->into->data() : job->raw ? job->raw : scratch_array_raw;
    for (int i = 0; i < job->height; i++) rows[i] = raw + i * row_bytes;
    png_read_image(png, rows);
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    return PNG_DONE;
}

int load_png_into_scratch(const std::string& path, int index, int type, int bytes, int* full_width)
{
    if (!check_index(index, path) || !check_type(type, path) || !check_bytes(bytes, path)) return 0;
    const std::string png_path = with_ext(path, ".png");
    unsigned char* data = nullptr;
    XMappedFile map(png_path.c_str(), &data);
    return load_png_bytes(data, map.size(), png_path, index, type, bytes, full_width);
}

int load_png_bytes(const unsigned char* data, long size, const std::string& png_path, int index, int type, int bytes,
                   int* full_width)
{
    if (!check_index(index, png_path) || !check_type(type, png_path) || !check_bytes(bytes, png_path)) return 0;
    if (!data || size < 8) return 0;          // no PNG: the BMP of the same name may still be there

    png_job job{};
    job.data = data;
    job.size = (size_t)size;
    job.channels = bytes == 3 ? 3 : 4;         // one- and two-byte pictures are reduced from RGBA below
    const char* p = png_path.c_str();
    switch (decode_png(&job)) {
    case PNG_DONE: break;
    case PNG_NO_READER:     MACIBM_alert(0, "PING-FILE ERROR!", "!png_ptr", p, "", 17); return 0;
    case PNG_NO_INFO:       MACIBM_alert(0, "PING-FILE ERROR!", "!info_ptr", p, "", 17); return 0;
    case PNG_BAD_SIGNATURE: MACIBM_alert(0, "PING-FILE ERROR!", "is_png=!png_sig_cmp(png_io_buf,0,8)", p, "", 17); return 0;
    case PNG_BAD_SIZE:
        check_dx(job.width, png_path);
        check_dy(job.height, png_path);
        return 0;
    case PNG_GAVE_UP:
        if (job.failure.have) MACIBM_alert(0, "PNG error!", job.failure.msg, p, "", 17);
        else MACIBM_alert(0, "PING-FILE ERROR!", "setjmp(png_ptr->jmpbuf", p, "", 17);
        return 0;
    }

    int dx = job.width, dy = job.height, x_os, y_os, fw = 0;
    get_scale(png_path, index, type, &dx, &dy, &x_os, &y_os, &fw);
    if (fw < job.width) return 0;

    // PNG rows run downwards, the staging buffer's upwards.
    unsigned char* dst = dest_buffer(type);
    const int w = job.width, h = job.height, ch = job.channels;
    for (int i = 0; i < h; i++) {
        const unsigned char* s = scratch_array_raw + (size_t)i * w * ch;
        unsigned char* d = dst + (size_t)(h - 1 - i) * fw * bytes;
        const unsigned char* g = job.gamma;
        if (bytes == ch && !g) {
            memcpy(d, s, (size_t)w * bytes);
            continue;
        }
        if (bytes == ch) {
            for (int x = 0; x < w; x++, s += ch, d += ch) {
                d[0] = g[s[0]]; d[1] = g[s[1]]; d[2] = g[s[2]];
                if (ch == 4) d[3] = s[3];
            }
            continue;
        }
        // One byte: the file's alpha where it has one, else its brightness; two: brightness, alpha.
        for (int x = 0; x < w; x++, s += 4) {
            const unsigned char lum = g ? (unsigned char)((g[s[0]] + g[s[1]] + g[s[2]]) / 3) : (unsigned char)((s[0] + s[1] + s[2]) / 3);
            if (bytes == 1) *d++ = job.has_alpha ? s[3] : lum;
            else { *d++ = lum; *d++ = s[3]; }
        }
    }
    if (type == -100 || type == -101) clear_padding(dst, w, h, fw, (int)ren.tex_dy_tot[index], bytes);
    *full_width = fw;
    return 1;
}

//=== BMP ====================================================================================
int load_bmp_into_scratch(const std::string& path, int index, int type, int bytes, int filter_type, int* full_width)
{
    if (!check_index(index, path) || !check_type(type, path) || !check_bytes(bytes, path) ||
        !check_filter_type(filter_type, path))
        return 0;
    const std::string bmp_file = with_ext(path, ".bmp");
    unsigned char* data = nullptr;
    XMappedFile map(bmp_file.c_str(), &data);
    return load_bmp_bytes(data, map.size(), bmp_file, index, type, bytes, filter_type, full_width);
}

int load_bmp_bytes(const unsigned char* data, long size, const std::string& bmp_file, int index, int type, int bytes,
                   int filter_type, int* full_width)
{
    if (!check_index(index, bmp_file) || !check_type(type, bmp_file) || !check_bytes(bytes, bmp_file) ||
        !check_filter_type(filter_type, bmp_file))
        return 0;
    const char* p = bmp_file.c_str();
    int c_use = 0, c_max = 0;
    // A missing or empty file is no picture at all, which is the callers' cue for a default.
    if (!MAP_check_bytes(16, data, size, &c_use, &c_max, "NOT AERODECK")) return 0;

    // The header is little-endian whatever byte order the last typed file had.
    const int saved_rev = rev_inf_bin;
    rev_inf_bin = 0;
    const unsigned short file_type = BIN_MAP_shr_scan(data, &c_use, c_max);
    const unsigned int file_size = BIN_MAP_int_scan(data, &c_use, c_max);
    const unsigned short reserved1 = BIN_MAP_shr_scan(data, &c_use, c_max);
    const unsigned short reserved2 = BIN_MAP_shr_scan(data, &c_use, c_max);
    const unsigned int data_offset = BIN_MAP_int_scan(data, &c_use, c_max);
    const unsigned int header_size = BIN_MAP_int_scan(data, &c_use, c_max);
    const int width = BIN_MAP_lon_scan(data, &c_use, c_max);
    const int height = BIN_MAP_lon_scan(data, &c_use, c_max);
    const unsigned short planes = BIN_MAP_shr_scan(data, &c_use, c_max);
    const unsigned short bit_count = BIN_MAP_shr_scan(data, &c_use, c_max);
    const unsigned int compression = BIN_MAP_int_scan(data, &c_use, c_max);
    const unsigned int image_size = BIN_MAP_int_scan(data, &c_use, c_max);
    const int x_res = BIN_MAP_lon_scan(data, &c_use, c_max);
    const int y_res = BIN_MAP_lon_scan(data, &c_use, c_max);
    const unsigned int colors_used = BIN_MAP_int_scan(data, &c_use, c_max);
    const unsigned int colors_important = BIN_MAP_int_scan(data, &c_use, c_max);
    rev_inf_bin = saved_rev;
    // Read to walk the header; the pixel rows are taken to follow it directly.
    (void)file_size; (void)reserved1; (void)reserved2; (void)data_offset; (void)header_size; (void)planes;
    (void)image_size; (void)x_res; (void)y_res; (void)colors_used; (void)colors_important;

    const int header_end = 54;
    if (c_max < header_end || file_type != 0x4D42) {
        MACIBM_alert(0, "Trying to read a texture bitmap that is not a bitmap", p, "", "", 17);
        return 0;
    }
    if (width > TEX_MAX_DIM) { MACIBM_alert(0, "Bitmap too wide! (max is 1024)", p, "", "", 17); return 0; }
    if (height > TEX_MAX_DIM) { MACIBM_alert(0, "Bitmap too tall! (max is 1024)", p, "", "", 17); return 0; }
    if (bit_count != 24) { MACIBM_alert(0, "Wrong bitmap color depth for texture!", "We need 24-bit color.", p, "", 17); return 0; }
    if (compression != 0) { MACIBM_alert(0, "Bitmap is compressed!", p, "", "", 17); return 0; }
    if (!check_dx(width, bmp_file) || !check_dy(height, bmp_file)) return 0;

    // Rows are padded to whole words; the last row needs only its pixels.
    const long row_bytes = (3L * width + 3) & ~3L;
    if ((long)c_max < header_end + row_bytes * (height - 1) + 3L * width) {
        MACIBM_alert(0, "Trying to read a texture bitmap that is not a bitmap", p, "", "", 17);
        return 0;
    }

    int dx = width, dy = height, x_os, y_os, fw = 0;
    get_scale(bmp_file, index, type, &dx, &dy, &x_os, &y_os, &fw);
    if (fw < width) return 0;

    // Aircraft paint and panel pictures always key out magenta.
    const int filter = index >= 424 && index <= 467 ? -109 : filter_type;
    const int key = filter_is_key(filter), bright = filter_is_bright(filter);
    unsigned char* dst = dest_buffer(type);
    for (int y = 0; y < height; y++) {                 // BMP rows already run upwards
        if (((size_t)y * fw + width) * bytes > (size_t)TEX_BUF_BYTES) continue;
        const unsigned char* s = data + header_end + y * row_bytes;
        unsigned char* d = dst + (size_t)y * fw * bytes;
        for (int x = 0; x < width; x++, s += 3) {
            const unsigned char r = win_gamma[s[2]], g = win_gamma[s[1]], b = win_gamma[s[0]];
            const unsigned char lum = (unsigned char)((r + g + b) / 3);
            unsigned char a;
            if (key) a = s[2] == 255 && s[1] == 0 && s[0] == 255 ? 0 : 255;   // the colour as painted
            else if (bright) a = lum;
            else a = bytes <= 2 ? lum : 255;
            switch (bytes) {
            case 4: d[0] = r; d[1] = g; d[2] = b; d[3] = a; d += 4; break;
            case 3: d[0] = r; d[1] = g; d[2] = b; d += 3; break;
            case 2: d[0] = lum; d[1] = a; d += 2; break;
            default: *d++ = a; break;
            }
        }
    }
    if (type == -100 || type == -101) clear_padding(dst, width, height, fw, (int)ren.tex_dy_tot[index], bytes);
    *full_width = fw;
    return 1;
}

// One bit per texel of a run of up to 64 RGBA texels: set where alpha is 0.
static uint64_t clear_bits(const unsigned char* p, int n)
{
    uint64_t m = 0;
    int b = 0;
#if defined(__SSE2__)
    // Sixteen alphas at a time: shift each texel's alpha down, narrow to bytes, compare.
    const __m128i zero = _mm_setzero_si128();
    for (; b + 16 <= n; b += 16) {
        const __m128i* q = (const __m128i*)(p + b * 4);
        const __m128i a0 = _mm_srli_epi32(_mm_loadu_si128(q), 24), a1 = _mm_srli_epi32(_mm_loadu_si128(q + 1), 24);
        const __m128i a2 = _mm_srli_epi32(_mm_loadu_si128(q + 2), 24), a3 = _mm_srli_epi32(_mm_loadu_si128(q + 3), 24);
        const __m128i bytes = _mm_packus_epi16(_mm_packs_epi32(a0, a1), _mm_packs_epi32(a2, a3));
        m |= (uint64_t)(unsigned)_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, zero)) << b;
    }
#endif
    for (; b < n; b++) m |= (uint64_t)(p[b * 4 + 3] == 0) << b;
    return m;
}

// A visible texel's red, green and blue and a count of 1 side by side in 16-bit fields, 0 for a
// transparent one; sums of up to 25 never carry from one field into the next.
static inline uint64_t packed_texel(const unsigned char* q)
{
    uint32_t v;
    memcpy(&v, q, 4);                           // r, g, b, a from the lowest byte up (little-endian)
#if __BYTE_ORDER__ != __ORDER_LITTLE_ENDIAN__
    v = __builtin_bswap32(v);
#endif
    const uint64_t t = (v & 0xFFull) | (uint64_t)(v & 0xFF00u) << 8 | (uint64_t)(v & 0xFF0000u) << 16 | 1ull << 48;
    return t & (0 - (uint64_t)(v >> 24 != 0));
}

// ceil(2^32 / n) for the 1..25 texels of a square: (sum + n/2) * v[n] >> 32 is (sum + n/2) / n
// exactly for sums this small, without a division per texel.
struct inverse_table {
    uint64_t v[26];
    constexpr inverse_table() : v()
    {
        for (uint64_t n = 1; n < 26; n++) v[n] = ((1ull << 32) + n - 1) / n;
    }
};
static constexpr inverse_table s_inverse;

// Fully transparent texels take the mean colour of the visible texels in the 5 x 5 square
// around them, so linear filtering and mip levels fade an edge into its own colour instead of
// into black. Only transparent texels within two texels of a visible one have anything to take;
// they are found with row bit masks (visible texels widened by two columns, then by two rows),
// and each run of them along a row slides a 5-wide window over 5-tall column sums. A picture
// costs one pass over its alpha plus a little work along its edges.
void OGL_bleed_edges(unsigned char* a, int w, int h)
{
    enum { WORDS = TEX_MAX_DIM / 64 };
    static uint64_t clear[TEX_MAX_DIM][WORDS], near[TEX_MAX_DIM][WORDS];
    static uint64_t col[TEX_MAX_DIM + 4], col_sum[TEX_MAX_DIM];
    static int col_row[TEX_MAX_DIM];             // the row col_sum was last summed for
    const int words = (w + 63) / 64;
    uint64_t any = 0;
    for (int y = 0; y < h; y++)
        for (int i = 0; i < words; i++) {
            clear[y][i] = clear_bits(a + ((size_t)y * w + i * 64) * 4, w - i * 64 < 64 ? w - i * 64 : 64);
            any |= clear[y][i];
        }
    if (!any) return;
    for (int x = 0; x < w; x++) col_row[x] = -10;

    // Visible texels, widened by two columns each way.
    const uint64_t last = w % 64 ? (~0ull >> (64 - w % 64)) : ~0ull;
    for (int y = 0; y < h; y++) {
        uint64_t vis[WORDS + 2];
        vis[0] = vis[words + 1] = 0;
        for (int i = 0; i < words; i++) vis[i + 1] = ~clear[y][i] & (i == words - 1 ? last : ~0ull);
        for (int i = 0; i < words; i++) {
            const uint64_t c = vis[i + 1], lo = vis[i], hi = vis[i + 2];
            near[y][i] = c | c << 1 | c << 2 | lo >> 63 | lo >> 62 | c >> 1 | c >> 2 | hi << 63 | hi << 62;
        }
    }
    for (int y = 0; y < h; y++) {
        const int y0 = y - 2 < 0 ? 0 : y - 2, y1 = y + 2 < h ? y + 2 : h - 1;
        uint64_t todo[WORDS];
        for (int i = 0; i < words; i++) {
            uint64_t reach = 0;
            for (int k = y0; k <= y1; k++) reach |= near[k][i];
            todo[i] = clear[y][i] & reach;
        }
        int x = 0;
        while (x < w) {
            // Next run of texels to fill: [xa, xb).
            int i = x / 64;
            uint64_t bits = i < words ? todo[i] & (~0ull << (x % 64)) : 0;
            while (!bits && ++i < words) bits = todo[i];
            if (i >= words) break;
            const int xa = i * 64 + __builtin_ctzll(bits);
            int xb = xa;                        // the first texel past the run
            for (;;) {
                const uint64_t rest = ~todo[xb / 64] >> (xb % 64);
                if (rest) { xb += __builtin_ctzll(rest); break; }
                xb = (xb / 64 + 1) * 64;
                if (xb >= w) break;
            }
            if (xb > w) xb = w;
            x = xb;

            // Column sums over the window's rows for xa - 2 .. xb + 1; col[k] is column xa - 2 + k.
            // A column summed for the row above only moves its window down by one row.
            const int ca = xa - 2, cb = xb + 1;
            for (int cx = ca; cx <= cb; cx++) {
                uint64_t sum = 0;
                if (cx >= 0 && cx < w) {
                    if (col_row[cx] == y - 1) {
                        sum = col_sum[cx];
                        if (y + 2 < h) sum += packed_texel(a + ((size_t)(y + 2) * w + cx) * 4);
                        if (y - 3 >= 0) sum -= packed_texel(a + ((size_t)(y - 3) * w + cx) * 4);
                    } else {
                        for (int yy = y0; yy <= y1; yy++) sum += packed_texel(a + ((size_t)yy * w + cx) * 4);
                    }
                    col_sum[cx] = sum;
                    col_row[cx] = y;
                }
                col[cx - ca] = sum;
            }
            uint64_t win = col[0] + col[1] + col[2] + col[3] + col[4];
            for (int tx = xa; tx < xb; tx++) {
                const unsigned n = (unsigned)(win >> 48);
                if (n) {
                    const uint64_t inv = s_inverse.v[n];
                    unsigned char* t = a + ((size_t)y * w + tx) * 4;
                    for (int c = 0; c < 3; c++) t[c] = (unsigned char)((((win >> (16 * c)) & 0xFFFF) + n / 2) * inv >> 32);
                }
                if (tx + 1 < xb) win = win - col[tx - xa] + col[tx - xa + 5];
            }
        }
    }
}

void OGL_plan_background(const unsigned char* a, int w, int h, int bytes)
{
    ren.back_keyed     = 0;
    ren.back_run_count = 0;
    const int T = REN_BACK_TILE;
    if (!a || bytes < 3 || w < T || h < T || w % T || h % T) return;
    const int cols = w / T, rows = h / T;
    auto texel = [&](int x, int y) {
        const unsigned char* p = a + ((size_t)y * w + x) * bytes;
        return (int32_t)(p[0] | p[1] << 8 | p[2] << 16);
    };
    // Each tile's colour when all of it and its ring has that one colour, else -1.
    std::vector<int32_t> tile((size_t)cols * rows, -1);
    for (int ty = 0; ty < rows; ty++)
        for (int tx = 0; tx < cols; tx++) {
            const int x0 = std::max(0, tx * T - 1), x1 = std::min(w, tx * T + T + 1);
            const int y0 = std::max(0, ty * T - 1), y1 = std::min(h, ty * T + T + 1);
            const int32_t c = texel(x0, y0);
            bool flat = true;
            for (int y = y0; y < y1 && flat; y++)
                for (int x = x0; x < x1; x++)
                    if (texel(x, y) != c) { flat = false; break; }
            if (flat) tile[(size_t)ty * cols + tx] = c;
        }
    std::vector<int32_t> flat;
    for (int32_t c : tile) if (c >= 0) flat.push_back(c);
    std::sort(flat.begin(), flat.end());
    int32_t key = -1;
    size_t best = 0;
    for (size_t i = 0, j; i < flat.size(); i = j) {
        for (j = i; j < flat.size() && flat[j] == flat[i]; j++) {}
        if (j - i > best) { best = j - i; key = flat[i]; }
    }
    // Fewer key tiles than this and the clear saves less than the extra quads cost.
    if (best * 4 < tile.size()) return;
    // Runs of other tiles along each row; a run with the same columns as one that reaches the
    // row below grows that one taller instead, so solid areas become single rectangles.
    std::vector<int> reach, next;                  // runs ending on the row below, and on this row
    for (int ty = 0; ty < rows; ty++) {
        next.clear();
        for (int tx = 0; tx < cols;) {
            if (tile[(size_t)ty * cols + tx] == key) { tx++; continue; }
            const int first = tx;
            while (tx < cols && tile[(size_t)ty * cols + tx] != key) tx++;
            int grown = -1;
            for (int i : reach)
                if (ren.back_runs[i][2] == first && ren.back_runs[i][3] == tx - 1) { grown = i; break; }
            if (grown < 0) {
                if (ren.back_run_count == REN_BACK_MAX_RUNS) { ren.back_run_count = 0; return; }
                grown = ren.back_run_count++;
                short* r = ren.back_runs[grown];
                r[0] = (short)ty; r[2] = (short)first; r[3] = (short)(tx - 1);
            }
            ren.back_runs[grown][1] = (short)ty;
            next.push_back(grown);
        }
        reach.swap(next);
    }
    for (int c = 0; c < 3; c++) ren.back_key[c] = (float)((key >> (8 * c)) & 255) / 255.0f;
    ren.back_keyed = 1;
}

//=== writing ================================================================================
static void put_le(FILE* f, unsigned int v, int n)
{
    for (int i = 0; i < n; i++) fputc((int)((v >> (8 * i)) & 0xFF), f);
}

struct bmp_job { int dx, dy; };

static int write_bmp(FILE* f, void* ctx)
{
    const bmp_job& j = *static_cast<const bmp_job*>(ctx);
    fputc('B', f);
    fputc('M', f);
    put_le(f, (unsigned int)(j.dx * j.dy * 3 + 54), 4);
    put_le(f, 0, 2);
    put_le(f, 0, 2);
    put_le(f, 54, 4);
    put_le(f, 40, 4);
    put_le(f, (unsigned int)j.dx, 4);
    put_le(f, (unsigned int)j.dy, 4);
    put_le(f, 1, 2);
    put_le(f, 24, 2);
    for (int i = 0; i < 6; i++) put_le(f, 0, 4);   // compression, image size, resolutions, colours

    // The file wants B, G, R; the staging buffer holds R, G, B and is left as it is.
    static unsigned char row[TEX_MAX_DIM * 3];
    for (int y = 0; y < j.dy; y++) {
        const unsigned char* s = scratch_array + (size_t)y * j.dx * 3;
        for (int x = 0; x < j.dx; x++) {
            row[x * 3] = s[x * 3 + 2];
            row[x * 3 + 1] = s[x * 3 + 1];
            row[x * 3 + 2] = s[x * 3];
        }
        if (!IO_save_write(f, row, 3L * j.dx)) return 0;
    }
    return 1;
}

int OGL_make_bmp(const std::string& path, int dx, int dy)
{
    if (!check_dx(dx, path) || !check_dy(dy, path)) return 0;
    // The target may be the designer's own paint: it is replaced only by a whole new picture.
    bmp_job job{dx, dy};
    if (IO_safe_replace(path, write_bmp, &job)) return 1;
    const std::string reason = "Reason: " + IO_save_error() + ".";
    MACIBM_alert(0, "I could not save the bitmap!", IO_host_path(path).c_str(), reason.c_str(),
                 "The bitmap that was there before (if any) is unchanged.", 16);
    return 0;
}

//=== decoding apart from loading ============================================================
void OGL_decode_png_file(const std::string& hard_path, OGL_decoded* out)
{
    out->ok = 0;
    std::string path = hard_path;
    if (lo_case_strcmp_len(hard_path.c_str(), app_path.c_str(), (int)app_path.size()) != 0) path = bmp_path + hard_path;
    unsigned char* data = nullptr;
    XMappedFile map(with_ext(path, ".png").c_str(), &data);
    if (!data || map.size() < 8) return;
    png_job job{};
    job.data = data;
    job.size = (size_t)map.size();
    job.channels = 4;
    job.into = &out->px;                        // straight into the picture's own buffer, no copy
    if (decode_png(&job) != PNG_DONE) return;
    out->w = job.width;
    out->h = job.height;
    if (const unsigned char* g = job.gamma)
        for (size_t i = 0, n = (size_t)job.width * job.height * 4; i < n; i += 4) {
            out->px[i] = g[out->px[i]];
            out->px[i + 1] = g[out->px[i + 1]];
            out->px[i + 2] = g[out->px[i + 2]];
        }
    out->ok = 1;
}

int OGL_texbmp_decoded(int index, int filter_type, const std::string& hard_path, const OGL_decoded& d)
{
    if (!d.ok || OGL_tex_bytes(-100, filter_type) != 4) return 0;
    std::string path = hard_path;
    if (lo_case_strcmp_len(hard_path.c_str(), app_path.c_str(), (int)app_path.size()) != 0) path = bmp_path + hard_path;
    if (index % 5 == 0 && OGL_texbmp_progress) {
        const size_t cut = hard_path.find_last_of(":/\\");
        OGL_texbmp_progress(("Loading bitmap " + (cut == std::string::npos ? hard_path : hard_path.substr(cut + 1)) + ".").c_str());
    }
    const std::string png_path = with_ext(path, ".png");
    int dx = d.w, dy = d.h, x_os, y_os, fw = 0;
    get_scale(png_path, index, -100, &dx, &dy, &x_os, &y_os, &fw);
    if (fw < d.w) return 0;
    for (int i = 0; i < d.h; i++)
        memcpy(scratch_array + (size_t)(d.h - 1 - i) * fw * 4, d.px.data() + (size_t)i * d.w * 4, (size_t)d.w * 4);
    clear_padding(scratch_array, d.w, d.h, fw, (int)ren.tex_dy_tot[index], 4);
    OGL_load_tex(path, index, 0, filter_type, OGL_RGB_RGBA, scratch_array);
    if (OGL_filter_has_mips(filter_type)) OGL_mini_me(path, index, filter_type, OGL_RGB_RGBA, scratch_array);
    return 1;
}

//=== the entry point ========================================================================

int OGL_texbmp(int type, int index, int filter_type, const std::string& hard_path)
{
    std::string path = hard_path;
    if (lo_case_strcmp_len(hard_path.c_str(), app_path.c_str(), (int)app_path.size()) != 0) path = bmp_path + hard_path;

    if (type == -100 && index % 5 == 0) {
        size_t cut = hard_path.find_last_of(":/\\");
        std::string name = cut == std::string::npos ? hard_path : hard_path.substr(cut + 1);
        if (OGL_texbmp_progress) OGL_texbmp_progress(("Loading bitmap " + name + ".").c_str());
    }

    const int bytes = OGL_tex_bytes(type, filter_type);
    const int format = bytes == 1 ? OGL_RGB_ALPHA : bytes == 4 ? OGL_RGB_RGBA : OGL_RGB_RGB;
    int full_width = 0;
    int got = load_png_into_scratch(path, index, type, bytes, &full_width);
    if (!got) got = load_bmp_into_scratch(path, index, type, bytes, filter_type, &full_width);
    if (!got) return 0;

    if (type == -100) {
        OGL_load_tex(path, index, 0, filter_type, format, scratch_array);
        if (OGL_filter_has_mips(filter_type)) OGL_mini_me(path, index, filter_type, format, scratch_array);
    }
    return 1;
}

