// IO_AFL.cpp -- airfoil files.
#include "model/IO_AFL.h"

void load_foil_for_part(const std::string& name, int p, int part, int t, int r)
{
    (void)name;
    (void)p;
    (void)part;
    (void)t;
    (void)r;
}
