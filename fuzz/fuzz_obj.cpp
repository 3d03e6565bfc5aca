// Fuzzes the object-file reader: any bytes as an object file in memory. A damaged file may end in
// its fatal alert, which leaves no model behind; otherwise it gives at most one model, and every
// level it holds draws safely: each begin is closed by its end before anything else begins,
// vertices only inside a begin, every number finite and every normal of unit length.
#include "draw/io_obj.h"
#include "base/IO_TYPED.h"
#include "base/records.h"
#include "shell/Hl_MNW.h"
#include "fuzz/fuzz_common.h"
#include <cmath>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz_take_alerts();
    MACIBM_fill_constants();
    return 0;
}

static void check_level(const vec_lod_struct& l)
{
    int open = 0;
    for (const vec_act_struct& a : l.vec_act) {
        for (float d : a.dat) FUZZ_REQUIRE(std::isfinite(d));
        const bool begin = (a.act >= 1 && a.act <= 12 && a.act != 6 && a.act != 7);
        if (begin) {
            FUZZ_REQUIRE(!open);
            open = a.act;
        } else if (a.act >= 18 && a.act <= 21) {
            FUZZ_REQUIRE(open);
            open = 0;
        } else if (a.act >= 13 && a.act <= 17) {
            FUZZ_REQUIRE(open);
            if (a.act == 13) FUZZ_REQUIRE(std::fabs(a.dat[0] * a.dat[0] + a.dat[1] * a.dat[1] + a.dat[2] * a.dat[2] - 1) < 1e-3f);
        } else {
            FUZZ_REQUIRE(!open);
        }
    }
    FUZZ_REQUIRE(!open);
    FUZZ_REQUIRE(l.dis_near_sqr >= 0 && l.dis_far_sqr >= 0);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    OBJ_reset();
    int M = -1;
    try {
        M = OBJ_build_from_memory(data, (long)size, "fuzz.obj", 13);
    } catch (const fuzz_fatal_alert&) {
        FUZZ_REQUIRE(vec_mod.empty());
    }
    IO_inf_close();
    FUZZ_REQUIRE(vec_mod.size() <= 1 && (M < 0 || M == 0));
    for (const vec_mod_struct& m : vec_mod) {
        FUZZ_REQUIRE(!m.vec_lod.empty());
        for (const vec_lod_struct& l : m.vec_lod) check_level(l);
    }
    return 0;
}
