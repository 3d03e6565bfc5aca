// The geometry builder on small aircraft worked out by hand: wing meshes, hinge lines and
// propellers; body normals and texture coordinates; damaged numbers; the paint templates, their
// file checked by ImageMagick, and the touch-up of a designer's paint.
#include <gtest/gtest.h>
#include "draw/HL_DRPLANE.h"
#include "draw/ren_struct.h"
#include "geometry/PLN_GEO.h"
#include "model/acf_struct.h"
#include "model/acf_defaults.h"
#include "base/records.h"
#include "base/hl_string.h"
#include "base/HL_MATH_FUN.h"
#include "shell/Hl_MNW.h"
#include "tests/support/tex_files.h"
#include "tests/support/ww_test.h"
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <limits>

namespace {
const float kNaN = std::numeric_limits<float>::quiet_NaN();
const float kDeg = 3.14159265f / 180.0f;

class Geometry : public ::testing::Test {
protected:
    veh_struct& v = veh[0];
    void SetUp() override
    {
        MACIBM_zero_records();
        MACIBM_fill_constants();
        ww_catch_alerts();
        for (int en = 0; en < ACF_PARTS; en++) {
            flt[0].cos_act_sweep[en] = flt[0].cos_act_dihed[en] = 1.0f;
            v.lat_sign[en] = 1.0f;
        }
    }
    // A straight part: chord 4, 10 % thick, span 10 in els elements, root at (1, 2, 3).
    void wing(int en, int els, float ctip = 4.0f)
    {
        v.part_eq[en] = 1;
        v.els[en] = els;
        v.Croot[en] = 4.0f;
        v.Ctip[en] = ctip;
        v.afl[en].t_rat[0] = v.afl[en].t_rat[1] = 0.1f;
        v.semilen_SEG[en] = 10.0f;
        v.element_len[en] = 10.0f / (float)els;
        v.Xarm[en] = 1.0f;
        v.Yarm[en] = 2.0f;
        v.Zarm[en] = 3.0f;
    }
    // A body of rings: ring(s, r, &x, &y) for the first half-ring, mirrored, stations at z = s.
    void body(int en, const std::function<void(int, int, float*, float*)>& ring)
    {
        v.part_eq[en] = 1;
        const int sdim = f_body_s_DIM(0, en, 0), rdim = f_body_r_DIM(en, 0);
        for (int s = 0; s < sdim; s++)
            for (int r = 0; r < rdim / 2; r++) {
                float x, y;
                ring(s, r, &x, &y);
                v.body_X[en][s][r] = x, v.body_X[en][s][rdim - 1 - r] = -x;
                v.body_Y[en][s][r] = v.body_Y[en][s][rdim - 1 - r] = y;
                v.body_Z[en][s][r] = v.body_Z[en][s][rdim - 1 - r] = (float)s;
            }
    }
    static void circle(int, int r, float* x, float* y)
    {
        *x = 2.0f * std::sin(3.14159265f * r / 8.0f);
        *y = 2.0f * std::cos(3.14159265f * r / 8.0f);
    }
    void expect_xyz(const float* got, float x, float y, float z, const char* what)
    {
        EXPECT_NEAR(got[0], x, 1e-4f) << what;
        EXPECT_NEAR(got[1], y, 1e-4f) << what;
        EXPECT_NEAR(got[2], z, 1e-4f) << what;
    }
};

TEST_F(Geometry, WingMeshesMatchHandWorkedValues)
{
    // One element: both stations take its own incidence, 10 degrees.
    wing(8, 1);
    v.incidence[8][0] = 10.0f;
    load_plane_geo(0, 0, 0, 0);
    const float s10 = std::sin(10 * kDeg), c10 = std::cos(10 * kDeg);
    expect_xyz(v.a_xyz[8][0][0], 1, 2 + s10, 3 - c10, "leading edge, root");
    expect_xyz(v.a_xyz[8][1][3], 11, 2 + 0.2f * c10, 3 + 0.2f * s10, "upper surface at the quarter chord, tip");
    expect_xyz(v.a_xyz[8][1][6], 11, 2 - 3 * s10, 3 + 3 * c10, "trailing edge, tip");
    EXPECT_GT(v.n_xyz[8][0][3][1], 0.9f) << "upper surface faces up";

    // Two elements at 0 and 10 degrees: ends halfway to the neighbour, continued at root and tip.
    wing(8, 2);
    v.incidence[8][1] = 10.0f;
    v.incidence[8][0] = 0.0f;
    load_plane_geo(0, 0, 0, 0);
    const float want[4] = {-5, 5, 5, 15};
    for (int k = 0; k < 4; k++) EXPECT_NEAR(v.a_xyz[8][k][0][1] - 2, std::sin(want[k] * kDeg), 1e-5f) << k;

    // A propeller blade mirrors its twist with prop_dir -1; it is built about its hub.
    v.num_engines = v.num_thrustpoints = 1;
    wing(0, 1, 1.0f);
    v.Croot[0] = 1.0f;
    v.element_len[0] = 5.0f;
    v.incidence[0][0] = 10.0f;
    for (float dir : {1.0f, -1.0f}) {
        v.prop_dir[0] = dir;
        load_plane_geo(0, 0, 0, 0);
        expect_xyz(v.a_xyz[0][0][0], 0, dir * 0.25f * s10, -0.25f * c10, "blade leading edge, root");
        EXPECT_NEAR(v.a_xyz[0][1][0][0], 5.0f, 1e-5f);
    }
}

TEST_F(Geometry, HingeFollowsTheLastControlAndFlapTypesMoveIt)
{
    wing(8, 1);
    v.ail1[8][0] = v.flap[8][0] = 1;
    v.ail1_elT[8] = v.flap_elT[8] = 1.0f;
    v.ail1_cratR = v.ail1_cratT = 0.2f;
    v.flap_cratR = v.flap_cratT = 0.3f;
    const float vert = 0.4f * 0.5f * 0.30f / 0.55f;   // thinned at 45 % chord behind the quarter chord
    struct { int flap_type; float co_y; } rows[] = {{0, 2}, {5, 2}, {1, 2 - 4 * vert}, {4, 2 - 4 * vert}};
    for (auto row : rows) {
        v.flap_type = row.flap_type;
        load_plane_geo(0, 0, 0, 0);
        expect_xyz(v.a_xyz[8][0][5], 1, 2 + vert, 4.8f, "upper hinge point on the flap's chord");
        expect_xyz(v.a_xyz[8][0][8], 1, 2 - vert, 4.8f, "lower hinge point");
        expect_xyz(v.co_xyz[8][1], 11, row.co_y, 4.8f, "hinge line");
    }
    expect_xyz(v.ca_xyz[8][0], 1, 0, 0, "hinge direction per element over the semi-span");
    v.flap[8][0] = 0;   // the aileron alone: its 20 % chord
    load_plane_geo(0, 0, 0, 0);
    EXPECT_NEAR(v.a_xyz[8][0][5][2], 3 + 0.55f * 4, 1e-5f);
}

TEST_F(Geometry, SphereNormalsAreUnitAndPointOut)
{
    for (int en : {44, 45, 61}) {   // rings of 18 points over 20 and 12 stations; a fairing's 10 over 8
        SetUp();
        const int sdim = f_body_s_DIM(0, en, 0), rdim = f_body_r_DIM(en, 0);
        const float mid = 0.5f * (float)(sdim - 1), R = mid + 0.5f;
        body(en, [&](int s, int r, float* x, float* y) {
            const float z = (float)s - mid, rad = std::sqrt(R * R - z * z);
            *x = rad * std::sin(3.14159265f * r / (float)(rdim / 2 - 1));
            *y = rad * std::cos(3.14159265f * r / (float)(rdim / 2 - 1));
        });
        load_plane_geo(0, 0, 0, 0);
        for (int s = 0; s < sdim; s++)
            for (int r = 0; r < rdim; r++) {
                const float* n = v.n_xyz[en][s][r];
                const float* a = v.a_xyz[en][s][r];
                EXPECT_NEAR(n[0] * n[0] + n[1] * n[1] + n[2] * n[2], 1.0f, 1e-4f) << en << " " << s << " " << r;
                EXPECT_GT(n[0] * a[0] + n[1] * a[1] + n[2] * (a[2] - mid), 0.5f) << en << " " << s << " " << r;
            }
    }
}

TEST_F(Geometry, TextureCoordinatesStayInTheirRectangles)
{
    v.num_engines = v.num_thrustpoints = 8;
    for (int en = 0; en < ACF_FOIL_PARTS; en++) wing(en, 3);
    for (int en = 44; en <= 66; en++) body(en, circle);
    load_plane_geo(0, 0, 0, 0);
    auto in = [](float x, float a, float b) { return x >= std::fmin(a, b) - 1e-2f && x <= std::fmax(a, b) + 1e-2f; };
    for (int en = 0; en <= 66; en++) {
        const GEO_tex_rect rc = GEO_part_rect(en);
        const int sdim = f_body_s_DIM(0, en, 0), rdim = f_body_r_DIM(en, 0);
        for (int s = 0; s < sdim; s++)
            for (int r = 0; r < rdim; r++) {
                // The fins' second face, and the second side of the fuselage and nacelles, have a band of their own.
                const float ds = (en == 18 || en == 19) && r >= 7 ? 252 : 0;
                const float dt = r < rdim / 2 ? 0 : en == 44 ? 252 : (en >= 53 && en <= 60) ? 126 : 0;
                const float s_px = v.st[en][s][r][0] * 1024 - ds, t_px = v.st[en][s][r][1] * rc.dy + dt;
                EXPECT_TRUE(in(s_px, rc.s_from, rc.s_to) && in(t_px, rc.t_from, rc.t_to)) << en << " " << s << " " << r;
            }
    }
}

TEST_F(Geometry, FuselageReferenceHeightRisesBySixTenthsOfARaise)
{
    // Twelve stations of a vertical line from +1 to -1, eight of a slanted ring whose crossing of
    // the reference height moves along a 5-long, 4-high segment. Worked out by hand: the line's
    // top lies at girth 0.8125 when the reference stays with the body, 0.8 when it rises 0.6 h.
    for (float h : {0.0f, 1.0f}) {
        body(44, [h](int s, int r, float* x, float* y) {
            if (s < 12) { *x = 0; *y = 1 - 0.25f * r + h; return; }
            *x = r == 1 ? 3.0f : 0.0f;
            *y = (r == 0 ? 2.0f : -2.0f) + h;
        });
        load_plane_geo(0, 0, 0, 0);
        const float girth = h == 0 ? 0.8125f : 0.8f;
        EXPECT_NEAR(v.st[44][0][0][1], (774 + girth * 250) / 1024, 1e-5f) << h;
        EXPECT_NEAR(v.st[44][0][17][1], (774 + girth * 250 - 252) / 1024, 1e-5f) << h;
    }
}

TEST_F(Geometry, DamagedNumbersGiveFiniteGeometry)
{
    struct row { const char* what; std::function<void()> damage; };
    const row rows[] = {
        {"zero chord", [&] { v.Croot[9] = v.Ctip[9] = 0; }},
        {"chord too short to measure", [&] { v.Croot[9] = v.Ctip[9] = 1e-41f; v.Zarm[9] = 0; }},
        {"zero span", [&] { v.element_len[9] = v.semilen_SEG[9] = 0; }},
        {"NaN chord", [&] { v.Croot[9] = kNaN; }},
        {"NaN sweep", [&] { flt[0].cos_act_sweep[9] = flt[0].sin_act_sweep[9] = kNaN; v.bladesweep[0][1] = kNaN; }},
        {"infinite sweep", [&] { v.bladesweep[0][0] = INFINITY; flt[0].sin_act_sweep[9] = INFINITY; }},
        {"element counts out of range", [&] { v.els[9] = 1000; v.els[0] = -7; }},
        {"NaN body points and controls", [&] {
             v.body_Y[44][3][4] = kNaN; v.body_X[44][0][0] = 1e30f; v.ail1[9][0] = 1; v.ail1_cratR = kNaN; }},
    };
    for (const row& r : rows) {
        SetUp();
        v.num_engines = v.num_thrustpoints = 1;
        wing(0, 2);
        wing(9, 2);
        body(44, circle);
        r.damage();
        load_plane_geo(0, 0, 0, 0);
        for (int en : {0, 9, 44}) {
            const int sdim = f_body_s_DIM(0, en, 0), rdim = f_body_r_DIM(en, 0);
            for (int s = 0; s < sdim; s++)
                for (int k = 0; k < rdim; k++) {
                    const float* a = v.a_xyz[en][s][k];
                    const float* n = v.n_xyz[en][s][k];
                    for (float f : {a[0], a[1], a[2], v.st[en][s][k][0], v.st[en][s][k][1]})
                        ASSERT_TRUE(std::isfinite(f)) << r.what << " part " << en;
                    ASSERT_NEAR(n[0] * n[0] + n[1] * n[1] + n[2] * n[2], 1.0f, 1e-4f) << r.what << " part " << en;
                }
        }
        ASSERT_TRUE(std::isfinite(v.size_tot) && std::isfinite(v.ca_xyz[9][0][0])) << r.what;
    }
    SetUp();   // everything collapsed to a point: the normal is the designed (0, 1, 0)
    wing(9, 1, 0.0f);
    v.Croot[9] = v.element_len[9] = 0;
    load_plane_geo(0, 0, 0, 0);
    expect_xyz(v.n_xyz[9][1][4], 0, 1, 0, "normal of a point");
}

//=== paint templates ========================================================================
class PaintTemplate : public Geometry {
protected:
    std::string dir;
    void SetUp() override
    {
        Geometry::SetUp();
        dir = ww_temp_dir("paint");
        STR_put(v.path, dir + "plane.acf");
        body(44, circle);
        wing(9, 2, 2.0f);     // tapered: the tip leaves room outside the planform
        v.ail1[9][1] = 1;
        v.ail1_elR[9] = 1.0f;
        v.ail1_elT[9] = 2.0f;
        v.ail1_cratR = v.ail1_cratT = 0.25f;
    }
    int pixel(int i, int j) { return (unsigned char)ww_read_bytes(dir + "plane_paint.bmp")[54 + (j * 1024 + i) * 3]; }
    // Column of wing point pt on row j of element e, between the element's two stations.
    int col(int e, int pt, int j)
    {
        const float (*st)[18][2] = v.st[9];
        return (int)std::lround(interp(st[2 * e][pt][1] * 1024, st[2 * e][pt][0] * 1024, st[2 * e + 1][pt][1] * 1024,
                                       st[2 * e + 1][pt][0] * 1024, (float)j + 0.5f, 1));
    }
};

TEST_F(PaintTemplate, FreshTemplateOutlinesThePartsAndReadsInImageMagick)
{
    load_plane_geo(0, 1, 0, 0);
    FILE* f = popen(("identify -format '%m %w %h %z ' " + dir + "plane_paint.bmp " + dir + "plane_paint2.bmp").c_str(), "r");
    char out[200] = {};
    EXPECT_GT(fread(out, 1, sizeof out - 1, f), 0u);
    pclose(f);
    EXPECT_STREQ(out, "BMP3 1024 1024 8 BMP3 1024 256 8 ");

    const int hinge = col(1, 5, 300), te = col(1, 6, 300), le = col(0, 0, 100), hinge0 = col(0, 5, 100),
              te0 = col(0, 6, 100);
    const int fuse_i = (int)((v.st[44][5][2][0] + v.st[44][6][3][0]) * 512);
    const int fuse_j = (int)((v.st[44][5][2][1] + v.st[44][6][3][1]) * 512);
    struct { int i, j, grey; const char* what; } rows[] = {
        {fuse_i, fuse_j, 255, "inside a fuselage cell"},
        {fuse_i, fuse_j - 252, 255, "the same cell on the other side"},
        {647, 457, 100, "the rectangle of an absent body"},
        {(le + hinge0) / 2, 100, 255, "wing, ahead of the hinge"},
        {(hinge0 + te0) / 2, 100, 255, "wing element without a control"},
        {(hinge + te) / 2, 300, 200, "aileron"},
        {hinge, 300, 0, "hinge line"},
        {780, 390, 100, "ahead of the tapered tip"},
    };
    for (auto r : rows) EXPECT_EQ(pixel(r.i, r.j), r.grey) << r.what;
    // The aileron's inner end lies on the element edge, 196.5 rows up.
    EXPECT_EQ(std::min(pixel((hinge + te) / 2, 196), pixel((hinge + te) / 2, 197)), 0);
}

TEST_F(PaintTemplate, ExistingPaintIsKeptAndTouchedUp)
{
    tex_bmp paint{1024, 1024, std::vector<unsigned char>(1024 * 1024 * 3, 0)};
    for (size_t i = 0; i < paint.rgb.size(); i += 3) paint.rgb[i] = 200;   // a red paint job
    ASSERT_TRUE(tex_write_bmp(dir + "plane_paint.bmp", paint));
    const std::string before = ww_read_bytes(dir + "plane_paint.bmp");

    load_plane_geo(0, 1, 0, 0);   // fresh: written beside it
    EXPECT_EQ(ww_read_bytes(dir + "plane_paint.bmp"), before);
    EXPECT_EQ(ww_read_bytes(dir + "plane_paint.bmpnew").size(), before.size());

    load_plane_geo(0, 0, 1, 0);   // touch-up: the paint stays, lines drawn in, edges trimmed
    const int hinge = col(1, 5, 300), te = col(1, 6, 300);
    EXPECT_EQ((unsigned char)ww_read_bytes(dir + "plane_paint.bmp")[54 + (300 * 1024 + (hinge + te) / 2) * 3 + 2], 200)
        << "the aileron keeps its paint";
    EXPECT_EQ(pixel(hinge, 300), 0);
    EXPECT_EQ(pixel(780, 390), 100);

    for (int paint_no : {1, 2}) {   // a paint of the wrong size cannot be touched up
        const tex_bmp small{512, 512, std::vector<unsigned char>(512 * 512 * 3, 9)};
        ASSERT_TRUE(tex_write_bmp(dir + (paint_no == 1 ? "plane_paint.bmp" : "plane_paint2.bmp"), small));
        if (paint_no == 2) {
            ASSERT_TRUE(tex_write_bmp(dir + "plane_paint.bmp", paint));
        }
        try {
            load_plane_geo(0, 0, 1, 0);
            ADD_FAILURE() << "no fatal alert";
        } catch (const ww_fatal& e) {
            EXPECT_EQ(e.lines[0], paint_no == 1 ? "Aircraft-1 texture not 1024x1024!" : "Aircraft-2 texture not 1024x 256!");
            EXPECT_EQ(e.lines[1], "It must be!");
        }
    }
}
}  // namespace
