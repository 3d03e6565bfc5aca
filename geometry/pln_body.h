// pln_body.h -- body shaping: the cross-section rules, smoothing, copying bodies and stations.
#pragma once

// One smoothing pass over body en (the weapon's body when is_wpn); full smooths the whole shape,
// otherwise lightly. Until body shaping is written the body is left as it is.
void smoothit_main(int en, int full, int is_wpn);
