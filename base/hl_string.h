// hl_string.h -- fixed-size text fields. Records keep their text in char arrays of a set size
// that a file may fill without a NUL; these copies never run past an array.
#pragma once
#include <cstring>
#include <string>

// The text of a field: up to its NUL, or the whole array when it has none.
template <size_t N>
std::string STR_of(const char (&field)[N])
{
    return std::string(field, strnlen(field, N));
}

// s into the field, the rest zeroed. 0 when s does not fit with its NUL; the field is then left
// as it was.
template <size_t N>
int STR_put(char (&field)[N], const std::string& s)
{
    if (s.size() >= N) return 0;
    memset(field, 0, N);
    memcpy(field, s.data(), s.size());
    return 1;
}

// src into dst of cap bytes, cut to fit and always terminated.
inline void STR_cut(char* dst, const char* src, size_t cap)
{
    if (!cap) return;
    size_t n = strnlen(src, cap - 1);
    memcpy(dst, src, n);
    dst[n] = 0;
}
