// Fuzzes the menu file reader: any bytes as the English (and, every other input, the Korean) menu
// file. A damaged file may end in its fatal alert; it must never crash, hang or write outside the
// menu model.
#include "shell/Hl_MNW.h"
#include "base/IO_TYPED.h"
#include <cstdint>
#include <cstdio>
#include <string>
#include <sys/stat.h>
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
    static const std::string dir = "/tmp/fuzz_menu_file-" + std::to_string(getpid()) + "/";
    static int ready = [] {
        mkdir(dir.c_str(), 0755);
        mkdir((dir + "english").c_str(), 0755);
        mkdir((dir + "korean").c_str(), 0755);
        return 1;
    }();
    (void)ready;
    static int calls;
    g_alert_hook = fuzz_alert_hook;
    men_path = dir;
    // Korean texts go through the glyph-number conversion: half the inputs take that road.
    mnw.lang = (calls++ & 1) ? 5 : 0;

    FILE* f = fopen((dir + (mnw.lang ? "korean/" : "english/") + "Wing-Wright.txt").c_str(), "wb");
    if (!f) return 0;
    if (size) fwrite(data, 1, size, f);
    fclose(f);

    try {
        MACIBM_read_menus("Wing-Wright.txt");
    } catch (const fuzz_fatal&) {
    }
    IO_inf_close();
    return 0;
}
