// Aircraft files of the previous generation: each version in both byte orders converts field by
// field as the conversion rules say, a converted aircraft saves and reopens as itself, damaged
// files are refused or converted within bounds, and the batch converts a mixed folder.
#include <gtest/gtest.h>
#include "model/OLD_IO_acf.h"
#include "model/IO_ACF.h"
#include "editor/PLN_MAIN.h"
#include "shell/Hl_MNW.h"
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

// Where old part op went: parts 20..36 moved up by 8, 37..44 by 16, 47..51 by 14, 52..56 by 15.
int part_of(int op) { return op + (op < 20 ? 0 : op < 37 ? 8 : op < 45 ? 16 : op < 47 ? 0 : op < 52 ? 14 : 15); }

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
            EXPECT_EQ(memcmp(ob + op * n, nb + part_of(op) * n, n), 0) << from << " part " << op;
    } else {
        EXPECT_EQ(memcmp(ob, nb + at * t.bytes, f.bytes * std::min(f.count, t.count - at)), 0) << from << " -> " << to;
    }
}

// Renamed fields (old, new); coordinates split into arrays: X, Y and Z into elements 0, 1 and 2.
const std::pair<const char*, const char*> kRenamed[] = {
    {"asi_kts", "asi_is_kts"}, {"has_lanlite3", "has_taxilite"}, {"HUD_ctr_y", "HUD_ctr_y"}, {"pmax", "power_max"},
    {"auto_featherEQ", "auto_feather_EQ"}, {"tmax", "thrust_max"}, {"burnerinc", "burner_inc"}, {"mpmax", "MP_max"},
    {"critalt", "crit_alt_prop"}, {"spooltime_jet", "throt_time_jet"}, {"spooltime_prop", "throt_time_prop"},
    {"fmax_sl", "rock_max_sl"}, {"fmax_opt", "rock_max_opt"}, {"fmax_vac", "rock_max_vac"}, {"h_opt", "rock_h_opt"},
    {"revthrust_eq", "rev_thrust_EQ"}, {"sidecant", "side_cant_init"}, {"vertcant", "vert_cant_init"},
    {"varsweepEQ", "varsweep"}, {"vardihedEQ", "vardihed"}, {"anginc", "incidence"}, {"gear_tirrad", "tire_radius"},
    {"inc_ail", "inc_ail1"}, {"inc_vec", "inc_vect"}, {"nw_cutoff_speed", "nw_cutoff_omega"}, {"nosewheel_k", "nw_side_k"},
    {"ail1pitch", "ail1_pitch"}, {"ail1flaps", "ail1_flaps"}, {"ail2pitch", "ail2_pitch"}, {"ail2flaps", "ail2_flaps"},
    {"ail2vmax", "ail2_vmax"}, {"stabroll", "stab_roll"}, {"stabhdng", "stab_hdng"}, {"elevflaps", "elev_with_flap_rat"},
    {"diff_thro_with_hdng", "diff_thro_hdng"}, {"cyclic_elev", "cyclic_def_elev"}, {"cyclic_ailn", "cyclic_def_ailn"},
    {"AShiV", "AShiV_old_all"}, {"ASloV", "ASloV_old_all"}, {"has_clutch", "has_clutchswitch"},
    {"drive_by_wire", "drive_by_wire_EQ"}, {"has_beta", "beta_prop_EQ"},
};
const std::pair<const char*, const char*> kSplit[] = {
    {"pe", "pe_xyz"}, {"lanlite1", "lanlite1_xyz"}, {"lanlite2", "lanlite2_xyz"}, {"lanlite3", "lanlite3_xyz"},
    {"fuserb1", "fuserb1_xyz"}, {"fuserb2", "fuserb2_xyz"}, {"taillite", "taillite_xyz"}, {"refuel_", "refuel_xyz"},
    {"puff", "puff_xyz"},
};
// One chord ratio became a root and a tip ratio.
const std::pair<const char*, const char*> kChord[] = {{"ail1_crat", "ail1"}, {"ail2_crat", "ail2"}, {"elev_crat", "elev"},
    {"rudd_crat", "rudd"}, {"splr_crat", "spo1"}, {"yawb_crat", "yawb"}, {"sbrk_crat", "sbrk"}, {"flap_crat", "flap"}};
// Names both records have whose value a rule sets (checked on their own), or that are not carried
// over and must stay empty.
const std::set<std::string> kByRule = {"is_APL", "num_engines", "num_thrustpoints", "prop_type", "num_tanks",
    "tank_rat", "stall_warn_aoa", "lan_lite_the_ref", "vectarmY", "vectarmZ", "gear_steers"};
const std::set<std::string> kDropped = {"size_x", "size_z", "has_SC_fd", "has_stallwarn", "gear_xnodef", "gear_ynodef",
    "gear_znodef", "prop_mass", "discarea", "in_downwash", "flapEQ", "slatEQ", "sbrkEQ", "has_radar", "props_linked",
    "xchr_overflow", "xint_overflow", "vardihedEQ", "varsweepEQ"};

const unsigned char* bytes_of(const std::string& s) { return reinterpret_cast<const unsigned char*>(s.data()); }

class OldAcf : public ::testing::Test {
protected:
    void SetUp() override
    {
        MACIBM_zero_records(), ww_catch_alerts(), MACIBM_fill_constants();
        MACIBM_build_paths(ww_temp_dir("old-acf").c_str());
        IO_make_folders(dir() + "x");
    }
    static std::string dir(void) { return acf_path + "old:"; }
    // A propeller engine and a jet, two tanks, no vectoring, no steering gear marked.
    static OLD_planestruct plain(void)
    {
        OLD_planestruct o;
        old_acf_fill(o);
        o.ac_type = 0, o.num_engines = 2, o.cockpit_type = 5, o.HUD_type = 2, o.vect_EQ = 0, o.num_tanks = 2;
        const int engn[8] = {0, 4}, prop[8] = {12, 1, 2, 3, 4, 5, 6, 7};
        memcpy(o.engn_type, engn, sizeof engn);
        memcpy(o.prop_type, prop, sizeof prop);
        o.tank_rat[0] = 0.25f, o.tank_rat[1] = 0.75f;
        o.phase_tvect_out_at_90 = 0, o.phase_tvect_out_at_00 = 1, o.hstab_type = 1, o.vstab_type = 0;
        memset(o.gear_steers, 0, sizeof o.gear_steers);
        return o;
    }
    // Through the aircraft reader, as the editor opens a file.
    static int read(const std::string& file, int p = 0)
    {
        ww_write_bytes(IO_host_path(dir() + "plane.acf"), file);
        STR_put(veh[p].path, dir() + "plane.acf");
        return IO_acf(0, p, 0);
    }
    static int convert(const OLD_planestruct& o)
    {
        const std::string f = old_acf_file(o, 626, false);
        return OLD_IO_acf_image(0, bytes_of(f), (long)f.size(), "x");
    }
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
            for (const auto& [name, f] : old_layout()) {   // the fields that kept their name
                auto t = new_layout().find(name);
                if (t == new_layout().end() || kByRule.count(name) || t->second.is_char != f.is_char) continue;
                if (!kDropped.count(name)) expect_carried(o, name, name);
                for (int b = 0; kDropped.count(name) && b < t->second.bytes * t->second.count; b++)
                    ASSERT_EQ(reinterpret_cast<const char*>(&v)[t->second.off + b], 0) << name;
            }
            for (const auto& [from, to] : kRenamed) expect_carried(o, from, to);
            for (const auto& [from, to] : kSplit)
                for (int i = 0; i < 3; i++) expect_carried(o, std::string(from) + "XYZ"[i], to, i);
            for (const auto& [from, to] : kChord)
                for (const char* end : {"_cratR", "_cratT"}) expect_carried(o, from, std::string(to) + end);
            for (int i = 0; i < 3; i++) expect_carried(o, std::string("puff") + "LMN"[i], "puff_LMN", i);
            expect_carried(o, "gear_cyc_time", "gear_cyctim", 67);
            for (int op = 0; op < 57; op++) EXPECT_EQ(v.tire_swidth[part_of(op)], 0.35f * o.gear_tirrad[op]);
            for (int part : {20, 27, 47, 52, 66, 72}) EXPECT_EQ(v.part_eq[part], 0) << part;
            for (int part = 20; part <= 27; part++) EXPECT_STREQ(v.Tafl1[part], "NACA 0009 (symmetrical).afl");
            for (int i = 1; i <= 7; i++) EXPECT_EQ(v.HUD_ctr_y[i], 555.0f);
            for (int i = 200; i < 300; i++) ASSERT_EQ(v.ins_type[i], -1);
            EXPECT_EQ(v.vectarmZ + v.vectarmY, -o.vectarmZ - o.vectarmY);
            EXPECT_EQ(v.has_HOOPS_HUD * 10 + v.phase_roll_tvect_in_at_90 * 2 + v.phase_hdng_tvect_in_at_00, 12);
            EXPECT_EQ(v.num_engines + 10 * v.num_thrustpoints + 100 * v.props_linked + 1000 * v.prop_clutch_EQ[0], 22);
            EXPECT_EQ(v.prop_type[0] * 100 + v.prop_type[1] * 10 + v.prop_type[2], 892);   // limited, jet, kept
            EXPECT_EQ(v.num_tanks + v.tank_rat[1], 2.75f);
            EXPECT_EQ(v.tank_Y[1] + v.tank_Z[2], o.tank_xyz12[1][1] + o.tank_xyz3[2]);
            EXPECT_EQ(v.prop_gear_rat[7] + v.inc_trim[17][9] + v.inc_elev[16][0] + v.inc_rudd[19][5], o.gear_rat + 2);
            EXPECT_EQ(v.lan_lite_the_ref, -o.the_eqlbm - 4.0f);
            EXPECT_EQ(v.stall_warn_aoa + v.vect_rate + v.lan_lite_width + v.lan_lite_power + v.idle_rat[1] +
                          v.jett_is_water + v.starter_rat + v.battery_rat, 50);
        }
}

TEST_F(OldAcf, Version700KeepsTheFirst200InstrumentsAndTheRestOfTheRecord)
{
    static veh_struct want;
    old_acf_fill(want);
    want.has_HOOPS_HUD = 2;
    int32_t panel[6][200];
    for (int a = 0; a < 6; a++)
        for (int i = 0; i < 200; i++) panel[a][i] = a * 1000 + i;   // types 193..205 become 193
    for (bool big : {false, true}) {
        ASSERT_EQ(read(old_acf_file_700(want, panel, big)), 1);
        const veh_struct& v = veh[0];
        for (int i = 0; i < 300; i++) {
            const int32_t t = i >= 200 ? -1 : i >= 193 && i <= 205 ? 193 : i, z = 0;
            const int32_t* w[3] = {i < 200 ? &panel[1][i] : &z, i < 200 ? &panel[2][i] : &z, i < 200 ? &panel[3][i] : &z};
            ASSERT_EQ(v.ins_type[i], t) << i;
            ASSERT_EQ(memcmp(&v.ins_size[i], w[0], 4) + memcmp(&v.ins_x[i], w[1], 4) + memcmp(&v.ins_y[i], w[2], 4), 0) << i;
        }
        // Every gear is marked as steering: the last is the steering gear, each steers fully down.
        EXPECT_EQ(v.has_HOOPS_HUD * 100 + v.steer_gear, 172);
        EXPECT_EQ(v.gear_deploy[70] + v.gear_latN[68], 1.0f + want.gear_latE[68]);
        const size_t from = offsetof(veh_struct, cus_rnd_use), to = offsetof(veh_struct, gear_type);
        EXPECT_EQ(memcmp(reinterpret_cast<const char*>(&v) + from, reinterpret_cast<const char*>(&want) + from, to - from), 0);
        EXPECT_STREQ(v.wpn_name[23], want.wpn_name[23]);
    }
}

TEST_F(OldAcf, RulesForClassesTanksPanelsAndGear)
{
    const veh_struct& v = veh[0];
    OLD_planestruct o = plain();
    o.cockpit_type = 9, o.num_tanks = 0, o.Vle_kts = 0, o.roll_co = 0, o.brake_co = 0;
    ASSERT_EQ(convert(o), 1);
    EXPECT_EQ(v.cockpit_type * 100 + v.draw_geo_frnt_views * 10 + v.draw_geo_side_views, 111);
    EXPECT_EQ(v.num_tanks + v.tank_rat[0] + v.tank_Z[0], 2.0f + o.cgZ);
    EXPECT_EQ(v.Vle_kts + v.roll_co + v.brake_co, 999.0f + 0.025f + 0.75f);

    // A helicopter twin (class 1) with a rotor prop: two linked thrust points with clutches, the
    // tail rotor geared down, rotor speed on the panel instead of propeller speed, a tip jet.
    o = plain();
    o.ac_type = 1, o.num_tanks = 3, o.tank_rat[0] = o.tank_rat[1] = o.tank_rat[2] = 0.3f;
    o.engn_type[1] = 8, o.prop_type[0] = 3, o.prop_type[1] = 5, o.gear_rat = 6, o.tail_or_main_omegarat = 2;
    o.ins_type[3] = o.ins_type[9] = 48;
    ASSERT_EQ(convert(o), 1);
    EXPECT_EQ(v.num_thrustpoints * 10 + v.num_engines + v.props_linked + v.prop_clutch_EQ[0] + v.prop_clutch_EQ[7], 24);
    EXPECT_EQ(v.prop_gear_rat[0] * 100 + v.prop_gear_rat[1] * 10 + v.prop_type[1], 636);
    EXPECT_EQ(v.ins_type[3] * 100 + v.ins_type[9], 4860);
    EXPECT_FLOAT_EQ(v.tank_rat[2], 1.0f / 3.0f);

    // The last present gear marked as steering steers; with none marked, the wheels (not skids)
    // ahead of the centre of gravity. Old parts 52..56 are gear 67..71.
    o = plain();
    o.gear_steers[52] = o.gear_steers[53] = 1;
    ASSERT_EQ(convert(o), 1);
    EXPECT_EQ(v.steer_gear + v.gear_axiN[68], 68 + o.gear_axiE[53]);
    o = plain();
    o.cgZ = 0, o.gear_type[52] = 2, o.gear_type[53] = 1, o.part_eq[56] = 0;
    for (int g = 52; g <= 55; g++) o.gear_leglen[g] = 0, o.Zarm[g] = g < 55 ? -5 : 5;
    ASSERT_EQ(convert(o), 1);
    EXPECT_EQ(std::vector<int>(v.gear_steers + 67, v.gear_steers + 73), (std::vector<int>{1, 0, 1, 0, 0, 0}));
}

TEST_F(OldAcf, ASavedConversionReopensAsItselfAndNothingCarriesOverBetweenFiles)
{
    ASSERT_EQ(read(old_acf_file(plain(), 626, true)), 1);
    ASSERT_EQ(IO_acf(1, 0, 0), 1);
    const std::string image(reinterpret_cast<const char*>(&veh[0]), ACF_IMAGE_BYTES);
    ASSERT_EQ(read(ww_read_bytes(IO_host_path(dir() + "plane.acf"))), 1);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&veh[0]), ACF_IMAGE_BYTES), image);
    ASSERT_EQ(read(old_acf_file(plain(), 600, false)), 1);   // no weapons, gauges or hooks of the last file
    EXPECT_EQ(veh[0].wpn_name[0][0] + veh[0].cus_rnd_use[49] + veh[0].tow_hook_Y, 0);
}

TEST_F(OldAcf, DamagedFilesAreRefusedOrConvertedWithinBounds)
{
    std::string good = old_acf_file(plain(), 626, false), nan = good;
    memset(&nan[9], 0xFF, nan.size() - 9);            // every number after is_APL -1 or not a number
    for (const std::string& file : {good, nan})
        for (size_t n = 0; n <= file.size(); n += n < 64 ? 1 : 4093) {   // cut at every length, sampled
            g_test_alerts.clear();
            const int ok = OLD_IO_acf_image(0, bytes_of(file), (long)n, "x");
            ASSERT_EQ(ok, n >= 5) << n;
            ASSERT_EQ(g_test_alerts.size(), n >= 5 && n < file.size() ? 1u : 0u) << n;
            const veh_struct& v = veh[0];
            ASSERT_TRUE(!ok || (v.num_engines >= 0 && v.num_engines <= 8 && v.num_thrustpoints >= 0 &&
                                v.num_thrustpoints <= 8 && v.num_tanks >= 1 && v.num_tanks <= 3 && std::isfinite(v.tank_rat[0])))
                << n;
        }
    good[0] = 'a';                                    // the wrong byte-order mark: another version
    EXPECT_EQ(OLD_IO_acf_image(0, bytes_of(good), (long)good.size(), "x"), 0);
}

TEST_F(OldAcf, TheBatchConvertsTheGoodFilesAndLeavesTheDamagedOnes)
{
    MACIBM_open_logs();
    const std::string planes = acf_path + "Mixed:", good = old_acf_file(plain(), 626, false);
    std::string mark = good;
    mark[0] = 'x';
    static veh_struct cur;
    old_acf_fill(cur);
    const int32_t panel[6][200] = {};
    const std::map<std::string, std::string> files = {{"a600.acf", old_acf_file(plain(), 600, true)},
        {"b626.acf", good}, {"c700.acf", old_acf_file_700(cur, panel, false)}, {"short.acf", good.substr(0, 400000)},
        {"mark.acf", mark}};
    IO_make_folders(planes + "x");
    for (const auto& [name, bytes] : files) ww_write_bytes(IO_host_path(planes + name), bytes);
    memset(&veh[0], 0, sizeof veh[0]);
    ASSERT_EQ(IO_acf_write_to(0, planes + "d740.acf"), 1);
    batch_update();
    for (const auto& [name, bytes] : files) {
        const std::string now = ww_read_bytes(IO_host_path(planes + name));
        if (name == "short.acf" || name == "mark.acf") EXPECT_EQ(now, bytes) << name;
        else EXPECT_EQ(now.substr(0, 5), old_acf_header(740, false)) << name;
    }
    STR_put(veh[1].path, planes + "a600.acf");
    ASSERT_EQ(IO_acf(0, 1, 0), 1);
    EXPECT_EQ(STR_of(veh[1].descrip) + std::to_string(veh[1].vectarmZ), STR_of(plain().descrip) + std::to_string(-plain().vectarmZ));
    fflush(xer);
    const std::string log = ww_read_bytes(IO_host_path(app_path + "Error.out"));
    EXPECT_NE(log.find("Batch re-save: 4 re-saved, 2 unreadable, 0 failed to save"), std::string::npos) << log;
}
