// con_struct.h -- physical constants and unit factors, filled once at start.
#pragma once

struct con_struct {
    float pi, pim2, pid2;
    float R, c, g;
    float lb_per_gallon_gas;
    float lbstokgs, kgstolbs;
    float fttomtrs, mtrstoft;
    float hptowatt, watttohp;
    float radtodeg, degtorad;
    float ktstofps, fpstokts;
    float ktstomsc, msctokts;
    float rpmtorsc, rsctorpm;
    float fpmtomsc, msctofpm;
    float nmtomtrs, mtrstonm;
    float sftosmtr, smtrtosf;
    float lbstontn, ntntolbs;
    float ftlbtonm, nmtoftlb;
    float endtomed, medtoend;
    float enptomep, meptoenp;
    float enItomtI, mtltoenl;
    float pasto_hg, hg_topas;
    float milto_hg, hg_tomil;
    float nm_to_sm, sm_to_nm;
    float lbhtokgs, kgstolbh;
};

// con: defined in base/records.cpp; written once by MACIBM_fill_constants at start, read by everyone.
extern con_struct con;

