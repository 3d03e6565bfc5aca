// Fuzzes the airfoil reader: any bytes as an airfoil file in memory, into one slot. A damaged file
// raises its notices and loads what it can; it must never crash or hang, never write outside its
// slot, and never leave a value in the slot that is not a number.
#include "model/IO_AFL.h"
#include "base/HL_MATH_FUN.h"
#include "fuzz/fuzz_common.h"
#include <cstdint>
#include <cstring>
#include <memory>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz_take_alerts();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static std::unique_ptr<airfoil_struct> afl(new airfoil_struct);
    memset(afl.get(), 0, sizeof(airfoil_struct));
    try {
        IO_afl_memory(data, (long)size, afl.get(), 1, 0);
    } catch (const fuzz_fatal_alert&) {
    }
    for (int i = 0; i < AFL_ALPHAS; i++) {
        FUZZ_REQUIRE(!check_nan(afl->cl[1][0][i]) && !check_nan(afl->cd[1][0][i]) && !check_nan(afl->cm[1][0][i]));
        FUZZ_REQUIRE(afl->cl[0][0][i] == 0 && afl->cl[1][1][i] == 0 && afl->cd[0][1][i] == 0);
    }
    FUZZ_REQUIRE(afl->re_num[0][0] == 0 && afl->clM[1][1] == 0 && afl->t_rat[0] == 0);
    return 0;
}
