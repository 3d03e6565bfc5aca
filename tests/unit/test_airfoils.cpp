// Airfoil files: every version from crafted files, damaged files, the folder order, the corrupt
// data alerts, the section model at its joints, the generated table, and the shipped library.
#include <gtest/gtest.h>
#include <dirent.h>
#include <sys/stat.h>
#include <algorithm>
#include <cmath>
#include <cstring>
#include "base/IO_TYPED.h"
#include "base/records.h"
#include "model/IO_AFL.h"
#include "model/acf_struct.h"
#include "shell/Hl_MNW.h"
#include "tests/support/ww_test.h"

namespace {

// Parameters of a plausible section; DminCL, Dal10 and Dpow first appear with decoy values 9.
struct params {
    float re = 3, t = 0.12f, mdiv = 0.7f, m = 0.1f, b = 0.2f, amin = -15, amax = 15, L = 8, Lpow = 2,
          Lstall = 1.5f, Ldrop1 = 0.1f, Lpowstl = 1, Ldrop2 = 0.3f, Dmin = 0.006f, DminCL = 0.2f, Dal10 = 0.02f,
          Dpow = 2, Bloc = 0.2f, Bwidth = 0, Bdepth = 0, Bpower = 0, cmal2 = -10, cmal3 = 10, cm1 = -0.1f,
          cm2 = -0.05f, cm3 = -0.04f, cm4 = 0.02f;
};

std::string nums(std::initializer_list<float> v)
{
    std::string s;
    for (float x : v) s += std::to_string(x) + " ";
    return s;
}

// A file of the version as the airfoil program writes it; table entry i holds cl i/1000.
std::string afl_file(int version, const params& p = params(), const std::string& code = "1234")
{
    std::string s = "I\n" + std::to_string(version) + " version\n" + code + " device type code\n";
    std::string tail = nums({p.Lpow, p.Lstall, p.Ldrop1, p.Lpowstl, p.Ldrop2, p.Dmin, 9, 9, 9, p.DminCL, p.Dal10,
                             p.Dpow, p.Bloc, p.Bwidth, p.Bdepth, p.Bpower, p.cmal2, p.cmal3, p.cm1, p.cm2, p.cm3, p.cm4});
    if (version == 700)
        s += nums({p.re, p.t, p.mdiv, p.m, p.b, p.amin, p.amax, p.L}) + tail;
    else if (version == 650 || version == 641)
        s += nums({p.re, p.t, p.mdiv}) + (version == 641 ? "77 " : "") + nums({p.m, p.b}) + tail + nums({p.amin, p.amax});
    else
        s += "name " + nums({p.t, p.re, p.amin, p.amax, p.b, p.m, p.Lpow, p.Lstall, p.Ldrop1, p.Ldrop2, p.Lpowstl,
                             p.DminCL, p.Dmin, p.Dal10, p.Dpow, p.cmal2, p.cmal3, p.cm1, p.cm2, p.cm3, p.cm4, p.Bwidth,
                             p.Bdepth, p.Bpower, p.Bloc}) + "\n" + (version == 613 ? "0.66\n" : "");
    if (version == 613 || version == 363) return s;
    s += " rest\nalpha cl cd cm:\n";
    for (int i = 0; i < AFL_ALPHAS; i++) s += nums({ret_alpha(i), i / 1000.0f, 0.01f, -0.002f}) + "\n";
    return s;
}

int count_alerts(const char* first_line)
{
    int n = 0;
    for (const ww_alert_record& a : g_test_alerts) n += a.lines[0] == first_line;
    return n;
}

const char* kNan = "I have found a NAN value for this aifoil:";
const char* kNeg = "I have found a NEGATIVE DRAG for this aifoil:";

class Airfoils : public ::testing::Test {
protected:
    std::string dir;
    void SetUp() override
    {
        MACIBM_zero_records();
        ww_catch_alerts();
        dir = ww_temp_dir("airfoils");
        afl_path = dir + "program/";
        mkdir(afl_path.c_str(), 0755);
        mkdir((dir + "airfoils").c_str(), 0755);
        snprintf(veh[0].path, sizeof veh[0].path, "%s", (dir + "Plane.acf").c_str());
        snprintf(veh[0].name, sizeof veh[0].name, "%s", "Plane.acf");
    }
    airfoil_struct& afl() { return veh[0].afl[3]; }
};

TEST_F(Airfoils, EveryVersionReadsItsOwnLayout)
{
    params p;
    for (int version : {700, 650, 641, 613, 363}) {
        SCOPED_TRACE(version);
        memset(&afl(), 0, sizeof(airfoil_struct));
        ww_write_bytes(afl_path + "f.afl", afl_file(version, p));
        ASSERT_EQ(IO_afl(0, &afl(), 1, 0, afl_path + "f.afl"), version);
        const airfoil_struct& a = afl();
        EXPECT_FLOAT_EQ(a.re_num[1][0], 3);
        EXPECT_FLOAT_EQ(a.t_rat[1], 0.12f);
        EXPECT_FLOAT_EQ(a.mach_div[1], version == 363 ? 0.75f : version == 613 ? 0.66f : 0.7f);
        EXPECT_FLOAT_EQ(a.clM[1][0], 0.1f);
        EXPECT_FLOAT_EQ(a.almin[1][0], -15);
        EXPECT_FLOAT_EQ(a.almax[1][0], 15);
        EXPECT_FLOAT_EQ(a.Llinrange, version == 700 ? 8 : 10);
        EXPECT_FLOAT_EQ(a.DminCL, 0.2f);   // the second of the repeated values
        EXPECT_FLOAT_EQ(a.Dpow, 2);
        EXPECT_FLOAT_EQ(a.cm4, 0.02f);
        EXPECT_EQ(a.re_num[0][0], 0);      // other slots untouched
        if (version >= 641)
            EXPECT_FLOAT_EQ(a.cl[1][0][500], 0.5f);
        else
            EXPECT_FLOAT_EQ(a.cl[1][0][400], ret_cl(4, &a, 1, 0));
    }
    EXPECT_TRUE(g_test_alerts.empty());
    EXPECT_EQ(IO_afl(0, &afl(), 0, 0, afl_path + "missing.afl"), 0);
    ww_write_bytes(afl_path + "f.afl", "I\n740 version\n1234\n");
    EXPECT_EQ(IO_afl(0, &afl(), 0, 0, afl_path + "f.afl"), 0);
}

TEST_F(Airfoils, DamagedFilesAlertAndKeepLoading)
{
    const std::string good = afl_file(700);
    const size_t table = good.find("alpha cl cd cm:");
    struct row {
        const char* what;
        std::string text;
        int nan_alerts, device_alerts;
        int zero_from;   // first table entry left zero, or -1
    } rows[] = {
        {"truncated table", good.substr(0, good.find("\n-6.000000 0.300000")), 1, 0, 300},
        {"letters in a number", std::string(good).replace(good.find("0.010000", table), 8, "0.0x0000"), 1, 0, -1},
        {"1e40", std::string(good).replace(good.find("0.010000", table), 8, "1e40"), 1, 0, -1},
        {"nan", std::string(good).replace(good.find("-0.002000", table), 9, "nan"), 1, 0, -1},
        {"29 numbers in a 700 file", std::string(good).replace(good.find("0.020000  rest"), 9, ""), 1, 0, -1},
        {"wrong device code", afl_file(700, params(), "4321"), 0, 1, -1},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.what);
        g_test_alerts.clear();
        memset(&afl(), 0, sizeof(airfoil_struct));
        ww_write_bytes(afl_path + "d.afl", r.text);
        load_foil_for_part("d.afl", 0, 3, 0, 1);
        EXPECT_EQ(count_alerts(kNan), r.nan_alerts);
        EXPECT_EQ(count_alerts("This does not appear to be a valid Airfoil for Section-Forge!"), r.device_alerts);
        EXPECT_FLOAT_EQ(afl().re_num[0][1], 3);   // the parameters before the damage are kept
        for (int i = 0; i < AFL_ALPHAS; i++) ASSERT_FALSE(std::isnan(afl().cd[0][1][i]));
        if (r.zero_from >= 0) {
            EXPECT_NE(afl().cl[0][1][r.zero_from - 10], 0);
            EXPECT_EQ(afl().cl[0][1][r.zero_from + 10], 0);
            EXPECT_EQ(afl().cd[0][1][720], 0);
        }
    }
}

TEST_F(Airfoils, AircraftFolderFirstThenProgramFolderAndChangesAreSeen)
{
    params own, prog;
    own.re = 1;
    prog.re = 2;
    ww_write_bytes(dir + "airfoils/x.afl", afl_file(700, own));
    ww_write_bytes(afl_path + "x.afl", afl_file(700, prog));
    ww_write_bytes(afl_path + "y.afl", afl_file(700, prog));
    load_foil_for_part("x.afl", 0, 3, 0, 0);
    load_foil_for_part("y.afl", 0, 3, 1, 1);
    EXPECT_FLOAT_EQ(afl().re_num[0][0], 1);
    EXPECT_FLOAT_EQ(afl().re_num[1][1], 2);
    // A missing file leaves the slot as it was; a rewritten one is read afresh.
    load_foil_for_part("none.afl", 0, 3, 0, 0);
    EXPECT_FLOAT_EQ(afl().re_num[0][0], 1);
    own.re = 12.5f;
    ww_write_bytes(dir + "airfoils/x.afl", afl_file(700, own));
    load_foil_for_part("x.afl", 0, 3, 0, 0);
    EXPECT_FLOAT_EQ(afl().re_num[0][0], 12.5f);
    // An aircraft folder whose airfoils folder appears only after a first load.
    mkdir((dir + "sub").c_str(), 0755);
    snprintf(veh[0].path, sizeof veh[0].path, "%s", (dir + "sub/Plane.acf").c_str());
    load_foil_for_part("x.afl", 0, 3, 0, 0);
    EXPECT_FLOAT_EQ(afl().re_num[0][0], 2);
    mkdir((dir + "sub/airfoils").c_str(), 0755);
    ww_write_bytes(dir + "sub/airfoils/x.afl", afl_file(700, own));
    load_foil_for_part("x.afl", 0, 3, 0, 0);
    EXPECT_FLOAT_EQ(afl().re_num[0][0], 12.5f);
    EXPECT_TRUE(g_test_alerts.empty());
}

TEST_F(Airfoils, CorruptValuesAlertOncePerCall)
{
    std::string neg = afl_file(700);
    for (int k = 0; k < 3; k++) neg.replace(neg.find(" 0.010000 "), 10, " -0.010000 ");
    std::string nans = neg;
    for (int k = 0; k < 3; k++) nans.replace(nans.find("-0.002000"), 9, "NaN");
    ww_write_bytes(afl_path + "n.afl", neg);
    ww_write_bytes(afl_path + "m.afl", nans);
    load_foil_for_part("n.afl", 0, 3, 0, 0);
    EXPECT_EQ(count_alerts(kNeg), 1);
    EXPECT_EQ(count_alerts(kNan), 0);
    EXPECT_LT(afl().cd[0][0][0], 0);   // the data stays loaded
    load_foil_for_part("m.afl", 0, 3, 0, 0);
    EXPECT_EQ(count_alerts(kNeg), 2);
    EXPECT_EQ(count_alerts(kNan), 1);
    EXPECT_EQ(g_test_alerts.back().lines[1], "m.afl");
}

TEST(AirfoilModel, AngleJointsAndLiftContinuity)
{
    const std::pair<int, float> joints[] = {{0, -180},  {160, -20}, {360, 0},   {361, 0.1f},
                                            {560, 20}, {561, 21},  {720, 180}, {159, -21}};
    for (auto [i, a] : joints) EXPECT_FLOAT_EQ(ret_alpha(i), a) << i;

    airfoil_struct a{};
    a.clM[0][0] = 0.1f, a.clB[0][0] = 0.2f, a.almin[0][0] = -15, a.almax[0][0] = 15;
    a.Llinrange = 8, a.Lpow = 2, a.Lstall = 1.5f, a.Ldrop1 = 0.1f, a.Lpowstl = 1, a.Ldrop2 = 0.3f;
    for (float L : {8.0f, -8.0f}) {
        EXPECT_NEAR(ret_cl(L, &a, 0, 0), 0.1f * L + 0.2f, 1e-5);
        EXPECT_NEAR(ret_cl(L + 1e-3f, &a, 0, 0), ret_cl(L - 1e-3f, &a, 0, 0), 1e-3);
    }
    EXPECT_NEAR(ret_cl(15, &a, 0, 0), 1.5f, 1e-5);        // the stall peak
    EXPECT_NEAR(ret_cl(20, &a, 0, 0), 1.5f - 0.1f - 0.3f, 1e-5);
    EXPECT_NEAR(ret_cl(-14.999f, &a, 0, 0), 0.4f - 1.5f, 1e-3);   // mirrored about clB

    a.Dmin = 0.006f, a.DminCL = 0.2f, a.Dal10 = 0.02f, a.Dpow = 2;
    EXPECT_NEAR(ret_cd(0, &a, 0, 0), 0.006f, 1e-6);   // no bucket while Bwidth is 0
    EXPECT_NEAR(ret_cd(10, &a, 0, 0), 0.02f, 1e-6);
    a.Bwidth = 0.4f, a.Bdepth = 0.002f, a.Bpower = 1, a.Bloc = 0.2f;
    EXPECT_NEAR(ret_cd(0, &a, 0, 0), 0.004f, 1e-6);   // the bucket's full depth at its centre
}

TEST(AirfoilModel, GeneratedTableFollowsTheAnalyticFunctions)
{
    MACIBM_zero_records();
    ww_catch_alerts();
    airfoil_struct a{};
    a.clM[0][1] = 0.1f, a.clB[0][1] = 0.2f, a.almin[0][1] = -15, a.almax[0][1] = 15;
    a.Llinrange = 8, a.Lpow = 2, a.Lstall = 1.5f, a.Ldrop1 = 0.1f, a.Lpowstl = 1, a.Ldrop2 = 0.3f;
    a.Dmin = 0.006f, a.DminCL = 0.2f, a.Dal10 = 0.02f, a.Dpow = 2;
    a.cmal2 = -10, a.cmal3 = 10, a.cm1 = -0.1f, a.cm2 = -0.05f, a.cm3 = -0.04f, a.cm4 = 0.02f;
    gen_cl_cd_cm(&a, 0, 1);
    auto at = [&](float deg) { return (int)std::lround(deg > 20 ? deg + 540 : deg < -20 ? deg + 180 : deg * 10 + 360); };
    for (float deg : {-20.0f, -12.0f, -3.5f, 0.0f, 7.9f, 16.0f, 20.0f}) {
        const int i = at(deg);
        EXPECT_FLOAT_EQ(a.cl[0][1][i], ret_cl(ret_alpha(i), &a, 0, 1)) << deg;
        EXPECT_FLOAT_EQ(a.cd[0][1][i], ret_cd(ret_alpha(i), &a, 0, 1)) << deg;
        EXPECT_FLOAT_EQ(a.cm[0][1][i], ret_cm(ret_alpha(i), &a)) << deg;
    }
    EXPECT_NEAR(a.cl[0][1][at(45)], 1.17f, 1e-5);    // flat-plate lift peak
    EXPECT_NEAR(a.cl[0][1][at(90)], 0, 1e-5);
    EXPECT_NEAR(a.cd[0][1][at(90)], 1.28f, 1e-5);    // flat-plate drag broadside
    EXPECT_NEAR(a.cm[0][1][at(90)], -0.32f, 1e-5);
    EXPECT_NEAR(a.cl[0][1][at(-180)], 0.5f * ret_cl(0, &a, 0, 1), 1e-6);
    EXPECT_NEAR(a.cd[0][1][at(170)], 4 * ret_cd(10, &a, 0, 1), 1e-6);
    EXPECT_TRUE(g_test_alerts.empty());

    a.clM[0][1] = 0;   // divides by zero
    gen_cl_cd_cm(&a, 0, 1);
    ASSERT_EQ(g_test_alerts.size(), 1u);
    EXPECT_EQ(g_test_alerts[0].lines[0], "I have generated a NAN value for this aifoil:");
    for (int i = 0; i < AFL_ALPHAS; i++) ASSERT_FALSE(std::isnan(a.cd[0][1][i]));
}

// The number tokens of files in memory: whole decimal numbers only, each token used up either way.
TEST(AirfoilNumbers, TokensAreWholeNumbersOrNothing)
{
    const struct { const char* text; int ok; double v; } rows[] = {
        {"1.5", 1, 1.5}, {"-2e3", 1, -2000}, {"+4", 1, 4},   {".5", 1, 0.5},  {"1,", 1, 1},
        {"nan", 0, 0},   {"inf", 0, 0},      {"1e40", 0, 0}, {"12abc", 0, 0}, {"0x10", 0, 0}, {"--1", 0, 0}};
    for (const auto& r : rows) {
        const std::string s = std::string("\n\t") + r.text + " 7";
        int at = 0;
        double v = -1;
        EXPECT_EQ(TXT_MAP_num_scan((const unsigned char*)s.data(), &at, (int)s.size(), &v), r.ok) << r.text;
        if (r.ok) {
            EXPECT_DOUBLE_EQ(v, r.v) << r.text;
        }
        EXPECT_EQ(TXT_MAP_num_scan((const unsigned char*)s.data(), &at, (int)s.size(), &v), 1) << r.text;
        EXPECT_EQ(v, 7) << r.text;
    }
}

TEST(AirfoilNumbers, LinScanSkipsTheRestOfALineAndPartnamesComeFromTheText)
{
    MACIBM_zero_records();
    const std::string text = "I\n700 version\n1234 device type code\r\n5 more\n";
    ASSERT_EQ(inf_open_memory((const unsigned char*)text.data(), (long)text.size(), 2, 700, 0, "t.afl"), 1);
    EXPECT_EQ(int_scan("t.afl"), 1234);
    lin_scan("t.afl");
    EXPECT_EQ(int_scan("t.afl"), 5);
    IO_inf_close();
    snprintf(stl.text[820 + 16], STL_TEXT_LEN, "Horizontal Stab 1");
    EXPECT_STREQ(partname(16), "Horizontal Stab 1");
    EXPECT_STREQ(partname(-1), "");
}

// The shipped files: each loads without a word, and its numbers are those of a real section.
TEST(AirfoilLibrary, EveryShippedFileLoadsCleanAndIsPhysical)
{
    MACIBM_zero_records();
    ww_catch_alerts();
    ww_use_aerodeck();
    std::vector<std::string> names;
    if (DIR* d = opendir((std::string(WW_AERODECK_DIR) + "Airfoils").c_str())) {
        while (dirent* e = readdir(d))
            if (strstr(e->d_name, ".afl")) names.push_back(e->d_name);
        closedir(d);
    }
    EXPECT_GE(names.size(), 18u);
    for (const char* must : {"Clark-Y (good propeller).afl", "NACA 2412 (popular).afl", "NACA 0009 (symmetrical).afl"})
        EXPECT_NE(std::find(names.begin(), names.end(), must), names.end()) << must;
    for (const std::string& n : names) {
        SCOPED_TRACE(n);
        memset(&veh[0].afl[0], 0, sizeof(airfoil_struct));
        load_foil_for_part(n, 0, 0, 1, 1);
        const airfoil_struct& a = veh[0].afl[0];
        const float slope = (a.cl[1][1][380] - a.cl[1][1][340]) / 4;
        EXPECT_NEAR(slope, 0.11f, 0.11f * 0.15f);
        float dmin = 1;
        for (int i = 160; i <= 560; i++) dmin = std::min(dmin, a.cd[1][1][i]);
        EXPECT_GE(dmin, 0.004f);
        EXPECT_LE(dmin, 0.02f);
        EXPECT_GT(a.re_num[1][1], 0.5f);
    }
    EXPECT_TRUE(g_test_alerts.empty());
}

}  // namespace
