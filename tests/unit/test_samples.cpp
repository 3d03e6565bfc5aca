// The sample aircraft the installation ships are what their names promise: each reads back as the
// kind of design it stands for, so the rotor, no-engine and tail-sitter paths have a sample each,
// and the airliner carries every kind of wing control.
#include "tests/support/ww_test.h"
#include "editor/PLN_MAIN.h"
#include "geometry/PLN_PROCS.h"
#include "model/acf_parts.h"
#include "model/acf_struct.h"
#include "shell/Hl_MNW.h"
#include <gtest/gtest.h>
#include <string>

namespace {

// Some element of the right wing (part 9) carries the control.
bool wing_has(const int (&on)[ACF_PARTS][ACF_ELEMENTS])
{
    for (int e = 0; e < ACF_ELEMENTS; e++)
        if (on[9][e]) return true;
    return false;
}

struct kind_row {
    const char* name;
    int cockpit, engines, first_engine_type, gear_legs, retracts;
    bool (*is_its_kind)(const veh_struct& v);
};
const kind_row k_kinds[] = {
    {"Trainer", 0, 1, 0, 3, 0, [](const veh_struct& v) { return v.prop_type[0] == 0 && v.part_eq[11]; }},   // struts
    {"Light Twin", 6, 2, 1, 3, 1, [](const veh_struct& v) { return v.prop_type[0] == 2 && v.part_eq[53] && v.part_eq[54]; }},
    {"Regional Jet", 1, 2, 5, 3, 1,
     [](const veh_struct& v) {
         return wing_has(v.flap) && wing_has(v.slat) && wing_has(v.spo1) && wing_has(v.spo2) && wing_has(v.sbrk) &&
                v.rev_thrust_EQ;
     }},
    {"Helicopter", 4, 1, 2, 4, 0,
     [](const veh_struct& v) { return v.has_collective && v.has_tailrotor && v.is_skid_gear && v.collective_en == 0; }},
    {"Sailplane", 3, 0, 0, 2, 0, [](const veh_struct& v) { return v.num_thrustpoints == 0 && v.m_fuel_tot == 0; }},
    {"Tail-Sitter", 2, 1, 2, 4, 0, [](const veh_struct& v) { return v.the_eqlbm == 90 && v.num_thrustpoints == 2; }},
};

}  // namespace

TEST(Samples, EachIsTheKindOfDesignItIsNamedFor)
{
    MACIBM_zero_records();
    ww_catch_alerts();
    ww_use_aerodeck();
    MACIBM_fill_constants();
    for (const kind_row& k : k_kinds) {
        SCOPED_TRACE(k.name);
        const std::string name = std::string(k.name) + ".acf";
        ASSERT_EQ(ACF_batch_read(name, std::string(WW_AERODECK_DIR) + "Aircraft/" + k.name + "/" + name, 0), 1);
        update_plane_specs();
        const veh_struct& v = veh[0];
        EXPECT_EQ(v.cockpit_type, k.cockpit);
        EXPECT_EQ(v.num_engines, k.engines);
        if (k.engines) {
            EXPECT_EQ(v.engn_type[0], k.first_engine_type);
        }
        int legs = 0;
        for (int g = 67; g <= 72; g++) legs += have_this_part(0, g, 6);
        EXPECT_EQ(legs, k.gear_legs);
        EXPECT_EQ(v.gear_retract, k.retracts);
        EXPECT_TRUE(k.is_its_kind(v));
        int instruments = 0;
        for (int i = 0; i < ACF_INSTRUMENTS; i++) instruments += v.ins_type[i] >= 0;
        EXPECT_GT(instruments, 5);   // the default panel of its cockpit
        EXPECT_GT(v.m_max, v.m_empty);
        EXPECT_GT(v.Vne_kts, 100);
    }
    EXPECT_TRUE(g_test_alerts.empty());
}
