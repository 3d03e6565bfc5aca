// AFL_MODEL.cpp -- the analytic section model: lift, drag and moment from a few parameters, and
// the full-circle table built from them.
#include "model/AFL_MODEL.h"

#include <cmath>
#include <cstring>

#include "base/HL_MATH_FUN.h"

static constexpr float kDegToRad = 0.017453292519943295f;

static int clamp01(int i) { return i < 0 ? 0 : (i > 1 ? 1 : i); }

float ret_alpha(int i)
{
    int a = i - 360;
    if (a < -200) return (float)(a + 180);
    if (a > 200) return (float)(a - 180);
    return (float)a * 0.1f;
}

float ret_cl(float alpha, const airfoil_struct* afl, int t, int r)
{
    t = clamp01(t);
    r = clamp01(r);
    const float m = afl->clM[t][r], b = afl->clB[t][r], L = afl->Llinrange;
    const float amin = afl->almin[t][r], amax = afl->almax[t][r];
    const float top = m * L + b;   // lift at the upper end of the linear range
    if (alpha >= -20 && alpha <= amin)
        return (2 * b - afl->Lstall + afl->Ldrop1) + std::pow((amin - alpha) / (amin + 20), afl->Lpowstl) * afl->Ldrop2;
    if (alpha >= amin && alpha <= -L)
        return (b - m * L) + (afl->Lstall - top) * (std::pow((amin - alpha) / (amin + L), afl->Lpow) - 1);
    if (alpha >= L && alpha <= amax)
        return top - (afl->Lstall - top) * (std::pow((amax - alpha) / (amax - L), afl->Lpow) - 1);
    if (alpha >= amax && alpha <= 20)
        return (afl->Lstall - afl->Ldrop1) - std::pow((amax - alpha) / (amax - 20), afl->Lpowstl) * afl->Ldrop2;
    if (alpha >= -L && alpha <= L) return m * alpha + b;
    return 0;
}

float ret_cd(float alpha, const airfoil_struct* afl, int t, int r)
{
    t = clamp01(t);
    r = clamp01(r);
    const float m = afl->clM[t][r], b = afl->clB[t][r];
    const float a0 = (afl->DminCL - b) / m;   // angle of minimum drag
    float cd = std::pow(std::fabs((alpha - a0) / (10 - a0)), afl->Dpow) * (afl->Dal10 - afl->Dmin) + afl->Dmin;
    if (afl->Bwidth > 0 && afl->Bdepth > 0 && afl->Bpower > 0) {
        const float h = afl->Bwidth * 0.5f / m, w = afl->Bwidth / m;
        const float d = std::fabs(alpha - (afl->Bloc - b) / m);
        if (d >= h && d <= w)
            cd -= afl->Bdepth * 0.5f * std::pow((w - d) / h, afl->Bpower);
        else if (d < h)
            cd -= afl->Bdepth * 0.5f + afl->Bdepth * 0.5f * std::pow((h - d) / h, 1 / afl->Bpower);
    }
    return cd;
}

float ret_cm(float alpha, const airfoil_struct* afl)
{
    const float a2 = afl->cmal2, a3 = afl->cmal3;
    if (alpha >= -20 && alpha <= a2) return interp(-20, afl->cm1, a2, afl->cm2, alpha, 1);
    if (alpha >= a2 && alpha <= a3) return interp(a2, afl->cm2, a3, afl->cm3, alpha, 1);
    if (alpha >= a3 && alpha <= 20) return interp(a3, afl->cm3, 20, afl->cm4, alpha, 1);
    return 0;
}

// sin of an angle in degrees
static float sind(float deg) { return std::sin(deg * kDegToRad); }

bool AFL_gen_tables(airfoil_struct* afl, int t, int r)
{
    constexpr float kRevLift = 0.5f, kRevDrag = 4.0f, kPlateLift = 1.17f, kPlateDrag = 1.28f;
    t = clamp01(t);
    r = clamp01(r);
    float* cl = afl->cl[t][r];
    float* cd = afl->cd[t][r];
    float* cm = afl->cm[t][r];
    memset(cl, 0, sizeof afl->cl[t][r]);
    memset(cd, 0, sizeof afl->cd[t][r]);
    memset(cm, 0, sizeof afl->cm[t][r]);
    const float clp = ret_cl(20, afl, t, r), cln = ret_cl(-20, afl, t, r);
    const float cdp = ret_cd(20, afl, t, r), cdn = ret_cd(-20, afl, t, r);
    const float cmp = ret_cm(20, afl), cmn = ret_cm(-20, afl);
    bool bad = false;
    for (int i = 0; i < AFL_ALPHAS; i++) {
        const float a = ret_alpha(i);
        // Lift: each range in turn, a later one winning where two share an end.
        if (a >= -20 && a <= 20) {
            cl[i] = ret_cl(a, afl, t, r);
            cd[i] = ret_cd(a, afl, t, r);
            cm[i] = ret_cm(a, afl);
        }
        if (a >= -180 && a <= -160) cl[i] = kRevLift * ret_cl(a + 180, afl, t, r);
        if (a >= -160 && a <= -135) cl[i] = kRevLift * clp + (kPlateLift - kRevLift * clp) * sind((a + 160) * 90 / 25);
        if ((a >= -135 && a <= -45) || (a >= 45 && a <= 135)) cl[i] = kPlateLift * sind(2 * a);
        if (a >= -45 && a <= -20) cl[i] = cln + (cln + kPlateLift) * sind((a + 20) * 90 / 25);
        if (a >= 20 && a <= 45) cl[i] = clp + (kPlateLift - clp) * sind((a - 20) * 90 / 25);
        if (a >= 135 && a <= 160) cl[i] = kRevLift * cln + (kRevLift * cln + kPlateLift) * sind((a - 160) * 90 / 25);
        if (a >= 160 && a <= 180) cl[i] = kRevLift * ret_cl(a - 180, afl, t, r);

        // Drag and moment past the section's own range: towards a flat plate, and in reversed
        // flow the section's drag again, four times over.
        if (a < -20 || a > 20) {
            const float k = std::fabs(a) <= 90 ? 1 : kRevDrag;
            const float phi = a > 90 ? 180 - a : (a < -90 ? -180 - a : a);
            const float plate = kPlateDrag * sind(std::fabs(phi));
            float start = 0;
            if (phi < 0) start = interp(0, cdn * k, 1, kPlateDrag, ((phi + 20) / 70) * ((phi + 20) / 70), 1);
            if (phi > 0) start = interp(0, cdp * k, 1, kPlateDrag, ((phi - 20) / 70) * ((phi - 20) / 70), 1);
            if ((a >= -180 && a <= -160) || (a >= 160 && a <= 180))
                cd[i] = k * ret_cd(phi, afl, t, r);
            else
                cd[i] = interp(20, start, 90, plate, std::fabs(phi), 1);
            const float plate_cm = sind(-a) * cd[i] * 0.25f;
            cm[i] = interp(20, a < 0 ? cmn : cmp, 45, plate_cm, std::fabs(a), 0);
        }
    }
    for (int i = 0; i < AFL_ALPHAS; i++)
        for (float* v : {&cl[i], &cd[i], &cm[i]})
            if (check_nan(*v)) {
                bad = true;
                *v = 0;
            }
    return bad;
}

