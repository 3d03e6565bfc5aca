// fuzz_pictures.h -- what the picture fuzzers share: fatal alerts as exceptions and a plain gamma
// table, set up once. The pictures come from memory; the seeds are in fuzz/corpus.
#pragma once
#include "base/records.h"
#include "fuzz/fuzz_common.h"

inline void fuzz_pictures_setup(void)
{
    fuzz_take_alerts();
    for (int i = 0; i < 256; i++) win_gamma[i] = (unsigned char)i;
}
