// old_acf_file.h -- aircraft files of the previous generation, made here from the record layouts
// so tests, benchmarks and fuzz seeds never need a file from elsewhere. Every numeric field gets
// a value of its own (from its offset), every text field a name of its own; a file can be written
// in either byte order. Header only: the unit tests, the benchmarks and the seed tool share it.
#pragma once
#include "model/acf_struct.h"
#include "model/old_acf_struct.h"
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <type_traits>

// The distinctive value of the 4-byte word at byte offset b: every float is exact, every int
// small enough not to look like a count or a kind the conversion treats apart (300 and above).
inline float old_acf_float_at(int b) { return (float)(b / 4) * 0.5f + 0.25f; }
inline int old_acf_int_at(int b) { return 300 + (b / 4) % 7000; }

// One layout entry: fill (when filling) or turn to big-endian (when turning) the field at off.
template <typename T>
inline void old_acf_field(unsigned char* rec, int off, int count, bool fill, bool turn)
{
    if constexpr (std::is_same_v<T, char>) {
        if (!fill) return;
        // Text fields of 40 or 500 bytes hold one name per entry; spare bytes stay zero.
        const int width = count % 500 == 0 ? 500 : count % 40 == 0 ? 40 : 0;
        if (!width) return;
        for (int e = 0; e < count / width; e++)
            snprintf(reinterpret_cast<char*>(rec + off + e * width), (size_t)width, "text@%d.%d", off, e);
    } else if constexpr (std::is_same_v<T, int> || std::is_same_v<T, float>) {
        for (int k = 0; k < count; k++) {
            unsigned char* w = rec + off + 4 * k;
            if (fill) {
                T v = std::is_same_v<T, float> ? (T)old_acf_float_at(off + 4 * k) : (T)old_acf_int_at(off + 4 * k);
                memcpy(w, &v, 4);
            }
            if (turn) {
                uint32_t u;
                memcpy(&u, w, 4);
                u = __builtin_bswap32(u);
                memcpy(w, &u, 4);
            }
        }
    }
}

// Every field of the old record filled; is_APL 0 (the mark of a little-endian image).
inline void old_acf_fill(OLD_planestruct& o)
{
    memset(&o, 0, sizeof o);
    unsigned char* r = reinterpret_cast<unsigned char*>(&o);
#define OLD_ACF_FILL(field, off, type, count) old_acf_field<type>(r, (off), (count), true, false);
    OLD_PLANESTRUCT_LAYOUT(OLD_ACF_FILL)
#undef OLD_ACF_FILL
    o.is_APL = 0;
}

// Every stored field of the current record filled, the run-time fields left zero.
inline void old_acf_fill(veh_struct& v)
{
    memset(&v, 0, sizeof v);
    unsigned char* r = reinterpret_cast<unsigned char*>(&v);
#define VEH_ACF_FILL(field, off, type, count) \
    if ((off) < ACF_IMAGE_BYTES) old_acf_field<type>(r, (off), (count), true, false);
    VEH_STRUCT_LAYOUT(VEH_ACF_FILL)
#undef VEH_ACF_FILL
    v.is_APL = 0;
}

// The typed header of an aircraft file: marker and version in the file's byte order.
inline std::string old_acf_header(int version, bool big)
{
    std::string h(1, big ? 'a' : 'i');
    uint32_t u = (uint32_t)version;
    if (big) u = __builtin_bswap32(u);
    h.append(reinterpret_cast<const char*>(&u), 4);
    return h;
}

// A version-600 or 626 file of o; big-endian files carry is_APL 1 (any non-zero mark).
inline std::string old_acf_file(const OLD_planestruct& o, int version, bool big)
{
    OLD_planestruct t = o;
    unsigned char* r = reinterpret_cast<unsigned char*>(&t);
    if (big) {
        t.is_APL = 1;
#define OLD_ACF_TURN(field, off, type, count) old_acf_field<type>(r, (off), (count), false, true);
        OLD_PLANESTRUCT_LAYOUT(OLD_ACF_TURN)
#undef OLD_ACF_TURN
    }
    const size_t n = version == 600 ? OLD_IMAGE_BYTES_600 : OLD_IMAGE_BYTES_626;
    std::string f = old_acf_header(version, big);
    f.append(reinterpret_cast<const char*>(r), n);
    return f;
}

// A version-700 file: the current image, but its instrument area holds six arrays of 200 slots
// (type, size, x, y and two offsets this program drops) where four of 300 lie now.
inline std::string old_acf_file_700(const veh_struct& v, const int32_t (&panel)[6][200], bool big)
{
    static veh_struct t;
    t = v;
    static_assert(sizeof panel == 4 * sizeof t.ins_type, "six arrays of 200 fill four of 300");
    memcpy(t.ins_type, panel, sizeof panel);
    unsigned char* r = reinterpret_cast<unsigned char*>(&t);
    if (big) {
        t.is_APL = 1;
#define VEH_ACF_TURN(field, off, type, count) \
    if ((off) < ACF_IMAGE_BYTES) old_acf_field<type>(r, (off), (count), false, true);
        VEH_STRUCT_LAYOUT(VEH_ACF_TURN)
#undef VEH_ACF_TURN
    }
    std::string f = old_acf_header(700, big);
    f.append(reinterpret_cast<const char*>(r), ACF_IMAGE_BYTES);
    return f;
}
