// AFL_MODEL.h -- the analytic section model of an airfoil slot. It needs nothing but the record,
// so the tool that makes the shipped airfoil files builds it too.
#pragma once
#include "model/afl_struct.h"

// The angle of attack of table entry i (0..720): tenths of a degree over -20..20, whole degrees
// out to -180 and 180.
float ret_alpha(int i);
// The model at angle of attack alpha (degrees) for slot [t][r], valid over -20..20 (0 outside).
float ret_cl(float alpha, const airfoil_struct* afl, int t, int r);
float ret_cd(float alpha, const airfoil_struct* afl, int t, int r);
float ret_cm(float alpha, const airfoil_struct* afl);

// The three tables of slot [t][r] over the full circle: the model over -20..20, blended towards
// a flat plate beyond and the section's own curves again in reversed flow. True when an entry
// came out as no number (a parameter divides by zero); those entries are zeroed so that nothing
// downstream meets them.
bool AFL_gen_tables(airfoil_struct* afl, int t, int r);
