// make_weapons -- writes the sample weapons into the installation's Weapons folder with the
// program's own weapon writer, so they are always in the current weapon file format.
//
//   make_weapons <Weapons folder>
#include "model/IO_ACF.h"
#include "model/acf_struct.h"
#include "model/wpn_samples.h"
#include "base/records.h"
#include <cstdio>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: make_weapons <Weapons folder>\n");
        return 2;
    }
    std::string folder = argv[1];
    if (folder.empty() || folder.back() != '/') folder += '/';
    for (int kind = 0; kind < WPN_SAMPLES; kind++) {
        WPN_make_sample(0, ACF_WPN_SLOTS - 1, kind);
        const std::string name = WPN_sample_name(kind);
        if (!IO_wpn(1, 0, ACF_WPN_SLOTS - 1, name, folder + name, 1)) {
            fprintf(stderr, "make_weapons: could not write %s%s\n", folder.c_str(), name.c_str());
            return 1;
        }
    }
    return 0;
}
