// ins_catalogue.cpp -- the instrument catalogue and the six default panels, as data.
#include "editor/ins_catalogue.h"
#include "base/HL_MATH_FUN.h"

// Type k of a panel slot names entry k: an aircraft file stores the number, so the order never changes.
const char* const INS_catalogue[INS_NUM_TYPES] = {
    "cockpit:supplement:tailnum.png",   // 0
    "cockpit:buttons:lights:but_land_light.png",   // 1
    "cockpit:buttons:but_HUD_power.png",   // 2
    "cockpit:de-ice:pitot_heat.png",   // 3
    "cockpit:de-ice:all_systems.png",   // 4
    "cockpit:buttons:but_autobrake.png",   // 5
    "cockpit:buttons:but_autofeather.png",   // 6
    "cockpit:buttons:but_yawdamp.png",   // 7
    "cockpit:buttons:engine:but_propsync.png",   // 8
    "cockpit:buttons:engine:but_FADEC.png",   // 9
    "cockpit:buttons:but_arrest.png",   // 10
    "cockpit:buttons:but_jettison.png",   // 11
    "cockpit:buttons:fuel:but_fueldump.png",   // 12
    "cockpit:buttons:but_chute.png",   // 13
    "cockpit:buttons:but_JATO.png",   // 14
    "cockpit:buttons:engine:but_prerotate.png",   // 15
    "cockpit:buttons:engine:but_prerotatelevel.png",   // 16
    "cockpit:buttons:but_rud_trim_reset.png",   // 17
    "cockpit:buttons:but_ail_trim_reset.png",   // 18
    "cockpit:buttons:but_brakes.png",   // 19
    "cockpit:buttons:landing gear:but_gear_handle_GA.png",   // 20
    "cockpit:buttons:landing gear:but_gear_handle_HM.png",   // 21
    "cockpit:buttons:landing gear:but_gear_light_GA.png",   // 22
    "cockpit:buttons:landing gear:but_gear_light_HM.png",   // 23
    "cockpit:standard six:HSIs:but_hsi_12.png",   // 24
    "cockpit:standard six:HSIs:but_hsi_12GPS.png",   // 25
    "cockpit:nav displays:RMIs:but_rmi_sel_12.png",   // 26
    "cockpit:nav displays:RMIs:but_rmi_sel_12GPS.png",   // 27
    "cockpit:EFIS:but_map_zoom.png",   // 28
    "cockpit:buttons:but_battery.png",   // 29
    "cockpit:buttons:but_avionics.png",   // 30
    "cockpit:buttons:engine:but_generator.png",   // 31
    "cockpit:buttons:but_inverter.png",   // 32
    "cockpit:buttons:fuel:but_fuelpump.png",   // 33
    "cockpit:buttons:starter:but_starter_GA.png",   // 34
    "cockpit:buttons:starter:but_starter_BC.png",   // 35
    "cockpit:buttons:starter:but_starter_HM.png",   // 36
    "cockpit:buttons:but_flitedir_modeSC.png",   // 37
    "cockpit:buttons:fuel:but_fuel_01.png",   // 38
    "cockpit:rheostats:rhe_flood_brt_GA.png",   // 39
    "cockpit:rheostats:rhe_HUD_brt_GA.png",   // 40
    "cockpit:rheostats:rhe_baro_GA.png",   // 41
    "cockpit:rheostats:rhe_OBS_1_GA.png",   // 42
    "cockpit:rheostats:rhe_OBS_2_GA.png",   // 43
    "cockpit:nav displays:ADFs:rhe_ADF_1_GA.png",   // 44
    "cockpit:nav displays:ADFs:rhe_ADF_2_GA.png",   // 45
    "cockpit:standard six:altimeters:radioalt_sel_GA.png",   // 46
    "cockpit:handles:han_thro_vernier.png",   // 47
    "cockpit:handles:han_thro_linear.png",   // 48
    "cockpit:handles:han_prop_vernier.png",   // 49
    "cockpit:handles:han_prop_linear.png",   // 50
    "cockpit:handles:han_mixture_vernier.png",   // 51
    "cockpit:handles:han_mixture_linear.png",   // 52
    "cockpit:handles:han_cheat_vernier.png",   // 53
    "cockpit:handles:han_cheat_linear.png",   // 54
    "cockpit:handles:han_cowlflaps.png",   // 55
    "cockpit:handles:han_sbrake1.png",   // 56
    "cockpit:handles:han_sbrake2.png",   // 57
    "cockpit:handles:han_sweep.png",   // 58
    "cockpit:handles:han_vect.png",   // 59
    "cockpit:handles:han_collective.png",   // 60
    "cockpit:handles:han_displacement.png",   // 61
    "cockpit:flaps:han_flap_GA.png",   // 62
    "cockpit:flaps:han_flap_BC.png",   // 63
    "cockpit:flaps:han_flap_HM.png",   // 64
    "cockpit:flaps:indicate_flap_linear.png",   // 65
    "cockpit:trim:elv_trim_act.png",   // 66
    "cockpit:trim:elv_trim_ind.png",   // 67
    "cockpit:trim:rud_trim_act.png",   // 68
    "cockpit:trim:rud_trim_ind.png",   // 69
    "cockpit:trim:ail_trim_act.png",   // 70
    "cockpit:trim:ail_trim_ind.png",   // 71
    "cockpit:trim:rot_trim_act.png",   // 72
    "cockpit:trim:rot_trim_ind.png",   // 73
    "cockpit:standard six:airspeed:asi_preset_GA_200.png",   // 74
    "cockpit:standard six:airspeed:asi_preset_GA_300.png",   // 75
    "cockpit:standard six:airspeed:asi_preset_BC.png",   // 76
    "cockpit:standard six:airspeed:asi_preset_BC_dig.png",   // 77
    "cockpit:standard six:airspeed:asi_preset_HM.png",   // 78
    "cockpit:standard six:airspeed:asi_preset_HM_dig.png",   // 79
    "cockpit:standard six:airspeed:asi_adap_GA.png",   // 80
    "cockpit:standard six:airspeed:asi_adap_GA_dig.png",   // 81
    "cockpit:standard six:airspeed:asi_adap_BC.png",   // 82
    "cockpit:standard six:airspeed:asi_adap_BC_dig.png",   // 83
    "cockpit:standard six:airspeed:asi_adap_HM.png",   // 84
    "cockpit:standard six:airspeed:asi_adap_HM_dig.png",   // 85
    "cockpit:standard six:airspeed:mach_round.png",   // 86
    "cockpit:standard six:airspeed:ASI_Linear.png",   // 87
    "cockpit:standard six:airspeed:Mach_linear.png",   // 88
    "cockpit:standard six:airspeed:AOA_linear.png",   // 89
    "cockpit:standard six:artificial horizons:horizon_GA_vac_adjust.png",   // 90
    "cockpit:standard six:artificial horizons:horizon_Glass_GA.png",   // 91
    "cockpit:standard six:artificial horizons:horizon_Glass_BC.png",   // 92
    "cockpit:standard six:artificial horizons:horizon_Glass_HM.png",   // 93
    "cockpit:standard six:altimeters:alt_GA.png",   // 94
    "cockpit:standard six:altimeters:alt_BC.png",   // 95
    "cockpit:standard six:altimeters:alt_HM.png",   // 96
    "cockpit:standard six:altimeters:alt_GA_dig.png",   // 97
    "cockpit:standard six:altimeters:alt_BC_dig.png",   // 98
    "cockpit:standard six:altimeters:alt_HM_dig.png",   // 99
    "cockpit:standard six:altimeters:alt_Linear.png",   // 100
    "cockpit:standard six:turn slip:turn.png",   // 101
    "cockpit:standard six:turn slip:needle.png",   // 102
    "cockpit:standard six:turn slip:slip_GA.png",   // 103
    "cockpit:standard six:turn slip:slip_BC.png",   // 104
    "cockpit:standard six:turn slip:slip_HM.png",   // 105
    "cockpit:compass:compass_GA.png",   // 106
    "cockpit:compass:compass_BC.png",   // 107
    "cockpit:compass:compass_HM.png",   // 108
    "cockpit:standard six:DGs:DG_HDG_SYN.png",   // 109
    "cockpit:standard six:HSIs:HSI_1_GA.png",   // 110
    "cockpit:standard six:HSIs:HSI_1_BC.png",   // 111
    "cockpit:standard six:HSIs:HSI_1_HM.png",   // 112
    "cockpit:standard six:HSIs:HSI_2_GA.png",   // 113
    "cockpit:standard six:HSIs:HSI_2_BC.png",   // 114
    "cockpit:standard six:HSIs:HSI_2_HM.png",   // 115
    "cockpit:standard six:HSIs:HSI_12GPS_GA.png",   // 116
    "cockpit:standard six:HSIs:HSI_12GPS_BC.png",   // 117
    "cockpit:standard six:HSIs:HSI_12GPS_HM.png",   // 118
    "cockpit:standard six:HSIs:HSI_glass_GA.png",   // 119
    "cockpit:standard six:HSIs:HSI_glass_BC.png",   // 120
    "cockpit:standard six:HSIs:HSI_glass_HM.png",   // 121
    "cockpit:standard six:vertical speed:VVI_2000_GA.png",   // 122
    "cockpit:standard six:vertical speed:VVI_3000_GA.png",   // 123
    "cockpit:standard six:vertical speed:VVI_2000_BC.png",   // 124
    "cockpit:standard six:vertical speed:VVI_5000_BC.png",   // 125
    "cockpit:standard six:vertical speed:VVI_6000_BC.png",   // 126
    "cockpit:standard six:vertical speed:VVI_2000_HM.png",   // 127
    "cockpit:standard six:vertical speed:VVI_5000_HM.png",   // 128
    "cockpit:standard six:vertical speed:VVI_6000_HM.png",   // 129
    "cockpit:standard six:vertical speed:VVI_Linear.png",   // 130
    "cockpit:nav displays:VORs:VOR_1_OBS.png",   // 131
    "cockpit:nav displays:VORs:VOR_2_OBS.png",   // 132
    "cockpit:nav displays:ADFs:ADF_conven1_GA.png",   // 133
    "cockpit:standard six:airspeed:Mach_display_HM.png",   // 134
    "cockpit:standard six:airspeed:Mach_display_BC.png",   // 135
    "cockpit:nav displays:ADFs:ADF_conven2_GA.png",   // 136
    "cockpit:standard six:altimeters:alt_ias_combo.png",   // 137
    "cockpit:annunciators:ann_master_warning.png",   // 138
    "cockpit:nav displays:ADFs:ADF_conven12_GA.png",   // 139
    "cockpit:standard six:HSIs:but_HSI_rose_arc.png",   // 140
    "cockpit:supplement:baro_pressure_dig.png",   // 141
    "cockpit:nav displays:ADFs:ADF_slaved1_GA.png",   // 142
    "cockpit:nav displays:ADFs:ADF_slaved1_BC.png",   // 143
    "cockpit:nav displays:ADFs:ADF_slaved1_HM.png",   // 144
    "cockpit:nav displays:ADFs:ADF_slaved2_GA.png",   // 145
    "cockpit:nav displays:ADFs:ADF_slaved2_BC.png",   // 146
    "cockpit:nav displays:ADFs:ADF_slaved2_HM.png",   // 147
    "cockpit:nav displays:ADFs:ADF_slaved12_GA.png",   // 148
    "cockpit:nav displays:ADFs:ADF_slaved12_BC.png",   // 149
    "cockpit:nav displays:ADFs:ADF_slaved12_HM.png",   // 150
    "cockpit:nav displays:RMIs:RMI_N12GPS_GA.png",   // 151
    "cockpit:nav displays:RMIs:RMI_N12GPS_BC.png",   // 152
    "cockpit:nav displays:RMIs:RMI_N12GPS_HM.png",   // 153
    "cockpit:nav displays:RMIs:RMI_NADF12_GA.png",   // 154
    "cockpit:nav displays:RMIs:RMI_NADF12_BC.png",   // 155
    "cockpit:nav displays:RMIs:RMI_NADF12_HM.png",   // 156
    "cockpit:EFIS:EFIS panels:blank_Small_GA.png",   // 157
    "cockpit:EFIS:EFIS panels:blank_Small_BC.png",   // 158
    "cockpit:EFIS:EFIS panels:blank_Small_HM.png",   // 159
    "cockpit:EFIS:EFIS panels:blank_Medium_GA.png",   // 160
    "cockpit:EFIS:EFIS panels:blank_Medium_BC.png",   // 161
    "cockpit:EFIS:EFIS panels:blank_Medium_HM.png",   // 162
    "cockpit:EFIS:EFIS panels:blank_Large_GA.png",   // 163
    "cockpit:EFIS:EFIS panels:blank_Large_BC.png",   // 164
    "cockpit:EFIS:EFIS panels:blank_Large_HM.png",   // 165
    "cockpit:EFIS:EFIS elements primary:el_horizon.png",   // 166
    "cockpit:EFIS:EFIS elements primary:el_hsi_tape.png",   // 167
    "cockpit:EFIS:EFIS elements primary:el_hsi_semi_Circle.png",   // 168
    "cockpit:EFIS:EFIS elements primary:el_hsi_full_Circle.png",   // 169
    "cockpit:EFIS:EFIS elements primary:el_airspeed.png",   // 170
    "cockpit:EFIS:EFIS elements primary:el_altitude.png",   // 171
    "cockpit:EFIS:EFIS elements primary:el_vvi_vert.png",   // 172
    "cockpit:EFIS:EFIS elements supplement:el_localizer.png",   // 173
    "cockpit:EFIS:EFIS elements supplement:el_glideslope.png",   // 174
    "cockpit:EFIS:EFIS elements supplement:el_TAS_GS_wind.png",   // 175
    "cockpit:EFIS:EFIS elements supplement:el_DME_voradf1.png",   // 176
    "cockpit:EFIS:EFIS elements supplement:el_DME_voradf2.png",   // 177
    "cockpit:EFIS:EFIS elements supplement:el_DME_waypoint.png",   // 178
    "cockpit:EFIS:EFIS elements supplement:el_groundspeed.png",   // 179
    "cockpit:EFIS:EFIS elements supplement:el_machnumber.png",   // 180
    "cockpit:EFIS:EFIS elements primary:el_vvi_dig.png",   // 181
    "cockpit:EFIS:EFIS elements supplement:el_dh.png",   // 182
    "cockpit:EFIS:EFIS elements supplement:el_flap.png",   // 183
    "cockpit:EFIS:EFIS elements supplement:el_gear.png",   // 184
    "cockpit:EFIS:EFIS maps:map_t_GA.png",   // 185
    "cockpit:EFIS:EFIS maps:map_t_BC.png",   // 186
    "cockpit:EFIS:EFIS maps:map_t_HM.png",   // 187
    "cockpit:EFIS:orbiter:ORBITER_prim.png",   // 188
    "cockpit:EFIS:orbiter:ORBITER_horz.png",   // 189
    "cockpit:EFIS:orbiter:ORBITER_vert.png",   // 190
    "cockpit:EFIS:EFIS elements supplement:HITS.png",   // 191
    "cockpit:EFIS:but_map_options.png",   // 192
    "cockpit:ECAM:ECAM.png",   // 193
    "cockpit:ECAM:ECAM_mode.png",   // 194
    "cockpit:ECAM:ECAM_carter.png",   // 195
    "cockpit:ECAM:mode ENG:engine round:ECAM_rnd_RPM_prop.png",   // 196
    "cockpit:ECAM:mode ENG:engine round:ECAM_rnd_RPM_engine.png",   // 197
    "cockpit:ECAM:mode ENG:engine round:ECAM_rnd_n1.png",   // 198
    "cockpit:ECAM:mode ENG:engine round:ECAM_rnd_n2.png",   // 199
    "cockpit:ECAM:mode ENG:engine round:ECAM_rnd_mp.png",   // 200
    "cockpit:ECAM:mode ENG:engine round:ECAM_rnd_epr.png",   // 201
    "cockpit:ECAM:mode ENG:engine round:ECAM_rnd_trq.png",   // 202
    "cockpit:ECAM:mode ENG:engine round:ECAM_rnd_ff.png",   // 203
    "cockpit:ECAM:mode ENG:engine round:ECAM_rnd_itt.png",   // 204
    "cockpit:ECAM:mode ENG:engine round:ECAM_rnd_egt.png",   // 205
    "cockpit:ECAM:mode_ENG.png",   // 206
    "cockpit:ECAM:mode_FUEL.png",   // 207
    "cockpit:ECAM:mode_FCON.png",   // 208
    "cockpit:ECAM:mode_HYD.png",   // 209
    "cockpit:ECAM:mode_FAIL.png",   // 210
    "cockpit:radios:audiopanel_GA.png",   // 211
    "cockpit:radios:audiopanel_BC.png",   // 212
    "cockpit:radios:markers_GA.png",   // 213
    "cockpit:radios:markers_BC.png",   // 214
    "cockpit:radios:NAV COM:rad_nav1_GA.png",   // 215
    "cockpit:radios:NAV COM:rad_nav1_BC.png",   // 216
    "cockpit:radios:NAV COM:rad_nav2_GA.png",   // 217
    "cockpit:radios:NAV COM:rad_nav2_BC.png",   // 218
    "cockpit:radios:NAV COM:rad_com1_GA.png",   // 219
    "cockpit:radios:NAV COM:rad_com1_BC.png",   // 220
    "cockpit:radios:NAV COM:rad_com2_GA.png",   // 221
    "cockpit:radios:NAV COM:rad_com2_BC.png",   // 222
    "cockpit:radios:NAV COM:rad_navcom1_GA.png",   // 223
    "cockpit:radios:NAV COM:rad_navcom1_BC.png",   // 224
    "cockpit:radios:NAV COM:rad_navcom2_GA.png",   // 225
    "cockpit:radios:NAV COM:rad_navcom2_BC.png",   // 226
    "cockpit:radios:NAV COM:rad_ADF1_GA.png",   // 227
    "cockpit:radios:NAV COM:rad_ADF1_BC.png",   // 228
    "cockpit:radios:NAV COM:rad_ADF2_GA.png",   // 229
    "cockpit:radios:NAV COM:rad_ADF2_BC.png",   // 230
    "cockpit:radios:NAV COM:rad_navcomadf_HM.png",   // 231
    "cockpit:radios:GPS FMS:GPS_GA.png",   // 232
    "cockpit:radios:GPS FMS:GPS_BC.png",   // 233
    "cockpit:radios:GPS FMS:GPS_HM.png",   // 234
    "cockpit:radios:DME:DME_frq_GA.png",   // 235
    "cockpit:radios:DME:DME_frq_BC.png",   // 236
    "cockpit:radios:DME:DME_n12_GA.png",   // 237
    "cockpit:radios:DME:DME_n12_BC.png",   // 238
    "cockpit:radios:transponder:transponder_GA.png",   // 239
    "cockpit:radios:transponder:transponder_BC.png",   // 240
    "cockpit:radios:transponder:transponder_HM.png",   // 241
    "cockpit:autopilot:autopilot engage:ott_ATR_eng_GA.png",   // 242
    "cockpit:autopilot:autopilot engage:ott_ATR_eng_BC.png",   // 243
    "cockpit:autopilot:autopilot engage:ott_ATR_eng_HM.png",   // 244
    "cockpit:autopilot:autopilot engage:ott_HDG_eng_GA.png",   // 245
    "cockpit:autopilot:autopilot engage:ott_HDG_eng_BC.png",   // 246
    "cockpit:autopilot:autopilot engage:ott_HDG_eng_HM.png",   // 247
    "cockpit:rheostats:rhe_flood_brt_BC.png",   // 248
    "cockpit:rheostats:rhe_flood_brt_HM.png",   // 249
    "cockpit:rheostats:rhe_HUD_brt_BC.png",   // 250
    "cockpit:autopilot:autopilot engage:ott_HN_eng_GA.png",   // 251
    "cockpit:autopilot:autopilot engage:ott_HN_eng_BC.png",   // 252
    "cockpit:autopilot:autopilot engage:ott_HN_eng_HM.png",   // 253
    "cockpit:autopilot:autopilot engage:ott_ALT_eng_GA.png",   // 254
    "cockpit:autopilot:autopilot engage:ott_ALT_eng_BC.png",   // 255
    "cockpit:autopilot:autopilot engage:ott_ALT_eng_HM.png",   // 256
    "cockpit:autopilot:autopilot engage:ott_VVI_eng_GA.png",   // 257
    "cockpit:autopilot:autopilot engage:ott_VVI_eng_BC.png",   // 258
    "cockpit:autopilot:autopilot engage:ott_VVI_eng_HM.png",   // 259
    "cockpit:autopilot:autopilot engage:ott_VN_eng_GA.png",   // 260
    "cockpit:autopilot:autopilot engage:ott_VN_eng_BC.png",   // 261
    "cockpit:autopilot:autopilot engage:ott_VN_eng_HM.png",   // 262
    "cockpit:autopilot:autopilot engage:ott_BC_eng_GA.png",   // 263
    "cockpit:autopilot:autopilot engage:ott_BC_eng_BC.png",   // 264
    "cockpit:autopilot:autopilot engage:ott_BC_eng_HM.png",   // 265
    "cockpit:autopilot:autopilot engage:ott_LCA_eng_GA.png",   // 266
    "cockpit:autopilot:autopilot engage:ott_LCA_eng_BC.png",   // 267
    "cockpit:autopilot:autopilot engage:ott_LCA_eng_HM.png",   // 268
    "cockpit:autopilot:autopilot engage:ott_syn_eng_GA.png",   // 269
    "cockpit:autopilot:autopilot engage:ott_syn_eng_BC.png",   // 270
    "cockpit:autopilot:autopilot engage:ott_syn_eng_HM.png",   // 271
    "cockpit:autopilot:autopilot annunciators:ott_ann_ATR.png",   // 272
    "cockpit:autopilot:autopilot annunciators:ott_ann_HDG.png",   // 273
    "cockpit:rheostats:rhe_HUD_brt_HM.png",   // 274
    "cockpit:autopilot:autopilot annunciators:ott_ann_HN.png",   // 275
    "cockpit:autopilot:autopilot annunciators:ott_ann_ALT.png",   // 276
    "cockpit:autopilot:autopilot annunciators:ott_ann_VVI.png",   // 277
    "cockpit:autopilot:autopilot annunciators:ott_ann_VN.png",   // 278
    "cockpit:autopilot:autopilot annunciators:ott_ann_BC.png",   // 279
    "cockpit:autopilot:autopilot annunciators:ott_ann_LCA.png",   // 280
    "cockpit:autopilot:autopilot annunciators:ott_ann_syn.png",   // 281
    "cockpit:autopilot:autopilot select:ott_sel_SPD.png",   // 282
    "cockpit:autopilot:autopilot select:ott_sel_HDG.png",   // 283
    "cockpit:autopilot:autopilot select:ott_sel_ALT.png",   // 284
    "cockpit:autopilot:autopilot select:ott_sel_VVI.png",   // 285
    "cockpit:autopilot:autopilot select:ott_disp_SPD.png",   // 286
    "cockpit:autopilot:autopilot select:ott_disp_HDG.png",   // 287
    "cockpit:autopilot:autopilot select:ott_disp_ALT.png",   // 288
    "cockpit:autopilot:autopilot select:ott_disp_VVI.png",   // 289
    "cockpit:autopilot:autopilot select:ott_seldisp_SPD.png",   // 290
    "cockpit:autopilot:autopilot select:ott_seldisp_HDG.png",   // 291
    "cockpit:autopilot:autopilot select:ott_seldisp_ALT.png",   // 292
    "cockpit:autopilot:autopilot select:ott_seldisp_VVI.png",   // 293
    "cockpit:engine:engine round:engine_RPM_prop.png",   // 294
    "cockpit:engine:engine round:engine_N1.png",   // 295
    "cockpit:engine:engine round:engine_MP.png",   // 296
    "cockpit:engine:engine round:engine_EPR.png",   // 297
    "cockpit:engine:engine round:engine_TRQ.png",   // 298
    "cockpit:engine:engine round:engine_FF.png",   // 299
    "cockpit:engine:engine round:engine_ITT.png",   // 300
    "cockpit:engine:engine round dig:engine_dig_RPM_prop.png",   // 301
    "cockpit:engine:engine round dig:engine_dig_N1.png",   // 302
    "cockpit:engine:engine round dig:engine_dig_MP.png",   // 303
    "cockpit:engine:engine round dig:engine_dig_EPR.png",   // 304
    "cockpit:engine:engine round dig:engine_dig_TRQ.png",   // 305
    "cockpit:engine:engine round dig:engine_dig_FF.png",   // 306
    "cockpit:engine:engine round dig:engine_dig_ITT.png",   // 307
    "cockpit:engine:engine tapes:tape_RPM_prop.png",   // 308
    "cockpit:engine:engine tapes:tape_N1.png",   // 309
    "cockpit:engine:engine round:engine_CHT.png",   // 310
    "cockpit:engine:engine tapes:tape_EPR.png",   // 311
    "cockpit:engine:engine tapes:tape_TRQ.png",   // 312
    "cockpit:engine:engine tapes:tape_FF.png",   // 313
    "cockpit:engine:engine tapes:tape_ITT.png",   // 314
    "cockpit:engine:engine number:dig_RPM_prop.png",   // 315
    "cockpit:engine:engine number:dig_n1.png",   // 316
    "cockpit:engine:engine number:dig_mpr.png",   // 317
    "cockpit:engine:engine number:dig_epr.png",   // 318
    "cockpit:engine:engine number:dig_trq.png",   // 319
    "cockpit:engine:engine number:dig_ff.png",   // 320
    "cockpit:engine:engine number:dig_itt.png",   // 321
    "cockpit:engine:round_helo.png",   // 322
    "cockpit:engine:round_gyro.png",   // 323
    "cockpit:engine:engine supplement:sqr_egt.png",   // 324
    "cockpit:engine:engine supplement:sqr_oil_quan.png",   // 325
    "cockpit:engine:engine supplement:sqr_oil_press.png",   // 326
    "cockpit:engine:engine supplement:sqr_oil_temp.png",   // 327
    "cockpit:engine:engine supplement:sqr_batt_amps.png",   // 328
    "cockpit:supplement:gmeter_round.png",   // 329
    "cockpit:supplement:gmeter_linear.png",   // 330
    "cockpit:supplement:argus.png",   // 331
    "cockpit:supplement:stormscope.png",   // 332
    "cockpit:supplement:radar.png",   // 333
    "cockpit:standard six:altimeters:radioalt_round.png",   // 334
    "cockpit:standard six:altimeters:radioalt_linear.png",   // 335
    "cockpit:standard six:altimeters:radioalt_dig.png",   // 336
    "cockpit:supplement:totalenergy_inc.png",   // 337
    "cockpit:supplement:Suction_GA.png",   // 338
    "cockpit:supplement:stall_GA.png",   // 339
    "cockpit:clocks:clock_GA.png",   // 340
    "cockpit:clocks:clock_BC.png",   // 341
    "cockpit:clocks:chrono_HM.png",   // 342
    "cockpit:clocks:timer_GA.png",   // 343
    "cockpit:clocks:timer_BC.png",   // 344
    "cockpit:clocks:chrono_GA.png",   // 345
    "cockpit:clocks:chrono_BC.png",   // 346
    "cockpit:fuel:fuel_linear_GA.png",   // 347
    "cockpit:fuel:fuel_round_GA.png",   // 348
    "cockpit:fuel:Fuel_Round_twin_GA.png",   // 349
    "cockpit:fuel:fuel_dig_GA.png",   // 350
    "cockpit:supplement:thermo_digital.png",   // 351
    "cockpit:supplement:thermo_linear_C.png",   // 352
    "cockpit:supplement:thermo_linear_F.png",   // 353
    "cockpit:supplement:hobbs.png",   // 354
    "cockpit:annunciators:ann_master_caution.png",   // 355
    "cockpit:annunciators:ann_AP_discon.png",   // 356
    "cockpit:annunciators:ann_low_vacuum.png",   // 357
    "cockpit:annunciators:ann_low_voltage.png",   // 358
    "cockpit:annunciators:ann_fuel_quantity.png",   // 359
    "cockpit:annunciators:ann_fuel_press.png",   // 360
    "cockpit:annunciators:ann_oil_press.png",   // 361
    "cockpit:annunciators:ann_oil_temp.png",   // 362
    "cockpit:annunciators:ann_inverter.png",   // 363
    "cockpit:annunciators:ann_generator.png",   // 364
    "cockpit:annunciators:ann_chip_detect.png",   // 365
    "cockpit:annunciators:ann_engine_fire.png",   // 366
    "cockpit:annunciators:ann_hydraulic_press.png",   // 367
    "cockpit:annunciators:but_ann_test.png",   // 368
    "cockpit:EFIS:but_disp_VORADF1.png",   // 369
    "cockpit:EFIS:but_disp_VORADF2.png",   // 370
    "cockpit:EFIS:EFIS maps:map_s_GA.png",   // 371
    "cockpit:EFIS:EFIS maps:map_s_BC.png",   // 372
    "cockpit:EFIS:EFIS maps:map_s_HM.png",   // 373
    "cockpit:radios:GPS FMS:FMS.png",   // 374
    "cockpit:rheostats:rhe_OBS_any_GA.png",   // 375
    "cockpit:annunciators:ann_master_accept.png",   // 376
    "cockpit:buttons:but_beacon_mute.png",   // 377
    "cockpit:standard six:airspeed:AOA_round.png",   // 378
    "cockpit:buttons:landing gear:but_gear_mute.png",   // 379
    "cockpit:buttons:rockets:roc_pos_lon.png",   // 380
    "cockpit:buttons:rockets:roc_neg_lon.png",   // 381
    "cockpit:buttons:rockets:roc_pos_lat.png",   // 382
    "cockpit:buttons:rockets:roc_neg_lat.png",   // 383
    "cockpit:buttons:rockets:roc_pos_vrt.png",   // 384
    "cockpit:buttons:rockets:roc_neg_vrt.png",   // 385
    "cockpit:annunciators:ann_auto_ignition.png",   // 386
    "cockpit:buttons:lights:but_navlight.png",   // 387
    "cockpit:buttons:lights:but_beacon.png",   // 388
    "cockpit:buttons:but_artstab.png",   // 389
    "cockpit:radios:GPS FMS:FMS_small.png",   // 390
    "cockpit:handles:end_left.png",   // 391
    "cockpit:handles:end_rigt.png",   // 392
    "cockpit:buttons:fuel:but_fuel_012.png",   // 393
    "cockpit:buttons:fuel:but_fuel_012_all.png",   // 394
    "cockpit:buttons:fuel:but_fuel_0123.png",   // 395
    "cockpit:buttons:fuel:but_fuel_0123_all.png",   // 396
    "cockpit:supplement:totalenergy_dec.png",   // 397
    "cockpit:buttons:fuel:but_fuel_xfr_0123.png",   // 398
    "cockpit:autopilot:autopilot engage:ott_winglev_eng_GA.png",   // 399
    "cockpit:autopilot:autopilot engage:ott_winglev_eng_BC.png",   // 400
    "cockpit:autopilot:autopilot engage:ott_winglev_eng_HM.png",   // 401
    "cockpit:autopilot:autopilot annunciators:ott_ann_winglev.png",   // 402
    "cockpit:buttons:but_flitedir_modeDC.png",   // 403
    "cockpit:EFIS:EFIS elements engine:dig_RPM_PROP.png",   // 404
    "cockpit:EFIS:EFIS elements engine:dig_N1.png",   // 405
    "cockpit:EFIS:EFIS elements engine:dig_MPR.png",   // 406
    "cockpit:EFIS:EFIS elements engine:dig_EPR.png",   // 407
    "cockpit:EFIS:EFIS elements engine:dig_TRQ.png",   // 408
    "cockpit:EFIS:EFIS elements engine:dig_FF.png",   // 409
    "cockpit:EFIS:EFIS elements engine:dig_ITT.png",   // 410
    "cockpit:buttons:engine:but_idle.png",   // 411
    "cockpit:engine:engine supplement:sqr_batt_volt.png",   // 412
    "cockpit:buttons:engine:but_ammeter_volt.png",   // 413
    "cockpit:buttons:engine:but_overspeed_test.png",   // 414
    "cockpit:EFIS:but_map_mode_HSI.png",   // 415
    "cockpit:pressurization:bleed_air.png",   // 416
    "cockpit:pressurization:press_test.png",   // 417
    "cockpit:pressurization:set_alt.png",   // 418
    "cockpit:pressurization:set_vvi.png",   // 419
    "cockpit:pressurization:cabin_alt.png",   // 420
    "cockpit:pressurization:cabin_vvi.png",   // 421
    "cockpit:weapons:all.png",   // 422
    "cockpit:weapons:gun_roc.png",   // 423
    "cockpit:weapons:gun_mis.png",   // 424
    "cockpit:weapons:gun_bom.png",   // 425
    "cockpit:weapons:roc_mis.png",   // 426
    "cockpit:weapons:roc_bom.png",   // 427
    "cockpit:weapons:mis_bom.png",   // 428
    "cockpit:weapons:gun_roc_mis.png",   // 429
    "cockpit:weapons:gun_roc_bom.png",   // 430
    "cockpit:weapons:gun_mis_bom.png",   // 431
    "cockpit:weapons:roc_mis_bom.png",   // 432
    "cockpit:weapons:any.png",   // 433
    "cockpit:weapons:console.png",   // 434
    "cockpit:weapons:TV_guide.png",   // 435
    "cockpit:buttons:lights:but_strobelight.png",   // 436
    "cockpit:standard six:airspeed:AOA_cue.png",   // 437
    "cockpit:weapons:fire_mode.png",   // 438
    "cockpit:weapons:fire_rate.png",   // 439
    "cockpit:standard six:vertical speed:vvi_adap.png",   // 440
    "cockpit:autopilot:autopilot engage:ott_asi_eng_GA.png",   // 441
    "cockpit:autopilot:autopilot engage:ott_asi_eng_BC.png",   // 442
    "cockpit:autopilot:autopilot engage:ott_asi_eng_HM.png",   // 443
    "cockpit:autopilot:autopilot annunciators:ott_ann_asi.png",   // 444
    "cockpit:EFIS:EFIS elements supplement:el_asi_trend.png",   // 445
    "cockpit:buttons:engine:but_clutch.png",   // 446
    "cockpit:buttons:engine:but_igniter.png",   // 447
    "cockpit:standard six:artificial horizons:horizon_GA_elec_adjust.png",   // 448
    "cockpit:supplement:Water.png",   // 449
    "cockpit:buttons:but_puffer.png",   // 450
    "cockpit:EFIS:EFIS elements supplement:el_OBS1.png",   // 451
    "cockpit:EFIS:EFIS elements supplement:el_OBS2.png",   // 452
    "cockpit:flaps:indicate_flap_round.png",   // 453
    "cockpit:radios:DME:DME_all_GA.png",   // 454
    "cockpit:autopilot:autopilot select:but_autopilot_test_GA.png",   // 455
    "cockpit:buttons:lights:but_taxi_light.png",   // 456
    "cockpit:buttons:engine:but_clutch_transit.png",   // 457
    "cockpit:handles:han_incidence.png",   // 458
    "cockpit:buttons:but_water_scoop.png",   // 459
    "cockpit:standard six:artificial horizons:horizon_GA_flag_adjust.png",   // 460
    "cockpit:engine:engine round:engine_RPM_engine.png",   // 461
    "cockpit:engine:engine round dig:engine_dig_RPM_engine.png",   // 462
    "cockpit:engine:engine tapes:tape_RPM_engine.png",   // 463
    "cockpit:engine:engine number:dig_RPM_engine.png",   // 464
    "cockpit:EFIS:EFIS elements engine:dig_RPM_engine.png",   // 465
    "cockpit:de-ice:auto_ignition.png",   // 466
    "cockpit:de-ice:inertial_separator.png",   // 467
    "cockpit:de-ice:inlet_heat.png",   // 468
    "cockpit:de-ice:prop_heat.png",   // 469
    "cockpit:de-ice:surface_bleed_air.png",   // 470
    "cockpit:de-ice:surface_pneumatic.png",   // 471
    "cockpit:de-ice:windshield_heat.png",   // 472
    "cockpit:buttons:but_drop_tank.png",   // 473
    "cockpit:radios:NAV COM:rad_NavComADF_HMs.png",   // 474
    "cockpit:radios:transponder:transponder_HMs.png",   // 475
    "cockpit:autopilot:autopilot select:but_knots_mach.png",   // 476
    "cockpit:standard six:artificial horizons:world.png",   // 477
    "cockpit:standard six:DGs:Rhe_DG_HDG.png",   // 478
    "cockpit:standard six:DGs:DG_SYN.png",   // 479
    "cockpit:nav displays:VORs:VOR_1.png",   // 480
    "cockpit:nav displays:VORs:VOR_2.png",   // 481
    "cockpit:nav displays:VORs:VOR_1_OBS_wiper.png",   // 482
    "cockpit:nav displays:VORs:VOR_2_OBS_wiper.png",   // 483
    "cockpit:EFIS:EFIS elements primary:el_horizon_CDI.png",   // 484
    "cockpit:supplement:baro_pressure_disp.png",   // 485
    "cockpit:buttons:landing gear:but_gear_handle_BC.png",   // 486
    "cockpit:buttons:landing gear:but_gear_light_BC.png",   // 487
    "cockpit:EFIS:but_map_mode.png",   // 488
    "cockpit:autopilot:autopilot select:console_autopilot_GA.png",   // 489
    "cockpit:autopilot:autopilot select:console_autopilot_BC.png",   // 490
    "cockpit:autopilot:autopilot select:console_autopilot_ann.png",   // 491
    "cockpit:autopilot:autopilot select:but_autopilot_test_BC.png",   // 492
    "cockpit:autopilot:autopilot select:but_autopilot_test_HM.png",   // 493
    "cockpit:autopilot:autopilot select:ott_sel_SPD_HM.png",   // 494
    "cockpit:autopilot:autopilot select:ott_sel_HDG_HM.png",   // 495
    "cockpit:autopilot:autopilot select:ott_sel_ALT_HM.png",   // 496
    "cockpit:autopilot:autopilot select:ott_sel_VVI_HM.png",   // 497
    "cockpit:annunciators:console_annunciator.png",   // 498
    "cockpit:pressurization:cabin_combo.png",   // 499
    "cockpit:rheostats:rhe_instrument_brt_GA.png",   // 500
    "cockpit:rheostats:rhe_instrument_brt_BC.png",   // 501
    "cockpit:rheostats:rhe_instrument_brt_HM.png",   // 502
    "cockpit:rheostats:rhe_OBS_1_BC.png",   // 503
    "cockpit:rheostats:rhe_OBS_2_BC.png",   // 504
    "cockpit:rheostats:rhe_OBS_any_BC.png",   // 505
    "cockpit:rheostats:rhe_OBS_1_HM.png",   // 506
    "cockpit:rheostats:rhe_OBS_2_HM.png",   // 507
    "cockpit:rheostats:rhe_OBS_any_HM.png",   // 508
    "cockpit:nav displays:ADFs:rhe_ADF_1_BC.png",   // 509
    "cockpit:nav displays:ADFs:rhe_ADF_2_BC.png",   // 510
    "cockpit:nav displays:ADFs:rhe_ADF_1_HM.png",   // 511
    "cockpit:nav displays:ADFs:rhe_ADF_2_HM.png",   // 512
    "cockpit:rheostats:rhe_baro_BC.png",   // 513
    "cockpit:rheostats:rhe_baro_HM.png",   // 514
    "cockpit:standard six:altimeters:radioalt_sel_BC.png",   // 515
    "cockpit:standard six:altimeters:radioalt_sel_HM.png",   // 516
    "cockpit:standard six:artificial horizons:rhe_horizon_Knob.png",   // 517
    "cockpit:standard six:artificial horizons:rhe_horizon_Knob_small.png",   // 518
    "cockpit:standard six:DGs:Rhe_DG_SYN.png",   // 519
    "cockpit:standard six:artificial horizons:horizon_GA_vac.png",   // 520
    "cockpit:standard six:artificial horizons:horizon_GA_flag.png",   // 521
    "cockpit:standard six:artificial horizons:horizon_GA_elec.png",   // 522
    "cockpit:standard six:artificial horizons:horizon_small.png",   // 523
    "cockpit:standard six:artificial horizons:horizon_small_adjust.png",   // 524
    "cockpit:standard six:altimeters:alt_HM_small.png",   // 525
    "cockpit:standard six:altimeters:alt_HM_small_dig.png",   // 526
    "cockpit:standard six:airspeed:ASI_preset_HM_small.png",   // 527
    "cockpit:standard six:DGs:DG.png",   // 528
    "cockpit:standard six:vertical speed:VVI_6000_HM_small.png",   // 529
    "cockpit:buttons:landing gear:but_gear_light_up.png",   // 530
    "cockpit:buttons:landing gear:but_gear_light_dn.png",   // 531
    "cockpit:standard six:artificial horizons:all_attitude.png",   // 532
    "cockpit:supplement:but_totalenergy_audio.png",   // 533
    "cockpit:EFIS:EFIS elements engine:dig_EGT.png",   // 534
    "cockpit:EFIS:EFIS elements engine:dig_N2.png",   // 535
    "cockpit:engine:engine number:dig_EGT.png",   // 536
    "cockpit:engine:engine number:dig_N2.png",   // 537
    "cockpit:engine:engine round:engine_EGT.png",   // 538
    "cockpit:engine:engine round:engine_N2.png",   // 539
    "cockpit:engine:engine round dig:engine_dig_EGT.png",   // 540
    "cockpit:engine:engine round dig:engine_dig_N2.png",   // 541
    "cockpit:engine:engine round dig:engine_dig_CHT.png",   // 542
    "cockpit:engine:engine tapes:tape_N2.png",   // 543
    "cockpit:nav displays:VORs:VOR_1_OBS_wiper_LOC.png",   // 544
    "cockpit:nav displays:VORs:VOR_2_OBS_wiper_LOC.png",   // 545
    "cockpit:nav displays:DMEs:DME1_dig.png",   // 546
    "cockpit:nav displays:DMEs:DME2_dig.png",   // 547
    "cockpit:nav displays:DMEs:DME1_disp.png",   // 548
    "cockpit:nav displays:DMEs:DME2_disp.png",   // 549
    "cockpit:nav displays:RMIs:RMI_SEL_GA.png",   // 550
    "cockpit:nav displays:RMIs:RMI_SEL_BC.png",   // 551
    "cockpit:nav displays:RMIs:RMI_SEL_HM.png",   // 552
    "cockpit:HUD:HUD.png",   // 553
    "cockpit:HUD:HUD_horizon.png",   // 554
    "cockpit:HUD:HUD_airspeed.png",   // 555
    "cockpit:HUD:HUD_altitude.png",   // 556
    "cockpit:HUD:HUD_hsi_round.png",   // 557
    "cockpit:HUD:HUD_hsi_tape.png",   // 558
    "cockpit:HUD:HUD_LNAV_localizer.png",   // 559
    "cockpit:HUD:HUD_VNAV_glideslope.png",   // 560
    "cockpit:HUD:HUD_asi_trend.png",   // 561
    "cockpit:HUD:HUD_groundspeed.png",   // 562
    "cockpit:HUD:HUD_machnumber.png",   // 563
    "cockpit:HUD:HUD_baro.png",   // 564
    "cockpit:HUD:HUD_radioalt.png",   // 565
    "cockpit:HUD:HUD_vvi_dig.png",   // 566
    "cockpit:HUD:HUD_wind.png",   // 567
    "cockpit:HUD:HUD_mins.png",   // 568
    "cockpit:HUD:HUD_marker_O.png",   // 569
    "cockpit:HUD:HUD_marker_M.png",   // 570
    "cockpit:HUD:HUD_marker_I.png",   // 571
    "cockpit:HUD:HUD_HSI_source_ann.png",   // 572
    "cockpit:ECAM:mode ENG:engine linear:ECAM_lin_RPM_prop.png",   // 573
    "cockpit:ECAM:mode ENG:engine linear:ECAM_lin_RPM_engine.png",   // 574
    "cockpit:ECAM:mode ENG:engine linear:ECAM_lin_n1.png",   // 575
    "cockpit:ECAM:mode ENG:engine linear:ECAM_lin_n2.png",   // 576
    "cockpit:ECAM:mode ENG:engine linear:ECAM_lin_mp.png",   // 577
    "cockpit:ECAM:mode ENG:engine linear:ECAM_lin_epr.png",   // 578
    "cockpit:ECAM:mode ENG:engine linear:ECAM_lin_trq.png",   // 579
    "cockpit:ECAM:mode ENG:engine linear:ECAM_lin_ff.png",   // 580
    "cockpit:ECAM:mode ENG:engine linear:ECAM_lin_itt.png",   // 581
    "cockpit:ECAM:mode ENG:engine linear:ECAM_lin_egt.png",   // 582
    "cockpit:standard six:HSIs:HSI_glass_Sandel.png",   // 583
    "cockpit:EFIS:EFIS elements primary:el_vvi_adaptive.png",   // 584
    "cockpit:engine:engine supplement:sqr_gen_amps.png",   // 585
    "cockpit:EFIS:EFIS elements supplement:el_baro.png",   // 586
    "cockpit:EFIS:EFIS elements supplement:el_TAS_GS.png",   // 587
    "cockpit:EFIS:EFIS elements supplement:el_wind.png",   // 588
    "cockpit:EFIS:camera.png",   // 589
    "cockpit:EFIS:EFIS elements primary:el_vvi_dig_limit_lo.png",   // 590
    "cockpit:EFIS:EFIS elements primary:el_vvi_dig_limit_hi.png",   // 591
    "cockpit:autopilot:autopilot select:EFIS_disp_SPD.png",   // 592
    "cockpit:autopilot:autopilot select:EFIS_disp_HDG.png",   // 593
    "cockpit:autopilot:autopilot select:EFIS_disp_ALT.png",   // 594
    "cockpit:autopilot:autopilot select:EFIS_disp_VVI.png",   // 595
    "cockpit:EFIS:EFIS elements supplement:el_heading.png",   // 596
    "cockpit:engine:engine number:dig_CHT.png",   // 597
    "cockpit:engine:engine round:engine_oilP.png",   // 598
    "cockpit:engine:engine round:engine_oilT.png",   // 599
    "cockpit:EFIS:EFIS elements engine:dig_CHT.png",   // 600
    "cockpit:flaps:flap_light_TRANSIT.png",   // 601
    "cockpit:flaps:flap_light_UP.png",   // 602
    "cockpit:flaps:flap_light_APPROACH.png",   // 603
    "cockpit:flaps:flap_light_DOWN.png",   // 604
    "cockpit:supplement:sync.png",   // 605
    "cockpit:engine:engine supplement:sqr_cht.png",   // 606
    "cockpit:engine:engine round:engine_oilT_oilP.png",   // 607
    "cockpit:engine:engine round:engine_CHT_EGT.png",   // 608
    "cockpit:annunciators:ann_speedbrake.png",   // 609
    "cockpit:annunciators:ann_GPWS.png",   // 610
};

static const INS_entry s_fighter[63] = {
    {0, 512, 440, 1}, {339, 100, 319, 1}, {29, 624, 53, 1}, {30, 657, 53, 1}, {151, 355, 167, 1}, {348, 275, 52, 1},
    {19, 178, 11, 1}, {36, 101, 115, 1}, {66, 976, 42, 1}, {67, 1005, 42, 1}, {48, 35, 52, 1}, {52, 96, 53, 1},
    {20, 1004, 144, 1}, {22, 1004, 104, 1}, {98, 665, 316, 1}, {90, 512, 320, 1}, {83, 355, 316, 1}, {214, 779, 355, 1},
    {105, 512, 230, 1}, {116, 512, 140, 1}, {126, 665, 165, 1}, {212, 746, 17, 1}, {224, 823, 297, 1}, {226, 823, 211, 1},
    {238, 782, 124, 1}, {240, 864, 124, 1}, {304, 178, 200, 1}, {1, 746, 53, 1}, {302, 178, 300, 1}, {306, 178, 100, 1},
    {346, 86, 229, 1}, {2, 796, 53, 1}, {1, 710, 53, 1}, {7, 824, 53, 1}, {88, 255, 288, 1}, {351, 86, 287, 1},
    {11, 945, 150, 1}, {12, 974, 242, 1}, {13, 945, 110, 1}, {63, 942, 42, 1}, {65, 917, 42, 1}, {22, 997, 89, 1},
    {22, 1012, 89, 1}, {56, 884, 42, 1}, {40, 25, 115, 1}, {31, 28, 159, 1}, {32, 68, 159, 1}, {33, 108, 159, 1},
    {348, 345, 52, 1}, {355, 929, 328, 1}, {358, 929, 312, 1}, {359, 929, 296, 1}, {360, 929, 280, 1}, {361, 929, 264, 1},
    {362, 929, 248, 1}, {363, 929, 232, 1}, {364, 929, 216, 1}, {365, 929, 200, 1}, {366, 929, 184, 1}, {26, 255, 119, 1},
    {10, 982, 197, 1}, {24, 400, 66, 1}, {39, 60, 115, 1},
};
static const INS_entry s_rocket_fighter[68] = {
    {206, 192, 329, 1}, {339, 348, 364, 1}, {29, 223, 44, 1}, {30, 263, 44, 1}, {231, 573, 40, 1}, {347, 398, 92, 1},
    {19, 248, 13, 1}, {36, 194, 14, 1}, {66, 310, 110, 1}, {67, 337, 110, 1}, {48, 148, 110, 1}, {52, 148, 48, 1},
    {234, 748, 299, 1}, {192, 567, 99, 1}, {191, 512, 283, 1}, {28, 470, 94, 1}, {374, 748, 154, 1}, {241, 748, 30, 1},
    {65, 208, 110, 1}, {364, 109, 216, 1}, {63, 234, 110, 1}, {57, 273, 110, 1}, {48, 184, 110, 1}, {52, 184, 48, 1},
    {36, 163, 14, 1}, {202, 272, 228, 1}, {20, 313, 34, 1}, {23, 338, 58, 1}, {23, 338, 44, 1}, {23, 338, 30, 1},
    {11, 445, 34, 1}, {13, 385, 34, 1}, {2, 339, 327, 1}, {40, 302, 332, 1}, {39, 263, 332, 1}, {26, 858, 26, 1},
    {291, 884, 261, 1}, {42, 850, 69, 1}, {43, 880, 69, 1}, {290, 884, 292, 1}, {292, 884, 170, 1}, {293, 884, 139, 1},
    {244, 858, 323, 1}, {247, 858, 232, 1}, {250, 890, 232, 1}, {256, 858, 201, 1}, {259, 858, 110, 1}, {207, 192, 315, 1},
    {208, 213, 329, 1}, {361, 109, 280, 1}, {210, 213, 315, 1}, {355, 156, 312, 1}, {359, 156, 296, 1}, {361, 156, 280, 1},
    {360, 109, 264, 1}, {360, 156, 264, 1}, {362, 109, 248, 1}, {362, 156, 248, 1}, {363, 109, 232, 1}, {363, 156, 232, 1},
    {364, 156, 216, 1}, {365, 109, 200, 1}, {365, 156, 200, 1}, {366, 109, 184, 1}, {366, 156, 184, 1}, {367, 156, 168, 1},
    {368, 108, 155, 1}, {209, 234, 315, 1},
};
static const INS_entry s_helo[23] = {
    {0, 47, 437, 1}, {80, 240, 276, 1}, {29, 141, 26, 1}, {30, 181, 26, 1}, {116, 400, 125, 1}, {347, 686, 66, 1},
    {1, 223, 26, 1}, {322, 686, 235, 1}, {34, 35, 37, 1}, {48, 762, 112, 1}, {101, 240, 125, 1}, {103, 240, 103, 1},
    {90, 400, 280, 1}, {97, 560, 276, 1}, {122, 560, 125, 1}, {211, 86, 370, 1}, {213, 25, 375, 1}, {223, 86, 325, 1},
    {225, 86, 269, 1}, {232, 86, 193, 1}, {239, 86, 124, 1}, {298, 686, 143, 1}, {25, 298, 27, 1},
};
static const INS_entry s_airliner[82] = {
    {165, 186, 155, 1}, {187, 411, 155, 1}, {192, 413, 385, 1}, {28, 319, 377, 1}, {166, 180, 218, 1}, {169, 180, 85, 1},
    {170, 102, 218, 1}, {171, 265, 218, 1}, {172, 265, 85, 1}, {180, 111, 144, 1}, {79, 611, 269, 1}, {99, 611, 131, 1},
    {21, 1004, 256, 1}, {23, 994, 181, 1}, {23, 986, 166, 1}, {23, 1002, 166, 1}, {48, 904, 89, 1}, {48, 939, 89, 1},
    {57, 958, 166, 1}, {64, 912, 166, 1}, {65, 882, 165, 1}, {66, 1007, 89, 1}, {67, 979, 89, 1}, {342, 929, 267, 1},
    {214, 493, 320, 1}, {231, 786, 39, 1}, {241, 611, 29, 1}, {244, 494, 380, 1}, {247, 529, 380, 1}, {253, 559, 380, 1},
    {256, 624, 380, 1}, {259, 654, 380, 1}, {262, 684, 380, 1}, {265, 794, 380, 1}, {268, 734, 380, 1}, {271, 764, 380, 1},
    {0, 193, 371, 1}, {282, 482, 414, 1}, {283, 568, 414, 1}, {284, 646, 414, 1}, {285, 740, 414, 1}, {1, 51, 42, 1},
    {4, 14, 42, 1}, {5, 992, 394, 1}, {198, 786, 256, 1}, {206, 363, 364, 1}, {207, 384, 364, 1}, {208, 405, 364, 1},
    {209, 426, 364, 1}, {210, 447, 364, 1}, {19, 36, 13, 1}, {339, 251, 375, 1}, {355, 840, 417, 1}, {356, 840, 400, 1},
    {358, 840, 383, 1}, {359, 840, 366, 1}, {360, 889, 417, 1}, {360, 938, 417, 1}, {361, 889, 400, 1}, {361, 938, 400, 1},
    {362, 889, 383, 1}, {362, 938, 383, 1}, {25, 35, 93, 1}, {366, 889, 366, 1}, {366, 938, 366, 1}, {42, 18, 136, 1},
    {43, 54, 136, 1}, {46, 18, 180, 1}, {41, 54, 180, 1}, {234, 786, 127, 1}, {182, 222, 144, 1}, {286, 522, 418, 1},
    {287, 604, 418, 1}, {288, 690, 418, 1}, {289, 780, 418, 1}, {52, 904, 24, 0.5f}, {52, 939, 24, 0.5f}, {36, 978, 24, 1},
    {36, 1007, 24, 1}, {39, 42, 226, 1}, {250, 589, 380, 1}, {108, 938, 653, 1},
};
static const INS_entry s_ga_piston[39] = {
    {0, 290, 364, 1}, {339, 189, 345, 1}, {29, 364, 25, 1}, {30, 397, 25, 1}, {338, 39, 195, 1}, {347, 610, 26, 1},
    {19, 290, 15, 1}, {34, 39, 40, 1}, {66, 681, 49, 1}, {67, 710, 49, 1}, {47, 887, 66, 1}, {51, 937, 66, 1},
    {62, 772, 48, 1}, {65, 745, 48, 1}, {94, 446, 270, 1}, {90, 290, 270, 1}, {80, 134, 270, 1}, {131, 586, 270, 1},
    {101, 134, 124, 1}, {109, 290, 124, 1}, {122, 446, 124, 1}, {132, 586, 124, 1}, {211, 740, 364, 1}, {213, 679, 369, 1},
    {223, 740, 319, 1}, {225, 740, 263, 1}, {232, 740, 187, 1}, {239, 740, 118, 1}, {324, 873, 340, 1}, {294, 873, 270, 1},
    {345, 970, 270, 1}, {53, 982, 66, 1}, {1, 438, 25, 1}, {3, 476, 25, 1}, {107, 742, 472, 1}, {351, 970, 340, 1},
    {354, 970, 201, 1}, {103, 134, 102, 1}, {39, 531, 27, 1},
};
static const INS_entry s_ga_turbine[66] = {
    {0, 512, 417, 1}, {339, 221, 351, 1}, {95, 477, 281, 1}, {30, 58, 40, 1}, {29, 20, 40, 1}, {294, 598, 330, 1},
    {23, 936, 23, 1}, {34, 444, 33, 1}, {66, 757, 42, 1}, {67, 785, 42, 1}, {48, 576, 40, 1}, {48, 611, 40, 1},
    {62, 995, 57, 1}, {65, 966, 58, 1}, {125, 477, 138, 1}, {90, 322, 289, 1}, {76, 158, 269, 1}, {298, 598, 235, 1},
    {154, 158, 122, 1}, {120, 322, 131, 1}, {34, 511, 33, 1}, {298, 690, 235, 1}, {299, 598, 140, 1}, {299, 690, 140, 1},
    {333, 879, 291, 1}, {216, 780, 221, 1}, {218, 978, 221, 1}, {220, 780, 304, 1}, {222, 978, 304, 1}, {294, 690, 330, 1},
    {228, 780, 138, 1}, {50, 647, 40, 1}, {1, 20, 100, 1}, {3, 58, 150, 1}, {107, 742, 472, 1}, {230, 978, 138, 1},
    {240, 879, 193, 1}, {4, 20, 150, 1}, {50, 668, 40, 1}, {52, 697, 40, 1}, {52, 717, 40, 1}, {1, 58, 100, 1},
    {6, 64, 260, 1}, {7, 20, 200, 1}, {8, 58, 200, 1}, {20, 936, 63, 1}, {19, 995, 10, 1}, {104, 322, 19, 1},
    {23, 928, 8, 1}, {23, 945, 8, 1}, {246, 842, 140, 1}, {291, 780, 365, 1}, {292, 879, 365, 1}, {293, 978, 365, 1},
    {252, 867, 140, 1}, {255, 892, 140, 1}, {258, 892, 122, 1}, {261, 892, 104, 1}, {267, 917, 140, 1}, {270, 917, 122, 1},
    {346, 852, 49, 1}, {347, 115, 23, 1}, {347, 196, 23, 1}, {42, 260, 22, 1}, {43, 387, 22, 1}, {39, 21, 245, 1},
};

const INS_layout INS_layouts[INS_NUM_LAYOUTS] = {
    {s_fighter, (int)(sizeof s_fighter / sizeof s_fighter[0])},
    {s_rocket_fighter, (int)(sizeof s_rocket_fighter / sizeof s_rocket_fighter[0])},
    {s_helo, (int)(sizeof s_helo / sizeof s_helo[0])},
    {s_airliner, (int)(sizeof s_airliner / sizeof s_airliner[0])},
    {s_ga_piston, (int)(sizeof s_ga_piston / sizeof s_ga_piston[0])},
    {s_ga_turbine, (int)(sizeof s_ga_turbine / sizeof s_ga_turbine[0])},
};

INS_rect INS_rect_of(float x, float y, float dx, float dy, float s)
{
    INS_rect q;
    q.l = intround(x - dx * s * 0.5f);
    q.b = intround(y - dy * s * 0.5f);
    q.r = intround(dx * s + q.l);
    q.t = intround(dy * s + q.b);
    return q;
}
