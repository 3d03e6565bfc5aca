// records.h -- the shell's records that every layer reads: the window, screen and input record
// mnw, the constants con, the localized text stl, the program's folders and log files, the
// lookup tables and the texture staging image.
#pragma once
#include <string>
#include <cstdio>
#include "base/mnw_struct.h"
#include "base/con_struct.h"
#include "base/stl_struct.h"

extern int g_done;                          // the frame loop runs while 0; Quit and fatal alerts set it
extern int g_OGL_inited;                    // 1 once the window and GL context exist

// Folders, each ending in a separator; relative parts use ':' and become '/' at open time.
// Written once by MACIBM_build_paths at start; wrk_path is the folder the file dialog shows.
extern std::string app_path, wrk_path;
extern std::string gen_path, res_path, afl_path, wpn_path, acf_path, sit_path, mov_path, log_path,
    fms_path, gam_path, tra_path, car_path, spa_path, reg_path, wav_path, bmp_path, pla_path,
    cus_path, aut_path, ear_path, mar_path, men_path, txt_path, key_path;

extern FILE* dat;                           // "Data.out"
extern FILE* xer;                           // "Error.out": GL report, fatal alerts, batch problems

extern float         lookup_sin[361], lookup_cos[361];   // whole degrees 0..360
extern unsigned char win_gamma[256];
extern unsigned char* scratch_array;        // 1024 x 1024 RGBA staging image for textures

void MACIBM_build_paths(const char* app_folder);   // app_folder ends in '/'
void MACIBM_open_logs(void);                // "Data.out" and "Error.out" in the program folder
void MACIBM_close_logs(void);
void MACIBM_fill_constants(void);           // con, the sine/cosine tables and win_gamma
// n bytes at p set to zero. The records are tens of megabytes of which a start touches little:
// the whole pages of them that lie in the program's zero-initialised data go back to the system
// instead of being written, so they read as zero again and cost nothing until used.
void MACIBM_zero_fill(void* p, size_t n);
// Every record of this file back to its state before start-up: records zeroed, no folders, the
// logs closed. Part of the start-up reset.
void MACIBM_reset_records(void);
