// Weapon files: the exact round trip in both byte orders, damaged files and names that lead out
// of the Weapons folder (nothing half-read), an aircraft's weapons found by name (its own weapons
// folder first), and a weapon following the control it hangs on.
#include <gtest/gtest.h>
#include "model/IO_ACF.h"
#include "model/acf_struct.h"
#include "model/set_struct.h"
#include "model/wpn_samples.h"
#include "editor/PLN_MAIN.h"
#include "editor/win_weapons.h"
#include "draw/HL_DRPLANE.h"
#include "shell/Hl_MNW.h"
#include "base/IO_UTILS.h"
#include "base/hl_string.h"
#include "tests/support/ww_full_acf.h"
#include "tests/support/ww_test.h"
#include <cstring>
#include <utility>
#include <vector>

namespace {

const int BODY_BYTES = 3 * 1440;                 // X, Y and Z of a weapon's 20 x 18 body grid
const long FILE_BYTES = 5 + WPN_IMAGE_BYTES + 4 + BODY_BYTES;

// Every word of slot en gets a value of its own, text readable, so a byte out of place shows.
void fill_varied(int en)
{
    wpn_struct& w = veh[0].wpn[en];
    float* f = reinterpret_cast<float*>(&w);
    for (int i = 0; i < WPN_IMAGE_BYTES / 4; i++) f[i] = 0.25f * (float)i - 700;
    for (int k = 0; k < WPN_FIN_SETS; k++) memset(w.mis_afl[k], 0, 40), snprintf(w.mis_afl[k], 40, "fin foil %d.afl", k);
    for (int i = 0; i < 1000; i++) w.xchr_overflow[i] = (char)('a' + i % 26);
    w.type = 9;
    float* body[3] = {&veh[0].body_X[en][0][0], &veh[0].body_Y[en][0][0], &veh[0].body_Z[en][0][0]};
    for (int i = 0; i < ACF_BODY_STATIONS * ACF_BODY_POINTS; i++)
        body[0][i] = 0.01f * (float)i, body[1][i] = -0.02f * (float)i, body[2][i] = 0.5f * (float)(i / 18);
}

// What a big-endian writer makes of a file: marker "a", the version most significant byte first,
// every number word reversed and the fin airfoil names and reserved bytes as stored.
std::string big_endian_twin(std::string f)
{
    f[0] = 'a';
    f[1] = f[2] = f[3] = 0;
    f[4] = 1;
    const size_t afl = offsetof(wpn_struct, mis_afl), chr = offsetof(wpn_struct, xchr_overflow);
    for (size_t off = 0; off + 4 <= f.size() - 5; off += 4) {
        if ((off >= afl && off < afl + 160) || (off >= chr && off < (size_t)WPN_IMAGE_BYTES)) continue;
        std::swap(f[5 + off], f[5 + off + 3]);
        std::swap(f[5 + off + 1], f[5 + off + 2]);
    }
    return f;
}

class Weapons : public ::testing::Test {
protected:
    void SetUp() override
    {
        MACIBM_zero_records();
        ww_catch_alerts();
        MACIBM_build_paths(ww_temp_dir("wpn").c_str());
        MACIBM_fill_constants();
        ASSERT_TRUE(IO_make_folders(wpn_path + "sub:x"));
        ASSERT_TRUE(IO_make_folders(acf_path + "Jet:weapons:x"));
    }
    static void save_sample(int kind, const std::string& path)
    {
        WPN_make_sample(0, 24, kind);
        ASSERT_EQ(IO_wpn(1, 0, 24, "", path, 1), 1) << path;
    }
    static std::string bytes(const std::string& path) { return ww_read_bytes(IO_host_path(path)); }
};

// Read back and written again, in either byte order, a file comes out byte for byte the same.
TEST_F(Weapons, RoundTripInBothByteOrdersIsExact)
{
    fill_varied(24);
    ASSERT_EQ(IO_wpn(1, 0, 24, "varied.wpn", wpn_path + "varied.wpn", 1), 1);
    const std::string file = bytes(wpn_path + "varied.wpn");
    ASSERT_EQ((long)file.size(), FILE_BYTES);
    ww_write_bytes(IO_host_path(wpn_path + "big.wpn"), big_endian_twin(file));
    for (auto [slot, name] : {std::pair{3, "varied.wpn"}, {4, "big.wpn"}}) {
        ASSERT_EQ(IO_wpn(0, 0, slot, name, "", 0), 1);
        ASSERT_EQ(IO_wpn(1, 0, slot, "", wpn_path + "again.wpn", 1), 1);
        EXPECT_EQ(bytes(wpn_path + "again.wpn"), file) << name;
    }
    EXPECT_STREQ(veh[0].wpn[4].mis_afl[2], "fin foil 2.afl");
    EXPECT_TRUE(g_test_alerts.empty());
}

// A file that is not a whole weapon file of version 1 loads nothing: an attachment point is left
// empty, the weapon being built stays as it was; each is told in an alert naming the file.
TEST_F(Weapons, DamagedFilesAndBadNamesLeaveNothingHalfRead)
{
    save_sample(WPN_SAMPLE_MISSILE, wpn_path + "good.wpn");
    const std::string good = bytes(wpn_path + "good.wpn");
    std::string v2 = good, marker = good;
    v2[1] = 2;
    marker[0] = 'x';
    const struct { std::string name, content; int alerted; } rows[] = {
        {"short.wpn", good.substr(0, 5 + WPN_IMAGE_BYTES + 10), 1},
        {"version2.wpn", v2, 1},
        {"marker.wpn", marker, 1},
        {"empty.wpn", "", 1},
        {"missing.wpn", "-", 0},                 // found by name: an empty point, nothing to tell
        {"..:outside.wpn", "-", 1},
        {"sub:..:..:outside.wpn", "-", 1},
        {"/etc/passwd", "-", 1},
        {"C:\\x.wpn", "-", 1},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        if (r.content != "-") ww_write_bytes(IO_host_path(wpn_path + r.name), r.content);
        WPN_make_sample(0, 5, WPN_SAMPLE_BOMB);
        WPN_make_sample(0, 24, WPN_SAMPLE_GUN_POD);
        veh[0].wpn[23] = veh[0].wpn[24];
        g_test_alerts.clear();
        EXPECT_EQ(IO_wpn(0, 0, 5, r.name, "", 0), 0);
        EXPECT_EQ(veh[0].wpn[5].type + veh[0].wpn[5].total_weapon_mass_max, 0);
        EXPECT_EQ((int)g_test_alerts.size(), r.alerted);
        EXPECT_EQ(IO_wpn(0, 0, 24, r.name, "", 0), 0);
        EXPECT_EQ(memcmp(&veh[0].wpn[24], &veh[0].wpn[23], sizeof(wpn_struct)), 0);
    }
    EXPECT_EQ(IO_wpn(0, 0, 5, "sub:..:good.wpn", "", 0), 0);   // no ".." step, even one that stays inside
    ww_write_bytes(IO_host_path(wpn_path + "sub:deep.wpn"), good);
    EXPECT_EQ(IO_wpn(0, 0, 5, "sub:deep.wpn", "", 0), 1);      // a folder below Weapons is fine
    EXPECT_EQ(IO_wpn(0, 0, 25, "sub:deep.wpn", "", 0) + IO_wpn(0, ACF_RECORDS, 0, "sub:deep.wpn", "", 0), 0);
}

// The aircraft's own weapons folder wins over the program's; a missing weapon leaves its point
// empty; saving a weapon shows it at every point that carries it.
TEST_F(Weapons, AnAircraftReadsItsNamedWeapons)
{
    save_sample(WPN_SAMPLE_BOMB, wpn_path + "Store.wpn");
    save_sample(WPN_SAMPLE_MISSILE, acf_path + "Jet:weapons:Store.wpn");
    save_sample(WPN_SAMPLE_GUN_POD, wpn_path + "Pod.wpn");
    ww_full_acf(0);
    veh_struct& v = veh[0];
    STR_put(v.path, acf_path + "Jet:Jet.acf");
    STR_put(v.name, "Jet.acf");
    const char* names[] = {"Store.wpn", "Missing.wpn", "Pod.wpn", "Pod.wpn"};
    for (int i = 0; i < 4; i++) STR_put(v.wpn_name[i], names[i]);
    ASSERT_EQ(IO_acf(1, 0, 0), 1);
    v.wpn[1].type = 3;                              // left over from before the read
    g_test_alerts.clear();
    ASSERT_EQ(ACF_open("Jet.acf", acf_path + "Jet:Jet.acf"), 1);
    // The aircraft's own missile, not the bomb, flies free; the gun pod stays on.
    EXPECT_EQ((std::vector<int>{v.wpn[0].type, v.wpn[0].free_flyer, v.wpn[1].type, v.wpn[2].type, v.wpn[2].free_flyer}),
              (std::vector<int>{8, 1, 0, 3, 0}));
    for (const ww_alert_record& a : g_test_alerts) EXPECT_EQ(a.lines[0].find("weapon"), std::string::npos) << a.lines[0];

    ASSERT_EQ(IO_wpn(0, 0, 24, "", wpn_path + "Pod.wpn", 1), 1);
    v.wpn[24].bul_rounds = 123;
    ASSERT_EQ(IO_wpn(1, 0, 24, "", wpn_path + "Pod.wpn", 1), 1);
    EXPECT_EQ(v.wpn[2].bul_rounds, 123);
    EXPECT_EQ(v.wpn[3].bul_rounds, 123);
    EXPECT_EQ(v.wpn[0].type, 8);                    // other weapons are left alone
}

// The pitch a weapon takes from the control it follows on the part it hangs on (both limited).
TEST_F(Weapons, AttachmentFollowsItsControl)
{
    ww_full_acf(0);
    veh_struct& v = veh[0];
    WPN_make_sample(0, 6, WPN_SAMPLE_BOMB);
    v.the_wpn_att[6] = 2;
    flt[0].flap_def[8] = 25;
    flt[0].elev_def[16] = 10;
    const struct { int prt, con; float the; } rows[] = {
        {0, 0, 2}, {0, 1, 27}, {8, 5, -8}, {99, 1, 2}, {-5, 1, 27}, {0, 40, 2},
    };
    for (const auto& r : rows) {
        v.wpn_att_prt[6] = r.prt, v.wpn_att_con[6] = r.con;
        attach_weapon(0, 6);
        EXPECT_NEAR(v.wpn[6].the_acf, r.the, 1e-3) << r.prt << " " << r.con;
    }
}

// A weapon is attached by its name below the Weapons folder or the aircraft's own weapons folder.
TEST_F(Weapons, ChosenFilesAreNamedFromTheirFolder)
{
    STR_put(veh[0].path, acf_path + "Jet:Jet.acf");
    EXPECT_EQ(WPN_name_of_path(wpn_path + "sub:a.wpn"), "sub:a.wpn");
    EXPECT_EQ(WPN_name_of_path(acf_path + "Jet:weapons:b.wpn"), "b.wpn");
    EXPECT_EQ(WPN_name_of_path(acf_path + "c.wpn"), "");
    EXPECT_EQ(WPN_attach(7, acf_path + "c.wpn"), 0);
    EXPECT_EQ(g_test_alerts.size(), 1u);
}

}  // namespace
