// HL_BITMAP.h -- pictures into texture slots: the PNG and BMP loaders, the rules that turn a
// picture into a texture (padding, colour key, alpha from brightness, edge bleeding, mip levels,
// wrap and filter per slot) and the 24-bit BMP writer.
// Results are ints: 1 success, 0 failure. A missing file is never an error; a malformed one is
// a fatal alert.
#pragma once
#include <string>
#include <cstddef>
#include <vector>

// The texel formats of an upload (the values are GL's GL_ALPHA, GL_RGB and GL_RGBA).
enum { OGL_RGB_ALPHA = 0x1906, OGL_RGB_RGB = 0x1907, OGL_RGB_RGBA = 0x1908 };

// Load type codes.
enum {
    OGL_TYPE_UPLOAD     = -100,             // load, pad to powers of two, upload to the slot
    OGL_TYPE_PAD_ONLY   = -101,             // load and pad, no upload
    OGL_TYPE_ALPHA      = -102,             // RGBA at the picture's own size, no upload
    OGL_TYPE_ALPHA_TEMP = -103,             // as -102, decoded into scratch_array_temp
    OGL_TYPE_ALPHA_TEMP2 = -104             // as -103
};

// Filter codes.
enum {
    OGL_FILT_RGB        = -107,             // RGB, linear
    OGL_FILT_RGB_MIP    = -108,             // RGB with mip levels
    OGL_FILT_KEY        = -109,             // RGBA, magenta (255, 0, 255) transparent
    OGL_FILT_BRIGHT     = -110,             // RGBA, alpha from brightness
    OGL_FILT_KEY_MIP    = -111,
    OGL_FILT_BRIGHT_MIP = -112,
    OGL_FILT_ALPHA_MIP  = -113              // one-byte alpha texture with mip levels
};

// Two more 1024 x 1024 x 4 buffers beside scratch_array (base/records.h): the PNG decoder's raw rows,
// and the destination of load types -103 and -104, which the caller reads itself.
extern unsigned char* scratch_array_raw;
extern unsigned char* scratch_array_temp;

//=== codes ==================================================================================
int OGL_filter_has_mips(int filter_type);   // -108, -111, -112, -113
int OGL_tex_bytes(int type, int filter_type);   // bytes a texel of this load and filter: 1, 3 or 4
int OGL_is_pow2(int v);

//=== loading ================================================================================
// Load the picture into slot index; hard_path is taken under bmp_path unless it already lies in
// app_path. PNG first (a ".bmp" name finds the ".png" of the same name), then BMP.
// Returns 1 when a file was read, 0 when there is none (the slot is left as it was).
int OGL_texbmp(int type, int index, int filter_type, const std::string& hard_path);

// Many pictures at once: the decoding, which is most of the work, may run on any thread; the
// staging and upload stay on the main thread. A picture decoded by OGL_decode_png_file (RGBA,
// top row first, colours corrected as the loader corrects them) goes into its slot with
// OGL_texbmp_decoded exactly as OGL_texbmp(-100, index, filter_type, path) would put it there.
// ok is 0 when there is no PNG or it does not decode; OGL_texbmp then finds the BMP or says why.
// px holds at least w * h * 4 bytes: it only grows, so an OGL_decoded used again for the next
// picture costs no new memory.
struct OGL_decoded {
    std::vector<unsigned char> px;
    int w = 0, h = 0, ok = 0;
};
void OGL_decode_png_file(const std::string& hard_path, OGL_decoded* out);
int  OGL_texbmp_decoded(int index, int filter_type, const std::string& hard_path, const OGL_decoded& d);   // 4-byte filters

// Decode into scratch_array (scratch_array_temp for types -103 and -104), bottom row first,
// rows *full_width pixels apart at bytes per pixel. 0 when the file is missing or not of the kind.
int load_png_into_scratch(const std::string& path, int index, int type, int bytes, int* full_width);
int load_bmp_into_scratch(const std::string& path, int index, int type, int bytes, int filter_type, int* full_width);
// The same from a picture's bytes already in memory (size bytes at data); file names it in alerts.
int load_png_bytes(const unsigned char* data, long size, const std::string& file, int index, int type, int bytes,
                   int* full_width);
int load_bmp_bytes(const unsigned char* data, long size, const std::string& file, int index, int type, int bytes,
                   int filter_type, int* full_width);

// Record the visible (*dx, *dy in) and padded sizes of the slot; *x_os = *y_os = 0 and
// *full_width = the padded width. Returns the scale, 1.
float get_scale(const std::string& path, int index, int type, int* dx, int* dy, int* x_os, int* y_os, int* full_width);

// Upload one mip level (reduction) of the slot from array, sized by the slot's tex_dx_tot,
// tex_dy_tot. rgb_type is GL_ALPHA, GL_RGB or GL_RGBA.
void OGL_load_tex(const std::string& path, int index, int reduction, int filter_type, int rgb_type, unsigned char* array);
// Every fully transparent texel of the RGBA picture a (w x h) takes the colour of its opaque
// neighbours, so that filtering never pulls a transparent texel's colour into a visible edge.
void OGL_bleed_edges(unsigned char* a, int w, int h);
// Called with a line for the start-up panel as pictures load (set by the shell; null: quiet).
extern void (*OGL_texbmp_progress)(const char* message);
// Plan how the background picture is drawn: its key colour is the colour of the most tiles that
// are entirely that colour, one-texel ring included (so that filtered drawing at other scales
// gives the same pixels); the other tiles become runs along each tile row. ren.back_keyed is 1
// when at least a quarter of the tiles are key tiles and the runs fit, else the picture is drawn
// whole. a holds w x h texels of bytes (3 or 4) each, bottom row first.
void OGL_plan_background(const unsigned char* a, int w, int h, int bytes);
// Build every smaller mip level in place in array and upload each.
void OGL_mini_me(const std::string& path, int index, int filter_type, int rgb_type, unsigned char* array);

//=== writing ================================================================================
// scratch_array, 3 bytes per pixel, bottom row first, as a 24-bit BMP; the buffer is unchanged.
// Written through the safe save: a failure leaves any old file whole and is a kind-16 alert.
int OGL_make_bmp(const std::string& path, int dx, int dy);

//=== read-back, for tests ==================================================================
// What GL holds for a slot: one level's size and internal format, the slot's wrap, filters and
// anisotropy (1 when the driver has none), and optionally the level's texels as RGBA, bottom
// row first (dx * dy * 4 bytes). Returns 0 when that level was never uploaded.
struct OGL_tex_state { int dx, dy, internal_format, wrap_s, wrap_t, min_filter, mag_filter; float aniso; };
int OGL_read_tex(int index, int level, OGL_tex_state* st, unsigned char* rgba);

//=== range checks: a fatal alert with the path when the value is out of range; 1 when valid ===
int check_dx(int dx, const std::string& path);                   // 1..1024
int check_dy(int dy, const std::string& path);                   // 1..1024
int check_type(int type, const std::string& path);               // -104..-100
int check_index(int index, const std::string& path);             // 0..9141
int check_filter_type(int filter_type, const std::string& path); // -113..-107
int check_bytes(int bytes, const std::string& path);             // 1..4
int check_rgb_type(int rgb_type, const std::string& path);       // OGL_RGB_*

//=== libpng callbacks =======================================================================
// Declared with libpng's own struct tag so that this header needs no png.h.
struct png_struct_def;
void png_buffered_read_func(png_struct_def* png_ptr, unsigned char* data, size_t length);
void my_error(png_struct_def* png_ptr, const char* message);     // records the message, jumps back
void my_warning(png_struct_def* png_ptr, const char* message);   // ignored
