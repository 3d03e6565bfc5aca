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

//=== text fields of the record ==============================================================
// No text field of a record is longer than 500 bytes, so 499 characters is the longest text any
// of them may receive.
inline constexpr size_t STR_TEXT_MAX = 499;

// 1 when s has at most 499 characters. A longer one is reported in a notice that shows its first
// part, and 0 is returned; the caller goes on, cutting the text to its field. Never reads more
// than 500 characters of s.
int checklen(const char* s);

// src into dst, a field of cap bytes: checked, then copied cut to the field (and to 499
// characters) and terminated. An empty src empties dst; a null src does nothing.
void C_to_C(const char* src, char* dst, size_t cap);
template <size_t N>
void C_to_C(const char* src, char (&dst)[N])
{
    C_to_C(src, dst, N);
}

// src appended to the text in dst, a field of cap bytes: both checked, the result cut to the
// field and to 499 characters, and checked again. A null src does nothing.
void app_C(char* dst, size_t cap, const char* src);
template <size_t N>
void app_C(char (&dst)[N], const char* src)
{
    app_C(dst, N, src);
}

//=== labels =================================================================================
// A widget label0: "left|right{ help". The bar is looked for only before the last brace (a help
// text may hold a "|"), and the help starts after the brace and the space behind it.
inline constexpr int STR_LABEL_LEN = 512;
// Each output holds STR_LABEL_LEN bytes; a longer part is cut.
void label0to12h(const char* label0, char* label1, char* label2, char* help);
