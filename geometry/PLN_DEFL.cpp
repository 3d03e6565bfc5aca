// PLN_DEFL.cpp -- control-surface chords along a part, and which weapon slots hold a weapon.
#include "geometry/PLN_DEFL.h"
#include "base/HL_MATH_FUN.h"
#include "model/acf_struct.h"
#include <cmath>

float control_crat(int p, int en, float el, int control)
{
    if (p < 0 || p >= ACF_RECORDS || en < 0 || en >= ACF_PARTS) return 0.0f;
    const veh_struct& v = veh[p];
    float elR, elT, cratR, cratT;
    switch (control) {
    case DEFL_AIL1: elR = v.ail1_elR[en]; elT = v.ail1_elT[en]; cratR = v.ail1_cratR; cratT = v.ail1_cratT; break;
    case DEFL_AIL2: elR = v.ail2_elR[en]; elT = v.ail2_elT[en]; cratR = v.ail2_cratR; cratT = v.ail2_cratT; break;
    case DEFL_SPO1: elR = v.spo1_elR[en]; elT = v.spo1_elT[en]; cratR = v.spo1_cratR; cratT = v.spo1_cratT; break;
    case DEFL_SPO2: elR = v.spo2_elR[en]; elT = v.spo2_elT[en]; cratR = v.spo2_cratR; cratT = v.spo2_cratT; break;
    case DEFL_YAWB: elR = v.yawb_elR[en]; elT = v.yawb_elT[en]; cratR = v.yawb_cratR; cratT = v.yawb_cratT; break;
    case DEFL_ELEV: elR = v.elev_elR[en]; elT = v.elev_elT[en]; cratR = v.elev_cratR; cratT = v.elev_cratT; break;
    case DEFL_RUDD: elR = v.rudd_elR[en]; elT = v.rudd_elT[en]; cratR = v.rudd_cratR; cratT = v.rudd_cratT; break;
    case DEFL_FLAP: elR = v.flap_elR[en]; elT = v.flap_elT[en]; cratR = v.flap_cratR; cratT = v.flap_cratT; break;
    case DEFL_SBRK: elR = v.sbrk_elR[en]; elT = v.sbrk_elT[en]; cratR = v.sbrk_cratR; cratT = v.sbrk_cratT; break;
    default: return 0.0f;
    }
    const float els = (float)v.els[en];
    auto chord = [&](float x) { return interp(0.0f, v.Croot[en], els, v.Ctip[en], x, 1); };
    const float here = chord(el);
    if (std::fabs(here) < 1e-6f) return interp(elR, cratR, elT, cratT, el, 1);
    return interp(elR, chord(elR) * cratR, elT, chord(elT) * cratT, el, 1) / here;
}

int wpn_can_exist(int p, int w)
{
    if (p < 0 || p >= ACF_RECORDS || w < 0 || w >= ACF_WPN_POINTS) return 0;
    return veh[p].wpn[w].type != 0;
}

void update_def_angles(int p) { (void)p; }
