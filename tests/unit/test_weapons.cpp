// Weapon files: the exact round trip in both byte orders, damaged files and names that lead out
// of the Weapons folder (nothing half-read), saves that fail part-way, an aircraft's weapons found
// by name (its own weapons folder first), and a weapon following the control it hangs on.
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
#include <cerrno>
#include <cstring>
#include <utility>

namespace {

const int BODY_BYTES = 3 * 1440;                 // X, Y and Z of a weapon's 20 x 18 body grid
const long FILE_BYTES = 5 + WPN_IMAGE_BYTES + 4 + BODY_BYTES;

// Every word of slot en gets a value of its own, text readable, so a byte out of place shows.
void fill_varied(int en)
{
    veh_struct& v = veh[0];
    float* f = reinterpret_cast<float*>(&v.wpn[en]);
    for (int i = 0; i < WPN_IMAGE_BYTES / 4; i++) f[i] = 0.25f * (float)i - 700;
    for (int f_set = 0; f_set < WPN_FIN_SETS; f_set++) {
        memset(v.wpn[en].mis_afl[f_set], 0, 40);
        snprintf(v.wpn[en].mis_afl[f_set], 40, "fin foil %d.afl", f_set);
    }
    for (int i = 0; i < 1000; i++) v.wpn[en].xchr_overflow[i] = (char)('a' + i % 26);
    v.wpn[en].type = 9;
    v.wpn[en].free_flyer = 1;
    v.wpn[en].action_mode = 0;
    v.body_r[en] = 1.5f;
    for (int s = 0; s < ACF_BODY_STATIONS; s++)
        for (int r = 0; r < ACF_BODY_POINTS; r++) {
            v.body_X[en][s][r] = 0.01f * (float)(s * 18 + r);
            v.body_Y[en][s][r] = -0.02f * (float)(s * 18 + r);
            v.body_Z[en][s][r] = 0.5f * (float)s;
        }
}

bool same_slot(int a, int b)
{
    const veh_struct& v = veh[0];
    return memcmp(&v.wpn[a], &v.wpn[b], sizeof v.wpn[a]) == 0 && v.body_r[a] == v.body_r[b] &&
           memcmp(v.body_X[a], v.body_X[b], sizeof v.body_X[a]) == 0 && memcmp(v.body_Y[a], v.body_Y[b], sizeof v.body_Y[a]) == 0 &&
           memcmp(v.body_Z[a], v.body_Z[b], sizeof v.body_Z[a]) == 0;
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

int s_fault_step, s_fault_errno;
int fault_hook(int step, long) { return step == s_fault_step ? s_fault_errno : 0; }

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
    void TearDown() override { IO_save_fault_hook = nullptr; }
    // Sample kind saved under name in folder (the program's Weapons folder unless given).
    static void save_sample(int kind, const std::string& path)
    {
        WPN_make_sample(0, 24, kind);
        ASSERT_EQ(IO_wpn(1, 0, 24, "", path, 1), 1) << path;
    }
    static std::string bytes(const std::string& path) { return ww_read_bytes(IO_host_path(path)); }
};

TEST_F(Weapons, RoundTripInBothByteOrdersIsExact)
{
    fill_varied(24);
    const std::string le = wpn_path + "varied.wpn", be = wpn_path + "big.wpn", again = wpn_path + "again.wpn";
    ASSERT_EQ(IO_wpn(1, 0, 24, "varied.wpn", le, 1), 1);
    const std::string file = bytes(le);
    ASSERT_EQ((long)file.size(), FILE_BYTES);
    EXPECT_EQ(file.substr(0, 5), std::string("i\1\0\0\0", 5));

    ASSERT_EQ(IO_wpn(0, 0, 3, "varied.wpn", "", 0), 1);   // found by name in the Weapons folder
    EXPECT_TRUE(same_slot(3, 24));

    ww_write_bytes(IO_host_path(be), big_endian_twin(file));
    ASSERT_EQ(IO_wpn(0, 0, 4, "", be, 1), 1);
    EXPECT_TRUE(same_slot(4, 24));
    EXPECT_STREQ(veh[0].wpn[4].mis_afl[2], "fin foil 2.afl");
    ASSERT_EQ(IO_wpn(1, 0, 4, "", again, 1), 1);
    EXPECT_EQ(bytes(again), file);                         // written back byte for byte
    EXPECT_TRUE(g_test_alerts.empty());
}

TEST_F(Weapons, KindDecidesWhetherItFliesFree)
{
    for (auto [type, free_flyer] : {std::pair{3, 0}, {1, 0}, {4, 0}, {5, 1}, {0, 1}, {23, 1}}) {
        veh[0].wpn[24].type = type;
        veh[0].wpn[24].free_flyer = 7;
        veh[0].wpn[24].action_mode = 5;
        ASSERT_EQ(IO_wpn(1, 0, 24, "", wpn_path + "k.wpn", 1), 1);
        ASSERT_EQ(IO_wpn(0, 0, 2, "k.wpn", "", 0), 1);
        EXPECT_EQ(veh[0].wpn[2].free_flyer, free_flyer) << type;
        EXPECT_EQ(veh[0].wpn[2].action_mode, 0);
    }
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
        veh[0].body_X[23][3][4] = veh[0].body_X[24][3][4];
        g_test_alerts.clear();
        EXPECT_EQ(IO_wpn(0, 0, 5, r.name, "", 0), 0);
        EXPECT_EQ(veh[0].wpn[5].type, 0);
        EXPECT_EQ(veh[0].wpn[5].total_weapon_mass_max, 0);
        EXPECT_EQ((int)g_test_alerts.size(), r.alerted);
        EXPECT_EQ(IO_wpn(0, 0, 24, r.name, "", 0), 0);
        EXPECT_EQ(memcmp(&veh[0].wpn[24], &veh[0].wpn[23], sizeof(wpn_struct)), 0);
    }
    EXPECT_EQ(IO_wpn(0, 0, 5, "sub:..:good.wpn", "", 0), 0);   // no ".." step, even one that stays inside
    ww_write_bytes(IO_host_path(wpn_path + "sub:deep.wpn"), good);
    EXPECT_EQ(IO_wpn(0, 0, 5, "sub:deep.wpn", "", 0), 1);      // a folder below Weapons is fine
    EXPECT_EQ(IO_wpn(0, 0, 25, "sub:deep.wpn", "", 0), 0);     // slots beyond the record
    EXPECT_EQ(IO_wpn(0, ACF_RECORDS, 0, "sub:deep.wpn", "", 0), 0);
}

TEST_F(Weapons, FailedSaveKeepsTheOldFileAndTheWeaponUnsaved)
{
    const std::string path = wpn_path + "keep.wpn";
    save_sample(WPN_SAMPLE_BOMB, path);
    const std::string old_file = bytes(path);
    veh[0].wpn[24].total_weapon_mass_max = 1000;   // new work that fails to save
    IO_save_fault_hook = fault_hook;
    for (auto [step, err] : {std::pair{IO_SAVE_CREATE, EROFS}, {IO_SAVE_WRITE, ENOSPC}, {IO_SAVE_SYNC, EIO}, {IO_SAVE_RENAME, EACCES}}) {
        s_fault_step = step, s_fault_errno = err;
        set.wpn_mod = 1;
        g_test_alerts.clear();
        EXPECT_EQ(IO_wpn(1, 0, 24, "keep.wpn", path, 1), 0);
        EXPECT_EQ(set.wpn_mod, 1) << step;
        EXPECT_EQ(bytes(path), old_file) << step;
        ASSERT_EQ(g_test_alerts.size(), 1u);
        EXPECT_NE(g_test_alerts[0].lines[2].find(strerror(err)), std::string::npos) << g_test_alerts[0].lines[2];
    }
    IO_save_fault_hook = nullptr;
    EXPECT_EQ(IO_wpn(1, 0, 24, "keep.wpn", path, 1), 1);
    EXPECT_EQ(set.wpn_mod, 0);
    EXPECT_NE(bytes(path), old_file);
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
    EXPECT_EQ(v.wpn[0].type, 8);                    // the aircraft's own missile, not the bomb
    EXPECT_EQ(v.wpn[0].free_flyer, 1);
    EXPECT_EQ(v.wpn[1].type, 0);
    EXPECT_EQ(v.wpn[2].type, 3);
    EXPECT_EQ(v.wpn[2].free_flyer, 0);
    for (const ww_alert_record& a : g_test_alerts) EXPECT_EQ(a.lines[0].find("weapon"), std::string::npos) << a.lines[0];

    ASSERT_EQ(IO_wpn(0, 0, 24, "", wpn_path + "Pod.wpn", 1), 1);
    v.wpn[24].bul_rounds = 123;
    ASSERT_EQ(IO_wpn(1, 0, 24, "", wpn_path + "Pod.wpn", 1), 1);
    EXPECT_EQ(v.wpn[2].bul_rounds, 123);
    EXPECT_EQ(v.wpn[3].bul_rounds, 123);
    EXPECT_EQ(v.wpn[0].type, 8);                    // other weapons are left alone
}

TEST_F(Weapons, AttachmentFollowsItsControlAndRemovingKeepsTheAttitude)
{
    ww_full_acf(0);
    veh_struct& v = veh[0];
    WPN_make_sample(0, 6, WPN_SAMPLE_BOMB);
    v.the_wpn_att[6] = 2;
    flt[0].flap_def[8] = 25;
    flt[0].elev_def[16] = 10;
    const struct { int prt, con; float the; } rows[] = {
        {0, 0, 2}, {0, 1, 27}, {8, 5, -8}, {99, 1, 2 + flt[0].flap_def[19]}, {-5, 1, 27}, {0, 40, 2},
    };
    for (const auto& r : rows) {
        v.wpn_att_prt[6] = r.prt, v.wpn_att_con[6] = r.con;
        attach_weapon(0, 6);
        EXPECT_NEAR(v.wpn[6].the_acf, r.the, 1e-3) << r.prt << " " << r.con;
    }
    WPN_remove(6);
    EXPECT_EQ(v.wpn[6].type, 0);
    EXPECT_EQ(v.wpn_name[6][0], 0);
    EXPECT_EQ(v.the_wpn_att[6], 2);
    EXPECT_EQ(v.wpn_att_con[6], 40);
}

TEST_F(Weapons, FinMirrorAndChosenFileNames)
{
    wpn_struct& w = veh[0].wpn[24];
    for (auto [d, mirror] : {std::pair{90.3f, -90.3f}, {45.0f, 45.0f}, {89.5f, -89.5f}, {89.4f, 89.4f}, {-90.0f, -90.0f}}) {
        w.mis_fin_dihed[1][0] = d;
        WPN_mirror_fin(w, 1);
        EXPECT_FLOAT_EQ(w.mis_fin_dihed[1][1], mirror) << d;
    }
    STR_put(veh[0].path, acf_path + "Jet:Jet.acf");
    EXPECT_EQ(WPN_name_of_path(wpn_path + "sub:a.wpn"), "sub:a.wpn");
    EXPECT_EQ(WPN_name_of_path(acf_path + "Jet:weapons:b.wpn"), "b.wpn");
    EXPECT_EQ(WPN_name_of_path(acf_path + "c.wpn"), "");
    EXPECT_EQ(WPN_attach(7, acf_path + "c.wpn"), 0);
    EXPECT_EQ(g_test_alerts.size(), 1u);
}

}  // namespace
