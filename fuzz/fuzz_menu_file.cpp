// Fuzzes the menu file reader: any bytes as the menu file in memory, read as English and, every
// other input, as Korean (whose texts go through the glyph-number conversion). A damaged file may
// end in its fatal alert; it must never crash, hang or write outside the menu model, and every
// item it keeps must be a terminated text under the item length.
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
    static int calls;
    mnw.lang = (calls++ & 1) ? 5 : 0;
    try {
        MACIBM_read_menu_bytes(data, (long)size, "menus:english:Wing-Wright.txt");
    } catch (const fuzz_fatal_alert&) {
    }
    IO_inf_close();
    // A menu file holds far fewer menus than the table; the first few show a bad copy or cut.
    for (int m = 0; m < 8; m++) {
        FUZZ_REQUIRE(memchr(stl.menu_name[m], 0, sizeof stl.menu_name[m]));
        for (int i = 0; i < MNW_NUM_ITEMS && stl.item_name[m][i][0]; i++)
            FUZZ_REQUIRE(memchr(stl.item_name[m][i], 0, STL_ITEM_NAME_LEN));
    }
    return 0;
}
