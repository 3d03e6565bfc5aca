// IO_AFL.h -- airfoil files and the coefficient curves read from them.
#pragma once
#include <string>

// Airfoil file name into slot [t][r] of afl[part] of record p (t 0 root, 1 tip; r 0 low, 1 high
// Reynolds number). Until the airfoil reader is written the part keeps its cleared tables.
void load_foil_for_part(const std::string& name, int p, int part, int t, int r);
