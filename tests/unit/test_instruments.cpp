// The instrument catalogue against the bitmaps the build draws, the start-up checks, the
// aircraft's own bitmaps, and the default panels: their choice, undo and fit.
#include <gtest/gtest.h>
#include "editor/instruments.h"
#include "editor/hl_undo.h"
#include "draw/HL_BITMAP.h"
#include "draw/ren_struct.h"
#include "model/acf_struct.h"
#include "shell/Hl_MNW.h"
#include "tests/support/tex_files.h"
#include "tests/support/ww_full_acf.h"
#include "tests/support/ww_test.h"
#include "tools/mkins/mkins.h"
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <set>
#include <vector>

namespace fs = std::filesystem;

namespace {

class Instruments : public ::testing::Test {
protected:
    void SetUp() override
    {
        MACIBM_zero_records();
        ww_catch_alerts();
        ww_use_aerodeck();
    }
    static int used_slots(void) { return (int)std::count_if(veh[0].ins_type, veh[0].ins_type + 300, [](int t) { return t >= 0; }); }
};

TEST_F(Instruments, CatalogueIsTheCockpitFolderTreeAndEveryEntryLoads)
{
    // A few entries by their fixed numbers: an aircraft file stores the number.
    const struct { int k; const char* path; } fixed[] = {
        {0, "cockpit:supplement:tailnum.png"},
        {74, "cockpit:standard six:airspeed:asi_preset_GA_200.png"},
        {464, "cockpit:engine:engine number:dig_RPM_engine.png"},
        {465, "cockpit:EFIS:EFIS elements engine:dig_RPM_engine.png"},
        {554, "cockpit:HUD:HUD_horizon.png"},
        {610, "cockpit:annunciators:ann_GPWS.png"},
    };
    for (const auto& f : fixed) EXPECT_STREQ(INS_catalogue[f.k], f.path) << f.k;
    EXPECT_EQ(INS_first_duplicate(INS_catalogue, INS_NUM_TYPES), -1);
    EXPECT_STREQ(INS_path(-1), "");
    EXPECT_STREQ(INS_path(611), "");

    MACIBM_load_instruments();
    EXPECT_TRUE(g_test_alerts.empty());
    // The scan finds exactly the catalogue and the eight panel pictures, nothing else.
    std::set<std::string> found(ins_file_found.begin(), ins_file_found.end()), expected(INS_catalogue, INS_catalogue + INS_NUM_TYPES);
    EXPECT_EQ(num_bmps_found, (int)ins_file_found.size());
    for (const std::string& f : found)
        EXPECT_TRUE(expected.count(f) || f.rfind("cockpit:-panels-:", 0) == 0) << f << " is in no catalogue entry";
    EXPECT_EQ(found.size(), expected.size() + 8);
    for (int k = 0; k < INS_NUM_TYPES; k++) {
        EXPECT_TRUE(found.count(INS_catalogue[k])) << INS_catalogue[k];
        EXPECT_GT(ren.tex_dx_vis[INS_TEX_BASE + k], 0) << k;
    }
}

TEST_F(Instruments, StartUpProblemsAreTheirFatalAlerts)
{
    std::vector<const char*> patched(INS_catalogue, INS_catalogue + INS_NUM_TYPES);
    patched[465] = patched[464];
    ww_fatal f = ww_fatal_of([&] { INS_check_catalogue(patched.data(), INS_NUM_TYPES); });
    EXPECT_EQ(f.lines[0], "Instrument used multiple times!");
    EXPECT_EQ(f.lines[1], INS_catalogue[464]);
    EXPECT_EQ(f.lines[3], "Intolerable!");

    const std::string dir = ww_temp_dir("instruments");
    bmp_path = dir;
    f = ww_fatal_of([] { MACIBM_load_instruments(); });
    EXPECT_EQ(f.lines[0], "I could not find an instrument!");
    EXPECT_EQ(f.lines[2], INS_catalogue[0]);

    fs::create_directories(dir + "cockpit/a/b");
    for (int i = 0; i < 2444; i++) ww_write_bytes(dir + "cockpit/a/" + (i % 2 ? "b/" : "") + std::to_string(i), "");
    f = ww_fatal_of([] { handle_ins_level("cockpit:"); });
    EXPECT_EQ(f.lines[0], "Too many instruments found!");
}

TEST_F(Instruments, AircraftBitmapReplacesExactlyItsSlotAndBadTypesAreSkipped)
{
    MACIBM_load_instruments();
    std::vector<float> before(ren.tex_dx_vis + INS_TEX_BASE, ren.tex_dx_vis + INS_TEX_BASE + INS_NUM_TYPES);
    const std::string dir = std::string(WW_AERODECK_DIR) + "Aircraft/override-" + std::to_string(getpid()) + "/";
    fs::create_directories(dir + "cockpit/standard six/airspeed");
    tex_png p;
    p.w = 21, p.h = 13;
    p.samples.assign(21 * 13 * 4, 200);
    ASSERT_TRUE(tex_write_png(dir + "cockpit/standard six/airspeed/asi_preset_GA_200.png", p));
    std::snprintf(veh[0].path, sizeof veh[0].path, "%sTest.acf", dir.c_str());
    veh[0].ins_type[0] = -7, veh[0].ins_type[1] = 611, veh[0].ins_type[2] = 100000, veh[0].ins_type[3] = 74;
    ACF_load_instrument_textures(0);
    EXPECT_TRUE(g_test_alerts.empty());
    for (int k = 0; k < INS_NUM_TYPES; k++) EXPECT_EQ(ren.tex_dx_vis[INS_TEX_BASE + k], k == 74 ? 21 : before[k]) << k;
    // The next aircraft, without that bitmap and without that instrument, shows the default again.
    std::snprintf(veh[0].path, sizeof veh[0].path, "%sOther.acf", dir.c_str());
    fs::remove_all(dir + "cockpit");
    veh[0].ins_type[3] = -1;
    ACF_load_instrument_textures(0);
    fs::remove_all(dir);
    EXPECT_EQ(ren.tex_dx_vis[INS_TEX_BASE + 74], before[74]);
}

TEST_F(Instruments, EachLayoutIsChosenByCockpitAndFirstEngine)
{
    const struct { int cockpit, engine, layout; } rows[] = {
        {2, 0, INS_LAYOUT_FIGHTER}, {2, 4, INS_LAYOUT_FIGHTER},  {2, 6, INS_LAYOUT_ROCKET_FIGHTER},
        {4, 2, INS_LAYOUT_HELO},    {1, 6, INS_LAYOUT_AIRLINER}, {0, 0, INS_LAYOUT_PISTON},
        {3, 4, INS_LAYOUT_PISTON},  {5, 6, INS_LAYOUT_PISTON},   {0, 2, INS_LAYOUT_TURBINE},
        {3, 8, INS_LAYOUT_TURBINE}, {7, 2, INS_LAYOUT_TURBINE},
    };
    for (const auto& r : rows) {
        MACIBM_zero_records();
        veh[0].cockpit_type = r.cockpit;
        veh[0].engn_type[0] = r.engine;
        set_default_instruments();
        const INS_layout& lay = INS_layouts[r.layout];
        ASSERT_EQ(used_slots(), lay.count) << r.cockpit << " " << r.engine;
        const INS_entry& last = lay.entry[lay.count - 1];
        EXPECT_EQ(veh[0].ins_type[lay.count - 1], last.type);
        EXPECT_EQ(veh[0].ins_x[lay.count - 1], last.x);
        EXPECT_EQ(veh[0].ins_y[lay.count - 1], last.y);
    }
    // The airliner's two half-size mixture levers keep their size; every other slot is size 1.
    EXPECT_EQ(INS_layouts[INS_LAYOUT_AIRLINER].entry[76].size, 0.5f);
}

TEST_F(Instruments, ResetOfAFullPanelUndoesInOneStep)
{
    ww_full_acf(0);
    mnw.top_win = 602;
    const veh_struct full = veh[0];
    ASSERT_EQ(used_slots(), 300);
    set_default_instruments();
    const int n = INS_layouts[INS_LAYOUT_TURBINE].count;
    EXPECT_EQ(used_slots(), n);
    for (int i = n; i < 300; i++) EXPECT_EQ(veh[0].ins_size[i], 1.0f);
    UNDO_Undo();
    EXPECT_EQ(0, memcmp(full.ins_type, veh[0].ins_type, sizeof full.ins_type));
    EXPECT_EQ(0, memcmp(full.ins_size, veh[0].ins_size, sizeof full.ins_size));
    EXPECT_EQ(0, memcmp(full.ins_x, veh[0].ins_x, sizeof full.ins_x));
    EXPECT_EQ(0, memcmp(full.ins_y, veh[0].ins_y, sizeof full.ins_y));
}

TEST_F(Instruments, DefaultLayoutsFitTheirPanelWithoutClashes)
{
    EXPECT_FALSE(INS_rects_overlap({0, 0, 10, 10}, {10, 0, 20, 10}));   // touching edges
    EXPECT_TRUE(INS_rects_overlap({0, 0, 10, 10}, {9, 9, 20, 20}));
    MACIBM_load_instruments();
    for (int l = 0; l < INS_NUM_LAYOUTS; l++) {
        const INS_layout& lay = INS_layouts[l];
        auto rect = [&](const INS_entry& e) {
            return INS_rect_of(e.x, e.y, ren.tex_dx_vis[INS_TEX_BASE + e.type], ren.tex_dy_vis[INS_TEX_BASE + e.type], e.size);
        };
        for (int i = 0; i < lay.count; i++) {
            const INS_rect a = rect(lay.entry[i]);
            EXPECT_TRUE(a.l >= 0 && a.r <= 1024 && a.b >= 0 && a.t <= 768) << "layout " << l << " slot " << i;
            for (int j = i + 1; j < lay.count; j++)
                EXPECT_FALSE(INS_instruments_clash(lay.entry[i].type, a, lay.entry[j].type, rect(lay.entry[j])))
                    << "layout " << l << " slots " << i << " and " << j;
        }
    }
}

// Decoding apart (on a worker) and loading afterwards stages the very texels the one-step loader
// stages, whatever the picture's kind and gamma.
TEST_F(Instruments, DecodedApartLoadsAsTheOneStepLoader)
{
    const std::string dir = std::string(WW_AERODECK_DIR) + "Aircraft/decode-" + std::to_string(getpid()) + "/";
    fs::create_directories(dir);
    const struct { int color_type; double gamma; } rows[] = {{6, 1 / 2.2}, {6, 0}, {2, 0.8}, {0, 0.45}, {4, 1 / 2.2}};
    int n = 0;
    OGL_decoded d;                                   // one buffer for every picture, smaller ones after larger
    for (const auto& r : rows) {
        tex_png p;
        p.w = 37 - 5 * n, p.h = 21, p.color_type = r.color_type, p.gamma = r.gamma;
        unsigned seed = 7;
        for (int i = 0; i < p.w * p.h * tex_png_channels(r.color_type); i++) p.samples.push_back((seed = seed * 1103515245u + 12345u) >> 24);
        const std::string path = dir + std::to_string(n++) + ".png";
        ASSERT_TRUE(tex_write_png(path, p));
        ASSERT_TRUE(OGL_texbmp(OGL_TYPE_UPLOAD, 8000, OGL_FILT_KEY, path));
        const size_t staged = (size_t)(ren.tex_dx_tot[8000] * ren.tex_dy_tot[8000] * 4);
        const std::vector<unsigned char> one_step(scratch_array, scratch_array + staged);
        memset(scratch_array, 0x55, staged);
        OGL_decode_png_file(path, &d);
        ASSERT_TRUE(OGL_texbmp_decoded(8001, OGL_FILT_KEY, path, d));
        EXPECT_EQ(0, memcmp(one_step.data(), scratch_array, one_step.size())) << "colour type " << r.color_type << " gamma " << r.gamma;
        EXPECT_EQ(ren.tex_dx_tot[8001], ren.tex_dx_tot[8000]);
        EXPECT_EQ(ren.tex_dx_vis[8001], p.w);
    }
    OGL_decoded none;
    OGL_decode_png_file(dir + "missing.png", &none);
    EXPECT_FALSE(none.ok);
    fs::remove_all(dir);
}

// Each entry is drawn by the family its name calls for, with its scale and style.
TEST_F(Instruments, GeneratorDrawsEachEntryAsItsKind)
{
    const struct { int k; InsFamily family; InsStyle style; float hi; } rows[] = {
        {74, FAM_ROUND, STYLE_GA, 200},       {75, FAM_ROUND, STYLE_GA, 300},  {86, FAM_ROUND, STYLE_GA, 1.2f},
        {129, FAM_ROUND, STYLE_HM, 6},        {87, FAM_TAPE, STYLE_GA, 400},   {90, FAM_ATTITUDE, STYLE_GA, 100},
        {110, FAM_HEADING, STYLE_GA, 100},    {107, FAM_HEADING, STYLE_BC, 100}, {298, FAM_ROUND, STYLE_GA, 120},
        {441, FAM_BUTTON, STYLE_GA, 100},     {445, FAM_TAPE, STYLE_GA, 300},  {213, FAM_RADIO, STYLE_GA, 100},
        {224, FAM_RADIO, STYLE_BC, 100},      {355, FAM_ANNUNCIATOR, STYLE_GA, 100}, {272, FAM_ANNUNCIATOR, STYLE_GA, 100},
        {29, FAM_SWITCH, STYLE_GA, 100},      {39, FAM_KNOB, STYLE_GA, 100},   {48, FAM_HANDLE, STYLE_GA, 100},
        {165, FAM_SCREEN, STYLE_HM, 100},     {489, FAM_SCREEN, STYLE_GA, 100}, {554, FAM_HUD, STYLE_GA, 100},
        {404, FAM_DIGITAL, STYLE_GA, 30},     {0, FAM_PLATE, STYLE_GA, 100},
    };
    for (const auto& r : rows) {
        const InsArt a = ins_art_for(r.k);
        EXPECT_EQ(a.family, r.family) << INS_catalogue[r.k];
        EXPECT_EQ(a.style, r.style) << INS_catalogue[r.k];
        EXPECT_FLOAT_EQ(a.hi, r.hi) << INS_catalogue[r.k];
    }
    EXPECT_EQ(ins_art_for(122).label, "VERT SPEED");
    EXPECT_EQ(ins_art_for(366).label, "ENGINE FIRE");
}

// The generator's output depends only on its inputs: a second run writes the same bytes.
TEST_F(Instruments, ArtGeneratorIsDeterministic)
{
    const std::string dir = ww_temp_dir("mkins");
    const std::string cmd = std::string("'") + WW_MKINS + "' '" + dir + "' '" + WW_SOURCE_DIR + "data' > /dev/null";
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    auto digest = [](const std::string& root) {
        std::vector<std::string> files;
        for (const auto& e : fs::recursive_directory_iterator(root + "Resources/bitmaps/cockpit"))
            if (e.is_regular_file()) files.push_back(fs::relative(e.path(), root).string());
        std::sort(files.begin(), files.end());
        unsigned long long h = 1469598103934665603ull;
        for (const std::string& f : files)
            for (char ch : f + ww_read_bytes(root + f)) h = (h ^ (unsigned char)ch) * 1099511628211ull;
        return std::make_pair(files.size(), h);
    };
    const auto fresh = digest(dir), built = digest(WW_AERODECK_DIR);
    EXPECT_EQ(fresh.first, (size_t)INS_NUM_TYPES + 8);
    EXPECT_EQ(fresh, built);
    fs::remove_all(dir);
}

}   // namespace
