// Fuzzes the language text loader: any bytes as the English text file. A damaged file may end
// in its fatal alert; it must never crash, hang or write outside the text table.
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
    static const std::string dir = "/tmp/fuzz_text_file-" + std::to_string(getpid()) + "/";
    static int ready = [] {
        mkdir(dir.c_str(), 0755);
        mkdir((dir + "english").c_str(), 0755);
        // The menus are read first: a valid file with no menus, so every input reaches the text.
        mkdir((dir + "menus").c_str(), 0755);
        mkdir((dir + "menus/english").c_str(), 0755);
        if (FILE* m = fopen((dir + "menus/english/Wing-Wright.txt").c_str(), "wb")) {
            fputs("I\n1 version\nno menus\n", m);
            fclose(m);
        }
        return 1;
    }();
    (void)ready;
    g_alert_hook = fuzz_alert_hook;
    txt_path = dir;
    men_path = dir + "menus/";

    FILE* f = fopen((dir + "english/Wing-Wright.txt").c_str(), "wb");
    if (!f) return 0;
    if (size) fwrite(data, 1, size, f);
    fclose(f);

    try {
        MACIBM_setupforlang(0);
    } catch (const fuzz_fatal&) {
    }
    IO_inf_close();
    return 0;
}
