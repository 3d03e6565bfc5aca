// make_fuzz_seeds -- writes the seed corpora of the fuzzers: small, valid files of every kind a
// fuzzer reads, made by this program's own writers where it has them, so the fuzzers start past
// the headers, checksums and version checks instead of having to find them.
//
//   make_fuzz_seeds <folder>     writes <folder>/<fuzzer name>/<seed>, e.g. fuzz/corpus
//
// Every seed is a pure function of this code: running it again gives the same bytes.
#include "fuzz/acf_patch.h"
#include "model/IO_ACF.h"
#include "model/IO_AFL.h"
#include "model/acf_struct.h"
#include "model/wpn_samples.h"
#include "model/set_struct.h"
#include "base/IO_TYPED.h"
#include "base/records.h"
#include "shell/IO_PRF.h"
#include "tests/support/old_acf_file.h"
#include <png.h>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

namespace {

using bytes = std::vector<unsigned char>;
std::filesystem::path s_root;
int s_failed;

void put_seed(const char* fuzzer, const std::string& name, const bytes& b)
{
    const std::filesystem::path dir = s_root / fuzzer;
    std::filesystem::create_directories(dir);
    FILE* f = fopen((dir / name).string().c_str(), "wb");
    if (!f || fwrite(b.data(), 1, b.size(), f) != b.size()) s_failed = 1;
    if (f && fclose(f) != 0) s_failed = 1;
}

void put_seed(const char* fuzzer, const std::string& name, const std::string& s)
{
    put_seed(fuzzer, name, bytes(s.begin(), s.end()));
}

bytes of_string(const std::string& s) { return bytes(s.begin(), s.end()); }

void copy_text(char* dst, size_t size, const char* src) { snprintf(dst, size, "%s", src); }

//=== aircraft ===============================================================================
// A small trainer: names, speeds, limits and lights, so text words and number words both carry
// something the byte-order conversion must treat apart.
void fill_aircraft(veh_struct& v)
{
    memset(&v, 0, sizeof v);
    copy_text(v.name, sizeof v.name, "Seed Trainer");
    copy_text(v.tailnum, sizeof v.tailnum, "N740WW");
    copy_text(v.author, sizeof v.author, "Wing-Wright fuzz seeds");
    copy_text(v.descrip, sizeof v.descrip, "A two-seat trainer made to start the aircraft fuzzer.");
    v.Vso_kts = 45;
    v.Vs_kts = 50;
    v.Vne_kts = 160;
    v.Mmo = 0.3f;
    v.Gneg = -1.5f;
    v.Gpos = 4.4f;
    v.has_navlites = 1;
    v.pe_xyz[0] = 0.5f;
    v.pe_xyz[1] = -1.25f;
    v.pe_xyz[2] = 3.0f;
}

bytes aircraft_file(int big_endian)
{
    fill_aircraft(veh[0]);
    bytes out;
    if (big_endian) {
        // As a big-endian machine saved it: its own is_APL flag set, every number word turned.
        veh[0].is_APL = 1;
        rev_bytes_new(0);
        out = {'a', 0x00, 0x00, 0x02, 0xE4};
    } else {
        out = of_string(IO_typed_header(4, 740));
    }
    const unsigned char* image = reinterpret_cast<const unsigned char*>(&veh[0]);
    out.insert(out.end(), image, image + ACF_IMAGE_BYTES);
    memset(&veh[0], 0, sizeof veh[0]);
    return out;
}

// Files cut short, which the reader takes as far as they go: a whole image costs the fuzzer some
// forty times a short one, and it reads whole files by filling out short ones itself.
void aircraft_seeds(void)
{
    // Through the names, the speeds, the limits and the lights.
    bytes little = aircraft_file(0);
    little.resize(8192);
    put_seed("fuzz_acf", "trainer_little_endian.acf", little);
    bytes big = aircraft_file(1);
    big.resize(8192);
    put_seed("fuzz_acf", "trainer_big_endian.acf", big);
    // Cut inside the text fields.
    little.resize(2100);
    put_seed("fuzz_acf", "trainer_cut_in_text.acf", little);
    // The image alone, with no header: the fuzzer reads it behind one, in the byte order and
    // length its first byte picks; 0x06 is a little-endian header and the image filled out to its
    // whole length, whose first word, no longer zero, makes it a big-endian machine's.
    bytes image = aircraft_file(0);
    image.erase(image.begin(), image.begin() + 5);
    image.resize(4096);
    image[0] = 0x06;
    put_seed("fuzz_acf", "trainer_image_whole.bin", image);
}

//=== older aircraft =========================================================================
// Every field filled by the shared encoder, cut short as for the current files; the image-only
// seed starts with the byte that picks version 626, little-endian, filled out to its length.
void old_aircraft_seeds(void)
{
    static OLD_planestruct o;
    old_acf_fill(o);
    o.num_engines = 2, o.num_tanks = 2, o.ac_type = 1, o.engn_type[1] = 8;
    const auto cut = [](const std::string& f, size_t n) { return of_string(f.substr(0, n)); };
    put_seed("fuzz_old_acf", "filled_600_little_endian.acf", cut(old_acf_file(o, 600, false), 8192));
    put_seed("fuzz_old_acf", "filled_626_big_endian.acf", cut(old_acf_file(o, 626, true), 8192));
    static veh_struct v;
    old_acf_fill(v);
    int32_t panel[6][200] = {};
    put_seed("fuzz_old_acf", "filled_700_little_endian.acf", cut(old_acf_file_700(v, panel, false), 8192));
    bytes image = cut(old_acf_file(o, 626, false), 4096);
    image[4] = 0x09;
    image.erase(image.begin(), image.begin() + 4);
    put_seed("fuzz_old_acf", "filled_626_image_whole.bin", image);
}

// Patches to the full aircraft: none, and damage of every kind a file can hold in the counts and
// the numbers the settings, the check and the specifications use.
void aircraft_patch_seeds(void)
{
    const float nan = std::numeric_limits<float>::quiet_NaN(), inf = std::numeric_limits<float>::infinity();
    put_seed("fuzz_acf_patch", "none.bin", std::string());
    put_seed("fuzz_acf_patch", "counts_beyond_arrays.bin",
             acf_patch("num_engines", 0, 1000) + acf_patch("num_thrustpoints", 0, -3) + acf_patch("els", 9, 1000000) +
                 acf_patch("els", 28, -1) + acf_patch("flap_detents", 0, 99) + acf_patch("num_tanks", 0, 1 << 30) +
                 acf_patch("ins_type", 5, 100000) + acf_patch("ins_type", 6, -7));
    put_seed("fuzz_acf_patch", "not_numbers.bin",
             acf_patch("m_max", 0, nan) + acf_patch("cgZ", 0, inf) + acf_patch("the_eqlbm", 0, nan) +
                 acf_patch("bladesweep", 23, nan) + acf_patch("des_rpm_prp", 2, -inf) + acf_patch("Croot", 9, nan));
    put_seed("fuzz_acf_patch", "huge_values.bin",
             acf_patch("semilen_SEG", 9, 1e30f) + acf_patch("Xarm", 0, -1e30f) + acf_patch("tire_radius", 68, 1e30f) +
                 acf_patch("gear_leglen", 70, -1e30f) + acf_patch("body_Z", 44 * 360 + 13 * 18, 1e30f));
    put_seed("fuzz_acf_patch", "tail_sitter_no_mass.bin",
             acf_patch("Yarm", 67, -30.0f) + acf_patch("m_max", 0, 0.0f) + acf_patch("gear_type", 72, 1));
    put_seed("fuzz_acf_patch", "no_gear_text_full.bin",
             acf_patch("gear_type", 67, 0) + acf_patch("gear_type", 68, 0) + acf_patch("gear_type", 69, 0) +
                 acf_patch("gear_type", 70, 0) + acf_patch("gear_type", 71, 0) + acf_patch("gear_type", 72, 0) +
                 acf_patch("tailnum", 6, 0x41414141) + acf_patch("ICAO", 39, 0x42));
}

//=== preferences ============================================================================
bytes prefs_file(int kind)
{
    char* buf = nullptr;
    size_t len = 0;
    FILE* f = open_memstream(&buf, &len);
    if (!f) {
        s_failed = 1;
        return {};
    }
    if (!handle_prefs_to_stream(kind, f)) s_failed = 1;
    fclose(f);
    bytes out(buf, buf + len);
    free(buf);
    return out;
}

void prefs_seeds(void)
{
    mnw.x_res_req = 1024, mnw.y_res_req = 768, mnw.col_res_req = 32, mnw.set_res_req = 0;
    mnw.lang = -1, mnw.keylist_up = 0, mnw.prd_FM = 0.02f, mnw.prd_UI = 0.02f;
    put_seed("fuzz_res_prefs", "first_start.prf", prefs_file(PRF_KIND_RES));
    mnw.x_res_req = 1600, mnw.y_res_req = 1200, mnw.col_res_req = 16, mnw.set_res_req = 1;
    mnw.lang = 5, mnw.keylist_up = 1, mnw.prd_FM = 0.0125f, mnw.prd_UI = 0.04f;
    put_seed("fuzz_res_prefs", "korean_1600.prf", prefs_file(PRF_KIND_RES));
    put_seed("fuzz_res_prefs", "crlf.prf", std::string("I\r\n740 version\r\n1280\r\n1024\r\n32\r\n0\r\n2\r\n0\r\n0.02\r\n0.02\r\n"));

    memset(&set, 0, sizeof set);
    set.fuse_zoom = 1.5f;
    copy_text(set.weapn_name, sizeof set.weapn_name, "Seed Pod.wpn");
    copy_text(set.weapn_path, sizeof set.weapn_path, "Weapons:Seed Pod.wpn");
    copy_text(veh[0].name, sizeof veh[0].name, "Seed Trainer.acf");
    copy_text(veh[0].path, sizeof veh[0].path, "Aircraft:Seed Trainer.acf");
    flt[0].dob_x = 12.5, flt[0].dob_y = -3.0, flt[0].dob_z = 40.0;
    flt[0].the = 10, flt[0].psi = 45, flt[0].phi = -5;
    bytes editor = prefs_file(PRF_KIND_EDITOR);
    put_seed("fuzz_editor_prefs", "editor_little_endian.prf", editor);
    // The same settings behind a big-endian header, as the reader accepts either marker.
    if (editor.size() >= 5) {
        const unsigned char big[5] = {'a', 0x00, 0x00, 0x02, 0xE4};
        memcpy(editor.data(), big, 5);
    }
    put_seed("fuzz_editor_prefs", "editor_big_endian.prf", editor);
    memset(&set, 0, sizeof set);
    memset(&veh[0], 0, sizeof veh[0]);
}

//=== menus and texts ========================================================================
void language_seeds(void)
{
    const std::string head = "I\n1 version\nmenus made for the fuzzer\n";
    put_seed("fuzz_menu_file", "bar_and_items.txt",
             head + "0 File\n300   New\n301   Open...\n1     -\n305   Quit\n\n0 Standard\n600   General Data\n1     =\n"
                    "601   Instrument Limits [F2]\n\n");
    // A submenu opens from item 1 of menu 1 (300 * 1 + 1), and a long menu runs into a second column.
    std::string sub = head + "0 View\n700   Top\n701   Side\n\n301 Fine\n710   Finer\n711   Finest\n\n0 Long\n";
    for (int i = 0; i < 64; i++) sub += std::to_string(800 + i) + "   Item " + std::to_string(i) + "\n";
    put_seed("fuzz_menu_file", "submenu_and_columns.txt", sub + "\n");
    // Korean texts are glyph numbers; the fuzzer reads every other input as Korean.
    put_seed("fuzz_menu_file", "korean_glyphs.txt",
             head + "0 12 345 6\n300   7 89 1000\n1     -\n301   5 5 5 5\n\n");
    put_seed("fuzz_menu_file", "crlf.txt", std::string("I\r\n1 version\r\nmenus\r\n0 File\r\n300   New\r\n\r\n"));

    put_seed("fuzz_text_file", "numbered_lines.txt",
             "I\n1 version\n0 General Data\n1 Instrument Panel\n350 Systems\n1 Override of line one\n-1\n");
    put_seed("fuzz_text_file", "crlf_and_blanks.txt", "I\r\n1 version\r\n2   \tIndented\r\n3 \r\n1199 Last line\r\n-1\r\n");
    put_seed("fuzz_text_file", "no_end_marker.txt", "I\n1 version\n10 A line without the closing index\n");
    // Korean lines: ASCII below 127, sheet cells above, and numbers no glyph pair can hold.
    put_seed("fuzz_text_file", "korean_glyphs.txt",
             "I\n1 version\n0 86 124 300 301 123 32 999\n1 1016 99999 7 65\n2 " + std::string(600, '5') + "\n-1\n");
}

//=== typed headers ==========================================================================
void typed_header_seeds(void)
{
    const std::string lines = "12 first word\n34, after a comma\n-5 six\n";
    put_seed("fuzz_typed_header", "text_type0.txt", IO_typed_header(0, 740) + lines);
    put_seed("fuzz_typed_header", "airfoil_type2.afl", IO_typed_header(2, 740) + lines);
    IO_notice_text = "Copyright notice line";
    put_seed("fuzz_typed_header", "notice_type22.txt", IO_typed_header(22, 740) + lines);
    IO_notice_text.clear();
    put_seed("fuzz_typed_header", "weapon_type3.wpn", IO_typed_header(3, 1) + std::string("\x07\0\0\0abcdefgh", 12));
    std::string be("a\0\0\x02\xE4", 5);
    put_seed("fuzz_typed_header", "big_endian_type4.bin", be + std::string("\0\0\0\x2A" "text", 8));
    put_seed("fuzz_typed_header", "no_header_type20.fdr", std::string("7 plain\r\n8 lines\r\n"));
    put_seed("fuzz_typed_header", "old_mac_cr.txt", std::string("A\r740 version\r1\r2\r"));
}

//=== airfoils ===============================================================================
// A plausible section: the parameter line of each version, and a table made by the model.
std::string afl_seed(int version, int table_lines, const char* eol)
{
    static airfoil_struct a;
    a.re_num[0][0] = 3, a.t_rat[0] = 0.12f, a.mach_div[0] = 0.75f, a.clM[0][0] = 0.11f, a.clB[0][0] = 0.25f;
    a.almin[0][0] = -16, a.almax[0][0] = 16, a.Llinrange = 8, a.Lpow = 2, a.Lstall = 1.6f, a.Ldrop1 = 0.1f;
    a.Lpowstl = 1, a.Ldrop2 = 0.4f, a.Dmin = 0.006f, a.DminCL = 0.25f, a.Dal10 = 0.02f, a.Dpow = 2, a.Bloc = 0.3f;
    a.Bwidth = 0.3f, a.Bdepth = 0.001f, a.Bpower = 2, a.cmal2 = -12, a.cmal3 = 12, a.cm1 = -0.1f, a.cm2 = -0.05f;
    a.cm3 = -0.04f, a.cm4 = 0.02f;
    AFL_gen_tables(&a, 0, 0);
    auto nums = [](std::initializer_list<float> v) {
        std::string out;
        char b[32];
        for (float x : v) {
            snprintf(b, sizeof b, "%f ", x);
            out += b;
        }
        return out;
    };
    std::string head = IO_typed_header(2, version);
    for (size_t at = 0; (at = head.find('\n', at)) != std::string::npos; at += strlen(eol)) head.replace(at, 1, eol);
    std::string s = head + "1234 device type code" + eol;
    const std::string shared = nums({a.Lpow, a.Lstall, a.Ldrop1, a.Lpowstl, a.Ldrop2, a.Dmin, a.DminCL, a.Dal10,
                                     a.Dpow, a.DminCL, a.Dal10, a.Dpow, a.Bloc, a.Bwidth, a.Bdepth, a.Bpower, a.cmal2,
                                     a.cmal3, a.cm1, a.cm2, a.cm3, a.cm4});
    if (version == 700)
        s += nums({a.re_num[0][0], a.t_rat[0], a.mach_div[0], a.clM[0][0], a.clB[0][0], a.almin[0][0], a.almax[0][0],
                   a.Llinrange}) + shared;
    else if (version == 650 || version == 641)
        s += nums({a.re_num[0][0], a.t_rat[0], a.mach_div[0]}) + (version == 641 ? "0 " : "") +
             nums({a.clM[0][0], a.clB[0][0]}) + shared + nums({a.almin[0][0], a.almax[0][0]});
    else
        s += "section " + nums({a.t_rat[0], a.re_num[0][0], a.almin[0][0], a.almax[0][0], a.clB[0][0], a.clM[0][0],
                                a.Lpow, a.Lstall, a.Ldrop1, a.Ldrop2, a.Lpowstl, a.DminCL, a.Dmin, a.Dal10, a.Dpow,
                                a.cmal2, a.cmal3, a.cm1, a.cm2, a.cm3, a.cm4, a.Bwidth, a.Bdepth, a.Bpower, a.Bloc}) +
             eol + (version == 613 ? "0.7" : "");
    s += eol;
    if (version == 613 || version == 363) return s;
    s += std::string("alpha cl cd cm:") + eol;
    for (int i = 0; i < table_lines && i < AFL_ALPHAS; i++)
        s += nums({ret_alpha(i), a.cl[0][0][i], a.cd[0][0][i], a.cm[0][0][i]}) + eol;
    return s;
}

void airfoil_seeds(void)
{
    put_seed("fuzz_afl", "v700_whole.afl", afl_seed(700, AFL_ALPHAS, "\n"));
    put_seed("fuzz_afl", "v700_crlf_cut_table.afl", afl_seed(700, 12, "\r\n"));
    put_seed("fuzz_afl", "v650.afl", afl_seed(650, 20, "\n"));
    put_seed("fuzz_afl", "v641.afl", afl_seed(641, 20, "\n"));
    put_seed("fuzz_afl", "v613.afl", afl_seed(613, 0, "\n"));
    put_seed("fuzz_afl", "v363_old_mac.afl", afl_seed(363, 0, "\r"));
}

//=== pictures ===============================================================================
bytes png_file(int w, int h, int color_type, int depth, int interlace, int with_trns)
{
    bytes out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        s_failed = 1;
        return {};
    }
    png_set_write_fn(
        png, &out,
        [](png_structp p, png_bytep data, size_t n) {
            bytes* o = static_cast<bytes*>(png_get_io_ptr(p));
            o->insert(o->end(), data, data + n);
        },
        nullptr);
    png_set_IHDR(png, info, w, h, depth, color_type, interlace ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_color pal[4] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 0, 255}};
    png_byte alpha[3] = {0, 128, 255};
    if (color_type == PNG_COLOR_TYPE_PALETTE) png_set_PLTE(png, info, pal, 4);
    if (with_trns) png_set_tRNS(png, info, alpha, 3, nullptr);
    if (color_type != PNG_COLOR_TYPE_PALETTE) png_set_gAMA(png, info, 0.45455);
    png_write_info(png, info);
    const int channels = color_type == PNG_COLOR_TYPE_RGB ? 3 : color_type == PNG_COLOR_TYPE_RGBA ? 4
                       : color_type == PNG_COLOR_TYPE_GRAY_ALPHA ? 2 : 1;
    const int row_bytes = (w * channels * depth + 7) / 8;
    std::vector<png_byte> row((size_t)row_bytes);
    const int passes = interlace ? png_set_interlace_handling(png) : 1;
    for (int pass = 0; pass < passes; pass++)
        for (int y = 0; y < h; y++) {
            for (int i = 0; i < row_bytes; i++)
                row[i] = (png_byte)(color_type == PNG_COLOR_TYPE_PALETTE ? (y * 7 + i) & 0x55 : y * 31 + i * 13);
            png_write_row(png, row.data());
        }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

void put_le(bytes& v, unsigned x, int n)
{
    for (int i = 0; i < n; i++) v.push_back((unsigned char)(x >> (8 * i)));
}

// A 24-bit picture, magenta in its first pixel so the colour key is reached.
bytes bmp_file(int w, int h)
{
    const int row = (3 * w + 3) & ~3;
    bytes v;
    put_le(v, 0x4D42, 2); put_le(v, 54 + row * h, 4); put_le(v, 0, 4); put_le(v, 54, 4);
    put_le(v, 40, 4); put_le(v, w, 4); put_le(v, h, 4); put_le(v, 1, 2); put_le(v, 24, 2);
    for (int i = 0; i < 6; i++) put_le(v, 0, 4);
    for (int y = 0; y < h; y++)
        for (int i = 0; i < row; i++)
            v.push_back(i < 3 * w ? (unsigned char)(y == 0 && i < 3 ? (i == 1 ? 0 : 255) : y * 40 + i) : 0);
    return v;
}

void picture_seeds(void)
{
    const struct { const char* name; int w, h, type, depth, interlace, trns; } pngs[] = {
        {"rgb8.png", 5, 3, PNG_COLOR_TYPE_RGB, 8, 0, 0},
        {"rgba16_interlaced.png", 4, 4, PNG_COLOR_TYPE_RGBA, 16, 1, 0},
        {"gray1_interlaced.png", 9, 2, PNG_COLOR_TYPE_GRAY, 1, 1, 0},
        {"palette2_trns.png", 3, 3, PNG_COLOR_TYPE_PALETTE, 2, 0, 1},
        {"gray_alpha8.png", 2, 5, PNG_COLOR_TYPE_GRAY_ALPHA, 8, 0, 0},
        {"gray4_wide.png", 17, 1, PNG_COLOR_TYPE_GRAY, 4, 0, 0},
    };
    for (const auto& p : pngs) put_seed("fuzz_png", p.name, png_file(p.w, p.h, p.type, p.depth, p.interlace, p.trns));

    const struct { const char* name; int w, h; } bmps[] = {
        {"1x1.bmp", 1, 1}, {"3x2.bmp", 3, 2}, {"5x4.bmp", 5, 4}, {"301x1.bmp", 301, 1}, {"4x7.bmp", 4, 7}};
    for (const auto& b : bmps) put_seed("fuzz_bmp", b.name, bmp_file(b.w, b.h));
}

//=== object files ===========================================================================
// Every primitive word and attribute of version 700, with levels of detail; the numbered
// primitives of version 2, strips included; and a model of nothing but its texture line.
void object_seeds(void)
{
    const std::string quad = "quad\n0 0 0 0 0\n0 1 0 0 1\n1 1 0 1 1\n1 0 0 1 0\n";
    const std::string v700 = "I\n700 version\nOBJ\n\npanel\n\n";
    put_seed("fuzz_obj", "every_kind_700.obj",
             v700 + "ATTR_LOD 0 500\nlight\n0 2 0 10 10 0\nline\n0 0 0 10 0 0\n1 0 0 10 0 0\ntri\n0 0 0 0 0\n"
                    "0 1 0 0 1\n1 1 0 1 1\n" + quad + quad + "ATTR_shiny_rat 0.3\nquad_hard\n0 0 1 0 0\n0 1 1 0 1\n"
                    "1 1 1 1 1\n1 0 1 1 0\nquad_movie\n0 0 2 0 0\n0 1 2 0 1\n1 1 2 1 1\n1 0 2 1 0\n"
                    "polygon 5\n0 0 0 0 0\n0 1 0 0 1\n0.5 1.5 0 0.5 1\n1 1 0 1 1\n1 0 0 1 0\n"
                    "quad_strip 6\n0 0 0 0 0\n0 1 0 0 1\n1 0 0 0.5 0\n1 1 0 0.5 1\n2 0 0 1 0\n2 1 0 1 1\n"
                    "tri_strip 4\n0 0 0 0 0\n0 1 0 0 1\n1 0 0 1 0\n1 1 0 1 1\n"
                    "tri_fan 5\n0 0 0 0.5 0.5\n-1 0 0 0 0.5\n0 1 0 0.5 1\n1 0 0 1 0.5\n-1 0 0 0 0.5\n"
                    "smoke_black 0 3 0 1\nsmoke_white 0 3 0 2\nshade_flat\nATTR_shade_smooth\n"
                    "ATTR_ambient_rgb 0.2 0.2 0.2\nATTR_difuse_rgb 0.8 0.7 0.6\nATTR_specular_rgb 1 1 1\n"
                    "ATTR_emission_rgb 0 0 0.1\nATTR_no_depth\nATTR_depth\nATTR_no_cull\nATTR_cull\n"
                    "ATTR_poly_os 2\nATTR_poly_os 0\nATTR_glow 1 2\nATTR_reset\nATTR_LOD 500 3000\n" + quad + "end\n");
    put_seed("fuzz_obj", "numbered_2.obj",
             "I\n2 version\npanel\n1 10 0 0 0 2 0\n2 10 10 10 0 0 0 1 0 0\n3 0 1 0 1 0 0 0 0 1 0 1 1 0\n"
             "4 0 1 0 1 0 0 0 0 1 0 1 1 0 1 0 0\n5 0 1 0 1 0 0 1 0 1 1 1 1 1 1 0 1\n6 0 1 0 1 0 0 2 0 1 2 1 1 2 1 0 2\n"
             "8 0 1 0 1 0 0 3 0 1 3 1 1 3 1 0 3\n-3 0 0 0 0 1 0 0 0 0 1\n1 0 0 1 1 0 0.5 0.5 0 1\n"
             "2 0 0 2 1 0 1 1 0 1\n99\n");
    put_seed("fuzz_obj", "texture_only_700.obj", v700 + "end\n");
}

//=== weapons ================================================================================
// The sample missile as the weapon writer saves it, the same from a big-endian writer, and the
// file cut inside its record.
void weapon_seeds(void)
{
    const std::string path = (s_root / "wpn-seed.tmp").string();
    WPN_make_sample(0, ACF_WPN_SLOTS - 1, WPN_SAMPLE_MISSILE);
    if (!IO_wpn(1, 0, ACF_WPN_SLOTS - 1, "", path, 1)) {
        s_failed = 1;
        return;
    }
    FILE* f = fopen(path.c_str(), "rb");
    bytes little;
    for (int c; f && (c = fgetc(f)) != EOF;) little.push_back((unsigned char)c);
    if (f) fclose(f);
    std::filesystem::remove(path);
    put_seed("fuzz_wpn", "missile_little_endian.wpn", little);
    bytes big = little;
    big[0] = 'a';
    big[1] = 0;
    big[4] = 1;
    const size_t afl = offsetof(wpn_struct, mis_afl), chr = offsetof(wpn_struct, xchr_overflow);
    for (size_t off = 0; off + 4 <= big.size() - 5; off += 4) {
        if ((off >= afl && off < afl + sizeof(wpn_struct::mis_afl)) || (off >= chr && off < (size_t)WPN_IMAGE_BYTES)) continue;
        std::swap(big[5 + off], big[5 + off + 3]);
        std::swap(big[5 + off + 1], big[5 + off + 2]);
    }
    put_seed("fuzz_wpn", "missile_big_endian.wpn", big);
    little.resize(5 + 700);
    put_seed("fuzz_wpn", "missile_cut_in_record.wpn", little);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
        return 2;
    }
    s_root = argv[1];
    aircraft_seeds();
    old_aircraft_seeds();
    aircraft_patch_seeds();
    prefs_seeds();
    language_seeds();
    typed_header_seeds();
    airfoil_seeds();
    picture_seeds();
    object_seeds();
    weapon_seeds();
    if (s_failed) fprintf(stderr, "make_fuzz_seeds: could not write every seed under %s\n", argv[1]);
    return s_failed;
}
