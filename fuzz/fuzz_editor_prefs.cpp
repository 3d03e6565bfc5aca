// Fuzzes the editor preferences reader: any bytes as the binary file. A file that is not the
// whole image of this version must change nothing; a whole one must leave the stored names
// terminated. Nothing may crash, hang or read past the end.
#include "shell/Hl_MNW.h"
#include "shell/IO_PRF.h"
#include "base/IO_TYPED.h"
#include "model/acf_struct.h"
#include "model/set_struct.h"
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {
struct fuzz_fatal {};
}

static void fuzz_alert_hook(int type, const char*, const char*, const char*, const char*, const char*, int)
{
    if (type == 17) throw fuzz_fatal();
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string path = "/tmp/fuzz_editor_prefs-" + std::to_string(getpid()) + ".prf";
    g_alert_hook = fuzz_alert_hook;

    FILE* f = fopen(path.c_str(), "wb");
    if (!f) return 0;
    if (size) fwrite(data, 1, size, f);
    fclose(f);

    memset(&set, 0, sizeof set);
    set.fuse_zoom = 1.0f;
    memset(veh[0].name, 0, sizeof veh[0].name);
    try {
        int got = handle_prefs(PRF_KIND_EDITOR, PRF_READ, path);
        // This version in either byte order: little-endian "i", or big-endian "a".
        int whole = size >= (size_t)PRF_FILE_BYTES &&
                    ((data[0] == 'i' && !memcmp(data + 1, "\xE4\x02\x00\x00", 4)) ||
                     (data[0] == 'a' && !memcmp(data + 1, "\x00\x00\x02\xE4", 4)));
        if (got != whole) abort();
        if (!got && set.fuse_zoom != 1.0f) abort();
        if (!memchr(veh[0].name, 0, sizeof veh[0].name) || !memchr(set.weapn_path, 0, sizeof set.weapn_path))
            abort();
    } catch (const fuzz_fatal&) {
    }
    IO_inf_close();
    return 0;
}
