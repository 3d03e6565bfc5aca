// Fuzzes the resolution preferences reader: any bytes as the text file. A non-numeric field is
// the fatal alert; anything else must leave a resolution within the corrected range, and nothing
// may crash, hang or read past the end.
#include "shell/Hl_MNW.h"
#include "shell/IO_PRF.h"
#include "base/IO_TYPED.h"
#include <cstdint>
#include <cstdio>
#include <cstdlib>
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
    static const std::string path = "/tmp/fuzz_res_prefs-" + std::to_string(getpid()) + ".prf";
    g_alert_hook = fuzz_alert_hook;

    FILE* f = fopen(path.c_str(), "wb");
    if (!f) return 0;
    if (size) fwrite(data, 1, size, f);
    fclose(f);

    MACIBM_res_defaults();
    try {
        handle_prefs(PRF_KIND_RES, PRF_READ, path);
        if (mnw.x_res_now < 1024 || mnw.x_res_now > 9999 || mnw.y_res_now < 768 || mnw.y_res_now > 9999 ||
            mnw.lang < -1 || mnw.lang > 6)
            abort();
    } catch (const fuzz_fatal&) {
        IO_inf_close();
        return 0;
    }
    // Whatever was read writes back as a file that the next start reads without complaint.
    try {
        if (handle_prefs(PRF_KIND_RES, PRF_WRITE, path + ".out") && !handle_prefs(PRF_KIND_RES, PRF_READ, path + ".out"))
            abort();
    } catch (const fuzz_fatal&) {
        abort();
    }
    IO_inf_close();
    IO_ouf_close();
    return 0;
}
