// pln_body.cpp -- body shaping: the ring rules, smoothing, copies and the volume.
#include "geometry/pln_body.h"
#include "base/HL_MATH_FUN.h"
#include "model/acf_defaults.h"
#include "model/acf_struct.h"
#include "model/set_struct.h"
#include <cmath>
#include <cstring>

typedef float grid_t[ACF_BODY_STATIONS][ACF_BODY_POINTS];

char* BODY_lock(int part, int s, int r)
{
    // One flat table of 12-station rows: clamp the flat row, so the fuselage's extra stations
    // borrow the following rows and nothing falls outside the table.
    const int rows = SET_LOCK_PARTS * SET_LOCK_STATIONS;
    const int row = intlim(part * SET_LOCK_STATIONS + s, 0, rows - 1);
    return &set.body_locked[0][0][0] + row * ACF_BODY_POINTS + intlim(r, 0, ACF_BODY_POINTS - 1);
}

int BODY_grid_ok(int en, int* sdim, int* rdim)
{
    *sdim = intlim(*sdim, 0, ACF_BODY_STATIONS);
    *rdim = intlim(*rdim, 0, ACF_BODY_POINTS);
    return en >= 0 && en < ACF_PARTS && *sdim >= 2 && *rdim >= 4;
}

// The size limit as a usable half-width: not finite or negative counts as nothing.
static float limit_of(int en)
{
    const float r = veh[0].body_r[en];
    return std::isfinite(r) ? std::fabs(r) : 0.0f;
}

void BODY_ring_rules(int en, int sdim, int rdim)
{
    if (!BODY_grid_ok(en, &sdim, &rdim)) return;
    veh_struct& v = veh[0];
    const int rsem = rdim / 2;
    const float lim = limit_of(en);
    for (int s = 0; s < sdim; s++) {
        float* X = v.body_X[en][s];
        float* Y = v.body_Y[en][s];
        float* Z = v.body_Z[en][s];
        for (int r = 0; r < rdim; r++) {
            if (!std::isfinite(X[r])) X[r] = 0;
            if (!std::isfinite(Y[r])) Y[r] = 0;
            if (!std::isfinite(Z[r])) Z[r] = 0;
        }
        for (int r = 0; r < rsem; r++) {
            const int m = rdim - 1 - r;
            X[r] = (r == 0 || r == rsem - 1) ? 0.0f : fltlim(X[r], 0, lim);
            Y[r] = fltlim(Y[r], -lim, lim);
            X[m] = -X[r];
            Y[m] = Y[r];
            Z[m] = Z[r];
            *BODY_lock(en, s, m) = *BODY_lock(en, s, r);
        }
    }
}

float smoothit_ret_y_center(int en, int s, int rdim)
{
    if (en < 0 || en >= ACF_PARTS || s < 0 || s >= ACF_BODY_STATIONS) return 0;
    rdim = intlim(rdim, 0, ACF_BODY_POINTS);
    if (rdim == 0) return 0;
    float sum = 0;
    for (int r = 0; r < rdim; r++) sum += veh[0].body_Y[en][s][r];
    return sum / (float)rdim;
}

float smoothit_ret_ave_rad(int en, int sdim, int rdim)
{
    if (!BODY_grid_ok(en, &sdim, &rdim)) return 0.01f;
    const veh_struct& v = veh[0];
    double sum = 0;
    int n = 0;
    for (int s = 1; s < sdim - 1; s++) {
        const float yc = smoothit_ret_y_center(en, s, rdim);
        for (int r = 0; r < rdim; r++, n++) sum += pythag(v.body_X[en][s][r], v.body_Y[en][s][r] - yc);
    }
    const float ave = n ? (float)(sum / n) : 0.0f;
    return fltlim(ave, 0.01f, 9.9e9f);
}

float fallout(float in, float lo, float hi)
{
    if (in < lo || in > hi) return in;
    return in < 0.5f * (lo + hi) ? lo : hi;
}

void flt_switch(float* a, float* b)
{
    const float t = *a;
    *a = *b;
    *b = t;
}

//=== smoothing ==============================================================================
// Lengthwise: a point between neighbours that rise strictly in Z moves a tenth of the way to the
// straight line between them.
static void smooth_lengthwise(int en, int sdim, int rdim)
{
    veh_struct& v = veh[0];
    grid_t& X = v.body_X[en];
    grid_t& Y = v.body_Y[en];
    grid_t& Z = v.body_Z[en];
    for (int s = 1; s < sdim - 1; s++)
        for (int r = 0; r < rdim; r++) {
            if (*BODY_lock(en, s, r)) continue;
            const float z0 = Z[s - 1][r], z1 = Z[s][r], z2 = Z[s + 1][r];
            if (!(z0 < z1 && z1 < z2)) continue;
            const float d = fallout(z2 - z0, -0.0001f, 0.0001f);
            const float xi = ((z2 - z1) * X[s - 1][r] + (z1 - z0) * X[s + 1][r]) / d;
            const float yi = ((z2 - z1) * Y[s - 1][r] + (z1 - z0) * Y[s + 1][r]) / d;
            X[s][r] += 0.1f * (xi - X[s][r]);
            Y[s][r] += 0.1f * (yi - Y[s][r]);
        }
}

// Around: each ring is pulled a fifth of the way to the ellipse through its widest point and its
// top and bottom, about the station's mean height.
static void smooth_around(int en, int sdim, int rdim)
{
    veh_struct& v = veh[0];
    const int rsem = rdim / 2;
    const float step = 2.0f * (float)M_PI / (float)(rdim - 2);
    for (int s = 0; s < sdim; s++) {
        float* X = v.body_X[en][s];
        float* Y = v.body_Y[en][s];
        const float yc = smoothit_ret_y_center(en, s, rdim);
        const float a = X[(rdim - 2) / 4];
        const float b = 0.5f * (Y[0] - Y[(rdim - 2) / 2]);
        for (int r = 0; r < rdim; r++) {
            if (*BODY_lock(en, s, r)) continue;
            const float th = step * (float)(r < rsem ? r : r - 1);
            X[r] = 0.8f * X[r] + 0.2f * a * std::sin(th);
            Y[r] = 0.8f * Y[r] + 0.2f * (yc + b * std::cos(th));
        }
    }
}

// Every point scaled about its station's centre by k.
static void scale_about_centres(int en, int sdim, int rdim, float k)
{
    veh_struct& v = veh[0];
    for (int s = 0; s < sdim; s++) {
        const float yc = smoothit_ret_y_center(en, s, rdim);
        for (int r = 0; r < rdim; r++) {
            if (*BODY_lock(en, s, r)) continue;
            v.body_X[en][s][r] *= k;
            v.body_Y[en][s][r] = yc + (v.body_Y[en][s][r] - yc) * k;
        }
    }
}

// The ring's Z pulled a fifth of the way to a straight run from the top down to the bottom and
// back up to the top.
static void smooth_ring_z(int en, int sdim, int rdim)
{
    veh_struct& v = veh[0];
    const int h = rdim / 2;
    for (int s = 0; s < sdim; s++) {
        float* Z = v.body_Z[en][s];
        for (int r = 0; r < rdim; r++) {
            if (*BODY_lock(en, s, r)) continue;
            if (r <= h) Z[r] += 0.2f * (interp(0, Z[0], (float)h, Z[h], (float)r, 1) - Z[r]);
            if (r >= h) Z[r] += 0.2f * (interp((float)h, Z[h], (float)rdim, Z[0], (float)r, 1) - Z[r]);
        }
    }
}

void BODY_smooth(int en, int full, int is_wpn)
{
    int sdim = f_body_s_DIM(0, en, is_wpn), rdim = f_body_r_DIM(en, is_wpn);
    if (!BODY_grid_ok(en, &sdim, &rdim)) return;
    BODY_ring_rules(en, sdim, rdim);   // nothing that is not a number goes into the averages
    const float ave_rad1 = smoothit_ret_ave_rad(en, sdim, rdim);
    if (full) smooth_lengthwise(en, sdim, rdim);
    smooth_around(en, sdim, rdim);
    if (full) scale_about_centres(en, sdim, rdim, ave_rad1 / smoothit_ret_ave_rad(en, sdim, rdim));
    smooth_ring_z(en, sdim, rdim);
    const float lim = limit_of(en);
    veh_struct& v = veh[0];
    for (int s = 0; s < sdim; s++)
        for (int r = 0; r < rdim; r++) {
            v.body_X[en][s][r] = fltlim(v.body_X[en][s][r], -lim, lim);
            v.body_Y[en][s][r] = fltlim(v.body_Y[en][s][r], -lim, lim);
        }
}

//=== copies =================================================================================
void BODY_copy_body(int e1, int e2)
{
    if (e1 < 0 || e1 >= ACF_PARTS || e2 < 0 || e2 >= ACF_PARTS || e1 == e2) return;
    veh_struct& v = veh[0];
    v.body_r[e2] = v.body_r[e1];
    std::memcpy(v.body_X[e2], v.body_X[e1], sizeof(grid_t));
    std::memcpy(v.body_Y[e2], v.body_Y[e1], sizeof(grid_t));
    std::memcpy(v.body_Z[e2], v.body_Z[e1], sizeof(grid_t));
}

static float mean_z(int en, int s, int rdim)
{
    float sum = 0;
    for (int r = 0; r < rdim; r++) sum += veh[0].body_Z[en][s][r];
    return sum / (float)rdim;
}

void BODY_copy_station(int en, int s_src, int s_dst, int rdim)
{
    rdim = intlim(rdim, 0, ACF_BODY_POINTS);
    if (en < 0 || en >= ACF_PARTS || rdim == 0 || s_src == s_dst) return;
    if (!intrange(s_src, 0, ACF_BODY_STATIONS - 1) || !intrange(s_dst, 0, ACF_BODY_STATIONS - 1)) return;
    veh_struct& v = veh[0];
    const float shift = mean_z(en, s_dst, rdim) - mean_z(en, s_src, rdim);
    for (int r = 0; r < rdim; r++) {
        v.body_X[en][s_dst][r] = v.body_X[en][s_src][r];
        v.body_Y[en][s_dst][r] = v.body_Y[en][s_src][r];
        v.body_Z[en][s_dst][r] = v.body_Z[en][s_src][r] + shift;
    }
}

//=== volume =================================================================================
static float section_area(int en, int s, int rdim)
{
    const float* X = veh[0].body_X[en][s];
    const float* Y = veh[0].body_Y[en][s];
    float a = 0;
    for (int r = 0; r < rdim - 1; r++) a += std::fabs(0.5f * (X[r + 1] + X[r]) * (Y[r + 1] - Y[r]));
    return a;
}

float BODY_volume(int en, int sdim, int rdim)
{
    if (!BODY_grid_ok(en, &sdim, &rdim)) return 0;
    const veh_struct& v = veh[0];
    double vol = 0;
    float a0 = section_area(en, 0, rdim);
    for (int s = 0; s + 1 < sdim; s++) {
        const float a1 = section_area(en, s + 1, rdim);
        vol += (double)(v.body_Z[en][s + 1][0] - v.body_Z[en][s][0]) * 0.5 * (a0 + a1);
        a0 = a1;
    }
    return std::isfinite(vol) ? (float)vol : 0.0f;
}
