// Object files parsed without a display: the commands each primitive kind becomes, levels of
// detail by distance, models found again by path, textures shared by name, the sample cockpit
// object, and damaged files.
#include <gtest/gtest.h>
#include "draw/io_obj.h"
#include "draw/ren_struct.h"
#include "shell/Hl_MNW.h"
#include "tests/support/tex_files.h"
#include "tests/support/ww_test.h"
#include <string>
#include <vector>

namespace {

class Objects : public ::testing::Test {
protected:
    void SetUp() override
    {
        MACIBM_zero_records();
        MACIBM_fill_constants();
        ww_catch_alerts();
    }
    int parse(const std::string& text, const std::string& name = "mem.obj")
    {
        return OBJ_build_from_memory((const unsigned char*)text.data(), (long)text.size(), name, 13);
    }
    static std::vector<int> codes(int M, int L = 0)
    {
        std::vector<int> c;
        for (const vec_act_struct& a : vec_mod[M].vec_lod[L].vec_act) c.push_back(a.act);
        return c;
    }
};

const std::string HEAD = "I\n700 version\nOBJ\n\n", V700 = HEAD + "none\n\n";
const std::string VTX = " 0 0 0 0 0\n 0 1 0 0 1\n 1 1 0 1 1\n 1 0 0 1 0\n";   // a clockwise square seen from +z
const std::string STRIP = " 0 0 0 0 0\n 0 1 0 0 1\n 1 0 0 1 0\n 1 1 0 1 1\n";   // the same as two pairs

TEST_F(Objects, EachPrimitiveKindBecomesItsCommands)
{
    const int M = parse(V700 + "light\n1 2 3 10 5 0\nline\n0 0 0 10 10 10\n1 0 0 10 10 10\n"
                        "tri\n0 0 0 0 0\n0 1 0 0 1\n1 1 0 1 1\nquad\n" + VTX + "quad\n" + VTX +
                        "ATTR_shiny_rat 0.5\nquad_hard\n" + VTX + "polygon 4\n" + VTX + "quad_strip 4\n" + STRIP +
                        "tri_strip 3\n 0 0 0 0 0\n 0 1 0 0 1\n 1 1 0 1 1\ntri_fan 4\n" + VTX +
                        "smoke_black 1 2 3 4\nATTR_glow 1 2 3\nATTR_no_cull\nquad_movie\n" + VTX + "end\n");
    ASSERT_GE(M, 0);
    EXPECT_EQ(vec_mod[M].mod_type, 2);
    const std::vector<int> want = {1, 14, 18, 2, 15, 15, 19, 3, 13, 17, 17, 17, 21,
                                   4, 13, 17, 17, 17, 17, 13, 17, 17, 17, 17, 21,   // two quads share one begin
                                   28, 5, 13, 17, 17, 17, 17, 21, 9, 13, 17, 17, 17, 17, 21,
                                   10, 13, 17, 17, 13, 17, 17, 21, 11, 13, 17, 17, 13, 17, 21,
                                   12, 13, 17, 13, 17, 13, 17, 13, 17, 21, 6, 36, 31, 8, 13, 16, 16, 16, 16, 20};
    EXPECT_EQ(codes(M), want);
    const std::vector<vec_act_struct>& a = vec_mod[M].vec_lod[0].vec_act;
    const float ft = con.mtrstoft;
    EXPECT_FLOAT_EQ(a[1].dat[0], 1 * ft);       // light: metres to feet, colour tenths
    EXPECT_FLOAT_EQ(a[1].dat[3], 1.0f);
    EXPECT_FLOAT_EQ(a[1].dat[4], 0.5f);
    EXPECT_FLOAT_EQ(a[16].dat[1], 1 * ft);      // second corner of the first quad, with its s, t
    EXPECT_FLOAT_EQ(a[16].dat[4], 1.0f);
    for (int c : {8, 14, 19, 27, 34, 41, 44, 49, 52, 56, 58, 60}) {   // every normal faces out of the clockwise face
        EXPECT_EQ(a[c].act, 13);
        EXPECT_NEAR(a[c].dat[2], 1.0f, 1e-5) << c;
    }
    EXPECT_FLOAT_EQ(a[25].dat[0], 0.5f);        // shininess
    EXPECT_FALSE(cmd_is_DIS(M, 0, 0));          // lights, smoke and movies stay out of the lists
    EXPECT_TRUE(cmd_is_DIS(M, 0, 3));

    // Version 2: numbered primitives, one colour for a line, s1 s2 t1 t2 spread over the corners.
    const int M2 = parse("I\n2 version\nnone\n2 10 0 0  0 0 0  1 0 0\n4 0 1 0.25 0.75 0 0 0 0 1 0 1 1 0 1 0 0\n"
                         "-2 0 0 0 0 1 0  0 1 0 1\n   1 0 0 1 1 0  0 1 0 1\n99\n", "v2.obj");
    ASSERT_GE(M2, 0);
    EXPECT_EQ(codes(M2), (std::vector<int>{2, 15, 15, 19, 4, 13, 17, 17, 17, 17, 21, 10, 13, 17, 17, 13, 17, 17, 21}));
    const std::vector<vec_act_struct>& b = vec_mod[M2].vec_lod[0].vec_act;
    EXPECT_FLOAT_EQ(b[1].dat[3], 1.0f);
    EXPECT_FLOAT_EQ(b[6].dat[3], 1.0f);         // (s2, t2)
    EXPECT_FLOAT_EQ(b[6].dat[4], 0.75f);
    EXPECT_FLOAT_EQ(b[9].dat[3], 0.0f);         // (s1, t2)
    EXPECT_FLOAT_EQ(b[9].dat[0], 1.0f);         // version 2 takes the numbers as they stand
}

TEST_F(Objects, LevelsOfDetailAreChosenByDistance)
{
    const int M = parse(V700 + "ATTR_LOD 0 100\ntri\n0 0 0 0 0\n0 1 0 0 1\n1 1 0 1 1\nATTR_LOD 100 1000\nquad\n" + VTX +
                        "ATTR_LOD 1000 2000\nend\n");
    ASSERT_GE(M, 0);
    ASSERT_EQ(vec_mod[M].vec_lod.size(), 3u);   // the first ATTR_LOD set the default level's band
    EXPECT_EQ(vec_mod[M].vec_lod[2].vec_act.size(), 0u);
    const struct { float d; int L; } rows[] = {{0, 0}, {50, 0}, {500, 1}, {1500, 2}, {5000, -1}};
    for (const auto& r : rows) EXPECT_EQ(OBJ_lod_for(M, r.d * r.d), r.L) << r.d;
    // Without ATTR_LOD one level reaches 10,000 feet; a file with only its texture has it empty.
    const int E = parse(V700 + "end\n", "empty.obj");
    ASSERT_EQ(vec_mod[E].vec_lod.size(), 1u);
    EXPECT_EQ(OBJ_lod_for(E, 9999.0f * 9999.0f), 0);
    EXPECT_EQ(OBJ_lod_for(E, 10001.0f * 10001.0f), -1);
}

TEST_F(Objects, ModelsAreFoundAgainByPathAndTexturesByName)
{
    const int M = parse(V700 + "tri\n0 0 0 0 0\n0 1 0 0 1\n1 1 0 1 1\nend\n", "a.obj");
    EXPECT_EQ(parse("anything at all", "a.obj"), M);
    EXPECT_NE(parse(V700 + "end\n", "b.obj"), M);
    for (int i = 0; i < OBJ_MAX_MODELS; i++) parse(V700 + "end\n", "many" + std::to_string(i));
    EXPECT_EQ(vec_mod.size(), (size_t)OBJ_MAX_MODELS);   // never more than the limit
    EXPECT_EQ(parse(V700 + "end\n", "a.obj"), M);

    OBJ_reset();
    const std::string dir = ww_temp_dir("objects");
    tex_bmp bmp;
    bmp.w = bmp.h = 4;
    bmp.rgb.assign(4 * 4 * 3, 90);
    ASSERT_TRUE(tex_write_bmp(dir + "/paint.bmp", bmp));
    ASSERT_TRUE(tex_write_bmp(dir + "/other.bmp", bmp));
    ww_write_bytes(dir + "/one.obj", HEAD + "paint\nend\n");
    ww_write_bytes(dir + "/two.obj", HEAD + "paint\nend\n");
    ww_write_bytes(dir + "/three.obj", HEAD + "other\nend\n");
    const int one = build_obs(0, 0, 0, 0, dir + "/one.obj", 106, 13), two = build_obs(0, 0, 0, 0, dir + "/two.obj", 106, 13);
    const int three = build_obs(0, 0, 0, 0, dir + "/three.obj", 8, 12);
    ASSERT_GE(one, 0);
    EXPECT_NE(one, two);
    EXPECT_EQ(vec_mod[one].tex1, OBJ_TEX_FIRST);
    EXPECT_EQ(vec_mod[two].tex1, OBJ_TEX_FIRST);        // loaded once, shared
    EXPECT_EQ(vec_mod[three].tex1, OBJ_TEX_FIRST + 1);
    EXPECT_EQ(vec_mod[one].tex2, OBJ_TEX_NIGHT_DEFAULT);   // no night picture beside it
    EXPECT_EQ(build_obs(0, 0, 0, 0, dir + "/missing.obj", 106, 13), -1);
}

TEST_F(Objects, TheSampleCockpitParsesWhole)
{
    app_path = WW_AERODECK_DIR;
    const int M = build_obs(0, 0, 0, 0, std::string(WW_AERODECK_DIR) + "Aircraft/Untitled_cockpit.obj", 106, 13);
    ASSERT_GE(M, 0);
    EXPECT_EQ(vec_mod[M].tex1, OBJ_TEX_FIRST);
    int begins = 0, ends = 0, vertices = 0;
    for (int c : codes(M)) begins += c >= 2 && c <= 12, ends += c == 19 || c == 21, vertices += c == 15 || c == 17;
    EXPECT_EQ(begins, ends);
    EXPECT_GT(vertices, 300);
    EXPECT_TRUE(g_test_alerts.empty());
}

TEST_F(Objects, DamagedFilesKeepTheirValidPartOrStopWithTheirAlert)
{
    const std::string tri = "tri\n0 0 0 0 0\n0 1 0 0 1\n1 1 0 1 1\n";
    const struct { const char* what; std::string text; int model; int vertices; const char* fatal; } rows[] = {
        {"wrong marker", "X\n700 version\nnone\n" + tri, 0, 0, nullptr},
        {"wrong version", "I\n800 version\nnone\n" + tri, 0, 0, nullptr},
        {"no bytes", "", 0, 0, nullptr},
        {"unknown word", V700 + tri + "quadd\n", 1, 0, "I cannot find a poly type for:"},
        {"unknown number", "I\n2 version\nnone\n42\n", 1, 0, "I cannot find a poly type for:"},
        {"too few numbers", V700 + tri + "quad\n0 0 0 0 0\n0 1 0 0 1\n1 1\nend\n", 1, 3, nullptr},
        {"not a number", V700 + tri + "tri\nnan 0 0 0 0\n0 1 0 0 1\n1 1 0 1 1\n" + tri, 1, 3, nullptr},
        {"number too large", V700 + tri + "tri\n1e20 0 0 0 0\n0 1 0 0 1\n1 1 0 1 1\n", 1, 3, nullptr},
        {"count too large", V700 + tri + "polygon 5\n" + VTX + "end\n", 1, 3, nullptr},
        {"count too small", V700 + "polygon 3\n" + VTX + "end\n", 1, 0, "I cannot find a poly type for:"},
        {"count below the kind", V700 + "polygon 2\n0 0 0 0 0\n1 0 0 0 0\n" + tri + "end\n", 1, 3, nullptr},
        {"negative count", V700 + "tri_fan -4\n" + tri, 1, 3, nullptr},
        {"count not a number", V700 + tri + "tri_strip many\n", 1, 3, nullptr},
        {"ends mid-primitive", V700 + tri + "quad\n0 0 0 0 0\n0 1", 1, 3, nullptr},
        {"ends without end", V700 + tri, 1, 3, nullptr},
        {"attribute short of numbers", V700 + tri + "ATTR_LOD 10\n", 1, 3, nullptr},
        {"empty level", V700 + "ATTR_LOD 0 10\nATTR_LOD 10 20\n" + tri + "end\n", 1, 3, nullptr},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        OBJ_reset();
        g_test_alerts.clear();
        int M = -2;
        try {
            M = parse(r.text);
        } catch (const ww_fatal& e) {
            ASSERT_TRUE(r.fatal);
            EXPECT_EQ(e.lines[0], r.fatal);
            EXPECT_TRUE(vec_mod.empty());           // no half model left to be found by its path
            continue;
        }
        EXPECT_FALSE(r.fatal);
        EXPECT_EQ(M >= 0, r.model == 1);
        int vertices = 0;
        for (const vec_mod_struct& m : vec_mod)
            for (const vec_lod_struct& l : m.vec_lod)
                for (const vec_act_struct& a : l.vec_act) vertices += a.act >= 14 && a.act <= 17;
        EXPECT_EQ(vertices, r.vertices);
    }
    EXPECT_THROW(build_obs(0, 0, 0, 0, "x.obj", 107, 13), ww_fatal);
    EXPECT_EQ(g_test_alerts.back().lines[0], "Illegal object type!");
    EXPECT_THROW(build_obs(0, 0, 0, 0, "x.obj", 106, 9), ww_fatal);
    EXPECT_EQ(g_test_alerts.back().lines[0], "Illegal build type!");
}

}   // namespace
