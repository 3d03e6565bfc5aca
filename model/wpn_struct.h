#pragma once
// One weapon slot of an aircraft record: the gun, bomb or missile hanging on
// an attachment point (slots 0..23) or the weapon open in the weapon builder
// (slot 24). The struct is also the leading image of a weapon file, written
// and read as raw bytes, so its field order, types and widths are a file
// format: the checks at the end of this header keep every offset in place.
//
// The weapon's body shape is not in here: it shares the body grid of part
// slot w of the owning aircraft record (body_r/body_X/body_Y/body_Z).

#include <cstddef>
#include <type_traits>

static_assert(sizeof(int) == 4 && sizeof(float) == 4, "stored records assume 4-byte int and float");

inline constexpr int WPN_FIN_SETS = 4;  // fin sets of a missile
inline constexpr int WPN_STAGES = 3;    // rocket stages of a missile
inline constexpr int WPN_IMAGE_BYTES = 9556;

struct wpn_struct {
    // Kind and run-time action state; free_flyer is re-derived from type on every read.
    int type;
    int free_flyer;
    int action_mode;

    // Attachment point and centre of gravity on the weapon itself.
    float x_wpn_att;
    float y_wpn_att;
    float z_wpn_att;
    float cgY;
    float cgZ;

    // Guns, ranges and masses.
    float las_range;
    float conv_range;
    float bul_rounds_per_sec;
    float bul_rounds;
    float bul_muzzle_speed;
    float bul_area;
    float added_mass;
    float total_weapon_mass_max;
    float fuel_warhead_mass_max;
    int warhead_type;

    // Missile airframe: drag and the four fin sets (two fins each).
    float mis_drag_co;
    float mis_drag_chute_S;
    float mis_fin_z[4];
    float mis_fin_cr[4];
    float mis_fin_ct[4];
    float mis_fin_semilen[4];
    float mis_fin_sweep[4];
    float mis_fin_conrat[4];
    float mis_fin_steer[4];
    float mis_fin_dihed[4][2];
    char mis_afl[4][40];  // fin airfoil file names; text, never byte-swapped

    // Missile propulsion and guidance.
    float mis_thrust[3];
    float mis_duration[3];
    float mis_cone_width;
    float mis_crat_per_deg_bore;
    float mis_crat_per_degpersec_bore;
    float mis_crat_per_degpersec;
    float gun_del_psi_deg_max;
    float gun_del_the_deg_max;

    // Attitudes: control set, relative to the aircraft, and in the world.
    float psi_con;
    float the_con;
    float phi_con;
    float psi_acf;
    float the_acf;
    float phi_acf;
    float psi_wrl;
    float the_wrl;
    float phi_wrl;

    // Body areas, aerodynamic centre and radii of gyration.
    float s_frn;
    float s_sid;
    float s_top;
    float X_body_aero;
    float Y_body_aero;
    float Z_body_aero;
    float Jxx_unitmass;
    float Jyy_unitmass;
    float Jzz_unitmass;

    // Flight state of a launched weapon. The editor never interprets it but
    // stores it as it lies in memory, so it stays part of the image.
    int i;
    int j;
    int target_index;
    float targ_lat;
    float targ_lon;
    float targ_h;
    float del_psi;
    float del_the;
    float rudd_rat;
    float elev_rat;
    float V_msc;
    float AV_msc;
    float dist_targ;
    float dist_point;
    float time_point;
    float sin_the;
    float cos_the;
    float sin_psi;
    float cos_psi;
    float sin_phi;
    float cos_phi;
    float fx_axis;
    float fy_axis;
    float fz_axis;
    float vx;
    float vy;
    float vz;
    float x;
    float y;
    float z;
    float L;
    float M;
    float N;
    float Prad;
    float Qrad;
    float Rrad;
    float q[4];
    float next_bull_time;
    float total_weapon_mass_now;
    float fuel_warhead_mass_now;
    float impact_time;
    float chute_vector_wrl[3];

    // Reserved room for later fields; written back exactly as read.
    float xflt_overflow[966];
    int xint_overflow[1000];
    char xchr_overflow[1000];
};

// ---------------------------------------------------------------------------
// Every field of the weapon-file image in order: name, byte offset, element
// type, element count. The checks below hold the struct to this list (and the
// layout dump tool prints the compiler's offsets for the same names), so a
// field moved, retyped or resized by an edit stops the build instead of
// corrupting weapon files.
#define WPN_STRUCT_LAYOUT(X)                      \
    X(type, 0, int, 1)                            \
    X(free_flyer, 4, int, 1)                      \
    X(action_mode, 8, int, 1)                     \
    X(x_wpn_att, 12, float, 1)                    \
    X(y_wpn_att, 16, float, 1)                    \
    X(z_wpn_att, 20, float, 1)                    \
    X(cgY, 24, float, 1)                          \
    X(cgZ, 28, float, 1)                          \
    X(las_range, 32, float, 1)                    \
    X(conv_range, 36, float, 1)                   \
    X(bul_rounds_per_sec, 40, float, 1)           \
    X(bul_rounds, 44, float, 1)                   \
    X(bul_muzzle_speed, 48, float, 1)             \
    X(bul_area, 52, float, 1)                     \
    X(added_mass, 56, float, 1)                   \
    X(total_weapon_mass_max, 60, float, 1)        \
    X(fuel_warhead_mass_max, 64, float, 1)        \
    X(warhead_type, 68, int, 1)                   \
    X(mis_drag_co, 72, float, 1)                  \
    X(mis_drag_chute_S, 76, float, 1)             \
    X(mis_fin_z, 80, float, 4)                    \
    X(mis_fin_cr, 96, float, 4)                   \
    X(mis_fin_ct, 112, float, 4)                  \
    X(mis_fin_semilen, 128, float, 4)             \
    X(mis_fin_sweep, 144, float, 4)               \
    X(mis_fin_conrat, 160, float, 4)              \
    X(mis_fin_steer, 176, float, 4)               \
    X(mis_fin_dihed, 192, float, 4 * 2)           \
    X(mis_afl, 224, char, 4 * 40)                 \
    X(mis_thrust, 384, float, 3)                  \
    X(mis_duration, 396, float, 3)                \
    X(mis_cone_width, 408, float, 1)              \
    X(mis_crat_per_deg_bore, 412, float, 1)       \
    X(mis_crat_per_degpersec_bore, 416, float, 1) \
    X(mis_crat_per_degpersec, 420, float, 1)      \
    X(gun_del_psi_deg_max, 424, float, 1)         \
    X(gun_del_the_deg_max, 428, float, 1)         \
    X(psi_con, 432, float, 1)                     \
    X(the_con, 436, float, 1)                     \
    X(phi_con, 440, float, 1)                     \
    X(psi_acf, 444, float, 1)                     \
    X(the_acf, 448, float, 1)                     \
    X(phi_acf, 452, float, 1)                     \
    X(psi_wrl, 456, float, 1)                     \
    X(the_wrl, 460, float, 1)                     \
    X(phi_wrl, 464, float, 1)                     \
    X(s_frn, 468, float, 1)                       \
    X(s_sid, 472, float, 1)                       \
    X(s_top, 476, float, 1)                       \
    X(X_body_aero, 480, float, 1)                 \
    X(Y_body_aero, 484, float, 1)                 \
    X(Z_body_aero, 488, float, 1)                 \
    X(Jxx_unitmass, 492, float, 1)                \
    X(Jyy_unitmass, 496, float, 1)                \
    X(Jzz_unitmass, 500, float, 1)                \
    X(i, 504, int, 1)                             \
    X(j, 508, int, 1)                             \
    X(target_index, 512, int, 1)                  \
    X(targ_lat, 516, float, 1)                    \
    X(targ_lon, 520, float, 1)                    \
    X(targ_h, 524, float, 1)                      \
    X(del_psi, 528, float, 1)                     \
    X(del_the, 532, float, 1)                     \
    X(rudd_rat, 536, float, 1)                    \
    X(elev_rat, 540, float, 1)                    \
    X(V_msc, 544, float, 1)                       \
    X(AV_msc, 548, float, 1)                      \
    X(dist_targ, 552, float, 1)                   \
    X(dist_point, 556, float, 1)                  \
    X(time_point, 560, float, 1)                  \
    X(sin_the, 564, float, 1)                     \
    X(cos_the, 568, float, 1)                     \
    X(sin_psi, 572, float, 1)                     \
    X(cos_psi, 576, float, 1)                     \
    X(sin_phi, 580, float, 1)                     \
    X(cos_phi, 584, float, 1)                     \
    X(fx_axis, 588, float, 1)                     \
    X(fy_axis, 592, float, 1)                     \
    X(fz_axis, 596, float, 1)                     \
    X(vx, 600, float, 1)                          \
    X(vy, 604, float, 1)                          \
    X(vz, 608, float, 1)                          \
    X(x, 612, float, 1)                           \
    X(y, 616, float, 1)                           \
    X(z, 620, float, 1)                           \
    X(L, 624, float, 1)                           \
    X(M, 628, float, 1)                           \
    X(N, 632, float, 1)                           \
    X(Prad, 636, float, 1)                        \
    X(Qrad, 640, float, 1)                        \
    X(Rrad, 644, float, 1)                        \
    X(q, 648, float, 4)                           \
    X(next_bull_time, 664, float, 1)              \
    X(total_weapon_mass_now, 668, float, 1)       \
    X(fuel_warhead_mass_now, 672, float, 1)       \
    X(impact_time, 676, float, 1)                 \
    X(chute_vector_wrl, 680, float, 3)            \
    X(xflt_overflow, 692, float, 966)             \
    X(xint_overflow, 4556, int, 1000)             \
    X(xchr_overflow, 8556, char, 1000)

#define WPN_FIELD_CHECK(field, offset, elem, count)                                                   \
    static_assert(offsetof(wpn_struct, field) == (offset) &&                                          \
                      std::is_same_v<std::remove_all_extents_t<decltype(wpn_struct::field)>, elem> && \
                      sizeof(wpn_struct::field) == sizeof(elem) * (count),                            \
                  "wpn_struct::" #field " does not match the weapon-file image");
WPN_STRUCT_LAYOUT(WPN_FIELD_CHECK)
#undef WPN_FIELD_CHECK

static_assert(std::extent_v<decltype(wpn_struct::mis_fin_z)> == WPN_FIN_SETS &&
                  std::extent_v<decltype(wpn_struct::mis_afl)> == WPN_FIN_SETS &&
                  std::extent_v<decltype(wpn_struct::mis_thrust)> == WPN_STAGES,
              "loop bounds agree with the array dimensions");
static_assert(sizeof(wpn_struct) == WPN_IMAGE_BYTES, "the weapon-file image is 9,556 bytes");
static_assert(std::is_trivially_copyable_v<wpn_struct> && std::is_standard_layout_v<wpn_struct>,
              "wpn_struct is written and read as raw bytes");
