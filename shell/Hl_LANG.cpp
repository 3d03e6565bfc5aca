// Hl_LANG.cpp -- the interface language: the Korean glyph sheet, the menus and the numbered text
// lines that every window title, button and label is given by.
#include "shell/Hl_MNW.h"
#include "base/IO_TYPED.h"
#include "base/IO_UTILS.h"
#include "draw/HL_BITMAP.h"
#include "draw/HL_GRAPH.h"
#include "draw/ren_struct.h"
#include <cstring>
#include <string>

// Folder of each language under the text and menu folders, by mnw.lang.
static const char* const s_lang_folder[7] = {"english:", "french:", "german:", "italian:",
                                             "spanish:", "korean:", "portugese:"};

// A Korean text line is written as glyph numbers, one a character: below 127 the number is the
// ASCII character itself, kept as one byte (units, field codes, separators, spaces); above, a
// cell of the Korean glyph sheet, kept as the two bytes the drawing code reads (first byte a
// control character). A number that could not make such a pair (too large, or a first byte
// that is a tab, line feed or carriage return) becomes a cell off the sheet, drawn blank.
void MACIBM_korean_text(const char* numbers, char* out, int out_len)
{
    int k = 0;
    for (const char* p = numbers; *p;) {
        if (*p < '0' || *p > '9') { p++; continue; }
        long n = 0;
        for (; *p >= '0' && *p <= '9'; p++) n = n < 100000 ? n * 10 + (*p - '0') : n;
        if (n < 127) {
            if (k + 1 >= out_len) break;
            if (n >= ' ') out[k++] = (char)n;
            continue;
        }
        unsigned char first = (unsigned char)(n / 127 + 1), second = (unsigned char)(n % 127 + 1);
        if (n / 127 + 1 >= ' ' || !OGL_korean_pair_start(first)) first = 31, second = 127;
        if (k + 2 >= out_len) break;
        out[k++] = (char)first;
        out[k++] = (char)second;
    }
    out[k] = 0;
}

// The text file: "index text" lines, each index once or overridden by a later line, ending at a
// negative index. Any fault stops the program: the interface is unusable without its words.
void MACIBM_read_text_bytes(const unsigned char* data, long size, const std::string& path)
{
    memset(stl.text, 0, sizeof stl.text);
    if (!inf_open_memory(data, size, 0, 1, 1, path)) {
        MACIBM_alert(0, "Could not open text file!", path.c_str(), "", "", 17);
        return;
    }
    for (;;) {
        int index = int_scan(path);          // a line without a number is the fatal scanning error
        if (!inf) return;
        if (index < 0) break;
        if (index >= STL_NUM_TEXT) {
            IO_inf_close();
            MACIBM_alert(0, "Too many text strings!", "", "", path.c_str(), 17);
            return;
        }
        if (mnw.lang == 5) {
            static char numbers[4096];
            str_scan(numbers, sizeof numbers, 0);
            MACIBM_korean_text(numbers, stl.text[index], STL_TEXT_LEN);
        } else {
            str_scan(stl.text[index], STL_TEXT_LEN, 0);
        }
    }
    IO_inf_close();
}

// A missing, empty or unreadable file maps to nothing, which the reader refuses like any other
// file without a header.
static void read_text_file(const std::string& path)
{
    std::string host = path;
    set_dir_chars(&host);
    XMappedFile file(host.c_str(), nullptr);
    MACIBM_read_text_bytes(file.begin(), file.size(), path);
}

// Translators add lines at the lowest free index; the log tells them where that is.
static void log_lowest_free(const std::string& path)
{
    int lowest = 9999;
    for (int i = 0; i < STL_NUM_TEXT; i++) {
        if (!stl.text[i][0]) {
            lowest = i;
            break;
        }
    }
    if (!xer) return;
    fprintf(xer, "%s lowest free text index=%d\n", path.c_str(), lowest);
    fflush(xer);
}

const char* MACIBM_lang_folder(int lang)
{
    if (lang < 0 || lang >= (int)(sizeof s_lang_folder / sizeof s_lang_folder[0])) lang = 0;
    mnw.lang = lang;                         // the menu reader and the glyph choice follow it
    return s_lang_folder[lang];
}

int MACIBM_lang_installed(int lang)
{
    if (lang < 0 || lang >= (int)(sizeof s_lang_folder / sizeof s_lang_folder[0])) return 0;
    const char* folder = s_lang_folder[lang];
    return IO_file_exists(txt_path + folder + "Wing-Wright.txt") && IO_file_exists(men_path + folder + "Wing-Wright.txt");
}

void MACIBM_setupforlang(int lang)
{
    // The resolution file may name a language this program does not have, or one whose files
    // are not installed; English stands in, and the log says why.
    if (lang != 0 && !MACIBM_lang_installed(lang)) {
        if (xer) {
            fprintf(xer, "language %d is not installed; using English\n", lang);
            fflush(xer);
        }
        lang = 0;
    }
    mnw.lang = lang;                         // the menu reader and the glyph choice follow it
    if (lang == 5) OGL_texbmp(-100, REN_TEX_KOREAN, -109, men_path + "Korean:menu_text.bmp");
    MACIBM_read_menus("Wing-Wright.txt");
    const std::string path = txt_path + s_lang_folder[lang] + "Wing-Wright.txt";
    read_text_file(path);
    log_lowest_free(path);
}
