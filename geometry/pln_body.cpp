// pln_body.cpp -- body shaping.
#include "geometry/pln_body.h"

void smoothit_main(int en, int full, int is_wpn)
{
    (void)en;
    (void)full;
    (void)is_wpn;
}
