// Fuzzes the resolution preferences reader: any bytes as the text file in memory. A non-numeric
// field is the fatal alert; anything else must leave a resolution within the corrected range, and
// whatever was read must write back as a file that reads again to the same settings (wide
// numbers at the field limit). Nothing may crash, hang or read past the end.
#include "shell/Hl_MNW.h"
#include "shell/IO_PRF.h"
#include "fuzz/fuzz_common.h"
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// The settings the file holds, as read (the requested ones, before any mode switch).
static std::array<int, 6> requested(void)
{
    return {mnw.x_res_req, mnw.y_res_req, mnw.col_res_req, mnw.set_res_req, mnw.lang, mnw.keylist_up};
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz_take_alerts();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    MACIBM_res_defaults();
    try {
        handle_prefs_bytes(PRF_KIND_RES, data, (long)size, "fuzz.prf");
    } catch (const fuzz_fatal_alert&) {
        IO_inf_close();
        return 0;
    }
    FUZZ_REQUIRE(mnw.x_res_now >= 1024 && mnw.x_res_now <= 9999 && mnw.y_res_now >= 768 && mnw.y_res_now <= 9999);
    FUZZ_REQUIRE(mnw.lang >= -1 && mnw.lang <= 6);

    // The file the program would save at exit, written into memory and read back.
    const std::array<int, 6> before = requested();
    char* buf = nullptr;
    size_t len = 0;
    FILE* f = open_memstream(&buf, &len);
    FUZZ_REQUIRE(f);
    const int wrote = handle_prefs_to_stream(PRF_KIND_RES, f);
    fclose(f);
    FUZZ_REQUIRE(wrote);
    MACIBM_res_defaults();
    try {
        FUZZ_REQUIRE(handle_prefs_bytes(PRF_KIND_RES, (const unsigned char*)buf, (long)len, "fuzz.prf"));
    } catch (const fuzz_fatal_alert&) {
        abort();
    }
    // Text fields are written at most five digits wide (a wider one would run into the field
    // before it), so a wider value comes back at the limit; every other value comes back as it was.
    for (size_t i = 0; i < before.size(); i++) {
        const int fitted = before[i] > 99999 ? 99999 : before[i] < -99999 ? -99999 : before[i];
        FUZZ_REQUIRE(requested()[i] == fitted);
    }
    free(buf);
    return 0;
}
