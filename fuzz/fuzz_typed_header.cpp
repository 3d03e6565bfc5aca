// Fuzzes the typed-file reader: any bytes at all, opened as text and binary files of several
// types and scanned a little, and scanned in memory. A damaged file may end in the fatal alert;
// it must never crash, hang or read past its end.
#include "base/IO_TYPED.h"
#include "shell/Hl_MNW.h"
#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>
#include <vector>

namespace {
struct fuzz_fatal {};
}

static void fuzz_alert_hook(int type, const char*, const char*, const char*, const char*, const char*, int)
{
    if (type == 17) throw fuzz_fatal();
}

static void scan_stream(int type)
{
    for (int i = 0; i < 6 && inf; i++) {
        char buf[32];
        str_scan(buf, sizeof buf, i & 1);
        if (!inf) break;
        int_scan((i & 2) ? "prefs" : "fuzz");
        if (!inf) break;
        std::string rest;
        if (!ftype_is_bin(type)) str_scan_to_EOL(&rest);
        eoln(rest.empty() ? '\n' : rest[0]);
    }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string path = "/tmp/fuzz_typed_header-" + std::to_string(getpid()) + ".dat";
    g_alert_hook = fuzz_alert_hook;

    FILE* f = fopen(path.c_str(), "wb");
    if (!f) return 0;
    if (size) fwrite(data, 1, size, f);
    fclose(f);

    static const int types[] = {0, 2, 20, 22, 3, 4, 21};
    for (int type : types) {
        for (int alert_bad_version = 0; alert_bad_version < 2; alert_bad_version++) {
            try {
                int version = type == 3 ? 1 : 740;
                if (inf_open(path, type, alert_bad_version ? version : 0, alert_bad_version)) scan_stream(type);
            } catch (const fuzz_fatal&) {
            }
            IO_inf_close();
        }
    }

    // The memory scanners over an exact-size copy, so that any read past the end is caught.
    std::vector<unsigned char> d(data, data + size);
    int c_use = 0, c_max = (int)d.size();
    std::string word, line;
    for (size_t i = 0; i <= size && c_use < c_max; i++) {
        TXT_MAP_str_scan_space(d.data(), &c_use, c_max, &word);
        TXT_MAP_str_scan_eoln(d.data(), &c_use, c_max, (i & 1) ? &line : nullptr);
        TXT_MAP_finish_line(d.data(), &c_use, c_max);
    }
    return 0;
}
