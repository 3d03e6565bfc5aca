// Fuzzes the editor preferences reader: any bytes as the binary file in memory. A file that is not
// the whole image of this version must change nothing; a whole one must leave the stored names
// terminated. Nothing may crash, hang or read past the end.
#include "shell/IO_PRF.h"
#include "model/acf_struct.h"
#include "model/set_struct.h"
#include "fuzz/fuzz_common.h"
#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz_take_alerts();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    memset(&set, 0, sizeof set);
    set.fuse_zoom = 1.0f;
    memset(veh[0].name, 0, sizeof veh[0].name);
    memset(veh[0].path, 0, sizeof veh[0].path);
    try {
        const int got = handle_prefs_bytes(PRF_KIND_EDITOR, data, (long)size, "fuzz.prf");
        // This version in either byte order: little-endian "i", or big-endian "a".
        const int whole = size >= (size_t)PRF_FILE_BYTES &&
                          ((data[0] == 'i' && !memcmp(data + 1, "\xE4\x02\x00\x00", 4)) ||
                           (data[0] == 'a' && !memcmp(data + 1, "\x00\x00\x02\xE4", 4)));
        FUZZ_REQUIRE(got == whole);
        if (!got) FUZZ_REQUIRE(set.fuse_zoom == 1.0f && !veh[0].name[0] && !veh[0].path[0]);
        FUZZ_REQUIRE(memchr(veh[0].name, 0, sizeof veh[0].name) && memchr(veh[0].path, 0, sizeof veh[0].path));
        FUZZ_REQUIRE(memchr(set.weapn_name, 0, sizeof set.weapn_name) && memchr(set.weapn_path, 0, sizeof set.weapn_path));
    } catch (const fuzz_fatal_alert&) {
    }
    IO_inf_close();
    return 0;
}
