#pragma once
// Coefficient tables of one airfoil-bearing part (parts 0..43), loaded from
// the four airfoil files the part names. Index [t] is 0 root, 1 tip; index
// [r] is 0 low, 1 high Reynolds number. The 721 angle entries run from -180
// to +180 degrees: whole degrees outside -20..20, tenths inside it.
//
// The record lives in the run-time part of the aircraft record (veh.afl[44])
// and is never stored in a file, but its size fixes where the weapon records
// behind it start, so the layout is checked all the same.

#include <cstddef>
#include <type_traits>

static_assert(sizeof(int) == 4 && sizeof(float) == 4, "stored records assume 4-byte int and float");

inline constexpr int AFL_ALPHAS = 721;  // angle-of-attack entries per table
inline constexpr int AFL_BYTES = 34784;

struct airfoil_struct {
    // Per-slot section data: Reynolds number, thickness, drag divergence,
    // and the linear lift range with its stall angles.
    float re_num[2][2];
    float t_rat[2];
    float mach_div[2];
    float clM[2][2];
    float clB[2][2];
    float almin[2][2];
    float almax[2][2];

    // Lift, drag and moment tables over the 721 angles, per slot.
    float cl[2][2][721];
    float cd[2][2][721];
    float cm[2][2][721];

    // Parameters of the analytic section model, shared by all four slots of
    // the part: a file loaded into any slot overwrites them.
    float Llinrange;  // lift curve
    float Lpow;
    float Lstall;
    float Ldrop1;
    float Lpowstl;
    float Ldrop2;
    float Dmin;  // drag curve
    float DminCL;
    float Dal10;
    float Dpow;
    float Bloc;  // laminar drag bucket
    float Bwidth;
    float Bdepth;
    float Bpower;
    float cmal2;  // moment curve
    float cmal3;
    float cm1;
    float cm2;
    float cm3;
    float cm4;
};

// ---------------------------------------------------------------------------
// Every field in order: name, byte offset, element type, element count. The
// checks below hold the struct to this list; the layout dump tool prints the
// compiler's offsets for the same names.
#define AIRFOIL_STRUCT_LAYOUT(X)     \
    X(re_num, 0, float, 2 * 2)       \
    X(t_rat, 16, float, 2)           \
    X(mach_div, 24, float, 2)        \
    X(clM, 32, float, 2 * 2)         \
    X(clB, 48, float, 2 * 2)         \
    X(almin, 64, float, 2 * 2)       \
    X(almax, 80, float, 2 * 2)       \
    X(cl, 96, float, 2 * 2 * 721)    \
    X(cd, 11632, float, 2 * 2 * 721) \
    X(cm, 23168, float, 2 * 2 * 721) \
    X(Llinrange, 34704, float, 1)    \
    X(Lpow, 34708, float, 1)         \
    X(Lstall, 34712, float, 1)       \
    X(Ldrop1, 34716, float, 1)       \
    X(Lpowstl, 34720, float, 1)      \
    X(Ldrop2, 34724, float, 1)       \
    X(Dmin, 34728, float, 1)         \
    X(DminCL, 34732, float, 1)       \
    X(Dal10, 34736, float, 1)        \
    X(Dpow, 34740, float, 1)         \
    X(Bloc, 34744, float, 1)         \
    X(Bwidth, 34748, float, 1)       \
    X(Bdepth, 34752, float, 1)       \
    X(Bpower, 34756, float, 1)       \
    X(cmal2, 34760, float, 1)        \
    X(cmal3, 34764, float, 1)        \
    X(cm1, 34768, float, 1)          \
    X(cm2, 34772, float, 1)          \
    X(cm3, 34776, float, 1)          \
    X(cm4, 34780, float, 1)

#define AFL_FIELD_CHECK(field, offset, elem, count)                                                       \
    static_assert(offsetof(airfoil_struct, field) == (offset) &&                                          \
                      std::is_same_v<std::remove_all_extents_t<decltype(airfoil_struct::field)>, elem> && \
                      sizeof(airfoil_struct::field) == sizeof(elem) * (count),                            \
                  "airfoil_struct::" #field " is out of place");
AIRFOIL_STRUCT_LAYOUT(AFL_FIELD_CHECK)
#undef AFL_FIELD_CHECK

static_assert(std::extent_v<decltype(airfoil_struct::cl), 2> == AFL_ALPHAS, "721 angle entries per table");
static_assert(sizeof(airfoil_struct) == AFL_BYTES, "airfoil_struct is 34,784 bytes");
static_assert(std::is_trivially_copyable_v<airfoil_struct> && std::is_standard_layout_v<airfoil_struct>,
              "airfoil_struct is plain data, cleared and copied as bytes");
