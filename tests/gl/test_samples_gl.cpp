// The sample aircraft as a designer first meets them: each opens in the editor without an alert,
// its resting attitude settles within 200 frames (the tail-sitter standing on its tail, the
// others at a small pitch with every wheel on the ground), and the main view draws it. The main
// view of each goes to the build folder ("sample-NAME.png") for a person to look at.
#include <gtest/gtest.h>
#include "draw/HL_GRAPH.h"
#include "draw/ren_struct.h"
#include "editor/APPLICATION.h"
#include "editor/PLN_MAIN.h"
#include "editor/pln_panel.h"
#include "model/acf_parts.h"
#include "model/acf_struct.h"
#include "model/set_struct.h"
#include "shell/Hl_MNW.h"
#include "tests/support/tex_files.h"
#include "tests/support/ww_test.h"
#include <cmath>
#include <string>
#include <vector>

namespace {

std::vector<unsigned char> s_px(1024 * 768 * 4);
void grab(void) { OGL_read_pixels(0, 0, 1024, 768, s_px.data()); }

struct sample_row {
    const char* name;
    bool tail_sitter;
};
const sample_row k_samples[] = {{"Trainer", false},    {"Light Twin", false}, {"Regional Jet", false},
                                {"Helicopter", false}, {"Sailplane", false},  {"Tail-Sitter", true}};

class Samples : public ::testing::Test {
protected:
    void SetUp() override
    {
        ww_start_program();
        ww_catch_alerts();
        ww_use_aerodeck();
        PANEL_reset();
        set.acf_mod = set.wpn_mod = 0;
        MACIBM_startwind(0, "samples");
        set.move_cons = set.draw_wire = set.lite_tex = 0;
        ww_mouse_to(2000, 2000);
    }
    void TearDown() override
    {
        g_test_before_swap = nullptr;
        APPLICATION_handlemenu(300);
    }
};

TEST_F(Samples, OpenSettleOnTheGearAndDraw)
{
    for (const sample_row& s : k_samples) {
        SCOPED_TRACE(s.name);
        const std::string name = std::string(s.name) + ".acf";
        g_test_alerts.clear();
        ASSERT_EQ(ACF_open(name, std::string(WW_AERODECK_DIR) + "Aircraft/" + s.name + "/" + name), 1);
        EXPECT_TRUE(g_test_alerts.empty());
        const veh_struct& v = veh[0];
        // Every frame derives the resting attitude whatever window is up; the general window's
        // frames are the quicker ones.
        MACIBM_startwind(600, "samples");
        ww_frames(200);
        const float h = v.h_eqlbm, the = v.the_eqlbm;
        ww_frames(10);
        EXPECT_NEAR(v.h_eqlbm, h, 1e-4f);
        EXPECT_NEAR(v.the_eqlbm, the, 1e-4f);
        if (s.tail_sitter) {
            EXPECT_EQ(the, 90);
        } else {
            EXPECT_LT(std::fabs(the), 6);
            // Each leg's tyre reaches the ground (pressed in, or touching within an inch).
            const float c = std::cos(the * (float)M_PI / 180), sn = std::sin(the * (float)M_PI / 180);
            for (int g = 67; g <= 72; g++) {
                if (!v.part_eq[g]) continue;
                float x, y, z;
                ret_gear_nodef(0, g, &x, &y, &z);
                const float gap = h + (y - v.cgY) * c - (z - v.cgZ) * sn - v.tire_radius[g];
                EXPECT_LT(gap, 0.1f) << "gear " << g;
            }
        }

        // Seen from ahead, left and above, as the screenshots show aircraft.
        MACIBM_startwind(0, "samples");
        flt[0].psi = 225, flt[0].the = -20, flt[0].phi = 0;
        ren.zoom_act = 1.5f;
        g_test_before_swap = grab;
        ww_frames(2);
        g_test_before_swap = nullptr;
        tex_png p;
        p.w = 1024, p.h = 768, p.gamma = 0;
        for (int y = 767; y >= 0; y--)   // GL rows run upwards
            p.samples.insert(p.samples.end(), s_px.begin() + y * 1024 * 4, s_px.begin() + (y + 1) * 1024 * 4);
        EXPECT_TRUE(tex_write_png(std::string(WW_AERODECK_DIR) + "../sample-" + s.name + ".png", p));
        // Not the pane's own colour, which its corner shows: the aircraft fills a good part of it.
        int covered = 0;
        const unsigned char* corner = &s_px[((size_t)32 * 1024 + 12) * 4];
        for (int y = 32; y < 735; y++)
            for (int x = 12; x < 1012; x++) {
                const unsigned char* q = &s_px[((size_t)y * 1024 + x) * 4];
                covered += std::abs(q[0] - corner[0]) + std::abs(q[1] - corner[1]) + std::abs(q[2] - corner[2]) > 24;
            }
        EXPECT_GT(covered, 1000 * 703 / 50);
    }
}

}  // namespace
