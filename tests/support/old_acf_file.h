// old_acf_file.h -- aircraft files of the previous generation, made from the record layouts so no
// test, benchmark or fuzz seed needs a file from elsewhere: every number field gets a value of its
// own (from its offset), every text field a name of its own, in either byte order. Header only.
#pragma once
#include "model/acf_struct.h"
#include "model/old_acf_struct.h"
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <type_traits>

// Every float exact; every int from 300 on, so none looks like a kind the conversion treats apart.
inline float old_acf_float_at(int b) { return (float)(b / 4) * 0.5f + 0.25f; }
inline int old_acf_int_at(int b) { return 300 + (b / 4) % 7000; }

// One layout entry: filled, or turned to big-endian. Text of 40 or 500 bytes an entry gets a name.
template <typename T>
inline void old_acf_field(unsigned char* rec, int off, int count, bool fill)
{
    if constexpr (std::is_same_v<T, char>) {
        const int width = count % 500 == 0 ? 500 : count % 40 == 0 ? 40 : 0;
        for (int e = 0; fill && width && e < count / width; e++)
            snprintf(reinterpret_cast<char*>(rec + off + e * width), (size_t)width, "text@%d.%d", off, e);
    } else if constexpr (std::is_same_v<T, int> || std::is_same_v<T, float>) {
        for (unsigned char* w = rec + off; w < rec + off + 4 * count; w += 4) {
            T v = std::is_same_v<T, float> ? (T)old_acf_float_at((int)(w - rec)) : (T)old_acf_int_at((int)(w - rec));
            uint32_t u;
            memcpy(&u, fill ? (void*)&v : (void*)w, 4);
            if (!fill) u = __builtin_bswap32(u);
            memcpy(w, &u, 4);
        }
    }
}

#define OLD_ACF_FIELD(field, off, type, count) \
    if ((off) < ACF_IMAGE_BYTES) old_acf_field<type>(r, (off), (count), fill);
inline void old_acf_walk(OLD_planestruct& o, bool fill)
{
    auto* r = reinterpret_cast<unsigned char*>(&o);
    OLD_PLANESTRUCT_LAYOUT(OLD_ACF_FIELD)
}
inline void old_acf_walk(veh_struct& v, bool fill)   // the stored image only
{
    auto* r = reinterpret_cast<unsigned char*>(&v);
    VEH_STRUCT_LAYOUT(OLD_ACF_FIELD)
}
#undef OLD_ACF_FIELD

// Every field filled; is_APL 0, the mark of a little-endian image.
template <typename R>
inline void old_acf_fill(R& rec)
{
    memset(&rec, 0, sizeof rec);
    old_acf_walk(rec, true);
    rec.is_APL = 0;
}

inline std::string old_acf_header(int version, bool big)
{
    uint32_t u = big ? __builtin_bswap32((uint32_t)version) : (uint32_t)version;
    std::string h(1, big ? 'a' : 'i');
    h.append(reinterpret_cast<const char*>(&u), 4);
    return h;
}

// A file of rec in the given version (a version-600 file ends after old_struct_last_data); a
// big-endian one carries is_APL 1.
template <typename R>
inline std::string old_acf_bytes(R& t, int version, bool big)
{
    if (big) {
        t.is_APL = 1;
        old_acf_walk(t, false);
    }
    std::string f = old_acf_header(version, big);
    f.append(reinterpret_cast<const char*>(&t), version == 600 ? OLD_IMAGE_BYTES_600
                                                : version == 626 ? OLD_IMAGE_BYTES_626 : ACF_IMAGE_BYTES);
    return f;
}
inline std::string old_acf_file(const OLD_planestruct& o, int version, bool big)
{
    static OLD_planestruct t;
    t = o;
    return old_acf_bytes(t, version, big);
}
// Version 700: the current image, but six arrays of 200 instrument slots (type, size, x, y and two
// offsets this program drops) where four of 300 lie now.
inline std::string old_acf_file_700(const veh_struct& v, const int32_t (&panel)[6][200], bool big)
{
    static veh_struct t;
    t = v;
    static_assert(sizeof panel == 4 * sizeof t.ins_type, "six arrays of 200 fill four of 300");
    memcpy(t.ins_type, panel, sizeof panel);
    return old_acf_bytes(t, 700, big);
}
