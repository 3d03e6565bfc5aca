// main.cpp -- mkart: draws the program's interface art from the project's own sources.
//
//   mkart <aerodeck_dir> <data_dir> [--preview <dir>] [--icons <dir>] [--korean-font <font>]
//
// Reads the pixel faces from <data_dir>/art and writes, under <aerodeck_dir>/Resources/bitmaps,
// interface.png, intro.bmp, blank.bmp, world/lites/lights.bmp and world/overlays/prop_disc.bmp.
// The output depends only on the inputs, so builds are repeatable. --preview also writes
// enlarged copies and a text sample for looking at the art. --icons writes the desktop icon in the
// usual theme layout, <dir>/hicolor/NxN/apps/wing-wright.png. --korean-font also writes the
// Korean glyph sheet, Resources/menus/Korean/menu_text.bmp, from <data_dir>/art/korean_glyphs.txt.
#include <cstdio>
#include <filesystem>
#include <string>

#include "tools/mkart/mkart.h"

namespace fs = std::filesystem;

static int fail(const std::string& why)
{
    std::fprintf(stderr, "mkart: %s\n", why.c_str());
    return 1;
}

static bool write_png(const fs::path& p, const Canvas& c) { return write_png_rgba(p.string(), c); }
static bool write_bmp(const fs::path& p, const Canvas& c) { return write_bmp24(p.string(), c); }

static Canvas text_sample(const PixelFont& prop, const PixelFont& mono)
{
    const RGBA bg = rgb8(46, 51, 59), label = rgb8(200, 207, 217), value = rgb8(140, 206, 255);
    Canvas c(400, 200, bg);
    int y = 185;
    const char* lines[] = {
        "fuel intro time (sec) 1,234.50 Wing-Wright",
        "ABCDEFGHIJKLMNOPQRSTUVWXYZ",
        "abcdefghijklmnopqrstuvwxyz",
        "0123456789 !@#$%^&*()-_+=[]|\\':;<.>,?/`",
        "The quick brown fox jumps over the lazy dog.",
        "Wing area, sweep and dihedral (deg): Mm Ww Iil1|",
    };
    for (const char* l : lines) { draw_text(c, prop, 6, y, l, label); y -= 14; }
    draw_text(c, mono, 6, y, "1,234.50 -0.75 1.23x3", value, 6);       y -= 14;
    draw_text(c, mono, 6, y, "1,234.50 -0.75 1.23x3", value, 10);      y -= 14;
    draw_text(c, mono, 6, y, "MONO: Wing-Wright abc xyz", value, 6);   y -= 14;
    return c;
}

int main(int argc, char** argv)
{
    std::string preview, icons, korean_font;
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--preview" && i + 1 < argc) preview = argv[++i];
        else if (a == "--icons" && i + 1 < argc) icons = argv[++i];
        else if (a == "--korean-font" && i + 1 < argc) korean_font = argv[++i];
        else args.push_back(a);
    }
    if (args.size() != 2) return fail("usage: mkart <aerodeck_dir> <data_dir> [--preview <dir>] [--icons <dir>] [--korean-font <font>]");
    const fs::path out  = fs::path(args[0]) / "Resources" / "bitmaps";
    const fs::path data = args[1];

    PixelFont prop, mono;
    std::string err;
    if (!load_pixel_font((data / "art" / "font_prop.txt").string(), prop, err)) return fail(err);
    if (!load_pixel_font((data / "art" / "font_mono.txt").string(), mono, err)) return fail(err);

    std::error_code ec;
    fs::create_directories(out / "world" / "lites", ec);
    fs::create_directories(out / "world" / "overlays", ec);
    if (ec) return fail("cannot create " + out.string() + ": " + ec.message());

    Canvas sheet = draw_interface_sheet(prop, mono);
    if (!write_png(out / "interface.png", sheet)) return fail("cannot write interface.png");
    Canvas intro = draw_intro(prop);
    if (!write_bmp(out / "intro.bmp", intro)) return fail("cannot write intro.bmp");
    if (!write_bmp(out / "blank.bmp", draw_blank())) return fail("cannot write blank.bmp");
    Canvas lights = draw_lights();
    if (!write_bmp(out / "world" / "lites" / "lights.bmp", lights)) return fail("cannot write lights.bmp");
    Canvas disc = draw_prop_disc();
    if (!write_bmp(out / "world" / "overlays" / "prop_disc.bmp", disc)) return fail("cannot write prop_disc.bmp");
    Canvas korean;
    if (!korean_font.empty()) {
        if (!draw_korean_sheet((data / "art" / "korean_glyphs.txt").string(), korean_font, korean, err)) return fail(err);
        const fs::path dir = fs::path(args[0]) / "Resources" / "menus" / "Korean";
        fs::create_directories(dir, ec);
        if (ec || !write_bmp(dir / "menu_text.bmp", korean)) return fail("cannot write Korean/menu_text.bmp");
    }

    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        if (icons.empty()) break;
        const std::string n = std::to_string(size);
        const fs::path dir = fs::path(icons) / "hicolor" / (n + "x" + n) / "apps";
        fs::create_directories(dir, ec);
        if (ec || !write_png(dir / "wing-wright.png", draw_icon(size))) return fail("cannot write the icons in " + icons);
    }

    if (!preview.empty()) {
        fs::create_directories(preview, ec);
        const RGBA backdrop = rgb8(46, 51, 59);
        const fs::path pv = preview;
        bool ok = write_png(pv / "interface_x3.png", enlarge(sheet, 3, backdrop));
        ok = ok && write_png(pv / "interface_x3_checker.png", enlarge(sheet, 3, rgb8(255, 0, 255)));
        for (int q = 0; q < 4; ++q) {           // quarters, bottom-left first, at 3x
            Canvas part(256, 256);
            part.copy_from(sheet, 256 * (q % 2), 256 * (q / 2), 0, 0, 256, 256);
            std::string name = "interface_q" + std::to_string(q) + "_x3.png";
            ok = ok && write_png(pv / name, enlarge(part, 3, backdrop));
        }
        ok = ok && write_png(pv / "text_x3.png", enlarge(text_sample(prop, mono), 3, backdrop));
        ok = ok && write_png(pv / "text_x1.png", text_sample(prop, mono));
        ok = ok && write_png(pv / "intro.png", intro);
        ok = ok && write_png(pv / "lights_x2.png", enlarge(lights, 2, rgb8(0, 0, 0)));
        ok = ok && write_png(pv / "prop_disc.png", disc);
        if (korean.w) ok = ok && write_png(pv / "korean_x2.png", enlarge(korean, 2, backdrop));
        if (!ok) return fail("cannot write the previews in " + preview);
    }
    return 0;
}
