// hl_string.cpp -- checked copies into the record's text fields, and the label split.
#include "base/hl_string.h"
#include "base/alert.h"
#include <algorithm>
#include <string>

int checklen(const char* s)
{
    if (!s || strnlen(s, STR_TEXT_MAX + 1) <= STR_TEXT_MAX) return 1;
    const std::string first(s, STR_TEXT_MAX);
    MACIBM_alert(0, "String too long!", "I can not repeat this entire string or I will overflow the alert procedure!",
                 "Here is the first part of the string, though:", first.c_str(), 16);
    return 0;
}

// The longest text a field of cap bytes takes.
static size_t room(size_t cap) { return cap ? std::min(cap - 1, STR_TEXT_MAX) : 0; }

void C_to_C(const char* src, char* dst, size_t cap)
{
    if (!src || !dst || !cap) return;
    checklen(src);
    const size_t n = strnlen(src, room(cap));
    memmove(dst, src, n);   // a field copied onto itself stays whole
    dst[n] = 0;
}

void app_C(char* dst, size_t cap, const char* src)
{
    if (!src || !dst || !cap) return;
    checklen(dst);
    checklen(src);
    const size_t at = strnlen(dst, room(cap));
    const size_t n = strnlen(src, room(cap) - at);
    memmove(dst + at, src, n);
    dst[at + n] = 0;
    checklen(dst);
}

void label0to12h(const char* label0, char* label1, char* label2, char* help)
{
    label1[0] = label2[0] = help[0] = 0;
    if (!label0) return;
    size_t len = strlen(label0);
    const char* brace = strrchr(label0, '{');
    size_t head = brace ? (size_t)(brace - label0) : len;
    const char* bar = nullptr;
    for (size_t i = 0; i < head; i++)
        if (label0[i] == '|') bar = label0 + i;
    size_t left_len = bar ? (size_t)(bar - label0) : head;
    if (left_len > STR_LABEL_LEN - 1) left_len = STR_LABEL_LEN - 1;
    memcpy(label1, label0, left_len);
    label1[left_len] = 0;
    if (bar) {
        size_t n = head - (size_t)(bar + 1 - label0);
        if (n > STR_LABEL_LEN - 1) n = STR_LABEL_LEN - 1;
        memcpy(label2, bar + 1, n);
        label2[n] = 0;
    }
    if (brace && brace[1]) STR_cut(help, brace + 2, STR_LABEL_LEN);   // "{" and the space after it
}
