// fuzz_common.h -- what every fuzzer shares: the fatal alert turned into an exception that ends
// the input quietly (it is the reader's verdict on a damaged file), and a hook that is installed
// once, when the fuzzer starts.
#pragma once
#include "base/alert.h"
#include <cstdint>
#include <cstdlib>

struct fuzz_fatal_alert {};

inline void fuzz_throw_on_fatal(int type, const char*, const char*, const char*, const char*, const char*, int)
{
    if (type == 17) throw fuzz_fatal_alert();
}

// Alerts of every other kind (notices, save failures) go on to the alert code, which shows
// nothing while a hook is installed: nobody is there to dismiss a window.
inline void fuzz_take_alerts(void)
{
    g_alert_hook = fuzz_throw_on_fatal;
    g_alert_hook_shows = 0;
}

// A property of the reader that must hold for every input: breaking it is a fault, reported
// like a crash so that libFuzzer keeps the input.
#define FUZZ_REQUIRE(cond) \
    do {                   \
        if (!(cond)) abort(); \
    } while (0)
