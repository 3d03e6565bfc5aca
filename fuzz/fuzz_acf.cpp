// Fuzzes the aircraft-file reader: any bytes at all as an aircraft file, as given and behind a
// current header in either byte order, read into a record from inside the program folder. A
// damaged file may end in an alert (the fatal kind unwinds back here); it must never crash, hang
// or read past the record.
#include "model/IO_ACF.h"
#include "model/acf_struct.h"
#include "shell/Hl_MNW.h"
#include "base/IO_TYPED.h"
#include "base/IO_UTILS.h"
#include <cstdint>
#include <cstdio>
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

static void read_as_aircraft(const std::string& path, const uint8_t* head, size_t head_len, const uint8_t* data,
                             size_t size)
{
    FILE* f = fopen(IO_host_path(path).c_str(), "wb");
    if (!f) return;
    if (head_len) fwrite(head, 1, head_len, f);
    if (size) fwrite(data, 1, size, f);
    fclose(f);
    snprintf(veh[0].path, sizeof veh[0].path, "%s", path.c_str());
    snprintf(veh[0].name, sizeof veh[0].name, "fuzz.acf");
    try {
        IO_acf(0, 0, 0);
    } catch (const fuzz_fatal&) {
    }
    IO_inf_close();
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static std::string path;
    if (path.empty()) {
        // The reader only opens files inside the program folder.
        app_path = "/tmp/fuzz_acf-" + std::to_string(getpid()) + "/";
        IO_make_folders(app_path + "Aircraft:x");
        path = app_path + "Aircraft:fuzz.acf";
    }
    g_alert_hook = fuzz_alert_hook;

    // The bytes as the whole file: a header of any kind, or none.
    read_as_aircraft(path, nullptr, 0, data, size);

    // The bytes as the image behind a good header; the first input byte picks the byte order, so
    // both the plain read and the big-endian conversion see every kind of image.
    static const uint8_t little[5] = {'i', 0xE4, 0x02, 0x00, 0x00};
    static const uint8_t big[5] = {'a', 0x00, 0x00, 0x02, 0xE4};
    const bool be = size && (data[0] & 1);
    read_as_aircraft(path, be ? big : little, 5, data, size);
    return 0;
}
