// OLD_IO_acf.cpp -- aircraft files of the previous generation.
#include "model/OLD_IO_acf.h"

int OLD_IO_acf(const std::string& path, int p)
{
    (void)path;
    (void)p;
    return 0;
}
