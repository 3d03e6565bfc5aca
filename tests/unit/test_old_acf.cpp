// Aircraft files of the previous generation: each version in both byte orders converts field by
// field as the conversion rules say, a converted aircraft saves and reopens as itself, damaged
// files are refused or converted within bounds, and the batch converts a mixed folder.
#include <gtest/gtest.h>
#include "model/OLD_IO_acf.h"
#include "model/IO_ACF.h"
#include "editor/PLN_MAIN.h"
#include "shell/Hl_MNW.h"
#include "base/records.h"
#include "base/IO_UTILS.h"
#include "base/hl_string.h"
#include "tests/support/old_acf_file.h"
#include "tests/support/ww_test.h"
#include <cmath>
#include <map>
#include <set>

namespace {

struct field_at { int off, bytes, count; bool is_char; };
using layout = std::map<std::string, field_at>;
#define LAYOUT_ROW(field, off, type, count) m[#field] = {(off), (int)sizeof(type), (count), std::is_same_v<type, char>};
const layout& old_layout() { static layout m = [] { layout m; OLD_PLANESTRUCT_LAYOUT(LAYOUT_ROW) return m; }(); return m; }
const layout& new_layout() { static layout m = [] { layout m; VEH_STRUCT_LAYOUT(LAYOUT_ROW) return m; }(); return m; }
#undef LAYOUT_ROW

// The old field carried into the new one: per part through the part map when both are per part,
// otherwise from element `at` on, as far as the shorter of the two reaches.
void expect_carried(const OLD_planestruct& o, const std::string& from, const std::string& to, int at = 0)
{
    const field_at f = old_layout().at(from), t = new_layout().at(to);
    const auto* ob = reinterpret_cast<const unsigned char*>(&o) + f.off;
    const auto* nb = reinterpret_cast<const unsigned char*>(&veh[0]) + t.off;
    if (f.count % 57 == 0 && t.count % 73 == 0 && f.count / 57 == t.count / 73) {
        const int n = f.bytes * f.count / 57;
        for (int op = 0; op < 57; op++)
            EXPECT_EQ(memcmp(ob + op * n, nb + new_en(op) * n, n), 0) << from << " part " << op;
    } else {
        EXPECT_EQ(memcmp(ob, nb + at * t.bytes, f.bytes * std::min(f.count, t.count - at)), 0) << from << " -> " << to;
    }
}

const struct { const char *from, *to; int at; } kRenamed[] = {
    {"asi_kts", "asi_is_kts", 0}, {"peX", "pe_xyz", 0}, {"peY", "pe_xyz", 1}, {"peZ", "pe_xyz", 2},
    {"lanlite1X", "lanlite1_xyz", 0}, {"lanlite1Y", "lanlite1_xyz", 1}, {"lanlite1Z", "lanlite1_xyz", 2},
    {"lanlite2X", "lanlite2_xyz", 0}, {"lanlite2Y", "lanlite2_xyz", 1}, {"lanlite2Z", "lanlite2_xyz", 2},
    {"has_lanlite3", "has_taxilite", 0}, {"lanlite3X", "lanlite3_xyz", 0}, {"lanlite3Y", "lanlite3_xyz", 1},
    {"lanlite3Z", "lanlite3_xyz", 2}, {"fuserb1X", "fuserb1_xyz", 0}, {"fuserb1Y", "fuserb1_xyz", 1},
    {"fuserb1Z", "fuserb1_xyz", 2}, {"fuserb2X", "fuserb2_xyz", 0}, {"fuserb2Y", "fuserb2_xyz", 1},
    {"fuserb2Z", "fuserb2_xyz", 2}, {"tailliteX", "taillite_xyz", 0}, {"tailliteY", "taillite_xyz", 1},
    {"tailliteZ", "taillite_xyz", 2}, {"refuel_X", "refuel_xyz", 0}, {"refuel_Y", "refuel_xyz", 1},
    {"refuel_Z", "refuel_xyz", 2}, {"puffL", "puff_LMN", 0}, {"puffM", "puff_LMN", 1}, {"puffN", "puff_LMN", 2},
    {"puffX", "puff_xyz", 0}, {"puffY", "puff_xyz", 1}, {"puffZ", "puff_xyz", 2}, {"HUD_ctr_y", "HUD_ctr_y", 0},
    {"auto_featherEQ", "auto_feather_EQ", 0}, {"pmax", "power_max", 0}, {"tmax", "thrust_max", 0},
    {"burnerinc", "burner_inc", 0}, {"critalt", "crit_alt_prop", 0}, {"mpmax", "MP_max", 0},
    {"spooltime_jet", "throt_time_jet", 0}, {"spooltime_prop", "throt_time_prop", 0}, {"fmax_sl", "rock_max_sl", 0},
    {"fmax_opt", "rock_max_opt", 0}, {"fmax_vac", "rock_max_vac", 0}, {"h_opt", "rock_h_opt", 0},
    {"revthrust_eq", "rev_thrust_EQ", 0}, {"sidecant", "side_cant_init", 0}, {"vertcant", "vert_cant_init", 0},
    {"varsweepEQ", "varsweep", 0}, {"vardihedEQ", "vardihed", 0}, {"anginc", "incidence", 0},
    {"gear_tirrad", "tire_radius", 0}, {"inc_ail", "inc_ail1", 0}, {"inc_vec", "inc_vect", 0},
    {"ail1_crat", "ail1_cratR", 0}, {"ail1_crat", "ail1_cratT", 0}, {"ail2_crat", "ail2_cratR", 0},
    {"ail2_crat", "ail2_cratT", 0}, {"elev_crat", "elev_cratR", 0}, {"elev_crat", "elev_cratT", 0},
    {"rudd_crat", "rudd_cratR", 0}, {"rudd_crat", "rudd_cratT", 0}, {"splr_crat", "spo1_cratR", 0},
    {"splr_crat", "spo1_cratT", 0}, {"yawb_crat", "yawb_cratR", 0}, {"yawb_crat", "yawb_cratT", 0},
    {"sbrk_crat", "sbrk_cratR", 0}, {"sbrk_crat", "sbrk_cratT", 0}, {"flap_crat", "flap_cratR", 0},
    {"flap_crat", "flap_cratT", 0}, {"nw_cutoff_speed", "nw_cutoff_omega", 0}, {"nosewheel_k", "nw_side_k", 0},
    {"ail1pitch", "ail1_pitch", 0}, {"ail1flaps", "ail1_flaps", 0}, {"ail2pitch", "ail2_pitch", 0},
    {"ail2flaps", "ail2_flaps", 0}, {"ail2vmax", "ail2_vmax", 0}, {"stabroll", "stab_roll", 0},
    {"stabhdng", "stab_hdng", 0}, {"elevflaps", "elev_with_flap_rat", 0}, {"diff_thro_with_hdng", "diff_thro_hdng", 0},
    {"cyclic_elev", "cyclic_def_elev", 0}, {"cyclic_ailn", "cyclic_def_ailn", 0}, {"AShiV", "AShiV_old_all", 0},
    {"ASloV", "ASloV_old_all", 0}, {"has_clutch", "has_clutchswitch", 0}, {"drive_by_wire", "drive_by_wire_EQ", 0},
    {"has_beta", "beta_prop_EQ", 0}, {"gear_cyc_time", "gear_cyctim", 67},
};
// Names both records have whose value a rule sets (checked on their own below), or that are not
// carried over and must stay empty.
const std::set<std::string> kByRule = {"is_APL", "num_engines", "num_thrustpoints", "prop_type", "num_tanks", "tank_rat",
                                       "stall_warn_aoa", "lan_lite_the_ref", "vectarmY", "vectarmZ", "gear_steers"};
const std::set<std::string> kDropped = {"size_x", "size_z", "has_SC_fd", "has_stallwarn", "gear_xnodef", "gear_ynodef",
                                        "gear_znodef", "prop_mass", "discarea", "in_downwash", "flapEQ", "slatEQ",
                                        "sbrkEQ", "has_radar", "props_linked", "xchr_overflow", "xint_overflow",
                                        "vardihedEQ", "varsweepEQ"};

class OldAcf : public ::testing::Test {
protected:
    void SetUp() override
    {
        MACIBM_zero_records();
        ww_catch_alerts();
        MACIBM_build_paths(ww_temp_dir("old-acf").c_str());
        MACIBM_fill_constants();
        dir = acf_path + "old:";
        IO_make_folders(dir + "x");
    }
    // A propeller twin with a jet as second engine, two tanks, a vectoring-free tail.
    static OLD_planestruct plain(void)
    {
        OLD_planestruct o;
        old_acf_fill(o);
        o.ac_type = 0, o.num_engines = 2, o.cockpit_type = 5, o.HUD_type = 2, o.vect_EQ = 0, o.num_tanks = 2;
        const int engn[8] = {0, 4, 0, 0, 0, 0, 0, 0}, prop[8] = {12, 1, 2, 3, 4, 5, 6, 7};
        memcpy(o.engn_type, engn, sizeof engn);
        memcpy(o.prop_type, prop, sizeof prop);
        o.tank_rat[0] = 0.25f, o.tank_rat[1] = 0.75f;
        o.phase_tvect_out_at_90 = 0, o.phase_tvect_out_at_00 = 1, o.hstab_type = 1, o.vstab_type = 0;
        memset(o.gear_steers, 0, sizeof o.gear_steers);
        return o;
    }
    int read(const std::string& bytes, int p = 0)
    {
        ww_write_bytes(IO_host_path(dir + "plane.acf"), bytes);
        snprintf(veh[p].path, sizeof veh[p].path, "%s", (dir + "plane.acf").c_str());
        return IO_acf(0, p, 0);
    }
    int convert(const OLD_planestruct& o, int version = 626)
    {
        const std::string f = old_acf_file(o, version, false);
        return OLD_IO_acf_image(0, reinterpret_cast<const unsigned char*>(f.data()), (long)f.size(), "x");
    }
    std::string dir;
};

}  // namespace

TEST_F(OldAcf, EveryVersionInEitherByteOrderConvertsFieldByField)
{
    for (int version : {600, 626})
        for (bool big : {false, true}) {
            SCOPED_TRACE(std::to_string(version) + (big ? " big-endian" : " little-endian"));
            OLD_planestruct o = plain();
            ASSERT_EQ(read(old_acf_file(o, version, big)), 1);
            if (version == 600) memset(reinterpret_cast<char*>(&o) + OLD_IMAGE_BYTES_600, 0, sizeof o - OLD_IMAGE_BYTES_600);
            const veh_struct& v = veh[0];
            for (const auto& [name, f] : old_layout()) {
                auto t = new_layout().find(name);
                if (t == new_layout().end() || kByRule.count(name) || t->second.is_char != f.is_char) continue;
                if (!kDropped.count(name)) expect_carried(o, name, name);
                else
                    for (int b = 0; b < t->second.bytes * t->second.count; b++)
                        ASSERT_EQ(reinterpret_cast<const char*>(&v)[t->second.off + b], 0) << name;
            }
            for (const auto& r : kRenamed) expect_carried(o, r.from, r.to, r.at);
            for (int op = 0; op < 57; op++) EXPECT_EQ(v.tire_swidth[new_en(op)], 0.35f * o.gear_tirrad[op]);
            for (int part : {20, 27, 47, 52, 66, 72}) EXPECT_EQ(v.part_eq[part], 0) << part;
            for (int part = 20; part <= 27; part++) EXPECT_STREQ(v.Tafl1[part], "NACA 0009 (symmetrical).afl");
            for (int i = 1; i <= 7; i++) EXPECT_EQ(v.HUD_ctr_y[i], 555.0f);
            for (int i = 200; i < 300; i++) ASSERT_EQ(v.ins_type[i], -1);
            EXPECT_EQ(v.has_HOOPS_HUD, 1);
            EXPECT_EQ(v.vectarmZ, -o.vectarmZ);
            EXPECT_EQ(v.vectarmY, -o.vectarmY);
            EXPECT_EQ(v.phase_roll_tvect_in_at_90 + v.phase_hdng_tvect_in_at_00, 1 + 0);
            EXPECT_EQ(v.num_engines + 10 * v.num_thrustpoints + 100 * v.props_linked + 1000 * v.prop_clutch_EQ[0], 22);
            EXPECT_EQ(v.prop_type[0] * 100 + v.prop_type[1] * 10 + v.prop_type[2], 892);   // limited, jet, as stored
            EXPECT_EQ(v.num_tanks, 2);
            EXPECT_EQ(v.tank_rat[1], 0.75f);
            EXPECT_EQ(v.tank_Y[1], o.tank_xyz12[1][1]);
            EXPECT_EQ(v.tank_Z[2], o.tank_xyz3[2]);
            EXPECT_EQ(v.prop_gear_rat[7], o.gear_rat);
            EXPECT_EQ(v.inc_trim[17][9] + v.inc_elev[16][0] + v.inc_rudd[19][5], 2);
            EXPECT_EQ(v.lan_lite_the_ref, -o.the_eqlbm - 4.0f);
            EXPECT_EQ(v.stall_warn_aoa + v.vect_rate + v.lan_lite_width + v.lan_lite_power + v.idle_rat[1], 10 + 15 + 20 + 1 + 1);
            EXPECT_EQ(v.jett_is_water + v.starter_rat + v.battery_rat, 3);
        }
}

TEST_F(OldAcf, Version700KeepsTheFirst200InstrumentsAndTheRestOfTheRecord)
{
    static veh_struct want;
    old_acf_fill(want);
    want.has_HOOPS_HUD = 2;
    int32_t panel[6][200];
    for (int a = 0; a < 6; a++)
        for (int i = 0; i < 200; i++) panel[a][i] = a * 1000 + i;
    panel[0][7] = 199, panel[0][8] = 205, panel[0][9] = 206;
    for (bool big : {false, true}) {
        ASSERT_EQ(read(old_acf_file_700(want, panel, big)), 1);
        const veh_struct& v = veh[0];
        EXPECT_EQ(v.has_HOOPS_HUD, 1);
        for (int i = 0; i < 300; i++) {
            const int t = i < 200 ? (panel[0][i] >= 193 && panel[0][i] <= 205 ? 193 : panel[0][i]) : -1;
            ASSERT_EQ(v.ins_type[i], t) << i;
            const int32_t rest[3] = {i < 200 ? panel[1][i] : 0, i < 200 ? panel[2][i] : 0, i < 200 ? panel[3][i] : 0};
            ASSERT_EQ(memcmp(&v.ins_size[i], &rest[0], 4) + memcmp(&v.ins_x[i], &rest[1], 4) + memcmp(&v.ins_y[i], &rest[2], 4), 0) << i;
        }
        // Everything past the panel is the file's, but for the steering gear (all six gear steer,
        // the last one is the steering gear, fully down).
        EXPECT_EQ(v.steer_gear, 72);
        EXPECT_EQ(v.gear_deploy[70], 1.0f);
        EXPECT_EQ(v.gear_latN[68], want.gear_latE[68]);
        const size_t from = offsetof(veh_struct, cus_rnd_use), to = offsetof(veh_struct, gear_type);
        EXPECT_EQ(memcmp(reinterpret_cast<const char*>(&v) + from, reinterpret_cast<const char*>(&want) + from, to - from), 0);
        EXPECT_STREQ(v.wpn_name[23], want.wpn_name[23]);
    }
}

TEST_F(OldAcf, RulesForClassesTanksPanelsAndGear)
{
    OLD_planestruct o = plain();
    o.cockpit_type = 9, o.num_tanks = 0, o.Vle_kts = 0, o.roll_co = 0, o.brake_co = 0;
    ASSERT_EQ(convert(o), 1);
    EXPECT_EQ(veh[0].cockpit_type * 100 + veh[0].draw_geo_frnt_views * 10 + veh[0].draw_geo_side_views, 111);
    EXPECT_EQ(veh[0].num_tanks, 1);
    EXPECT_EQ(veh[0].tank_rat[0], 1.0f);
    EXPECT_EQ(veh[0].tank_Z[0], o.cgZ);
    EXPECT_EQ(veh[0].Vle_kts + veh[0].roll_co + veh[0].brake_co, 999.0f + 0.025f + 0.75f);

    // A helicopter twin (class 1) with a rotor prop: two linked thrust points with clutches, the
    // tail rotor geared down, rotor speed on the panel instead of propeller speed, tip jets.
    o = plain();
    o.ac_type = 1, o.num_engines = 2, o.num_tanks = 3, o.tank_rat[0] = o.tank_rat[1] = o.tank_rat[2] = 0.3f;
    o.engn_type[0] = 0, o.engn_type[1] = 8, o.prop_type[0] = 3, o.prop_type[1] = 5, o.gear_rat = 6, o.tail_or_main_omegarat = 2;
    o.ins_type[3] = 48, o.ins_type[9] = 48;
    ASSERT_EQ(convert(o), 1);
    const veh_struct& v = veh[0];
    EXPECT_EQ(v.num_thrustpoints * 10 + v.num_engines, 21);
    EXPECT_EQ(v.props_linked + v.prop_clutch_EQ[0] + v.prop_clutch_EQ[7], 3);
    EXPECT_EQ(v.prop_gear_rat[0] * 10 + v.prop_gear_rat[1], 63);   // the tail rotor, a tip jet now
    EXPECT_EQ(v.prop_type[1], 6);
    EXPECT_EQ(v.ins_type[3] * 100 + v.ins_type[9], 4860);
    EXPECT_FLOAT_EQ(v.tank_rat[2], 1.0f / 3.0f);

    // Steering: the last present gear marked as steering; with none marked, wheels ahead of the
    // centre of gravity (not skids).
    o = plain();
    o.gear_steers[52] = o.gear_steers[53] = 1;      // parts 67 and 68
    ASSERT_EQ(convert(o), 1);
    EXPECT_EQ(v.steer_gear, 68);
    EXPECT_EQ(v.gear_axiN[68], o.gear_axiE[53]);
    o = plain();
    o.cgZ = 0, o.gear_type[52] = 2, o.gear_type[53] = 1;
    o.Zarm[52] = o.Zarm[53] = o.Zarm[54] = -5, o.Zarm[55] = 5, o.part_eq[56] = 0;
    for (int g = 52; g <= 55; g++) o.gear_leglen[g] = 0;
    ASSERT_EQ(convert(o), 1);
    EXPECT_EQ(std::vector<int>(v.gear_steers + 67, v.gear_steers + 73), (std::vector<int>{1, 0, 1, 0, 0, 0}));
}

TEST_F(OldAcf, ASavedConversionReopensAsItselfAndNothingCarriesOverBetweenFiles)
{
    ASSERT_EQ(read(old_acf_file(plain(), 626, true)), 1);
    ASSERT_EQ(IO_acf(1, 0, 0), 1);
    const std::string image(reinterpret_cast<const char*>(&veh[0]), ACF_IMAGE_BYTES);
    ASSERT_EQ(read(ww_read_bytes(IO_host_path(dir + "plane.acf"))), 1);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&veh[0]), ACF_IMAGE_BYTES), image);
    ASSERT_EQ(read(old_acf_file(plain(), 600, false)), 1);
    EXPECT_EQ(veh[0].wpn_name[0][0] + veh[0].cus_rnd_use[49] + veh[0].tow_hook_Y, 0);
}

TEST_F(OldAcf, DamagedFilesAreRefusedOrConvertedWithinBounds)
{
    OLD_planestruct o;
    memset(&o, 0xFF, sizeof o);                       // every number -1 or not a number
    o.is_APL = 0;
    const std::string good = old_acf_file(plain(), 626, false), nan = old_acf_file(o, 626, false);
    for (const std::string& file : {good, nan})
        for (size_t n = 0; n <= file.size(); n += n < 64 ? 1 : 4093) {
            g_test_alerts.clear();
            const int ok = OLD_IO_acf_image(0, reinterpret_cast<const unsigned char*>(file.data()), (long)n, "x");
            ASSERT_EQ(ok, n >= 5) << n;
            ASSERT_EQ(g_test_alerts.size(), n >= 5 && n < file.size() ? 1u : 0u) << n;
            if (!ok) continue;
            const veh_struct& v = veh[0];
            ASSERT_TRUE(v.num_engines >= 0 && v.num_engines <= 8 && v.num_thrustpoints >= 0 && v.num_thrustpoints <= 8);
            ASSERT_TRUE(v.num_tanks >= 1 && v.num_tanks <= 3 && std::isfinite(v.tank_rat[0])) << n;
        }
    // The wrong byte-order mark turns the version into another number: not an older file.
    std::string turned = good;
    turned[0] = 'a';
    EXPECT_EQ(OLD_IO_acf_image(0, reinterpret_cast<const unsigned char*>(turned.data()), (long)turned.size(), "x"), 0);
}

TEST_F(OldAcf, TheBatchConvertsTheGoodFilesAndLeavesTheDamagedOnes)
{
    MACIBM_open_logs();
    const std::string planes = acf_path + "Mixed:";
    IO_make_folders(planes + "x");
    veh_struct* cur = new veh_struct();
    old_acf_fill(*cur);
    int32_t panel[6][200] = {};
    const std::string bad626 = old_acf_file(plain(), 626, false);
    std::string mark = bad626;
    mark[0] = 'x';
    const std::map<std::string, std::string> files = {
        {"a600.acf", old_acf_file(plain(), 600, true)},       {"b626.acf", bad626},
        {"c700.acf", old_acf_file_700(*cur, panel, false)},   {"short.acf", bad626.substr(0, 400000)},
        {"mark.acf", mark},
    };
    delete cur;
    for (const auto& [name, bytes] : files) ww_write_bytes(IO_host_path(planes + name), bytes);
    memset(&veh[0], 0, sizeof veh[0]);
    ASSERT_EQ(IO_acf_write_to(0, planes + "d740.acf"), 1);   // a current file among them
    batch_update();
    for (const auto& [name, bytes] : files) {
        const std::string now = ww_read_bytes(IO_host_path(planes + name));
        if (name == "short.acf" || name == "mark.acf") EXPECT_EQ(now, bytes) << name;
        else EXPECT_EQ(now.substr(0, 5), old_acf_header(740, false)) << name;
    }
    STR_put(veh[1].path, planes + "a600.acf");
    ASSERT_EQ(IO_acf(0, 1, 0), 1);
    EXPECT_STREQ(veh[1].descrip, plain().descrip);
    EXPECT_EQ(veh[1].vectarmZ, -plain().vectarmZ);
    fflush(xer);
    const std::string log = ww_read_bytes(IO_host_path(app_path + "Error.out"));
    EXPECT_NE(log.find("Batch re-save: 4 re-saved, 2 unreadable, 0 failed to save"), std::string::npos) << log;
}
