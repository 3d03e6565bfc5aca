// Fuzzes the language text loader: any bytes as a text file in memory. A damaged file may end in
// its fatal alert; it must never crash, hang or write outside the text table, and every line it
// keeps is a terminated text. Every other input is read as Korean glyph numbers.
#include "shell/Hl_MNW.h"
#include "base/IO_TYPED.h"
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
    static unsigned calls;
    mnw.lang = (calls++ & 1) ? 5 : 0;
    try {
        MACIBM_read_text_bytes(data, (long)size, "text:english:Wing-Wright.txt");
    } catch (const fuzz_fatal_alert&) {
    }
    IO_inf_close();
    for (int i = 0; i < STL_NUM_TEXT; i++)
        if (stl.text[i][0]) FUZZ_REQUIRE(memchr(stl.text[i], 0, STL_TEXT_LEN));
    return 0;
}
