// io_obj.cpp -- object files.
#include "draw/io_obj.h"

int build_obs(float x, float y, float z, float dh, const std::string& basic_path, int object_type, int build_type)
{
    (void)x;
    (void)y;
    (void)z;
    (void)dh;
    (void)basic_path;
    (void)object_type;
    (void)build_type;
    return -1;
}
