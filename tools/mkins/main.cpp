// main.cpp -- mkins: draws every instrument bitmap of the catalogue and the default panel
// pictures from the project's own sources.
//
//   mkins <aerodeck_dir> <data_dir> [--sheets <dir>]
//
// Writes Resources/bitmaps/<catalogue path> for each of the 611 instruments and the eight
// Resources/bitmaps/cockpit/-panels-/Panel_*.png. Sizes start from each family's usual size and
// shrink where a default panel would otherwise place two instruments over each other or off its
// panel, so every default panel is clean at size 1. --sheets writes contact sheets of all the
// instruments and each default panel laid out, for a person to look at. The output depends only
// on the inputs.
#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "editor/ins_catalogue.h"
#include "tools/mkart/mkart.h"
#include "tools/mkins/mkins.h"

namespace fs = std::filesystem;

static int fail(const std::string& why)
{
    std::fprintf(stderr, "mkins: %s\n", why.c_str());
    return 1;
}

static std::string host(const std::string& colon_path)
{
    std::string s = colon_path;
    std::replace(s.begin(), s.end(), ':', '/');
    return s;
}

// Which panel picture each default layout sits on, for the fit and the sheets.
static const int kLayoutPanel[INS_NUM_LAYOUTS] = {2, 2, 4, 1, 0, 6};

// Shrinks types until no two instruments of any default layout overlap and each lies on its
// panel (1024 wide, 768 high). Each pass shrinks the larger of every overlapping pair a little.
static void fit_sizes(std::vector<float>& scale, const std::vector<InsArt>& art)
{
    auto dims = [&](int t, float* w, float* h) {
        *w = std::max(4.f, std::floor(art[t].w * scale[t]));
        *h = std::max(4.f, std::floor(art[t].h * scale[t]));
    };
    for (int pass = 0; pass < 400; pass++) {
        bool changed = false;
        for (const INS_layout& lay : INS_layouts) {
            for (int i = 0; i < lay.count; i++) {
                const INS_entry& a = lay.entry[i];
                float aw, ah;
                dims(a.type, &aw, &ah);
                const INS_rect ra = INS_rect_of(a.x, a.y, aw, ah, a.size);
                const bool on_screen = a.y < 768;
                if (on_screen && (ra.l < 0 || ra.r > 1024 || ra.b < 0 || ra.t > 768) && aw * ah > 16) {
                    scale[a.type] *= 0.97f;
                    changed = true;
                    continue;
                }
                for (int j = i + 1; j < lay.count; j++) {
                    const INS_entry& b = lay.entry[j];
                    float bw, bh;
                    dims(b.type, &bw, &bh);
                    if (!INS_instruments_clash(a.type, ra, b.type, INS_rect_of(b.x, b.y, bw, bh, b.size))) continue;
                    const int big = aw * ah * a.size >= bw * bh * b.size ? a.type : b.type;
                    scale[big] *= 0.97f;
                    changed = true;
                }
            }
        }
        if (!changed) return;
    }
}

static Canvas contact_sheet(const std::vector<Canvas>& pics, int first, int last, const PixelFont& prop)
{
    const int cols = 12, cell_w = 170, cell_h = 170, rows = (last - first + cols - 1) / cols;
    Canvas sheet(cols * cell_w, rows * cell_h, rgb8(46, 51, 59));
    for (int k = first; k < last; k++) {
        const int i = k - first, cx = (i % cols) * cell_w, cy = (rows - 1 - i / cols) * cell_h;
        const Canvas& p = pics[k];
        // Pictures bigger than a cell are shown at a half or a third, whichever fits.
        const int step = std::max({1, (p.w + cell_w - 1) / cell_w, (p.h + cell_h - 31) / (cell_h - 30)});
        const int sw = p.w / step, sh = p.h / step;
        const int ox = cx + (cell_w - sw) / 2, oy = cy + 26 + (cell_h - 30 - sh) / 2;
        for (int y = 0; y < sh; y++)
            for (int x = 0; x < sw; x++) sheet.blend(ox + x, oy + y, p.at(x * step, y * step));
        std::string name = INS_catalogue[k];
        name = std::to_string(k) + " " + name.substr(name.find_last_of(':') + 1);
        draw_text(sheet, prop, cx + 3, cy + 14, name.substr(0, 26), rgb8(220, 224, 230));
    }
    return sheet;
}

int main(int argc, char** argv)
{
    std::string sheets;
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--sheets" && i + 1 < argc) sheets = argv[++i];
        else args.push_back(a);
    }
    if (args.size() != 2) return fail("usage: mkins <aerodeck_dir> <data_dir> [--sheets <dir>]");
    const fs::path out = fs::path(args[0]) / "Resources" / "bitmaps";
    const fs::path data = args[1];
    PixelFont prop, mono;
    std::string err;
    if (!load_pixel_font((data / "art" / "font_prop.txt").string(), prop, err)) return fail(err);
    if (!load_pixel_font((data / "art" / "font_mono.txt").string(), mono, err)) return fail(err);

    std::vector<InsArt> art(INS_NUM_TYPES);
    for (int k = 0; k < INS_NUM_TYPES; k++) art[k] = ins_art_for(k);
    std::vector<float> scale(INS_NUM_TYPES, 1.f);
    fit_sizes(scale, art);

    std::error_code ec;
    for (int k = 0; k < INS_NUM_TYPES; k++) fs::create_directories((out / host(INS_catalogue[k])).parent_path(), ec);
    fs::create_directories(out / "cockpit" / "-panels-", ec);
    if (ec) return fail("cannot create the cockpit folders under " + out.string() + ": " + ec.message());

    // Drawing and compressing are independent per picture: share them out over the processors.
    std::vector<Canvas> pics(INS_NUM_TYPES), panels(8);
    std::atomic<int> next{0}, failed{-1};
    auto work = [&]() {
        for (int k; (k = next++) < INS_NUM_TYPES + 8;) {
            if (k >= INS_NUM_TYPES) {
                const int t = k - INS_NUM_TYPES;
                panels[t] = draw_panel_background(t, prop);
                if (!write_png_rgba((out / "cockpit" / "-panels-" / INS_panel_files[t]).string(), panels[t], 6)) failed = k;
                continue;
            }
            const int w = std::max(4, int(std::floor(art[k].w * scale[k]))), h = std::max(4, int(std::floor(art[k].h * scale[k])));
            pics[k] = draw_instrument(art[k], w, h, prop, mono);
            if (!write_png_rgba((out / host(INS_catalogue[k])).string(), pics[k], 6)) failed = k;
        }
    };
    const unsigned n = std::max(1u, std::min(4u, std::thread::hardware_concurrency()));
    std::vector<std::thread> pool;
    for (unsigned i = 1; i < n; i++) pool.emplace_back(work);
    work();
    for (std::thread& t : pool) t.join();
    if (failed >= 0) {
        const int k = failed;
        return fail(std::string("cannot write ") + (k < INS_NUM_TYPES ? INS_catalogue[k] : INS_panel_files[k - INS_NUM_TYPES]));
    }

    if (!sheets.empty()) {
        fs::create_directories(sheets, ec);
        const int per = 144;
        for (int first = 0, page = 1; first < INS_NUM_TYPES; first += per, page++) {
            const std::string name = "instruments_" + std::to_string(page) + ".png";
            const Canvas sheet = contact_sheet(pics, first, std::min(INS_NUM_TYPES, first + per), prop);
            if (!write_png_rgba((fs::path(sheets) / name).string(), sheet, 1))
                return fail("cannot write " + name);
        }
        static const char* const names[INS_NUM_LAYOUTS] = {"fighter", "rocket_fighter", "helicopter", "airliner",
                                                            "general_piston", "general_turbine"};
        for (int l = 0; l < INS_NUM_LAYOUTS; l++) {
            Canvas panel = panels[kLayoutPanel[l]];
            for (int i = 0; i < INS_layouts[l].count; i++) {
                const INS_entry& e = INS_layouts[l].entry[i];
                const Canvas& p = pics[e.type];
                const INS_rect r = INS_rect_of(e.x, e.y, (float)p.w, (float)p.h, e.size);
                for (int y = r.b; y < r.t; y++)
                    for (int x = r.l; x < r.r; x++) {
                        const int sx = std::clamp(int((x - r.l) / e.size), 0, p.w - 1), sy = std::clamp(int((y - r.b) / e.size), 0, p.h - 1);
                        panel.blend(x, y, p.at(sx, sy));
                    }
            }
            if (!write_png_rgba((fs::path(sheets) / ("panel_" + std::string(names[l]) + ".png")).string(), panel, 1))
                return fail("cannot write the panel sheets");
        }
    }
    return 0;
}
