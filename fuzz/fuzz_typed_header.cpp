// Fuzzes the typed-file reader: any bytes at all, opened in memory as text and binary files of
// several types and scanned a little, checked as typed headers the way mapped files are, and
// scanned with the text scanners over memory. A damaged file may end in the fatal alert; it must
// never crash, hang or read past its end, and both header checks must leave the read position
// inside the bytes.
#include "base/IO_TYPED.h"
#include "base/IO_UTILS.h"
#include "fuzz/fuzz_common.h"
#include <cstdint>
#include <string>

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

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz_take_alerts();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const int types[] = {0, 2, 20, 22, 3, 4, 21};
    for (int type : types) {
        for (int alert_bad_version = 0; alert_bad_version < 2; alert_bad_version++) {
            try {
                const int version = type == 3 ? 1 : 740;
                if (inf_open_memory(data, (long)size, type, alert_bad_version ? version : 0, alert_bad_version,
                                    "fuzz.dat"))
                    scan_stream(type);
            } catch (const fuzz_fatal_alert&) {
            }
            IO_inf_close();
        }
        // The mapped-file check: its own version spellings, and the foreign files it lets through.
        static const char* const versions[] = {"740", "1", "74", "NOT AERODECK"};
        for (const char* v : versions) {
            int c_use = -1, c_max = -1;
            const int ok = MAP_check_bytes(type, data, (long)size, &c_use, &c_max, v);
            FUZZ_REQUIRE(c_max == (size ? (int)size : 0) && c_use >= 0 && c_use <= c_max);
            // A binary header is the marker and four bytes of version, nothing more.
            if (ok && ftype_is_bin(type) && v[0] != 'N') FUZZ_REQUIRE(c_use == 5);
        }
    }

    // The memory scanners; libFuzzer's copy of the input is exactly its size, so any read past
    // the end is caught.
    int c_use = 0, c_max = (int)size;
    std::string word, line;
    for (size_t i = 0; i <= size && c_use < c_max; i++) {
        TXT_MAP_str_scan_space(data, &c_use, c_max, &word);
        TXT_MAP_str_scan_eoln(data, &c_use, c_max, (i & 1) ? &line : nullptr);
        TXT_MAP_finish_line(data, &c_use, c_max);
    }
    return 0;
}
