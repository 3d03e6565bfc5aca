// acf_pending.h -- steps that reading and saving an aircraft call but whose real work arrives with
// later pieces of the program: the previous-generation reader, airfoil files, the cockpit object,
// the automatic settings and the validity check, new-aircraft defaults, instrument textures,
// weapon files, and the geometry build.
//
// The aircraft file code calls each of them at the point where it belongs, so the order of the
// steps is fixed now. Each stub in acf_pending.cpp answers the way "nothing there" answers; the
// piece that brings the real function removes its stub (and its declaration here).
#pragma once
#include <string>

// The previous-generation reader (file versions 600, 626, 700): reads path into record p.
// 1 when read; for now nothing is read.
int OLD_IO_acf(const std::string& path, int p);

// Airfoil file name into slot [t][r] of afl[part] of record p (t 0 root, 1 tip; r 0 low, 1 high
// Reynolds number).
void load_foil_for_part(const std::string& name, int p, int part, int t, int r);

// The object file at basic_path made into a drawable model; the handle, or -1 when the file
// cannot be read.
int build_obs(float x, float y, float z, float dh, const std::string& basic_path, int object_type, int build_type);

// The automatic settings of record p, and the validity check that reports the first design error
// in an alert (it never refuses a read or a write).
void ACF_autoset(int p);
void ACF_check(int p, int is_batch);

// Record 0 made a new aircraft; the panel background of the current aircraft.
void setup_base_acf(void);
void setup_base_panel(void);

// Instrument textures of record p: for every used panel slot the default bitmap of its instrument
// kind, then every kind again from the aircraft's own folder so that bitmaps placed beside the
// aircraft replace the defaults.
void ACF_load_instrument_textures(int p);

// Weapon file into weapon slot en of record p (IO_type 0 read, 1 write); with use_path 0 the
// file is found from its name.
void IO_wpn(int IO_type, int p, int en, const std::string& name, const std::string& path, int use_path);

// The drawable geometry of record p, textures too when load_tex.
void load_plane_geo(int load_tex, int dump_start, int touch_up, int p);
