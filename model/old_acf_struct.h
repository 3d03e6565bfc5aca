#pragma once
// The aircraft record of the previous file generation, as stored by files of
// versions 600 and 626: 57 parts, 200 instrument slots and a field order of
// its own. It is only ever read (into one scratch record) and converted into
// the current record; nothing is written in this layout.
//
// A version-600 file stores the image up to and including
// old_struct_last_data (433,688 bytes); a version-626 file stores the whole
// record (454,980 bytes). The scratch record is cleared before each read, so
// what a shorter image does not supply reads as zero.
//
// The body arrays are 57 x 20 x 18 like every other per-part array here: the
// offsets of the fields behind them and both image sizes only hold so.

#include <cstddef>
#include <type_traits>

static_assert(sizeof(int) == 4 && sizeof(float) == 4, "stored records assume 4-byte int and float");

inline constexpr int OLD_ACF_PARTS = 57;
inline constexpr int OLD_ACF_INSTRUMENTS = 200;
inline constexpr int OLD_IMAGE_BYTES_600 = 433688;  // up to and including old_struct_last_data
inline constexpr int OLD_IMAGE_BYTES_626 = 454980;  // the whole record

struct OLD_planestruct {
    // Identity, plan-view size, byte-order mark and aircraft class.
    char tailnum[40];
    char author[500];
    char descrip[500];
    float size_x;
    float size_z;
    int is_APL;
    int ac_type;

    // Cockpit and panel options, the pilot's eye point.
    int HUD_type;
    int asi_kts;
    int cockpit_type;
    int has_SC_fd;
    int has_stallwarn;
    int has_litemap_tex;
    float peX;
    float peY;
    float peZ;

    // Limit speeds, Mach and load limits.
    float Vso_kts;
    float Vs_kts;
    float Vfe_kts;
    float Vno_kts;
    float Vne_kts;
    float Mmo;
    float Gneg;
    float Gpos;
    float est_Vs_msc;

    // Yaw string and head-up display on the panel.
    float yawstring_x;
    float yawstring_y;
    float HUD_ctr_x;
    float HUD_ctr_y;
    float HUD_del_x;
    float HUD_del_y;

    // Lights: a fitted flag followed by the position, one coordinate a field.
    int has_lanlite1;
    float lanlite1X;
    float lanlite1Y;
    float lanlite1Z;
    float lan_lite_the_ref;
    int has_lanlite2;
    float lanlite2X;
    float lanlite2Y;
    float lanlite2Z;
    int has_lanlite3;
    float lanlite3X;
    float lanlite3Y;
    float lanlite3Z;
    int has_fuserb1;
    float fuserb1X;
    float fuserb1Y;
    float fuserb1Z;
    int has_fuserb2;
    float fuserb2X;
    float fuserb2Y;
    float fuserb2Z;
    int has_taillite;
    float tailliteX;
    float tailliteY;
    float tailliteZ;
    int has_navlites;

    // Panel instrument slots.
    int ins_type[200];
    float ins_size[200];
    float ins_x[200];
    float ins_y[200];
    float ins_delx[200];
    float ins_dely[200];

    // Force feedback, engine count, throttle and engine limits.
    int ff_hydraulic;
    int ff_stickshaker;
    int num_engines;
    int auto_featherEQ;
    float throt_max_FWD;
    float throt_max_REV;
    float RSC_idlespeed_ENGN;
    float RSC_redline_ENGN;
    float RSC_mingreen_ENGN;
    float RSC_maxgreen_ENGN;
    float pmax;
    float tmax;
    float burnerinc;
    float critalt;
    float mpmax;
    float gear_rat;
    float face_jet;
    float face_rocket;
    float spooltime_jet;
    float max_mach_eff;
    float fmax_sl;
    float fmax_opt;
    float fmax_vac;
    float h_opt;

    // Rotors.
    float tip_mach_des_50;
    float tip_mach_des_100;
    float rotor_mi_rat;
    float tip_weight;
    float tail_or_main_omegarat;

    // Per thrust point: engine, propeller, cant, pitch, disc and design point.
    int engn_type[8];
    int revthrust_eq[8];
    int prop_type[8];
    float prop_dir[8];
    float num_blades[8];
    float SFC[8];
    float min_pitch[8];
    float max_pitch[8];
    float reversed_pitch[8];
    float sidecant[8];
    float vertcant[8];
    float prop_mass[8];
    float miprop_rpm[8];
    float discarea[8];
    float ringarea[8][10];
    float bladesweep[8][10];
    float des_rpm_prp[8];
    float des_kts_prp[8];
    float des_kts_acf[8];

    // Parts: presence, airfoil file names, element count.
    int part_eq[57];
    char Rafl0[57][40];
    char Rafl1[57][40];
    char Tafl0[57][40];
    char Tafl1[57][40];
    int els[57];

    // Part geometry and aerodynamics.
    float Xarm[57];
    float Yarm[57];
    float Zarm[57];
    float X_body_aero[57];
    float Y_body_aero[57];
    float Z_body_aero[57];
    float Croot[57];
    float Ctip[57];
    float dihed1[57];
    float sweep1[57];
    float sweep2[57];
    float sweepnow[57];
    int varsweepEQ[57];
    float semilen_SEG[57];
    float semilen_JND[57];
    float e[57];
    float AR[57];
    float al_D_al0[57];
    float cl_D_cl0[57];
    float cm_D_cm0[57];
    float delta_fac[57];
    float spec_wash[57];
    float alpha_max[57];
    float slat_effect[57];

    // Per part and element: area, mean chord, incidence, control surfaces.
    float s[57][10];
    float mac[57][10];
    float anginc[57][10];
    int ail1[57][10];
    int ail2[57][10];
    int spo1[57][10];
    int flap[57][10];
    int flapEQ;
    int slat[57][10];
    int slatEQ;
    int sbrk[57][10];
    int sbrkEQ;
    int yawb[57][10];
    int elev[57][10];
    int rudd[57][10];
    int in_downwash[57][57][10];

    // Body shapes.
    float body_r[57];
    float body_X[57][20][18];
    float body_Y[57][20][18];
    float body_Z[57][20][18];

    // Landing gear per part.
    int gear_type[57];
    float gear_latE[57];
    float gear_lonE[57];
    float gear_axiE[57];
    float gear_latR[57];
    float gear_lonR[57];
    float gear_axiR[57];
    float gear_latN[57];
    float gear_lonN[57];
    float gear_axiN[57];
    float gear_leglen[57];
    float gear_tirrad[57];
    float gearcon[57];
    float geardmp[57];
    float gearstatdef[57];
    float gear_def[57];
    float gear_deploy[57];
    float gear_xnodef[57];
    float gear_ynodef[57];
    float gear_znodef[57];

    // Control surface chords and limits, mixed with propeller speeds and
    // unused words, in the order the old format kept them.
    float fuse_cd;
    float ail1_crat;
    float ail1_up;
    float ail1_dn;
    float RSC_idlespeed_PROP;
    float RSC_redline_PROP;
    float ail2_crat;
    float ail2_up;
    float ail2_dn;
    float RSC_mingreen_PROP;
    float RSC_maxgreen_PROP;
    float elev_crat;
    float elev_up;
    float elev_dn;
    float trq_max_eng;
    float trq_max_prp;
    float rudd_crat;
    float rudd_lr;
    float d07;
    float d08;
    float splr_crat;
    float spo1_up;
    float d09;
    float d10;
    float yawb_crat;
    float yawb_ud;
    float d11;
    float d12;
    float sbrk_crat;
    float sbrk_up;
    float flap_crat;
    float flap_dn[7];
    float d13;
    float d14;
    float hstb_trim_up;
    float hstb_trim_dn;
    float d15;
    int hstab_type;
    int vstab_type;

    // Flaps and slats.
    int flap_type;
    int con_smooth;
    float flap_cl;
    float flap_cd;
    float flap_cm;
    int flap_detents;
    float flap_deftime;
    float slat_inc;
    float blown_flap_add_speed;
    float blown_flap_throt_red;
    float blown_flap_min_engag;

    // Gear handling, water rudder, equilibrium on the gear.
    int gear_retract;
    int is_taildragger;
    int is_skid_gear;
    float OLD_OVERALL_RETRACT_TIME;
    float nw_steerdeg1;
    float nw_steerdeg2;
    float nw_cutoff_speed;
    float water_rud_longarm;
    float water_rud_area;
    float water_rud_maxdef;
    float h_eqlbm;
    float the_eqlbm;

    // Gear doors.
    int gear_door_typ[10];
    float gear_door_loc[10][3];
    float gear_door_geo[10][4][3];
    float gear_door_axi_rot[10];
    float gear_door_ext_ang[10];
    float gear_door_ret_ang[10];
    float gear_door_ang_now[10];

    // Mass and balance.
    float cgY;
    float cgZ;
    float Jxx_unitmass;
    float Jyy_unitmass;
    float Jzz_unitmass;
    float m_empty;
    float m_displaced;
    float m_max;
    float m_fuel_tot;
    float m_jettison;
    float m_displaced_y;

    // Rocket-assisted take-off, speed brake and drag chute.
    float jato_theta;
    float jato_thrust;
    float jato_dur;
    float jato_sfc;
    float jato_Y;
    float jato_Z;
    float brake_area;
    float brake_Y;
    float brake_Z;
    float chute_area;
    float chute_Y;
    float chute_Z;

    // Control mixing and thrust vectoring.
    float ail1pitch;
    float ail1flaps;
    float ail2pitch;
    float ail2flaps;
    float stabroll;
    float stabhdng;
    float ail2vmax;
    float tvec_ptch;
    float tvec_roll;
    float tvec_hdng;
    float diff_thro_with_hdng;

    // Systems and automatic behaviours.
    int arresting_EQ;
    int anti_ice_EQ;
    int warn1_EQ;
    int warn_gear_EQ;
    int sbrk_on_td_EQ;
    int fbrk_on_td_EQ;
    int sweep_with_flaps_EQ;
    int slat_with_stall_EQ;
    int vect_EQ;

    // Rotors and reaction controls.
    float vectarmZ;
    float cyclic_elev;
    float cyclic_ailn;
    float delta3;
    float puffL;
    float puffM;
    float puffN;
    float tail_with_coll;
    float diff_coll_with_roll;
    float diff_coll_with_hdng;
    float diff_cycl_with_hdng_lon;
    int auto_rpm_with_tvec;
    float rotor_trim_max_fwd;
    float rotor_trim_max_aft;

    // Artificial stability.
    float AShiV;
    float ASloV;
    float ASlo_max_thedot;
    float ASlo_thedot_k;
    float AShi_max_alpha;
    float AShi_alpha_k;
    float ASlo_max_psidot;
    float ASlo_psidot_k;
    float AShi_max_beta;
    float AShi_beta_k;
    float ASlo_max_phidot;
    float ASlo_phidot_k;
    float AShi_max_phidot;
    float AShi_phidot_k;
    int has_clutch;
    int has_idlespeed;

    // Fields the format appended over time, up to the version-600 end.
    float element_len[57];
    float gear_door_size;
    float stab_delinc_to_Vne;
    float Vmca_kts;
    float Vyse_kts;
    float flap_arm;
    float tank_xyz12[2][3];
    float cgZ_fwd;
    float cgZ_aft;
    float gear_cyc_time[5];
    float refuel_X;
    float refuel_Y;
    float refuel_Z;
    char gear_steers[57];  // one byte per part; the two fields behind fill the word
    char chr_overflow2;
    char chr_overflow[2];
    int vardihedEQ[57];
    float dihed2[57];
    float dihednow[57];
    float jett_xyz[3];
    float puffX;
    float puffY;
    float puffZ;
    float Vle_kts;
    float AShi_alphadot_k;
    float AShi_betadot_k;
    float spooltime_prop;
    float elevflaps;
    float tank_xyz3[3];
    float tank_rat[3];
    float stall_warn_aoa;
    float mass_shift;
    float mass_shift_dx;
    float mass_shift_dz;
    float feathered_pitch;
    float AShi_max_G;
    float AShi_G_k;
    float AShi_Gdot_k;
    float wing_tilt_ptch;
    float wing_tilt_roll;
    float max_press_diff;
    float diff_coll_with_ptch;
    float flap_roll;
    float flap_ptch;
    float lift_fan_rat;
    float diff_cycl_with_hdng_lat;
    int phase_tvect_out_at_90;
    float roll_co;
    float brake_co;
    int drive_by_wire;
    int is_glossy;
    int num_tanks;
    int has_refuel;
    int draw_geo_frnt_views;
    int draw_geo_side_views;
    int jett_is_slung;
    float eng_mass[57];
    int phase_tvect_out_at_00;
    int auto_trim_EQ;
    int has_DC_fd;
    int flaps_with_gear_EQ;
    int revt_on_td_EQ;
    int flaps_with_vec_EQ;
    int blow_all_controls;
    int warn2_EQ;
    int num_thrustpoints;
    int props_linked;
    int int_overflow[15];
    int old_struct_last_data;  // last word of a version-600 image

    // Version 626 only: weapons, custom gauges, more instrument options.
    char wpn_name[24][500];
    float x_wpn_att[24];
    float y_wpn_att[24];
    float z_wpn_att[24];
    int cus_rnd_use[50];
    float cus_rnd_lo_val[50];
    float cus_rnd_hi_val[50];
    float cus_rnd_lo_ang[50];
    float cus_rnd_hi_ang[50];
    int has_nav[6];
    int has_radar;
    int has_beta;
    int dummy_int[42];
    int cus_rnd_mirror[50];
    int cus_rnd_label[50];
    int cus_dig_use[50];
    float cus_dig_offset[50];
    float cus_dig_scale[50];
    int cus_dig_dig[50];
    int cus_dig_dec[50];
    int inc_ail[57][10];
    int inc_vec[57][10];
    float tow_hook_Y;
    float tow_hook_Z;
    float win_hook_Y;
    float win_hook_Z;
    float nosewheel_k;
    float vectarmY;
    int hide_prop_at_90_vect;
    int xint_overflow[204];
    char xchr_overflow[1000];
};

// ---------------------------------------------------------------------------
// Every field of the old image in order: name, byte offset, element type,
// element count. The checks below hold the struct to this list; the layout
// dump tool prints the compiler's offsets for the same names.
#define OLD_PLANESTRUCT_LAYOUT(X)                 \
    X(tailnum, 0, char, 40)                       \
    X(author, 40, char, 500)                      \
    X(descrip, 540, char, 500)                    \
    X(size_x, 1040, float, 1)                     \
    X(size_z, 1044, float, 1)                     \
    X(is_APL, 1048, int, 1)                       \
    X(ac_type, 1052, int, 1)                      \
    X(HUD_type, 1056, int, 1)                     \
    X(asi_kts, 1060, int, 1)                      \
    X(cockpit_type, 1064, int, 1)                 \
    X(has_SC_fd, 1068, int, 1)                    \
    X(has_stallwarn, 1072, int, 1)                \
    X(has_litemap_tex, 1076, int, 1)              \
    X(peX, 1080, float, 1)                        \
    X(peY, 1084, float, 1)                        \
    X(peZ, 1088, float, 1)                        \
    X(Vso_kts, 1092, float, 1)                    \
    X(Vs_kts, 1096, float, 1)                     \
    X(Vfe_kts, 1100, float, 1)                    \
    X(Vno_kts, 1104, float, 1)                    \
    X(Vne_kts, 1108, float, 1)                    \
    X(Mmo, 1112, float, 1)                        \
    X(Gneg, 1116, float, 1)                       \
    X(Gpos, 1120, float, 1)                       \
    X(est_Vs_msc, 1124, float, 1)                 \
    X(yawstring_x, 1128, float, 1)                \
    X(yawstring_y, 1132, float, 1)                \
    X(HUD_ctr_x, 1136, float, 1)                  \
    X(HUD_ctr_y, 1140, float, 1)                  \
    X(HUD_del_x, 1144, float, 1)                  \
    X(HUD_del_y, 1148, float, 1)                  \
    X(has_lanlite1, 1152, int, 1)                 \
    X(lanlite1X, 1156, float, 1)                  \
    X(lanlite1Y, 1160, float, 1)                  \
    X(lanlite1Z, 1164, float, 1)                  \
    X(lan_lite_the_ref, 1168, float, 1)           \
    X(has_lanlite2, 1172, int, 1)                 \
    X(lanlite2X, 1176, float, 1)                  \
    X(lanlite2Y, 1180, float, 1)                  \
    X(lanlite2Z, 1184, float, 1)                  \
    X(has_lanlite3, 1188, int, 1)                 \
    X(lanlite3X, 1192, float, 1)                  \
    X(lanlite3Y, 1196, float, 1)                  \
    X(lanlite3Z, 1200, float, 1)                  \
    X(has_fuserb1, 1204, int, 1)                  \
    X(fuserb1X, 1208, float, 1)                   \
    X(fuserb1Y, 1212, float, 1)                   \
    X(fuserb1Z, 1216, float, 1)                   \
    X(has_fuserb2, 1220, int, 1)                  \
    X(fuserb2X, 1224, float, 1)                   \
    X(fuserb2Y, 1228, float, 1)                   \
    X(fuserb2Z, 1232, float, 1)                   \
    X(has_taillite, 1236, int, 1)                 \
    X(tailliteX, 1240, float, 1)                  \
    X(tailliteY, 1244, float, 1)                  \
    X(tailliteZ, 1248, float, 1)                  \
    X(has_navlites, 1252, int, 1)                 \
    X(ins_type, 1256, int, 200)                   \
    X(ins_size, 2056, float, 200)                 \
    X(ins_x, 2856, float, 200)                    \
    X(ins_y, 3656, float, 200)                    \
    X(ins_delx, 4456, float, 200)                 \
    X(ins_dely, 5256, float, 200)                 \
    X(ff_hydraulic, 6056, int, 1)                 \
    X(ff_stickshaker, 6060, int, 1)               \
    X(num_engines, 6064, int, 1)                  \
    X(auto_featherEQ, 6068, int, 1)               \
    X(throt_max_FWD, 6072, float, 1)              \
    X(throt_max_REV, 6076, float, 1)              \
    X(RSC_idlespeed_ENGN, 6080, float, 1)         \
    X(RSC_redline_ENGN, 6084, float, 1)           \
    X(RSC_mingreen_ENGN, 6088, float, 1)          \
    X(RSC_maxgreen_ENGN, 6092, float, 1)          \
    X(pmax, 6096, float, 1)                       \
    X(tmax, 6100, float, 1)                       \
    X(burnerinc, 6104, float, 1)                  \
    X(critalt, 6108, float, 1)                    \
    X(mpmax, 6112, float, 1)                      \
    X(gear_rat, 6116, float, 1)                   \
    X(face_jet, 6120, float, 1)                   \
    X(face_rocket, 6124, float, 1)                \
    X(spooltime_jet, 6128, float, 1)              \
    X(max_mach_eff, 6132, float, 1)               \
    X(fmax_sl, 6136, float, 1)                    \
    X(fmax_opt, 6140, float, 1)                   \
    X(fmax_vac, 6144, float, 1)                   \
    X(h_opt, 6148, float, 1)                      \
    X(tip_mach_des_50, 6152, float, 1)            \
    X(tip_mach_des_100, 6156, float, 1)           \
    X(rotor_mi_rat, 6160, float, 1)               \
    X(tip_weight, 6164, float, 1)                 \
    X(tail_or_main_omegarat, 6168, float, 1)      \
    X(engn_type, 6172, int, 8)                    \
    X(revthrust_eq, 6204, int, 8)                 \
    X(prop_type, 6236, int, 8)                    \
    X(prop_dir, 6268, float, 8)                   \
    X(num_blades, 6300, float, 8)                 \
    X(SFC, 6332, float, 8)                        \
    X(min_pitch, 6364, float, 8)                  \
    X(max_pitch, 6396, float, 8)                  \
    X(reversed_pitch, 6428, float, 8)             \
    X(sidecant, 6460, float, 8)                   \
    X(vertcant, 6492, float, 8)                   \
    X(prop_mass, 6524, float, 8)                  \
    X(miprop_rpm, 6556, float, 8)                 \
    X(discarea, 6588, float, 8)                   \
    X(ringarea, 6620, float, 8 * 10)              \
    X(bladesweep, 6940, float, 8 * 10)            \
    X(des_rpm_prp, 7260, float, 8)                \
    X(des_kts_prp, 7292, float, 8)                \
    X(des_kts_acf, 7324, float, 8)                \
    X(part_eq, 7356, int, 57)                     \
    X(Rafl0, 7584, char, 57 * 40)                 \
    X(Rafl1, 9864, char, 57 * 40)                 \
    X(Tafl0, 12144, char, 57 * 40)                \
    X(Tafl1, 14424, char, 57 * 40)                \
    X(els, 16704, int, 57)                        \
    X(Xarm, 16932, float, 57)                     \
    X(Yarm, 17160, float, 57)                     \
    X(Zarm, 17388, float, 57)                     \
    X(X_body_aero, 17616, float, 57)              \
    X(Y_body_aero, 17844, float, 57)              \
    X(Z_body_aero, 18072, float, 57)              \
    X(Croot, 18300, float, 57)                    \
    X(Ctip, 18528, float, 57)                     \
    X(dihed1, 18756, float, 57)                   \
    X(sweep1, 18984, float, 57)                   \
    X(sweep2, 19212, float, 57)                   \
    X(sweepnow, 19440, float, 57)                 \
    X(varsweepEQ, 19668, int, 57)                 \
    X(semilen_SEG, 19896, float, 57)              \
    X(semilen_JND, 20124, float, 57)              \
    X(e, 20352, float, 57)                        \
    X(AR, 20580, float, 57)                       \
    X(al_D_al0, 20808, float, 57)                 \
    X(cl_D_cl0, 21036, float, 57)                 \
    X(cm_D_cm0, 21264, float, 57)                 \
    X(delta_fac, 21492, float, 57)                \
    X(spec_wash, 21720, float, 57)                \
    X(alpha_max, 21948, float, 57)                \
    X(slat_effect, 22176, float, 57)              \
    X(s, 22404, float, 57 * 10)                   \
    X(mac, 24684, float, 57 * 10)                 \
    X(anginc, 26964, float, 57 * 10)              \
    X(ail1, 29244, int, 57 * 10)                  \
    X(ail2, 31524, int, 57 * 10)                  \
    X(spo1, 33804, int, 57 * 10)                  \
    X(flap, 36084, int, 57 * 10)                  \
    X(flapEQ, 38364, int, 1)                      \
    X(slat, 38368, int, 57 * 10)                  \
    X(slatEQ, 40648, int, 1)                      \
    X(sbrk, 40652, int, 57 * 10)                  \
    X(sbrkEQ, 42932, int, 1)                      \
    X(yawb, 42936, int, 57 * 10)                  \
    X(elev, 45216, int, 57 * 10)                  \
    X(rudd, 47496, int, 57 * 10)                  \
    X(in_downwash, 49776, int, 57 * 57 * 10)      \
    X(body_r, 179736, float, 57)                  \
    X(body_X, 179964, float, 57 * 20 * 18)        \
    X(body_Y, 262044, float, 57 * 20 * 18)        \
    X(body_Z, 344124, float, 57 * 20 * 18)        \
    X(gear_type, 426204, int, 57)                 \
    X(gear_latE, 426432, float, 57)               \
    X(gear_lonE, 426660, float, 57)               \
    X(gear_axiE, 426888, float, 57)               \
    X(gear_latR, 427116, float, 57)               \
    X(gear_lonR, 427344, float, 57)               \
    X(gear_axiR, 427572, float, 57)               \
    X(gear_latN, 427800, float, 57)               \
    X(gear_lonN, 428028, float, 57)               \
    X(gear_axiN, 428256, float, 57)               \
    X(gear_leglen, 428484, float, 57)             \
    X(gear_tirrad, 428712, float, 57)             \
    X(gearcon, 428940, float, 57)                 \
    X(geardmp, 429168, float, 57)                 \
    X(gearstatdef, 429396, float, 57)             \
    X(gear_def, 429624, float, 57)                \
    X(gear_deploy, 429852, float, 57)             \
    X(gear_xnodef, 430080, float, 57)             \
    X(gear_ynodef, 430308, float, 57)             \
    X(gear_znodef, 430536, float, 57)             \
    X(fuse_cd, 430764, float, 1)                  \
    X(ail1_crat, 430768, float, 1)                \
    X(ail1_up, 430772, float, 1)                  \
    X(ail1_dn, 430776, float, 1)                  \
    X(RSC_idlespeed_PROP, 430780, float, 1)       \
    X(RSC_redline_PROP, 430784, float, 1)         \
    X(ail2_crat, 430788, float, 1)                \
    X(ail2_up, 430792, float, 1)                  \
    X(ail2_dn, 430796, float, 1)                  \
    X(RSC_mingreen_PROP, 430800, float, 1)        \
    X(RSC_maxgreen_PROP, 430804, float, 1)        \
    X(elev_crat, 430808, float, 1)                \
    X(elev_up, 430812, float, 1)                  \
    X(elev_dn, 430816, float, 1)                  \
    X(trq_max_eng, 430820, float, 1)              \
    X(trq_max_prp, 430824, float, 1)              \
    X(rudd_crat, 430828, float, 1)                \
    X(rudd_lr, 430832, float, 1)                  \
    X(d07, 430836, float, 1)                      \
    X(d08, 430840, float, 1)                      \
    X(splr_crat, 430844, float, 1)                \
    X(spo1_up, 430848, float, 1)                  \
    X(d09, 430852, float, 1)                      \
    X(d10, 430856, float, 1)                      \
    X(yawb_crat, 430860, float, 1)                \
    X(yawb_ud, 430864, float, 1)                  \
    X(d11, 430868, float, 1)                      \
    X(d12, 430872, float, 1)                      \
    X(sbrk_crat, 430876, float, 1)                \
    X(sbrk_up, 430880, float, 1)                  \
    X(flap_crat, 430884, float, 1)                \
    X(flap_dn, 430888, float, 7)                  \
    X(d13, 430916, float, 1)                      \
    X(d14, 430920, float, 1)                      \
    X(hstb_trim_up, 430924, float, 1)             \
    X(hstb_trim_dn, 430928, float, 1)             \
    X(d15, 430932, float, 1)                      \
    X(hstab_type, 430936, int, 1)                 \
    X(vstab_type, 430940, int, 1)                 \
    X(flap_type, 430944, int, 1)                  \
    X(con_smooth, 430948, int, 1)                 \
    X(flap_cl, 430952, float, 1)                  \
    X(flap_cd, 430956, float, 1)                  \
    X(flap_cm, 430960, float, 1)                  \
    X(flap_detents, 430964, int, 1)               \
    X(flap_deftime, 430968, float, 1)             \
    X(slat_inc, 430972, float, 1)                 \
    X(blown_flap_add_speed, 430976, float, 1)     \
    X(blown_flap_throt_red, 430980, float, 1)     \
    X(blown_flap_min_engag, 430984, float, 1)     \
    X(gear_retract, 430988, int, 1)               \
    X(is_taildragger, 430992, int, 1)             \
    X(is_skid_gear, 430996, int, 1)               \
    X(OLD_OVERALL_RETRACT_TIME, 431000, float, 1) \
    X(nw_steerdeg1, 431004, float, 1)             \
    X(nw_steerdeg2, 431008, float, 1)             \
    X(nw_cutoff_speed, 431012, float, 1)          \
    X(water_rud_longarm, 431016, float, 1)        \
    X(water_rud_area, 431020, float, 1)           \
    X(water_rud_maxdef, 431024, float, 1)         \
    X(h_eqlbm, 431028, float, 1)                  \
    X(the_eqlbm, 431032, float, 1)                \
    X(gear_door_typ, 431036, int, 10)             \
    X(gear_door_loc, 431076, float, 10 * 3)       \
    X(gear_door_geo, 431196, float, 10 * 4 * 3)   \
    X(gear_door_axi_rot, 431676, float, 10)       \
    X(gear_door_ext_ang, 431716, float, 10)       \
    X(gear_door_ret_ang, 431756, float, 10)       \
    X(gear_door_ang_now, 431796, float, 10)       \
    X(cgY, 431836, float, 1)                      \
    X(cgZ, 431840, float, 1)                      \
    X(Jxx_unitmass, 431844, float, 1)             \
    X(Jyy_unitmass, 431848, float, 1)             \
    X(Jzz_unitmass, 431852, float, 1)             \
    X(m_empty, 431856, float, 1)                  \
    X(m_displaced, 431860, float, 1)              \
    X(m_max, 431864, float, 1)                    \
    X(m_fuel_tot, 431868, float, 1)               \
    X(m_jettison, 431872, float, 1)               \
    X(m_displaced_y, 431876, float, 1)            \
    X(jato_theta, 431880, float, 1)               \
    X(jato_thrust, 431884, float, 1)              \
    X(jato_dur, 431888, float, 1)                 \
    X(jato_sfc, 431892, float, 1)                 \
    X(jato_Y, 431896, float, 1)                   \
    X(jato_Z, 431900, float, 1)                   \
    X(brake_area, 431904, float, 1)               \
    X(brake_Y, 431908, float, 1)                  \
    X(brake_Z, 431912, float, 1)                  \
    X(chute_area, 431916, float, 1)               \
    X(chute_Y, 431920, float, 1)                  \
    X(chute_Z, 431924, float, 1)                  \
    X(ail1pitch, 431928, float, 1)                \
    X(ail1flaps, 431932, float, 1)                \
    X(ail2pitch, 431936, float, 1)                \
    X(ail2flaps, 431940, float, 1)                \
    X(stabroll, 431944, float, 1)                 \
    X(stabhdng, 431948, float, 1)                 \
    X(ail2vmax, 431952, float, 1)                 \
    X(tvec_ptch, 431956, float, 1)                \
    X(tvec_roll, 431960, float, 1)                \
    X(tvec_hdng, 431964, float, 1)                \
    X(diff_thro_with_hdng, 431968, float, 1)      \
    X(arresting_EQ, 431972, int, 1)               \
    X(anti_ice_EQ, 431976, int, 1)                \
    X(warn1_EQ, 431980, int, 1)                   \
    X(warn_gear_EQ, 431984, int, 1)               \
    X(sbrk_on_td_EQ, 431988, int, 1)              \
    X(fbrk_on_td_EQ, 431992, int, 1)              \
    X(sweep_with_flaps_EQ, 431996, int, 1)        \
    X(slat_with_stall_EQ, 432000, int, 1)         \
    X(vect_EQ, 432004, int, 1)                    \
    X(vectarmZ, 432008, float, 1)                 \
    X(cyclic_elev, 432012, float, 1)              \
    X(cyclic_ailn, 432016, float, 1)              \
    X(delta3, 432020, float, 1)                   \
    X(puffL, 432024, float, 1)                    \
    X(puffM, 432028, float, 1)                    \
    X(puffN, 432032, float, 1)                    \
    X(tail_with_coll, 432036, float, 1)           \
    X(diff_coll_with_roll, 432040, float, 1)      \
    X(diff_coll_with_hdng, 432044, float, 1)      \
    X(diff_cycl_with_hdng_lon, 432048, float, 1)  \
    X(auto_rpm_with_tvec, 432052, int, 1)         \
    X(rotor_trim_max_fwd, 432056, float, 1)       \
    X(rotor_trim_max_aft, 432060, float, 1)       \
    X(AShiV, 432064, float, 1)                    \
    X(ASloV, 432068, float, 1)                    \
    X(ASlo_max_thedot, 432072, float, 1)          \
    X(ASlo_thedot_k, 432076, float, 1)            \
    X(AShi_max_alpha, 432080, float, 1)           \
    X(AShi_alpha_k, 432084, float, 1)             \
    X(ASlo_max_psidot, 432088, float, 1)          \
    X(ASlo_psidot_k, 432092, float, 1)            \
    X(AShi_max_beta, 432096, float, 1)            \
    X(AShi_beta_k, 432100, float, 1)              \
    X(ASlo_max_phidot, 432104, float, 1)          \
    X(ASlo_phidot_k, 432108, float, 1)            \
    X(AShi_max_phidot, 432112, float, 1)          \
    X(AShi_phidot_k, 432116, float, 1)            \
    X(has_clutch, 432120, int, 1)                 \
    X(has_idlespeed, 432124, int, 1)              \
    X(element_len, 432128, float, 57)             \
    X(gear_door_size, 432356, float, 1)           \
    X(stab_delinc_to_Vne, 432360, float, 1)       \
    X(Vmca_kts, 432364, float, 1)                 \
    X(Vyse_kts, 432368, float, 1)                 \
    X(flap_arm, 432372, float, 1)                 \
    X(tank_xyz12, 432376, float, 2 * 3)           \
    X(cgZ_fwd, 432400, float, 1)                  \
    X(cgZ_aft, 432404, float, 1)                  \
    X(gear_cyc_time, 432408, float, 5)            \
    X(refuel_X, 432428, float, 1)                 \
    X(refuel_Y, 432432, float, 1)                 \
    X(refuel_Z, 432436, float, 1)                 \
    X(gear_steers, 432440, char, 57)              \
    X(chr_overflow2, 432497, char, 1)             \
    X(chr_overflow, 432498, char, 2)              \
    X(vardihedEQ, 432500, int, 57)                \
    X(dihed2, 432728, float, 57)                  \
    X(dihednow, 432956, float, 57)                \
    X(jett_xyz, 433184, float, 3)                 \
    X(puffX, 433196, float, 1)                    \
    X(puffY, 433200, float, 1)                    \
    X(puffZ, 433204, float, 1)                    \
    X(Vle_kts, 433208, float, 1)                  \
    X(AShi_alphadot_k, 433212, float, 1)          \
    X(AShi_betadot_k, 433216, float, 1)           \
    X(spooltime_prop, 433220, float, 1)           \
    X(elevflaps, 433224, float, 1)                \
    X(tank_xyz3, 433228, float, 3)                \
    X(tank_rat, 433240, float, 3)                 \
    X(stall_warn_aoa, 433252, float, 1)           \
    X(mass_shift, 433256, float, 1)               \
    X(mass_shift_dx, 433260, float, 1)            \
    X(mass_shift_dz, 433264, float, 1)            \
    X(feathered_pitch, 433268, float, 1)          \
    X(AShi_max_G, 433272, float, 1)               \
    X(AShi_G_k, 433276, float, 1)                 \
    X(AShi_Gdot_k, 433280, float, 1)              \
    X(wing_tilt_ptch, 433284, float, 1)           \
    X(wing_tilt_roll, 433288, float, 1)           \
    X(max_press_diff, 433292, float, 1)           \
    X(diff_coll_with_ptch, 433296, float, 1)      \
    X(flap_roll, 433300, float, 1)                \
    X(flap_ptch, 433304, float, 1)                \
    X(lift_fan_rat, 433308, float, 1)             \
    X(diff_cycl_with_hdng_lat, 433312, float, 1)  \
    X(phase_tvect_out_at_90, 433316, int, 1)      \
    X(roll_co, 433320, float, 1)                  \
    X(brake_co, 433324, float, 1)                 \
    X(drive_by_wire, 433328, int, 1)              \
    X(is_glossy, 433332, int, 1)                  \
    X(num_tanks, 433336, int, 1)                  \
    X(has_refuel, 433340, int, 1)                 \
    X(draw_geo_frnt_views, 433344, int, 1)        \
    X(draw_geo_side_views, 433348, int, 1)        \
    X(jett_is_slung, 433352, int, 1)              \
    X(eng_mass, 433356, float, 57)                \
    X(phase_tvect_out_at_00, 433584, int, 1)      \
    X(auto_trim_EQ, 433588, int, 1)               \
    X(has_DC_fd, 433592, int, 1)                  \
    X(flaps_with_gear_EQ, 433596, int, 1)         \
    X(revt_on_td_EQ, 433600, int, 1)              \
    X(flaps_with_vec_EQ, 433604, int, 1)          \
    X(blow_all_controls, 433608, int, 1)          \
    X(warn2_EQ, 433612, int, 1)                   \
    X(num_thrustpoints, 433616, int, 1)           \
    X(props_linked, 433620, int, 1)               \
    X(int_overflow, 433624, int, 15)              \
    X(old_struct_last_data, 433684, int, 1)       \
    X(wpn_name, 433688, char, 24 * 500)           \
    X(x_wpn_att, 445688, float, 24)               \
    X(y_wpn_att, 445784, float, 24)               \
    X(z_wpn_att, 445880, float, 24)               \
    X(cus_rnd_use, 445976, int, 50)               \
    X(cus_rnd_lo_val, 446176, float, 50)          \
    X(cus_rnd_hi_val, 446376, float, 50)          \
    X(cus_rnd_lo_ang, 446576, float, 50)          \
    X(cus_rnd_hi_ang, 446776, float, 50)          \
    X(has_nav, 446976, int, 6)                    \
    X(has_radar, 447000, int, 1)                  \
    X(has_beta, 447004, int, 1)                   \
    X(dummy_int, 447008, int, 42)                 \
    X(cus_rnd_mirror, 447176, int, 50)            \
    X(cus_rnd_label, 447376, int, 50)             \
    X(cus_dig_use, 447576, int, 50)               \
    X(cus_dig_offset, 447776, float, 50)          \
    X(cus_dig_scale, 447976, float, 50)           \
    X(cus_dig_dig, 448176, int, 50)               \
    X(cus_dig_dec, 448376, int, 50)               \
    X(inc_ail, 448576, int, 57 * 10)              \
    X(inc_vec, 450856, int, 57 * 10)              \
    X(tow_hook_Y, 453136, float, 1)               \
    X(tow_hook_Z, 453140, float, 1)               \
    X(win_hook_Y, 453144, float, 1)               \
    X(win_hook_Z, 453148, float, 1)               \
    X(nosewheel_k, 453152, float, 1)              \
    X(vectarmY, 453156, float, 1)                 \
    X(hide_prop_at_90_vect, 453160, int, 1)       \
    X(xint_overflow, 453164, int, 204)            \
    X(xchr_overflow, 453980, char, 1000)

#define OLD_FIELD_CHECK(field, offset, elem, count)                                                        \
    static_assert(offsetof(OLD_planestruct, field) == (offset) &&                                          \
                      std::is_same_v<std::remove_all_extents_t<decltype(OLD_planestruct::field)>, elem> && \
                      sizeof(OLD_planestruct::field) == sizeof(elem) * (count),                            \
                  "OLD_planestruct::" #field " does not match the old aircraft image");
OLD_PLANESTRUCT_LAYOUT(OLD_FIELD_CHECK)
#undef OLD_FIELD_CHECK

static_assert(offsetof(OLD_planestruct, old_struct_last_data) + sizeof(int) == OLD_IMAGE_BYTES_600,
              "a version-600 image ends after old_struct_last_data");
static_assert(sizeof(OLD_planestruct) == OLD_IMAGE_BYTES_626, "a version-626 image is the whole record");
static_assert(std::extent_v<decltype(OLD_planestruct::part_eq)> == OLD_ACF_PARTS &&
                  std::extent_v<decltype(OLD_planestruct::body_X)> == OLD_ACF_PARTS &&
                  std::extent_v<decltype(OLD_planestruct::ins_type)> == OLD_ACF_INSTRUMENTS,
              "loop bounds agree with the array dimensions");
static_assert(std::is_trivially_copyable_v<OLD_planestruct> && std::is_standard_layout_v<OLD_planestruct>,
              "OLD_planestruct is read as raw bytes");
