// records.cpp -- the one definition of the shell's shared records (see records.h for who writes
// each field), the folder table and the constants.
#include "base/records.h"
#include "base/IO_UTILS.h"
#include <cmath>
#include <cstdint>
#include <cstring>
#ifdef __linux__
#include <sys/mman.h>
#include <unistd.h>
// The linker's marks: the end of the data the file holds and the end of the zero-initialised
// data after it. The pages between belong to no file, so a page handed back reads as zero.
extern "C" char _edata[], _end[];
#endif

mnw_struct mnw;
con_struct con;
stl_struct stl;

int g_done;
int g_OGL_inited;

std::string app_path, wrk_path;
std::string gen_path, res_path, afl_path, wpn_path, acf_path, sit_path, mov_path, log_path,
    fms_path, gam_path, tra_path, car_path, spa_path, reg_path, wav_path, bmp_path, pla_path,
    cus_path, aut_path, ear_path, mar_path, men_path, txt_path, key_path;

FILE* dat;
FILE* xer;

float lookup_sin[361], lookup_cos[361];
unsigned char win_gamma[256];
static unsigned char s_scratch[1024 * 1024 * 4];
unsigned char* scratch_array = s_scratch;

struct path_row { std::string* var; const char* rel; };
static const path_row s_paths[] = {
    {&gen_path, "Resources:Preferences:Aerodeck 7 Wing-Wright.prf"},
    {&res_path, "Resources:Preferences:Aerodeck 7 Resolution.prf"},
    {&afl_path, "Airfoils:"},
    {&wpn_path, "Weapons:"},
    {&acf_path, "Aircraft:"},
    {&sit_path, "Output:situations:"},
    {&mov_path, "Output:movies:"},
    {&log_path, "Output:logbooks:"},
    {&fms_path, "Output:FMS plans:"},
    {&gam_path, "Orbit Pack Resources:saved games:"},
    {&tra_path, "Carvex Output:tracks:"},
    {&car_path, "Carvex Output:cars:"},
    {&spa_path, "Void Battles Resources:spaceships:"},
    {&reg_path, "Void Battles Resources:regions:"},
    {&wav_path, "Resources:sounds:"},
    {&bmp_path, "Resources:bitmaps:"},
    {&pla_path, "Orbit Pack Resources:planets:"},
    {&cus_path, "Custom Scenery:"},
    {&aut_path, "Custom Scenery:AutoGen:"},
    {&ear_path, "Resources:Earth nav data:"},
    {&mar_path, "Resources:Mars nav data:"},
    {&men_path, "Resources:menus:"},
    {&txt_path, "Resources:text:"},
    {&key_path, "Instructions:keys:"},
};

void MACIBM_build_paths(const char* app_folder)
{
    app_path = app_folder;
    wrk_path = app_path;
    for (const path_row& row : s_paths) *row.var = app_path + row.rel;
}

void MACIBM_close_logs(void)
{
    if (dat) fclose(dat);
    if (xer) fclose(xer);
    dat = xer = nullptr;
}

void MACIBM_open_logs(void)
{
    MACIBM_close_logs();
    dat = IO_fopen(app_path + "Data.out", "w");
    xer = IO_fopen(app_path + "Error.out", "w");
}

void MACIBM_zero_fill(void* p, size_t n)
{
    unsigned char* const b = (unsigned char*)p;
#ifdef __linux__
    // Writing zeros faults in every page at once; a page handed back costs nothing until it is
    // used again, and most pages of these records no start uses. Too small a range is written.
    static const uintptr_t page = (uintptr_t)sysconf(_SC_PAGESIZE);
    const uintptr_t first_free = ((uintptr_t)_edata + page - 1) & ~(page - 1), end = (uintptr_t)_end & ~(page - 1);
    uintptr_t lo = ((uintptr_t)b + page - 1) & ~(page - 1), hi = ((uintptr_t)b + n) & ~(page - 1);
    if (lo < first_free) lo = first_free;
    if (hi > end) hi = end;
    if (hi >= lo + 16 * page && lo >= (uintptr_t)b && madvise((void*)lo, hi - lo, MADV_DONTNEED) == 0) {
        memset(b, 0, lo - (uintptr_t)b);
        memset((void*)hi, 0, (uintptr_t)b + n - hi);
        return;
    }
#endif
    memset(b, 0, n);
}

void MACIBM_reset_records(void)
{
    MACIBM_zero_fill(&mnw, sizeof mnw);
    memset(&con, 0, sizeof con);
    MACIBM_zero_fill(&stl, sizeof stl);
    g_done = g_OGL_inited = 0;
    MACIBM_close_logs();
    app_path.clear();
    wrk_path.clear();
    for (const path_row& row : s_paths) row.var->clear();
}

void MACIBM_fill_constants(void)
{
    con.pi   = 3.1415927f;
    con.pim2 = 2.0f * con.pi;
    con.pid2 = con.pi / 2.0f;
    con.R = 287.0f;
    con.c = 299792448.0f;
    con.g = (float)(398601200000000.0 / (6378145.0 * 6378145.0));
    con.lb_per_gallon_gas = 6.25f;
    con.lbstokgs = 0.4535925f;                       con.kgstolbs = 1.0f / con.lbstokgs;
    con.fttomtrs = 0.3048f;                          con.mtrstoft = 1.0f / con.fttomtrs;
    con.hptowatt = 745.7f;                           con.watttohp = 1.0f / con.hptowatt;
    con.radtodeg = 180.0f / con.pi;                  con.degtorad = 1.0f / con.radtodeg;
    con.ktstofps = 1.6878098f;                       con.fpstokts = 1.0f / con.ktstofps;
    con.ktstomsc = 0.5144445f;                       con.msctokts = 1.0f / con.ktstomsc;
    con.rpmtorsc = con.degtorad * 6.0f;              con.rsctorpm = 1.0f / con.rpmtorsc;
    con.fpmtomsc = 0.3048f / 60.0f;                  con.msctofpm = 1.0f / con.fpmtomsc;
    con.nmtomtrs = 6076.1155f * 0.3048f;             con.mtrstonm = 1.0f / con.nmtomtrs;
    con.sftosmtr = 0.09290304f;                      con.smtrtosf = 1.0f / con.sftosmtr;
    con.lbstontn = con.g * 0.4535925f;               con.ntntolbs = 1.0f / con.lbstontn;
    con.ftlbtonm = con.lbstontn * 0.3048f;           con.nmtoftlb = 1.0f / con.ftlbtonm;
    con.endtomed = con.g * con.lbstokgs / (0.3048f * 0.3048f * 0.3048f * 0.3048f);
    con.medtoend = 1.0f / con.endtomed;
    con.enptomep = con.lbstontn / con.sftosmtr;      con.meptoenp = 1.0f / con.enptomep;
    con.enItomtI = con.sftosmtr * con.lbstokgs;      con.mtltoenl = 1.0f / con.enItomtI;
    con.pasto_hg = 0.00029528743f;                   con.hg_topas = 1.0f / con.pasto_hg;
    con.milto_hg = 0.029528745f;                     con.hg_tomil = 1.0f / con.milto_hg;
    con.nm_to_sm = 1.1507795f;                       con.sm_to_nm = 1.0f / con.nm_to_sm;
    con.lbhtokgs = con.lbstokgs / 3600.0f;           con.kgstolbh = 1.0f / con.lbhtokgs;

    for (int d = 0; d <= 360; d++) {
        lookup_sin[d] = (float)std::sin(d * M_PI / 180.0);
        lookup_cos[d] = (float)std::cos(d * M_PI / 180.0);
    }
    for (int i = 0; i < 256; i++)
        win_gamma[i] = (unsigned char)std::floor(255.0 * std::pow(i / 255.0, 0.8181818) + 0.5);
}
