#pragma once
// The aircraft record (veh_struct) and the per-aircraft drawing state
// (flt_struct).
//
// veh_struct: everything that describes one aircraft design. Its leading
// 647,096 bytes, from is_APL up to but not including end_of_data, are the body
// of the aircraft file and are written and read as one raw image; the
// simulator loads the same bytes, so the field order, types, widths and the
// two padding bytes after ICAO are a file format. Every offset is checked in
// acf_struct.cpp. Behind end_of_data come run-time fields that are never
// stored: the drawable geometry, the airfoil tables and the weapon records.
//
// Conventions of the stored image: every scalar is a 4-byte int or float, the
// only other element type is char; text fields are fixed char arrays holding
// a NUL-terminated string, zero-filled behind it; arrays are row-major, first
// index slowest. A cleared record is all zero bytes.
//
// Index spaces: parts 0..72 (0..7 propeller discs, 8..27 flying surfaces,
// 28..43 surfaces of thrust points, 44..52 bodies, 53..60 nacelles, 61..66
// gear fairings, 67..72 gear legs; parts 0..43 carry airfoils), spanwise
// elements 0..9, thrust points 0..7, instrument slots 0..299, custom gauges
// 0..49, weapon attachment points 0..23 (weapon records 0..24), body grid 20
// stations x 18 points around.

#include <cstddef>
#include <type_traits>

#include "model/afl_struct.h"
#include "model/wpn_struct.h"

static_assert(sizeof(int) == 4 && sizeof(float) == 4, "stored records assume 4-byte int and float");

// Index spaces of the aircraft record, for loops over its arrays.
inline constexpr int ACF_RECORDS = 10;        // veh[] and flt[]
inline constexpr int ACF_PARTS = 73;          // parts 0..72
inline constexpr int ACF_FOIL_PARTS = 44;     // airfoil-bearing parts 0..43
inline constexpr int ACF_ELEMENTS = 10;       // spanwise elements per part
inline constexpr int ACF_THRUST_POINTS = 8;   // engines, propellers, rotors
inline constexpr int ACF_RINGS = 10;          // radial rings of a propeller disc
inline constexpr int ACF_INSTRUMENTS = 300;   // panel instrument slots
inline constexpr int ACF_CUSTOM_GAUGES = 50;  // custom round gauges and digital readouts
inline constexpr int ACF_FLAP_DETENTS = 8;
inline constexpr int ACF_GEAR_DOORS = 10;
inline constexpr int ACF_TANKS = 3;
inline constexpr int ACF_WPN_POINTS = 24;     // weapon attachment points
inline constexpr int ACF_WPN_SLOTS = 25;      // weapon records: the 24 points + the weapon being built
inline constexpr int ACF_BODY_STATIONS = 20;  // body grid: stations along the body ...
inline constexpr int ACF_BODY_POINTS = 18;    // ... and points around each station
inline constexpr int ACF_WPN_STATIONS = 12;   // stations of a weapon body
inline constexpr int ACF_FOIL_STATIONS = 20;  // hinge-line points of a wing-type part
inline constexpr int ACF_TEXT = 500;          // name, path, author, description, weapon names
inline constexpr int ACF_FOIL_NAME = 40;      // airfoil file names

inline constexpr int ACF_IMAGE_BYTES = 647096;    // stored image: is_APL up to end_of_data
inline constexpr int ACF_RECORD_BYTES = 3386576;  // whole record, run-time fields included

struct veh_struct {
    // ===================================================================
    // Stored image, first half
    // ===================================================================

    // Byte-order mark (0 = little-endian image) and identity.
    int is_APL;
    char name[500];  // replaced on reading by the name the file was opened under
    char path[500];  // replaced on reading by the path it was opened from
    char tailnum[40];
    char author[500];
    char descrip[500];

    // Limit speeds (knots), Mach and load limits.
    float Vmca_kts;
    float Vso_kts;
    float Vs_kts;
    float Vyse_kts;
    float Vfe_kts;
    float Vle_kts;
    float Vno_kts;
    float Vne_kts;
    float Mmo;
    float Gneg;
    float Gpos;

    // Lights and the pilot's eye point: a fitted flag followed by the position.
    int has_navlites;
    float pe_xyz[3];
    int has_lanlite1;
    float lanlite1_xyz[3];
    int has_lanlite2;
    float lanlite2_xyz[3];
    int has_taxilite;
    float lanlite3_xyz[3];  // the taxi light
    int has_fuserb1;
    float fuserb1_xyz[3];
    int has_fuserb2;
    float fuserb2_xyz[3];
    int has_taillite;
    float taillite_xyz[3];
    int has_refuel;
    float refuel_xyz[3];

    // Panel features: yaw string, head-up display, landing-light beam,
    // stall warning, tow and winch hooks, cockpit kind and indicator options.
    float yawstring_x;
    float yawstring_y;
    float HUD_ctr_x;
    float HUD_ctr_y_OLD;
    float HUD_del_x;
    float HUD_del_y;
    int lan_lite_steers;
    float lan_lite_power;
    float lan_lite_width;
    float lan_lite_the_ref;
    float stall_warn_aoa;
    float tow_hook_Y;
    float tow_hook_Z;
    float win_hook_Y;
    float win_hook_Z;
    int has_HOOPS_HUD;
    int cockpit_type;
    int asi_is_kts;
    int warn1_EQ;
    int warn2_EQ;
    int is_glossy;
    int draw_geo_frnt_views;
    int draw_geo_side_views;

    // Panel instrument slots; ins_type -1 marks an empty slot.
    int ins_type[300];
    float ins_size[300];
    float ins_x[300];
    float ins_y[300];

    // Custom round gauges and custom digital readouts.
    int cus_rnd_use[50];
    float cus_rnd_lo_val[50];
    float cus_rnd_hi_val[50];
    float cus_rnd_lo_ang[50];
    float cus_rnd_hi_ang[50];
    int cus_rnd_mirror[50];
    int cus_rnd_label[50];
    int cus_dig_use[50];
    float cus_dig_offset[50];
    float cus_dig_scale[50];
    int cus_dig_dig[50];
    int cus_dig_dec[50];

    // Engine layout, throttle and propeller options.
    int num_engines;
    int num_thrustpoints;
    float throt_max_FWD;
    float throt_max_REV;
    float idle_rat[2];
    int props_linked;
    int beta_prop_EQ;
    int auto_feather_EQ;
    int rev_thrust_EQ;
    int drive_by_wire_EQ;
    float feathered_pitch;
    float reversed_pitch;
    float rotor_mi_rat;
    float tip_weight;
    float tip_mach_des_100;
    float tip_mach_des_50;

    // Reciprocating and turbine engines: power, limits, speeds (rad/s).
    float power_max;
    float crit_alt_prop;
    float MP_max;
    float trq_max_eng;
    float RSC_idlespeed_ENGN;
    float RSC_redline_ENGN;
    float RSC_idlespeed_PROP;
    float RSC_redline_PROP;
    float RSC_mingreen_ENGN;
    float RSC_maxgreen_ENGN;
    float RSC_mingreen_PROP;
    float RSC_maxgreen_PROP;
    int has_press_controls;
    float throt_time_prop;
    float trans_loss;

    // Jets and rockets.
    float thrust_max;
    float burner_inc;
    float max_mach_eff;
    float face_jet;
    float throt_time_jet;
    float lift_fan_rat;
    float rock_max_sl;
    float rock_max_opt;
    float rock_max_vac;
    float rock_h_opt;
    float face_rocket;

    // Per thrust point: engine and propeller kind, mass, gearing, cant,
    // blade pitch and design point, inertia and disc geometry.
    int engn_type[8];
    int prop_type[8];
    float engn_mass[8];
    int prop_clutch_EQ[8];
    float prop_gear_rat[8];
    float prop_dir[8];
    float num_blades[8];
    float SFC[8];
    float vert_cant_init[8];
    float side_cant_init[8];
    float min_pitch[8];
    float max_pitch[8];
    float des_rpm_prp[8];
    float des_kts_prp[8];
    float des_kts_acf[8];
    float prop_mass[8];
    float mi_prop_rpm[8];
    float mi_engn_rpm[8];
    float discarea[8];
    float ringarea[8][10];
    float bladesweep[8][10];

    // Starter, battery, force feedback and cabin pressure.
    float starter_rat;
    float battery_rat;
    int ff_hydraulic;
    int ff_stickshaker;
    float manual_reversion_rat;
    float max_press_diff;

    // Parts: presence, airfoil file names and spanwise element count.
    int part_eq[73];
    char Rafl0[73][40];
    char Rafl1[73][40];
    char Tafl0[73][40];
    char Tafl1[73][40];
    int els[73];

    // Part geometry: root position, chords, spans, body aerodynamic centre,
    // dihedral and sweep (fixed, variable and current).
    float Xarm[73];
    float Yarm[73];
    float Zarm[73];
    float Croot[73];
    float Ctip[73];
    float semilen_SEG[73];
    float semilen_JND[73];
    float element_len[73];
    float X_body_aero[73];
    float Y_body_aero[73];
    float Z_body_aero[73];
    float dihed1[73];
    float dihed2[73];
    float dihednow[73];
    int vardihed[73];
    int vardihedEQ;
    float sweep1[73];
    float sweep2[73];
    float sweepnow[73];
    int varsweep[73];
    int varsweepEQ;

    // Part aerodynamics.
    float e[73];
    float AR[73];
    float al_D_al0[73];
    float cl_D_cl0[73];
    float cm_D_cm0[73];
    float delta_fac[73];
    float spec_wash[73];
    float alpha_max[73];
    float slat_effect[73];

    // Per part and element: area, mean chord, incidence.
    float s[73][10];
    float mac[73][10];
    float incidence[73][10];

    // Control surfaces. For each kind: which elements carry it, the derived
    // span of elements it covers on each part (elR first, elT one past the
    // last), its chord ratios at root and tip, and its deflection limits.
    int ail1[73][10];
    float ail1_elR[73];
    float ail1_elT[73];
    float ail1_cratR;
    float ail1_cratT;
    float ail1_up;
    float ail1_dn;

    int ail2[73][10];
    float ail2_elR[73];
    float ail2_elT[73];
    float ail2_cratR;
    float ail2_cratT;
    float ail2_up;
    float ail2_dn;

    int elev[73][10];
    float elev_elR[73];
    float elev_elT[73];
    float elev_cratR;
    float elev_cratT;
    float elev_up;
    float elev_dn;

    int rudd[73][10];
    float rudd_elR[73];
    float rudd_elT[73];
    float rudd_cratR;
    float rudd_cratT;
    float rudd_lr;

    int spo1[73][10];
    float spo1_elR[73];
    float spo1_elT[73];
    float spo1_cratR;
    float spo1_cratT;
    float spo1_up;

    int yawb[73][10];
    float yawb_elR[73];
    float yawb_elT[73];
    float yawb_cratR;
    float yawb_cratT;
    float yawb_ud;

    int sbrk[73][10];
    float sbrk_elR[73];
    float sbrk_elT[73];
    float sbrk_cratR;
    float sbrk_cratT;
    float sbrk_up;
    int sbrkEQ;

    int flap[73][10];
    float flap_elR[73];
    float flap_elT[73];
    float flap_cratR;
    float flap_cratT;
    float flap_dn[8];  // deflection at each detent
    int flapEQ;

    int slat[73][10];
    float slat_inc;
    int slatEQ;

    // Elements whose incidence moves with a control, per part and element.
    int inc_ail1[73][10];
    int inc_ail2[73][10];
    int inc_elev[73][10];
    int inc_rudd[73][10];
    int inc_vect[73][10];
    int inc_trim[73][10];

    // Downwash map: element e of part a lies in the downwash of part b, [a][b][e].
    int in_downwash[73][73][10];

    // ===================================================================
    // Stored image, second half
    // ===================================================================

    // Body shapes: radius and 20 stations x 18 points per part. Parts 0..24
    // never use theirs as wings; weapon slot w keeps its body in entry w.
    float body_r[73];
    float body_X[73][20][18];
    float body_Y[73][20][18];
    float body_Z[73][20][18];

    // Landing gear per part: kind, leg angles (extended, retracted, now),
    // contact point, leg and tyre, spring and damping, deployment, steering.
    int gear_type[73];
    float gear_latE[73];
    float gear_lonE[73];
    float gear_axiE[73];
    float gear_latR[73];
    float gear_lonR[73];
    float gear_axiR[73];
    float gear_latN[73];
    float gear_lonN[73];
    float gear_axiN[73];
    float gear_xnodef[73];
    float gear_ynodef[73];
    float gear_znodef[73];
    float gear_leglen[73];
    float tire_radius[73];
    float tire_swidth[73];
    float gearcon[73];
    float geardmp[73];
    float gear_deploy[73];
    float gearstatdef[73];
    float dummy[73];
    int gear_steers[73];
    float gear_cyctim[73];

    // Fuselage drag, stabiliser trim range and flaps.
    float fuse_cd;
    float hstb_trim_up;
    float hstb_trim_dn;
    int flap_type;
    int con_smooth;
    int flap_detents;
    float flap_deftime;
    float flap_cl;
    float flap_cd;
    float flap_cm;
    float blown_flap_add_speed;
    float blown_flap_throt_red;
    float blown_flap_min_engag;
    int blow_all_controls;

    // Gear handling on the ground and on water.
    int gear_retract;
    float nw_steerdeg1;
    float nw_steerdeg2;
    float nw_cutoff_omega;
    float nw_side_k;
    float gear_door_size;
    float water_rud_longarm;
    float water_rud_area;
    float water_rud_maxdef;
    float roll_co;
    float brake_co;

    // Gear doors: kind, hinge, four corners and angles per door.
    int gear_door_typ[10];
    float gear_door_loc[10][3];
    float gear_door_geo[10][4][3];
    float gear_door_axi_rot[10];
    float gear_door_ext_ang[10];
    float gear_door_ret_ang[10];
    float gear_door_ang_now[10];

    // Mass and balance, fuel tanks and the jettisonable load.
    float cgY;
    float cgZ;
    float cgZ_fwd;
    float cgZ_aft;
    float m_empty;
    float m_fuel_tot;
    float m_jettison;
    float m_max;
    float m_displaced;
    float Jxx_unitmass;
    float Jyy_unitmass;
    float Jzz_unitmass;
    int num_tanks;
    float tank_rat[3];
    float tank_X[3];
    float tank_Y[3];
    float tank_Z[3];
    int jett_is_slung;
    int jett_is_water;
    float jett_len;
    float jett_xyz[3];

    // Control mixing: flap moments, mass shift, wing tilt, thrust vectoring.
    float flap_roll;
    float flap_ptch;
    float mass_shift;
    float mass_shift_dx;
    float mass_shift_dz;
    float wing_tilt_ptch;
    float wing_tilt_roll;
    float tvec_ptch;
    float tvec_roll;
    float tvec_hdng;

    // Rocket-assisted take-off unit.
    float jato_Y;
    float jato_Z;
    float jato_theta;
    float jato_thrust;
    float jato_dur;
    float jato_sfc;

    // More control mixing.
    float stab_roll;
    float stab_hdng;
    float elev_with_flap_rat;
    float ail1_pitch;
    float ail1_flaps;
    float ail2_pitch;
    float ail2_flaps;
    float ail2_vmax;
    float diff_thro_hdng;
    int phase_ptch_tvect_in_at_90;
    int phase_ptch_tvect_in_at_00;

    // Systems and automatic behaviours (0/1).
    int sbrk_on_td_EQ;
    int fbrk_on_td_EQ;
    int sweep_with_flaps_EQ;
    int flaps_with_gear_EQ;
    int slat_with_stall_EQ;
    int anti_ice_EQ;
    int arresting_EQ;
    int revt_on_td_EQ;
    int warn_gear_EQ;
    int warn_lorot_EQ;
    int auto_trim_EQ;
    int flaps_with_vec_EQ;

    // Speed brake and drag chute.
    float brake_area;
    float brake_Y;
    float brake_Z;
    float chute_area;
    float chute_Y;
    float chute_Z;

    // Thrust vectoring and rotors.
    int vect_EQ;
    int auto_rpm_with_tvec;
    int hide_prop_at_90_vect;
    float vect_rate;
    float vect_min_disc;
    float vect_max_disc;
    float vectarmY;
    float vectarmZ;
    float cyclic_def_elev;
    float cyclic_def_ailn;
    float flap_arm;
    float delta3;
    float puff_LMN[3];
    float puff_xyz[3];
    float stab_delinc_to_Vne;
    float tail_with_coll;
    float diff_coll_with_roll;
    float diff_coll_with_hdng;
    float diff_coll_with_ptch;
    float diff_cycl_with_hdng_lon;
    float diff_cycl_with_hdng_lat;
    float rotor_trim_max_fwd;
    float rotor_trim_max_aft;

    // Artificial stability (older speed thresholds, low- and high-speed gains).
    float AShiV_old_all;
    float ASloV_old_all;
    float ASlo_max_thedot;
    float ASlo_thedot_k;
    float ASlo_max_psidot;
    float ASlo_psidot_k;
    float ASlo_max_phidot;
    float ASlo_phidot_k;
    float AShi_max_G;
    float AShi_G_k;
    float AShi_Gdot_k;
    float AShi_max_alpha;
    float AShi_alpha_k;
    float AShi_alphadot_k;
    float AShi_max_beta;
    float AShi_beta_k;
    float AShi_betadot_k;
    float AShi_max_phidot;
    float AShi_phidot_k;

    // Weapons: file name and attachment position per attachment point.
    char wpn_name[24][500];
    float x_wpn_att[24];
    float y_wpn_att[24];
    float z_wpn_att[24];

    // Derived sizes, equilibrium on the gear, cockpit object handle.
    float est_Vs_msc;
    float size_x;
    float size_z;
    float tire_s_contact;
    float m_displaced_y;
    float h_eqlbm;
    float the_eqlbm;
    int steer_gear;
    int is_skid_gear;
    int cockpit_M;  // handle of the loaded cockpit object, -1 = none; set on every read
    float size_tot;
    int dummy3[3];

    // Equipment derived from the panel instruments.
    int has_radalt;
    int has_hsi;
    int has_radar;
    int has_SC_fd;
    int has_DC_fd;
    int has_stallwarn;
    int has_clutchswitch;
    int has_prerotate;
    int has_idlespeed;
    int has_FADECswitch;
    int has_litemap_tex_1;
    int has_tailrotor;
    int has_collective;

    // Sound reference points.
    float snd_kias;
    float snd_rpm_prp;
    float snd_rpm_eng;
    float snd_n1;

    // Later additions, in the order the format grew. Variable incidence:
    float inc2[73];
    float incnow[73];
    int varinc[73];
    int varincEQ;
    float rudd_with_ailn_rat;
    float strut_comp[73];

    // Side of each part, jettisoned aircraft, collective rotor, all-flying stabiliser.
    int is_left[73];
    float lat_sign[73];
    int jett_is_acf;
    int collective_en;
    int is_flying_stab;
    float dummy4[6];
    int has_vvi_set;

    // Differential throttle and the remaining thrust-vector phasing.
    float diff_thro_ptch;
    float diff_thro_roll;
    int phase_roll_tvect_in_at_90;
    int phase_roll_tvect_in_at_00;
    int phase_hdng_tvect_in_at_90;
    int phase_hdng_tvect_in_at_00;

    // Autopilot selectors and artificial-stability speed thresholds.
    int has_asi_set;
    int has_hdg_set;
    int has_alt_set;
    float ASlo_the_V;
    float ASlo_psi_V;
    float ASlo_phi_V;
    float AShi_the_V;
    float AShi_psi_V;
    float AShi_phi_V;

    // Spoiler cut-out, boost, trim ranges, landing-light heading, mixture.
    float spo1_vmax;
    float max_boost_pas_prop;
    float min_trim_elev;
    float max_trim_elev;
    float min_trim_ailn;
    float max_trim_ailn;
    float min_trim_rudd;
    float max_trim_rudd;
    float lan_lite_psi_ref;
    int has_mixture;

    // Taper ratio, gear presence, custom gauge options.
    float TR[73];
    int has_gear;
    int cus_non_lin[50];
    float cus_doub_val[50];
    int beaconEQ;
    int has_knots_mach;

    // Trim speeds, buoyancy, exhaust, attitude-holding artificial stability.
    float elev_trim_speedrat;
    float ailn_trim_speedrat;
    float rudd_trim_speedrat;
    float disp_rat;
    float exhaust_rat;
    int lo_speed_is_position;
    float ASlo_max_the;
    float ASlo_the_k;
    float ASlo_max_phi;
    float ASlo_phi_k;

    // Ducted propellers, weapon attachment attitude, panel size, HUD centre
    // per panel layout.
    int is_ducted[8];
    float the_wpn_att[24];
    float psi_wpn_att[24];
    float big_panel_pix_default;
    float HUD_ctr_y[9];

    // Spoiler set 2, laid out like the other control surfaces.
    int spo2[73][10];
    float spo2_elR[73];
    float spo2_elT[73];
    float spo2_cratR;
    float spo2_cratT;
    float spo2_up;
    float spo2_vmax;
    float ail1_vmax;
    float roll_to_eng_spo1;
    float roll_to_eng_spo2;
    float dummy2[73];

    // Engine extras, light maps, rotor disc tilt, landing-light offsets.
    float EPR_max;
    int sweep_with_vect_EQ;
    int old_cus_layers;
    int has_litemap_tex_2;
    float disc_tilt_elev;
    float disc_tilt_ailn;
    float lan_lite_psi_off;
    float lan_lite_the_off;
    float inertia_rat_prop;
    float fuel_intro_time_jet;
    float tire_mi[73];
    float vect_min_nace;
    float vect_max_nace;
    int manual_rad_gyr;

    // Engine red lines and timings, take-off trim, mean chord.
    float max_ITT;
    float max_EGT;
    float fuel_intro_time_prop;
    float spool_time_jet;
    float takeoff_trim;
    float average_MAC_acf;

    // Custom autopilot constants.
    int custom_autopilot;
    float ott_asi_ratio;
    float ott_asi_sec_into_future;
    float ott_asi_kts_off_for_full_def;
    float ott_phi_ratio;
    float ott_phi_sec_into_future;
    float ott_phi_deg_off_for_full_def;
    float ott_phi_sec_to_tune;
    float ott_def_sec_into_future;
    float ott_def_dot_off_for_full_def;
    float ott_def_sec_to_tune;
    float ott_the_ratio;
    float ott_the_sec_into_future;
    float ott_the_deg_off_for_full_def;
    float ott_the_sec_to_tune;
    int feather_with_prop_EQ;
    float ott_the_deg_per_kt;

    // Cockpit object position, weapon roll, jet altitude and boost, mean chord per part.
    float cockpit_xyz[3];
    float phi_wpn_att[24];
    float crit_alt_jet;
    float max_boost_pas_jet;
    float average_MAC[73];

    // Gauge red lines, trim tabs, vertical-speed hold, weapon attachment part and control.
    float max_CHT;
    float max_OILT;
    float max_OILP;
    float elev_tab;
    float ailn_tab;
    float rudd_tab;
    float ott_vvi_sec_into_future;
    int wpn_att_prt[24];
    int wpn_att_con[24];

    // Reserved integers, then the one-byte fields. Two padding bytes follow
    // ICAO (so part_psi is word-aligned); they are stored with the image and
    // are zero in a cleared record.
    int xint_overflow[47];
    char is_hm;
    char is_ga;
    char ICAO[40];

    // Orientation of each part, control reversal per part, reserved bytes.
    float part_psi[73];
    float part_the[73];
    float part_phi[73];
    char rev_con[73];
    char xchr_overflow[7];

    // First byte behind the stored image; never written to a file.
    char end_of_data;

    // ===================================================================
    // Run-time fields: never stored, cleared with the record and rebuilt
    // after every load. Three bytes of alignment padding lie between
    // end_of_data and a_xyz.
    // ===================================================================

    // Drawable body geometry per part, station and point (vertex, normal,
    // texture coordinate), and the hinge lines of the wing-type parts.
    float a_xyz[73][20][18][3];
    float n_xyz[73][20][18][3];
    float st[73][20][18][2];
    float ca_xyz[44][20][3];
    float co_xyz[44][20][3];

    // Weapon body normals and texture coordinates per weapon record.
    float wpn_n_xyz[25][12][18][3];
    float wpn_st[25][12][18][2];

    // Airfoil tables of parts 0..43 and the weapon records.
    airfoil_struct afl[44];
    wpn_struct wpn[25];
};

static_assert(sizeof(veh_struct) == ACF_RECORD_BYTES, "the whole aircraft record is 3,386,576 bytes");
static_assert(std::is_trivially_copyable_v<veh_struct> && std::is_standard_layout_v<veh_struct>,
              "veh_struct is cleared, written and read as raw bytes");

// ---------------------------------------------------------------------------
// Every field of veh_struct in order: name, byte offset, element type, element
// count. acf_struct.cpp holds the struct to this list at compile time; the
// layout dump tool prints the compiler's offsets for the same names.
#define VEH_STRUCT_LAYOUT(X)                          \
    X(is_APL, 0, int, 1)                              \
    X(name, 4, char, 500)                             \
    X(path, 504, char, 500)                           \
    X(tailnum, 1004, char, 40)                        \
    X(author, 1044, char, 500)                        \
    X(descrip, 1544, char, 500)                       \
    X(Vmca_kts, 2044, float, 1)                       \
    X(Vso_kts, 2048, float, 1)                        \
    X(Vs_kts, 2052, float, 1)                         \
    X(Vyse_kts, 2056, float, 1)                       \
    X(Vfe_kts, 2060, float, 1)                        \
    X(Vle_kts, 2064, float, 1)                        \
    X(Vno_kts, 2068, float, 1)                        \
    X(Vne_kts, 2072, float, 1)                        \
    X(Mmo, 2076, float, 1)                            \
    X(Gneg, 2080, float, 1)                           \
    X(Gpos, 2084, float, 1)                           \
    X(has_navlites, 2088, int, 1)                     \
    X(pe_xyz, 2092, float, 3)                         \
    X(has_lanlite1, 2104, int, 1)                     \
    X(lanlite1_xyz, 2108, float, 3)                   \
    X(has_lanlite2, 2120, int, 1)                     \
    X(lanlite2_xyz, 2124, float, 3)                   \
    X(has_taxilite, 2136, int, 1)                     \
    X(lanlite3_xyz, 2140, float, 3)                   \
    X(has_fuserb1, 2152, int, 1)                      \
    X(fuserb1_xyz, 2156, float, 3)                    \
    X(has_fuserb2, 2168, int, 1)                      \
    X(fuserb2_xyz, 2172, float, 3)                    \
    X(has_taillite, 2184, int, 1)                     \
    X(taillite_xyz, 2188, float, 3)                   \
    X(has_refuel, 2200, int, 1)                       \
    X(refuel_xyz, 2204, float, 3)                     \
    X(yawstring_x, 2216, float, 1)                    \
    X(yawstring_y, 2220, float, 1)                    \
    X(HUD_ctr_x, 2224, float, 1)                      \
    X(HUD_ctr_y_OLD, 2228, float, 1)                  \
    X(HUD_del_x, 2232, float, 1)                      \
    X(HUD_del_y, 2236, float, 1)                      \
    X(lan_lite_steers, 2240, int, 1)                  \
    X(lan_lite_power, 2244, float, 1)                 \
    X(lan_lite_width, 2248, float, 1)                 \
    X(lan_lite_the_ref, 2252, float, 1)               \
    X(stall_warn_aoa, 2256, float, 1)                 \
    X(tow_hook_Y, 2260, float, 1)                     \
    X(tow_hook_Z, 2264, float, 1)                     \
    X(win_hook_Y, 2268, float, 1)                     \
    X(win_hook_Z, 2272, float, 1)                     \
    X(has_HOOPS_HUD, 2276, int, 1)                    \
    X(cockpit_type, 2280, int, 1)                     \
    X(asi_is_kts, 2284, int, 1)                       \
    X(warn1_EQ, 2288, int, 1)                         \
    X(warn2_EQ, 2292, int, 1)                         \
    X(is_glossy, 2296, int, 1)                        \
    X(draw_geo_frnt_views, 2300, int, 1)              \
    X(draw_geo_side_views, 2304, int, 1)              \
    X(ins_type, 2308, int, 300)                       \
    X(ins_size, 3508, float, 300)                     \
    X(ins_x, 4708, float, 300)                        \
    X(ins_y, 5908, float, 300)                        \
    X(cus_rnd_use, 7108, int, 50)                     \
    X(cus_rnd_lo_val, 7308, float, 50)                \
    X(cus_rnd_hi_val, 7508, float, 50)                \
    X(cus_rnd_lo_ang, 7708, float, 50)                \
    X(cus_rnd_hi_ang, 7908, float, 50)                \
    X(cus_rnd_mirror, 8108, int, 50)                  \
    X(cus_rnd_label, 8308, int, 50)                   \
    X(cus_dig_use, 8508, int, 50)                     \
    X(cus_dig_offset, 8708, float, 50)                \
    X(cus_dig_scale, 8908, float, 50)                 \
    X(cus_dig_dig, 9108, int, 50)                     \
    X(cus_dig_dec, 9308, int, 50)                     \
    X(num_engines, 9508, int, 1)                      \
    X(num_thrustpoints, 9512, int, 1)                 \
    X(throt_max_FWD, 9516, float, 1)                  \
    X(throt_max_REV, 9520, float, 1)                  \
    X(idle_rat, 9524, float, 2)                       \
    X(props_linked, 9532, int, 1)                     \
    X(beta_prop_EQ, 9536, int, 1)                     \
    X(auto_feather_EQ, 9540, int, 1)                  \
    X(rev_thrust_EQ, 9544, int, 1)                    \
    X(drive_by_wire_EQ, 9548, int, 1)                 \
    X(feathered_pitch, 9552, float, 1)                \
    X(reversed_pitch, 9556, float, 1)                 \
    X(rotor_mi_rat, 9560, float, 1)                   \
    X(tip_weight, 9564, float, 1)                     \
    X(tip_mach_des_100, 9568, float, 1)               \
    X(tip_mach_des_50, 9572, float, 1)                \
    X(power_max, 9576, float, 1)                      \
    X(crit_alt_prop, 9580, float, 1)                  \
    X(MP_max, 9584, float, 1)                         \
    X(trq_max_eng, 9588, float, 1)                    \
    X(RSC_idlespeed_ENGN, 9592, float, 1)             \
    X(RSC_redline_ENGN, 9596, float, 1)               \
    X(RSC_idlespeed_PROP, 9600, float, 1)             \
    X(RSC_redline_PROP, 9604, float, 1)               \
    X(RSC_mingreen_ENGN, 9608, float, 1)              \
    X(RSC_maxgreen_ENGN, 9612, float, 1)              \
    X(RSC_mingreen_PROP, 9616, float, 1)              \
    X(RSC_maxgreen_PROP, 9620, float, 1)              \
    X(has_press_controls, 9624, int, 1)               \
    X(throt_time_prop, 9628, float, 1)                \
    X(trans_loss, 9632, float, 1)                     \
    X(thrust_max, 9636, float, 1)                     \
    X(burner_inc, 9640, float, 1)                     \
    X(max_mach_eff, 9644, float, 1)                   \
    X(face_jet, 9648, float, 1)                       \
    X(throt_time_jet, 9652, float, 1)                 \
    X(lift_fan_rat, 9656, float, 1)                   \
    X(rock_max_sl, 9660, float, 1)                    \
    X(rock_max_opt, 9664, float, 1)                   \
    X(rock_max_vac, 9668, float, 1)                   \
    X(rock_h_opt, 9672, float, 1)                     \
    X(face_rocket, 9676, float, 1)                    \
    X(engn_type, 9680, int, 8)                        \
    X(prop_type, 9712, int, 8)                        \
    X(engn_mass, 9744, float, 8)                      \
    X(prop_clutch_EQ, 9776, int, 8)                   \
    X(prop_gear_rat, 9808, float, 8)                  \
    X(prop_dir, 9840, float, 8)                       \
    X(num_blades, 9872, float, 8)                     \
    X(SFC, 9904, float, 8)                            \
    X(vert_cant_init, 9936, float, 8)                 \
    X(side_cant_init, 9968, float, 8)                 \
    X(min_pitch, 10000, float, 8)                     \
    X(max_pitch, 10032, float, 8)                     \
    X(des_rpm_prp, 10064, float, 8)                   \
    X(des_kts_prp, 10096, float, 8)                   \
    X(des_kts_acf, 10128, float, 8)                   \
    X(prop_mass, 10160, float, 8)                     \
    X(mi_prop_rpm, 10192, float, 8)                   \
    X(mi_engn_rpm, 10224, float, 8)                   \
    X(discarea, 10256, float, 8)                      \
    X(ringarea, 10288, float, 8 * 10)                 \
    X(bladesweep, 10608, float, 8 * 10)               \
    X(starter_rat, 10928, float, 1)                   \
    X(battery_rat, 10932, float, 1)                   \
    X(ff_hydraulic, 10936, int, 1)                    \
    X(ff_stickshaker, 10940, int, 1)                  \
    X(manual_reversion_rat, 10944, float, 1)          \
    X(max_press_diff, 10948, float, 1)                \
    X(part_eq, 10952, int, 73)                        \
    X(Rafl0, 11244, char, 73 * 40)                    \
    X(Rafl1, 14164, char, 73 * 40)                    \
    X(Tafl0, 17084, char, 73 * 40)                    \
    X(Tafl1, 20004, char, 73 * 40)                    \
    X(els, 22924, int, 73)                            \
    X(Xarm, 23216, float, 73)                         \
    X(Yarm, 23508, float, 73)                         \
    X(Zarm, 23800, float, 73)                         \
    X(Croot, 24092, float, 73)                        \
    X(Ctip, 24384, float, 73)                         \
    X(semilen_SEG, 24676, float, 73)                  \
    X(semilen_JND, 24968, float, 73)                  \
    X(element_len, 25260, float, 73)                  \
    X(X_body_aero, 25552, float, 73)                  \
    X(Y_body_aero, 25844, float, 73)                  \
    X(Z_body_aero, 26136, float, 73)                  \
    X(dihed1, 26428, float, 73)                       \
    X(dihed2, 26720, float, 73)                       \
    X(dihednow, 27012, float, 73)                     \
    X(vardihed, 27304, int, 73)                       \
    X(vardihedEQ, 27596, int, 1)                      \
    X(sweep1, 27600, float, 73)                       \
    X(sweep2, 27892, float, 73)                       \
    X(sweepnow, 28184, float, 73)                     \
    X(varsweep, 28476, int, 73)                       \
    X(varsweepEQ, 28768, int, 1)                      \
    X(e, 28772, float, 73)                            \
    X(AR, 29064, float, 73)                           \
    X(al_D_al0, 29356, float, 73)                     \
    X(cl_D_cl0, 29648, float, 73)                     \
    X(cm_D_cm0, 29940, float, 73)                     \
    X(delta_fac, 30232, float, 73)                    \
    X(spec_wash, 30524, float, 73)                    \
    X(alpha_max, 30816, float, 73)                    \
    X(slat_effect, 31108, float, 73)                  \
    X(s, 31400, float, 73 * 10)                       \
    X(mac, 34320, float, 73 * 10)                     \
    X(incidence, 37240, float, 73 * 10)               \
    X(ail1, 40160, int, 73 * 10)                      \
    X(ail1_elR, 43080, float, 73)                     \
    X(ail1_elT, 43372, float, 73)                     \
    X(ail1_cratR, 43664, float, 1)                    \
    X(ail1_cratT, 43668, float, 1)                    \
    X(ail1_up, 43672, float, 1)                       \
    X(ail1_dn, 43676, float, 1)                       \
    X(ail2, 43680, int, 73 * 10)                      \
    X(ail2_elR, 46600, float, 73)                     \
    X(ail2_elT, 46892, float, 73)                     \
    X(ail2_cratR, 47184, float, 1)                    \
    X(ail2_cratT, 47188, float, 1)                    \
    X(ail2_up, 47192, float, 1)                       \
    X(ail2_dn, 47196, float, 1)                       \
    X(elev, 47200, int, 73 * 10)                      \
    X(elev_elR, 50120, float, 73)                     \
    X(elev_elT, 50412, float, 73)                     \
    X(elev_cratR, 50704, float, 1)                    \
    X(elev_cratT, 50708, float, 1)                    \
    X(elev_up, 50712, float, 1)                       \
    X(elev_dn, 50716, float, 1)                       \
    X(rudd, 50720, int, 73 * 10)                      \
    X(rudd_elR, 53640, float, 73)                     \
    X(rudd_elT, 53932, float, 73)                     \
    X(rudd_cratR, 54224, float, 1)                    \
    X(rudd_cratT, 54228, float, 1)                    \
    X(rudd_lr, 54232, float, 1)                       \
    X(spo1, 54236, int, 73 * 10)                      \
    X(spo1_elR, 57156, float, 73)                     \
    X(spo1_elT, 57448, float, 73)                     \
    X(spo1_cratR, 57740, float, 1)                    \
    X(spo1_cratT, 57744, float, 1)                    \
    X(spo1_up, 57748, float, 1)                       \
    X(yawb, 57752, int, 73 * 10)                      \
    X(yawb_elR, 60672, float, 73)                     \
    X(yawb_elT, 60964, float, 73)                     \
    X(yawb_cratR, 61256, float, 1)                    \
    X(yawb_cratT, 61260, float, 1)                    \
    X(yawb_ud, 61264, float, 1)                       \
    X(sbrk, 61268, int, 73 * 10)                      \
    X(sbrk_elR, 64188, float, 73)                     \
    X(sbrk_elT, 64480, float, 73)                     \
    X(sbrk_cratR, 64772, float, 1)                    \
    X(sbrk_cratT, 64776, float, 1)                    \
    X(sbrk_up, 64780, float, 1)                       \
    X(sbrkEQ, 64784, int, 1)                          \
    X(flap, 64788, int, 73 * 10)                      \
    X(flap_elR, 67708, float, 73)                     \
    X(flap_elT, 68000, float, 73)                     \
    X(flap_cratR, 68292, float, 1)                    \
    X(flap_cratT, 68296, float, 1)                    \
    X(flap_dn, 68300, float, 8)                       \
    X(flapEQ, 68332, int, 1)                          \
    X(slat, 68336, int, 73 * 10)                      \
    X(slat_inc, 71256, float, 1)                      \
    X(slatEQ, 71260, int, 1)                          \
    X(inc_ail1, 71264, int, 73 * 10)                  \
    X(inc_ail2, 74184, int, 73 * 10)                  \
    X(inc_elev, 77104, int, 73 * 10)                  \
    X(inc_rudd, 80024, int, 73 * 10)                  \
    X(inc_vect, 82944, int, 73 * 10)                  \
    X(inc_trim, 85864, int, 73 * 10)                  \
    X(in_downwash, 88784, int, 73 * 73 * 10)          \
    X(body_r, 301944, float, 73)                      \
    X(body_X, 302236, float, 73 * 20 * 18)            \
    X(body_Y, 407356, float, 73 * 20 * 18)            \
    X(body_Z, 512476, float, 73 * 20 * 18)            \
    X(gear_type, 617596, int, 73)                     \
    X(gear_latE, 617888, float, 73)                   \
    X(gear_lonE, 618180, float, 73)                   \
    X(gear_axiE, 618472, float, 73)                   \
    X(gear_latR, 618764, float, 73)                   \
    X(gear_lonR, 619056, float, 73)                   \
    X(gear_axiR, 619348, float, 73)                   \
    X(gear_latN, 619640, float, 73)                   \
    X(gear_lonN, 619932, float, 73)                   \
    X(gear_axiN, 620224, float, 73)                   \
    X(gear_xnodef, 620516, float, 73)                 \
    X(gear_ynodef, 620808, float, 73)                 \
    X(gear_znodef, 621100, float, 73)                 \
    X(gear_leglen, 621392, float, 73)                 \
    X(tire_radius, 621684, float, 73)                 \
    X(tire_swidth, 621976, float, 73)                 \
    X(gearcon, 622268, float, 73)                     \
    X(geardmp, 622560, float, 73)                     \
    X(gear_deploy, 622852, float, 73)                 \
    X(gearstatdef, 623144, float, 73)                 \
    X(dummy, 623436, float, 73)                       \
    X(gear_steers, 623728, int, 73)                   \
    X(gear_cyctim, 624020, float, 73)                 \
    X(fuse_cd, 624312, float, 1)                      \
    X(hstb_trim_up, 624316, float, 1)                 \
    X(hstb_trim_dn, 624320, float, 1)                 \
    X(flap_type, 624324, int, 1)                      \
    X(con_smooth, 624328, int, 1)                     \
    X(flap_detents, 624332, int, 1)                   \
    X(flap_deftime, 624336, float, 1)                 \
    X(flap_cl, 624340, float, 1)                      \
    X(flap_cd, 624344, float, 1)                      \
    X(flap_cm, 624348, float, 1)                      \
    X(blown_flap_add_speed, 624352, float, 1)         \
    X(blown_flap_throt_red, 624356, float, 1)         \
    X(blown_flap_min_engag, 624360, float, 1)         \
    X(blow_all_controls, 624364, int, 1)              \
    X(gear_retract, 624368, int, 1)                   \
    X(nw_steerdeg1, 624372, float, 1)                 \
    X(nw_steerdeg2, 624376, float, 1)                 \
    X(nw_cutoff_omega, 624380, float, 1)              \
    X(nw_side_k, 624384, float, 1)                    \
    X(gear_door_size, 624388, float, 1)               \
    X(water_rud_longarm, 624392, float, 1)            \
    X(water_rud_area, 624396, float, 1)               \
    X(water_rud_maxdef, 624400, float, 1)             \
    X(roll_co, 624404, float, 1)                      \
    X(brake_co, 624408, float, 1)                     \
    X(gear_door_typ, 624412, int, 10)                 \
    X(gear_door_loc, 624452, float, 10 * 3)           \
    X(gear_door_geo, 624572, float, 10 * 4 * 3)       \
    X(gear_door_axi_rot, 625052, float, 10)           \
    X(gear_door_ext_ang, 625092, float, 10)           \
    X(gear_door_ret_ang, 625132, float, 10)           \
    X(gear_door_ang_now, 625172, float, 10)           \
    X(cgY, 625212, float, 1)                          \
    X(cgZ, 625216, float, 1)                          \
    X(cgZ_fwd, 625220, float, 1)                      \
    X(cgZ_aft, 625224, float, 1)                      \
    X(m_empty, 625228, float, 1)                      \
    X(m_fuel_tot, 625232, float, 1)                   \
    X(m_jettison, 625236, float, 1)                   \
    X(m_max, 625240, float, 1)                        \
    X(m_displaced, 625244, float, 1)                  \
    X(Jxx_unitmass, 625248, float, 1)                 \
    X(Jyy_unitmass, 625252, float, 1)                 \
    X(Jzz_unitmass, 625256, float, 1)                 \
    X(num_tanks, 625260, int, 1)                      \
    X(tank_rat, 625264, float, 3)                     \
    X(tank_X, 625276, float, 3)                       \
    X(tank_Y, 625288, float, 3)                       \
    X(tank_Z, 625300, float, 3)                       \
    X(jett_is_slung, 625312, int, 1)                  \
    X(jett_is_water, 625316, int, 1)                  \
    X(jett_len, 625320, float, 1)                     \
    X(jett_xyz, 625324, float, 3)                     \
    X(flap_roll, 625336, float, 1)                    \
    X(flap_ptch, 625340, float, 1)                    \
    X(mass_shift, 625344, float, 1)                   \
    X(mass_shift_dx, 625348, float, 1)                \
    X(mass_shift_dz, 625352, float, 1)                \
    X(wing_tilt_ptch, 625356, float, 1)               \
    X(wing_tilt_roll, 625360, float, 1)               \
    X(tvec_ptch, 625364, float, 1)                    \
    X(tvec_roll, 625368, float, 1)                    \
    X(tvec_hdng, 625372, float, 1)                    \
    X(jato_Y, 625376, float, 1)                       \
    X(jato_Z, 625380, float, 1)                       \
    X(jato_theta, 625384, float, 1)                   \
    X(jato_thrust, 625388, float, 1)                  \
    X(jato_dur, 625392, float, 1)                     \
    X(jato_sfc, 625396, float, 1)                     \
    X(stab_roll, 625400, float, 1)                    \
    X(stab_hdng, 625404, float, 1)                    \
    X(elev_with_flap_rat, 625408, float, 1)           \
    X(ail1_pitch, 625412, float, 1)                   \
    X(ail1_flaps, 625416, float, 1)                   \
    X(ail2_pitch, 625420, float, 1)                   \
    X(ail2_flaps, 625424, float, 1)                   \
    X(ail2_vmax, 625428, float, 1)                    \
    X(diff_thro_hdng, 625432, float, 1)               \
    X(phase_ptch_tvect_in_at_90, 625436, int, 1)      \
    X(phase_ptch_tvect_in_at_00, 625440, int, 1)      \
    X(sbrk_on_td_EQ, 625444, int, 1)                  \
    X(fbrk_on_td_EQ, 625448, int, 1)                  \
    X(sweep_with_flaps_EQ, 625452, int, 1)            \
    X(flaps_with_gear_EQ, 625456, int, 1)             \
    X(slat_with_stall_EQ, 625460, int, 1)             \
    X(anti_ice_EQ, 625464, int, 1)                    \
    X(arresting_EQ, 625468, int, 1)                   \
    X(revt_on_td_EQ, 625472, int, 1)                  \
    X(warn_gear_EQ, 625476, int, 1)                   \
    X(warn_lorot_EQ, 625480, int, 1)                  \
    X(auto_trim_EQ, 625484, int, 1)                   \
    X(flaps_with_vec_EQ, 625488, int, 1)              \
    X(brake_area, 625492, float, 1)                   \
    X(brake_Y, 625496, float, 1)                      \
    X(brake_Z, 625500, float, 1)                      \
    X(chute_area, 625504, float, 1)                   \
    X(chute_Y, 625508, float, 1)                      \
    X(chute_Z, 625512, float, 1)                      \
    X(vect_EQ, 625516, int, 1)                        \
    X(auto_rpm_with_tvec, 625520, int, 1)             \
    X(hide_prop_at_90_vect, 625524, int, 1)           \
    X(vect_rate, 625528, float, 1)                    \
    X(vect_min_disc, 625532, float, 1)                \
    X(vect_max_disc, 625536, float, 1)                \
    X(vectarmY, 625540, float, 1)                     \
    X(vectarmZ, 625544, float, 1)                     \
    X(cyclic_def_elev, 625548, float, 1)              \
    X(cyclic_def_ailn, 625552, float, 1)              \
    X(flap_arm, 625556, float, 1)                     \
    X(delta3, 625560, float, 1)                       \
    X(puff_LMN, 625564, float, 3)                     \
    X(puff_xyz, 625576, float, 3)                     \
    X(stab_delinc_to_Vne, 625588, float, 1)           \
    X(tail_with_coll, 625592, float, 1)               \
    X(diff_coll_with_roll, 625596, float, 1)          \
    X(diff_coll_with_hdng, 625600, float, 1)          \
    X(diff_coll_with_ptch, 625604, float, 1)          \
    X(diff_cycl_with_hdng_lon, 625608, float, 1)      \
    X(diff_cycl_with_hdng_lat, 625612, float, 1)      \
    X(rotor_trim_max_fwd, 625616, float, 1)           \
    X(rotor_trim_max_aft, 625620, float, 1)           \
    X(AShiV_old_all, 625624, float, 1)                \
    X(ASloV_old_all, 625628, float, 1)                \
    X(ASlo_max_thedot, 625632, float, 1)              \
    X(ASlo_thedot_k, 625636, float, 1)                \
    X(ASlo_max_psidot, 625640, float, 1)              \
    X(ASlo_psidot_k, 625644, float, 1)                \
    X(ASlo_max_phidot, 625648, float, 1)              \
    X(ASlo_phidot_k, 625652, float, 1)                \
    X(AShi_max_G, 625656, float, 1)                   \
    X(AShi_G_k, 625660, float, 1)                     \
    X(AShi_Gdot_k, 625664, float, 1)                  \
    X(AShi_max_alpha, 625668, float, 1)               \
    X(AShi_alpha_k, 625672, float, 1)                 \
    X(AShi_alphadot_k, 625676, float, 1)              \
    X(AShi_max_beta, 625680, float, 1)                \
    X(AShi_beta_k, 625684, float, 1)                  \
    X(AShi_betadot_k, 625688, float, 1)               \
    X(AShi_max_phidot, 625692, float, 1)              \
    X(AShi_phidot_k, 625696, float, 1)                \
    X(wpn_name, 625700, char, 24 * 500)               \
    X(x_wpn_att, 637700, float, 24)                   \
    X(y_wpn_att, 637796, float, 24)                   \
    X(z_wpn_att, 637892, float, 24)                   \
    X(est_Vs_msc, 637988, float, 1)                   \
    X(size_x, 637992, float, 1)                       \
    X(size_z, 637996, float, 1)                       \
    X(tire_s_contact, 638000, float, 1)               \
    X(m_displaced_y, 638004, float, 1)                \
    X(h_eqlbm, 638008, float, 1)                      \
    X(the_eqlbm, 638012, float, 1)                    \
    X(steer_gear, 638016, int, 1)                     \
    X(is_skid_gear, 638020, int, 1)                   \
    X(cockpit_M, 638024, int, 1)                      \
    X(size_tot, 638028, float, 1)                     \
    X(dummy3, 638032, int, 3)                         \
    X(has_radalt, 638044, int, 1)                     \
    X(has_hsi, 638048, int, 1)                        \
    X(has_radar, 638052, int, 1)                      \
    X(has_SC_fd, 638056, int, 1)                      \
    X(has_DC_fd, 638060, int, 1)                      \
    X(has_stallwarn, 638064, int, 1)                  \
    X(has_clutchswitch, 638068, int, 1)               \
    X(has_prerotate, 638072, int, 1)                  \
    X(has_idlespeed, 638076, int, 1)                  \
    X(has_FADECswitch, 638080, int, 1)                \
    X(has_litemap_tex_1, 638084, int, 1)              \
    X(has_tailrotor, 638088, int, 1)                  \
    X(has_collective, 638092, int, 1)                 \
    X(snd_kias, 638096, float, 1)                     \
    X(snd_rpm_prp, 638100, float, 1)                  \
    X(snd_rpm_eng, 638104, float, 1)                  \
    X(snd_n1, 638108, float, 1)                       \
    X(inc2, 638112, float, 73)                        \
    X(incnow, 638404, float, 73)                      \
    X(varinc, 638696, int, 73)                        \
    X(varincEQ, 638988, int, 1)                       \
    X(rudd_with_ailn_rat, 638992, float, 1)           \
    X(strut_comp, 638996, float, 73)                  \
    X(is_left, 639288, int, 73)                       \
    X(lat_sign, 639580, float, 73)                    \
    X(jett_is_acf, 639872, int, 1)                    \
    X(collective_en, 639876, int, 1)                  \
    X(is_flying_stab, 639880, int, 1)                 \
    X(dummy4, 639884, float, 6)                       \
    X(has_vvi_set, 639908, int, 1)                    \
    X(diff_thro_ptch, 639912, float, 1)               \
    X(diff_thro_roll, 639916, float, 1)               \
    X(phase_roll_tvect_in_at_90, 639920, int, 1)      \
    X(phase_roll_tvect_in_at_00, 639924, int, 1)      \
    X(phase_hdng_tvect_in_at_90, 639928, int, 1)      \
    X(phase_hdng_tvect_in_at_00, 639932, int, 1)      \
    X(has_asi_set, 639936, int, 1)                    \
    X(has_hdg_set, 639940, int, 1)                    \
    X(has_alt_set, 639944, int, 1)                    \
    X(ASlo_the_V, 639948, float, 1)                   \
    X(ASlo_psi_V, 639952, float, 1)                   \
    X(ASlo_phi_V, 639956, float, 1)                   \
    X(AShi_the_V, 639960, float, 1)                   \
    X(AShi_psi_V, 639964, float, 1)                   \
    X(AShi_phi_V, 639968, float, 1)                   \
    X(spo1_vmax, 639972, float, 1)                    \
    X(max_boost_pas_prop, 639976, float, 1)           \
    X(min_trim_elev, 639980, float, 1)                \
    X(max_trim_elev, 639984, float, 1)                \
    X(min_trim_ailn, 639988, float, 1)                \
    X(max_trim_ailn, 639992, float, 1)                \
    X(min_trim_rudd, 639996, float, 1)                \
    X(max_trim_rudd, 640000, float, 1)                \
    X(lan_lite_psi_ref, 640004, float, 1)             \
    X(has_mixture, 640008, int, 1)                    \
    X(TR, 640012, float, 73)                          \
    X(has_gear, 640304, int, 1)                       \
    X(cus_non_lin, 640308, int, 50)                   \
    X(cus_doub_val, 640508, float, 50)                \
    X(beaconEQ, 640708, int, 1)                       \
    X(has_knots_mach, 640712, int, 1)                 \
    X(elev_trim_speedrat, 640716, float, 1)           \
    X(ailn_trim_speedrat, 640720, float, 1)           \
    X(rudd_trim_speedrat, 640724, float, 1)           \
    X(disp_rat, 640728, float, 1)                     \
    X(exhaust_rat, 640732, float, 1)                  \
    X(lo_speed_is_position, 640736, int, 1)           \
    X(ASlo_max_the, 640740, float, 1)                 \
    X(ASlo_the_k, 640744, float, 1)                   \
    X(ASlo_max_phi, 640748, float, 1)                 \
    X(ASlo_phi_k, 640752, float, 1)                   \
    X(is_ducted, 640756, int, 8)                      \
    X(the_wpn_att, 640788, float, 24)                 \
    X(psi_wpn_att, 640884, float, 24)                 \
    X(big_panel_pix_default, 640980, float, 1)        \
    X(HUD_ctr_y, 640984, float, 9)                    \
    X(spo2, 641020, int, 73 * 10)                     \
    X(spo2_elR, 643940, float, 73)                    \
    X(spo2_elT, 644232, float, 73)                    \
    X(spo2_cratR, 644524, float, 1)                   \
    X(spo2_cratT, 644528, float, 1)                   \
    X(spo2_up, 644532, float, 1)                      \
    X(spo2_vmax, 644536, float, 1)                    \
    X(ail1_vmax, 644540, float, 1)                    \
    X(roll_to_eng_spo1, 644544, float, 1)             \
    X(roll_to_eng_spo2, 644548, float, 1)             \
    X(dummy2, 644552, float, 73)                      \
    X(EPR_max, 644844, float, 1)                      \
    X(sweep_with_vect_EQ, 644848, int, 1)             \
    X(old_cus_layers, 644852, int, 1)                 \
    X(has_litemap_tex_2, 644856, int, 1)              \
    X(disc_tilt_elev, 644860, float, 1)               \
    X(disc_tilt_ailn, 644864, float, 1)               \
    X(lan_lite_psi_off, 644868, float, 1)             \
    X(lan_lite_the_off, 644872, float, 1)             \
    X(inertia_rat_prop, 644876, float, 1)             \
    X(fuel_intro_time_jet, 644880, float, 1)          \
    X(tire_mi, 644884, float, 73)                     \
    X(vect_min_nace, 645176, float, 1)                \
    X(vect_max_nace, 645180, float, 1)                \
    X(manual_rad_gyr, 645184, int, 1)                 \
    X(max_ITT, 645188, float, 1)                      \
    X(max_EGT, 645192, float, 1)                      \
    X(fuel_intro_time_prop, 645196, float, 1)         \
    X(spool_time_jet, 645200, float, 1)               \
    X(takeoff_trim, 645204, float, 1)                 \
    X(average_MAC_acf, 645208, float, 1)              \
    X(custom_autopilot, 645212, int, 1)               \
    X(ott_asi_ratio, 645216, float, 1)                \
    X(ott_asi_sec_into_future, 645220, float, 1)      \
    X(ott_asi_kts_off_for_full_def, 645224, float, 1) \
    X(ott_phi_ratio, 645228, float, 1)                \
    X(ott_phi_sec_into_future, 645232, float, 1)      \
    X(ott_phi_deg_off_for_full_def, 645236, float, 1) \
    X(ott_phi_sec_to_tune, 645240, float, 1)          \
    X(ott_def_sec_into_future, 645244, float, 1)      \
    X(ott_def_dot_off_for_full_def, 645248, float, 1) \
    X(ott_def_sec_to_tune, 645252, float, 1)          \
    X(ott_the_ratio, 645256, float, 1)                \
    X(ott_the_sec_into_future, 645260, float, 1)      \
    X(ott_the_deg_off_for_full_def, 645264, float, 1) \
    X(ott_the_sec_to_tune, 645268, float, 1)          \
    X(feather_with_prop_EQ, 645272, int, 1)           \
    X(ott_the_deg_per_kt, 645276, float, 1)           \
    X(cockpit_xyz, 645280, float, 3)                  \
    X(phi_wpn_att, 645292, float, 24)                 \
    X(crit_alt_jet, 645388, float, 1)                 \
    X(max_boost_pas_jet, 645392, float, 1)            \
    X(average_MAC, 645396, float, 73)                 \
    X(max_CHT, 645688, float, 1)                      \
    X(max_OILT, 645692, float, 1)                     \
    X(max_OILP, 645696, float, 1)                     \
    X(elev_tab, 645700, float, 1)                     \
    X(ailn_tab, 645704, float, 1)                     \
    X(rudd_tab, 645708, float, 1)                     \
    X(ott_vvi_sec_into_future, 645712, float, 1)      \
    X(wpn_att_prt, 645716, int, 24)                   \
    X(wpn_att_con, 645812, int, 24)                   \
    X(xint_overflow, 645908, int, 47)                 \
    X(is_hm, 646096, char, 1)                         \
    X(is_ga, 646097, char, 1)                         \
    X(ICAO, 646098, char, 40)                         \
    X(part_psi, 646140, float, 73)                    \
    X(part_the, 646432, float, 73)                    \
    X(part_phi, 646724, float, 73)                    \
    X(rev_con, 647016, char, 73)                      \
    X(xchr_overflow, 647089, char, 7)                 \
    X(end_of_data, 647096, char, 1)                   \
    X(a_xyz, 647100, float, 73 * 20 * 18 * 3)         \
    X(n_xyz, 962460, float, 73 * 20 * 18 * 3)         \
    X(st, 1277820, float, 73 * 20 * 18 * 2)           \
    X(ca_xyz, 1488060, float, 44 * 20 * 3)            \
    X(co_xyz, 1498620, float, 44 * 20 * 3)            \
    X(wpn_n_xyz, 1509180, float, 25 * 12 * 18 * 3)    \
    X(wpn_st, 1573980, float, 25 * 12 * 18 * 2)       \
    X(afl, 1617180, airfoil_struct, 44)               \
    X(wpn, 3147676, wpn_struct, 25)

// ===========================================================================
// Drawing state of one aircraft: where it is shown and how it is posed.
// Not stored in the aircraft file (the editor preferences keep the view
// position and attitude of flt[0]).
// ===========================================================================
struct flt_struct {
    // View position and attitude, degrees.
    double dob_x;
    double dob_y;
    double dob_z;
    float the;
    float psi;
    float phi;
    float sin_the;
    float cos_the;
    float sin_psi;
    float cos_psi;
    float sin_phi;
    float cos_phi;

    // Velocities, rates and grid position that an attached weapon inherits.
    float vx;
    float vy;
    float vz;
    float Prad;
    float Qrad;
    float Rrad;
    int i;
    int j;

    // Control requests: stick and pedals -1..1, ratios 0..1, trim, airspeed.
    float FC_ptch;
    float FC_roll;
    float FC_hdng;
    float flap_rat;
    float slat_rat;
    float sbrk_rqst;
    float sbrk_rat;
    float swdi_rat;
    float vect_rat;
    float elev_trim;
    float v_ind_kts;

    // Per thrust point: throttle, afterburner and rotor requests, and what
    // the deflection step makes of them.
    float CONT_thro_ref[8];
    float CONT_thro_use[8];
    int ENGN_burner_on[8];
    float ENGN_burner_rat[8];
    float POINT_pitch_deg_ref[8];
    float POINT_pitch_deg_use[8];
    float POINT_tac_rad[8];
    float POINT_cone_rad[8];
    float POINT_XYZ[8][3];
    float vert_nace_cant_vector[8];
    float vert_disc_cant_vector[8];
    float vert_disc_cant_cyclic[8];
    float side_disc_cant_cyclic[8];
    float cyclic_elev_disc_tilt[8];
    float cyclic_ailn_disc_tilt[8];

    // Per part: control surface deflections, variable sweep and dihedral,
    // element incidence changes, current sweep and dihedral sines and cosines.
    float ail1_def[73];
    float ail2_def[73];
    float spo1_def[73];
    float spo2_def[73];
    float yawb_def[73];
    float elev_def[73];
    float rudd_def[73];
    float flap_def[73];
    float foil_swe_inc[73];
    float foil_dih_inc[73];
    float elem_inc_inc[73][10];
    float sin_act_dihed[73];
    float cos_act_dihed[73];
    float sin_act_sweep[73];
    float cos_act_sweep[73];
    float stab_def;

    // Per part: gear leg attitude, tyre deflection, steering and rotation
    // (tire_rotation[0..7] is also the propeller rotation angle).
    float gear_psi[73];
    float gear_the[73];
    float gear_phi[73];
    float tire_vrt_def_veh[73];
    float tire_steer[73];
    float tire_rotation[73];

    // Light switches and the fin beacon's brightness.
    int nav_lite;
    int bea_lite;
    int str_inflash;
    int lan_lite;
    int tax_lite;
    float bea_alpha;
};

static_assert(std::is_trivially_copyable_v<flt_struct>, "flt_struct is cleared as raw bytes");

// ===========================================================================
// The program's aircraft records and their drawing states, defined in
// model/acf_struct.cpp and cleared by the start-up reset.
//
// veh[0] is the aircraft being edited, veh[1] receives an aircraft whose panel
// is imported; a record's own weapon arrays hold its weapons. Who writes them:
// - the aircraft file readers (current and previous generation) and the
//   new-aircraft defaults write whole records: clear, then fill; the file
//   writer only sets is_APL before it writes the image;
// - the end-of-frame recompute (control deflections, geometry build, derived
//   values and automatic settings) writes the derived and run-time fields;
// - the editor's widgets write fields of veh[0] through pointers while the
//   user clicks, drags or types.
// flt[p] is written by the drawing of aircraft p (control requests, light
// switches), by the deflection step (per-part and per-engine results) and by
// the view commands and the preferences reader (position and attitude).
// Everything runs on the main thread; no locking.
// ===========================================================================
extern veh_struct veh[ACF_RECORDS];
extern flt_struct flt[ACF_RECORDS];
