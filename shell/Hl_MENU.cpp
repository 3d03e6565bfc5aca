// Hl_MENU.cpp -- the menu bar, its menus and submenus: the menu file, the layout, the drawing, the
// click order, and the keys turned into the program's codes for the editor.
//
// Everything is in window-relative interface coordinates, y upwards, like the mouse. Menus open
// only over the main screen, where window-relative is the screen itself; the pop-up list of the
// widgets (slot 1519) lies in the coordinates of the window that opened it.
#include "shell/Hl_MNW.h"
#include "base/hl_string.h"
#include "base/MACIBM_keys.h"
#include "base/IO_TYPED.h"
#include "editor/HL_BTN.h"
#include "editor/PLN_MAIN.h"
#include "draw/HL_GRAPH.h"
#include "draw/art_layout.h"
#include <algorithm>
#include <cstring>
#include <string>

static const float MENU_NONE = -9999;       // the box of a menu or item that is not there
static const int   COLUMN_ITEMS = 60;       // items per column before the next column starts

// The parent item of each submenu, so its box can follow when the parent menu is laid out again.
static int   s_parent_item[MNW_NUM_MENUS];
static float s_bar_x = 10;                  // where the next bar title goes

//=== the model ==============================================================================
static int is_separator(const char* text) { return text[0] == '-'; }
static int is_spacer(const char* text) { return text[0] == '='; }
static int is_used(int m, int i) { return stl.item_name[m][i][0] != 0; }
static int choosable(int m, int i) { return is_used(m, i) && !is_separator(stl.item_name[m][i]) && !is_spacer(stl.item_name[m][i]); }
static int is_korean_text(const char* text) { return mnw.lang == 5 && !is_separator(text) && !is_spacer(text); }

// What has been written since the table was last cleared, so that clearing costs what the last
// menu file used rather than all 456,000 item slots: menus below s_menus_used, and items below
// s_items_used[m] of each. Until the first clear, and after the start-up reset (which zeroes the
// records rather than emptying them), nothing is known and the whole table is cleared.
static int s_table_known;
static int s_menus_used;
static short s_items_used[MNW_NUM_MENUS];

// A menu's title and box, and its first items.
static void clear_menu(int m, int items)
{
    mnw.menu_prnt[m] = -1;
    mnw.menux1[m] = mnw.menuy1[m] = mnw.menux2[m] = mnw.menuy2[m] = MENU_NONE;
    s_parent_item[m] = -1;
    stl.menu_name[m][0] = 0;
    std::fill_n(mnw.item_code[m], items, 0);
    std::fill_n(mnw.is_korean[m], items, 0);
    for (auto* box : {mnw.itemx1, mnw.itemy1, mnw.itemx2, mnw.itemy2}) std::fill_n(box[m], items, MENU_NONE);
    for (int i = 0; i < items; i++) stl.item_name[m][i][0] = 0;
}

// A whole clear empties only each menu's title; the items of a menu (20 KB each, 30 MB in all,
// which a start would otherwise page in) are emptied when the menu is first written. A menu
// without a title cannot be opened, so nothing reads its items before then.
static unsigned char s_items_stale[MNW_NUM_MENUS];

static void note_menu_used(int m)
{
    if (m >= MNW_POPUP_MENU) return;
    if (s_items_stale[m]) {
        std::fill_n(mnw.item_code[m], (int)MNW_NUM_ITEMS, 0);
        std::fill_n(mnw.is_korean[m], (int)MNW_NUM_ITEMS, 0);
        for (auto* box : {mnw.itemx1, mnw.itemy1, mnw.itemx2, mnw.itemy2}) std::fill_n(box[m], (int)MNW_NUM_ITEMS, MENU_NONE);
        for (char* name : stl.item_name[m]) name[0] = 0;
        s_items_stale[m] = 0;
    }
    if (m >= s_menus_used) s_menus_used = m + 1;
}

static void note_item_used(int m, int i)
{
    note_menu_used(m);
    if (i >= s_items_used[m]) s_items_used[m] = (short)(i + 1);
}

// Since the table was cleared, items at or past s_items_used[m] and menus at or past s_menus_used
// are empty, so laying a menu out need not look further. The pop-up slot, which the widgets fill
// directly, and a table not yet cleared are looked at whole.
static int items_to_scan(int m)
{
    return s_table_known && m < MNW_POPUP_MENU ? (int)s_items_used[m] : (int)MNW_NUM_ITEMS;
}
static int menus_to_scan(void) { return s_table_known ? s_menus_used : (int)MNW_POPUP_MENU; }

// The first slot past what was used must still be empty; if the records were overwritten from
// outside (a whole-record copy or reset), it is not, and the whole table is cleared instead.
static int untouched_past_use(void)
{
    const int m = s_menus_used;
    if (m < MNW_POPUP_MENU &&
        (mnw.menu_prnt[m] != -1 || mnw.menux1[m] != MENU_NONE || stl.menu_name[m][0] || stl.item_name[m][0][0]))
        return 0;
    for (int k = 0; k < s_menus_used; k++) {
        const int i = s_items_used[k];
        if (i < MNW_NUM_ITEMS && (stl.item_name[k][i][0] || mnw.itemx1[k][i] != MENU_NONE)) return 0;
    }
    return 1;
}

// Every menu and item empty. The pop-up slot is filled by the widgets directly, so it is always
// cleared whole.
static void clear_menus(void)
{
    const bool partial = s_table_known && untouched_past_use();
    const int menus = partial ? s_menus_used : (int)MNW_POPUP_MENU;
    for (int m = 0; m < menus; m++) clear_menu(m, partial ? (int)s_items_used[m] : 0);
    if (!partial) std::fill_n(s_items_stale, (int)MNW_POPUP_MENU, 1);
    clear_menu(MNW_POPUP_MENU, MNW_NUM_ITEMS);
    std::fill_n(s_items_used, MNW_NUM_MENUS, 0);
    s_menus_used = 0;
    s_table_known = 1;
}

static void fatal(const char* what, const char* text)
{
    MACIBM_alert(0, what, text, "", "", 17);
}

static void layout_items(int m);

// A submenu opens on top of its parent item; when the parent moves, so does the submenu.
static void follow_parent(int s)
{
    int p = mnw.menu_prnt[s], i = s_parent_item[s];
    mnw.menux1[s] = mnw.itemx1[p][i];
    mnw.menuy1[s] = mnw.itemy1[p][i];
    mnw.menux2[s] = mnw.itemx2[p][i];
    mnw.menuy2[s] = mnw.itemy2[p][i];
}

void MACIBM_create_menu(int m, int i, const char* stl_string)
{
    if (m < 0 || m >= MNW_NUM_MENUS) { fatal("Menu index out of range in create_menu!", stl_string); return; }
    note_menu_used(m);
    STR_cut(stl.menu_name[m], stl_string, sizeof stl.menu_name[m]);
    if (i <= 0) {
        if (m == 0) s_bar_x = 10;
        const char* t = stl.menu_name[m];
        float w = is_korean_text(t) ? (float)(strlen(t) / 2) * 16 : str_dx(t);
        mnw.menu_prnt[m] = -1;
        s_parent_item[m] = -1;
        mnw.menux1[m] = s_bar_x;
        mnw.menux2[m] = s_bar_x + w + 20;
        mnw.menuy1[m] = mnw.y_off + 750;
        mnw.menuy2[m] = mnw.y_off + 768;
        s_bar_x = mnw.menux2[m];
        return;
    }
    // Only a menu read earlier can hold the item that opens this one: no menu opens itself, and
    // no two menus open each other.
    int p = i / MNW_NUM_ITEMS, item = i % MNW_NUM_ITEMS;
    if (p >= m || p == MNW_POPUP_MENU) { fatal("Menu index out of range in create_menu!", stl_string); return; }
    mnw.menu_prnt[m] = p;
    s_parent_item[m] = item;
    follow_parent(m);
}

// Row height and character width of an item; separators and spacers have their own heights.
static float row_height(int m, int i)
{
    const char* t = stl.item_name[m][i];
    if (is_separator(t)) return 2;
    if (is_spacer(t)) return 0;
    return mnw.is_korean[m][i] ? 14.0f : 12.0f;
}

static float item_width(int m, int i)
{
    const char* t = stl.item_name[m][i];
    float chars = mnw.is_korean[m][i] ? (float)(strlen(t) / 2) : (float)strlen(t);
    return chars * (mnw.is_korean[m][i] ? 14.0f : 7.0f) + 25;
}

static void layout_items(int m)
{
    const int items = items_to_scan(m);
    float w = 0;
    for (int i = 0; i < items; i++)
        if (is_used(m, i) && item_width(m, i) > w) w = item_width(m, i);

    // A bar menu hangs below its title; a submenu starts level with the item that opens it.
    int on_bar = mnw.menu_prnt[m] < 0;
    float x0 = mnw.menux1[m], top = on_bar ? mnw.menuy1[m] : mnw.menuy2[m];
    float y = top, right = -1e9f, lowest = 1e9f;
    int k = 0;
    for (int i = 0; i < items; i++) {
        if (!is_used(m, i)) continue;
        if (k > 0 && k % COLUMN_ITEMS == 0) y = top;
        float h = row_height(m, i);
        mnw.itemx1[m][i] = x0 + (float)(k / COLUMN_ITEMS) * w;
        mnw.itemx2[m][i] = mnw.itemx1[m][i] + w;
        mnw.itemy2[m][i] = y;
        mnw.itemy1[m][i] = y - h;
        y -= h;
        if (mnw.itemx2[m][i] > right) right = mnw.itemx2[m][i];
        if (mnw.itemy1[m][i] < lowest) lowest = mnw.itemy1[m][i];
        k++;
    }
    if (k == 0) return;
    // Kept on the screen: the whole menu moves left, then up, as far as its worst item needs.
    float dx = right + 5 > 1024 ? right + 5 - 1024 : 0;
    float dy = lowest < 5 ? 5 - lowest : 0;
    for (int i = 0; i < items; i++) {
        if (!is_used(m, i)) continue;
        mnw.itemx1[m][i] -= dx; mnw.itemx2[m][i] -= dx;
        mnw.itemy1[m][i] += dy; mnw.itemy2[m][i] += dy;
    }
    for (int s = m + 1, menus = menus_to_scan(); s < menus; s++) {
        if (mnw.menu_prnt[s] != m) continue;
        follow_parent(s);
        layout_items(s);
    }
}

void MACIBM_append_menu(int m, int i, int code, const char* stl_string, int is_name)
{
    (void)is_name;
    if (m < 0 || m > MNW_POPUP_MENU) { fatal("Menu index out of range in append_menu!", stl_string); return; }
    if (i < 0 || i >= MNW_NUM_ITEMS) { fatal("Item index out of range in append_menu!", stl_string); return; }
    if (strlen(stl_string) > STL_ITEM_NAME_LEN - 1) { fatal("Menu name too long in append_menu!", stl_string); return; }
    note_item_used(m, i);
    memcpy(stl.item_name[m][i], stl_string, strlen(stl_string) + 1);
    mnw.item_code[m][i] = code;
    mnw.is_korean[m][i] = is_korean_text(stl_string);
    layout_items(m);
}

//=== the menu file ==========================================================================
// Korean texts are written as glyph numbers, read like the Korean text lines: ASCII stays one
// byte (so a key hint still starts at its "["), a Hangul cell becomes the two bytes the glyph
// sheet is indexed by; no byte is ever 0, so the text stays a C string.
static std::string korean_bytes(const std::string& numbers)
{
    if (numbers.empty() || numbers[0] == '-' || numbers[0] == '=') return numbers;
    char out[STL_ITEM_NAME_LEN + 1];            // one more than fits: a longer text stays fatal
    MACIBM_korean_text(numbers.c_str(), out, (int)sizeof out);
    return out;
}

// A line of the file: "code   text". 0 at the empty line (or the end of the file) that ends a run.
static int read_entry(int* code, std::string* text)
{
    std::string line;
    str_scan_to_EOL(&line);
    if (line.empty()) return 0;
    size_t sp = line.find(' ');
    *code = str_to_int(line.substr(0, sp));
    text->clear();
    if (sp != std::string::npos) {
        size_t t = line.find_first_not_of(' ', sp);
        if (t != std::string::npos) *text = line.substr(t);
    }
    if (mnw.lang == 5) *text = korean_bytes(*text);
    return 1;
}

void MACIBM_read_menu_bytes(const unsigned char* data, long size, const std::string& path)
{
    clear_menus();
    mnw.menu_up = -1;
    s_bar_x = 10;

    if (!inf_open_memory(data, size, 0, 1, 1, path)) {
        IO_inf_close();
        MACIBM_alert(0, "Cannot open file!", path.c_str(), "Trash this copy and re-install Skyvane.", "", 17);
        return;
    }
    std::string skipped;
    str_scan_to_EOL(&skipped);               // the line under the header says what the file is
    int code;
    std::string text;
    for (int m = 0; read_entry(&code, &text); m++) {
        MACIBM_create_menu(m, code, text.c_str());
        for (int i = 0; read_entry(&code, &text); i++) MACIBM_append_menu(m, i, code, text.c_str(), 0);
    }
    IO_inf_close();
}

// A missing or empty file maps to nothing, which the reader refuses like a file without a header.
void MACIBM_read_menus(const std::string& file_name)
{
    const std::string path = men_path + MACIBM_lang_folder(mnw.lang) + file_name;
    std::string host = path;
    set_dir_chars(&host);
    XMappedFile file(host.c_str(), nullptr);
    MACIBM_read_menu_bytes(file.begin(), file.size(), path);
}

//=== where the mouse is =====================================================================
static int inside(float x1, float y1, float x2, float y2)
{
    return mnw.mx >= x1 && mnw.mx <= x2 && mnw.my >= y1 && mnw.my <= y2;
}

static int on_bar(int m) { return m != MNW_POPUP_MENU && mnw.menu_prnt[m] == -1 && mnw.menux1[m] != MENU_NONE; }

static int bar_title_at_mouse(void)
{
    for (int m = 0; m < MNW_POPUP_MENU; m++)
        if (on_bar(m) && inside(mnw.menux1[m], mnw.menuy1[m], mnw.menux2[m], mnw.menuy2[m])) return m;
    return -1;
}

// The item under the mouse: the last one whose box, lowered by one pixel at the top, holds it,
// so that the line between two rows belongs to the lower one.
static int item_at_mouse(int m)
{
    int found = -1;
    for (int i = 0; i < MNW_NUM_ITEMS; i++)
        if (choosable(m, i) && inside(mnw.itemx1[m][i], mnw.itemy1[m][i], mnw.itemx2[m][i], mnw.itemy2[m][i] - 1))
            found = i;
    return found;
}

static int in_close_box(void)
{
    float top = mnw.win_dy;
    return inside(0, top - 20, 25, top) || inside(mnw.win_dx - 25, top - 20, mnw.win_dx, top);
}

//=== clicks =================================================================================
void MACIBM_handleclick(int is_return)
{
    if (MNW_editor_window(mnw.top_win) && (is_return || in_close_box())) {
        // The pressed boxes get a frame of their own: the window is gone by the next one.
        OGL_2d_projection();
        BTN_zap_boxes(1);
        OGL_sbuf();
        MACIBM_startwind(MNW_WIN_MAIN, "MACIBM_handleclick, close the window");
        return;
    }
    if (mnw.top_win == MNW_WIN_MAIN) {
        int title = bar_title_at_mouse();
        if (title < 0 && mnw.menu_up >= 0) {
            for (int s = 0; s < MNW_POPUP_MENU && title < 0; s++)
                if (mnw.menu_prnt[s] == mnw.menu_up && s_parent_item[s] >= 0 &&
                    inside(mnw.menux1[s], mnw.menuy1[s], mnw.menux2[s], mnw.menuy2[s] - 1))
                    title = s;
        }
        if (title >= 0) {
            mnw.menu_up = mnw.menu_up == title ? -1 : title;
            mnw.mouse_clicked = 0;
            return;
        }
    }
    if (mnw.menu_up < 0) return;
    int m = mnw.menu_up, i = item_at_mouse(m);
    // The menu closes before the command runs: a command may open a window or run frames of its own.
    mnw.menu_up = -1;
    if (i < 0) return;                       // a click beside the menu closes it and stays a click
    mnw.mouse_clicked = 0;
    if (m == MNW_POPUP_MENU) {
        popup_menu_select = i;
        select_popup_code = active_popup_code;
        active_popup_code = 0;
        return;
    }
    APPLICATION_handlemenu(mnw.item_code[m][i]);
}

void MACIBM_menu_hover(void)
{
    if (mnw.top_win != MNW_WIN_MAIN || mnw.menu_up < 0 || mnw.menu_up == MNW_POPUP_MENU) return;
    int title = bar_title_at_mouse();
    if (title >= 0 && title != mnw.menu_up) mnw.menu_up = title;
}

//=== drawing ================================================================================
static int charset_of(int korean) { return korean ? 103 : 100; }

static void draw_item(int m, int i, int popup)
{
    const char* t = stl.item_name[m][i];
    float x1 = mnw.itemx1[m][i], y1 = mnw.itemy1[m][i], x2 = mnw.itemx2[m][i];
    if (is_spacer(t)) return;
    if (is_separator(t)) {
        OGL_line(31, 1.0f, x1, y1 + 1, x2, y1 + 1);
        OGL_line(33, 1.0f, x1, y1, x2, y1);
        return;
    }
    // The shortcut hint, from the last "[", stands right-aligned apart from the text.
    std::string text = t, hint;
    size_t b = text.rfind('[');
    if (b != std::string::npos) {
        hint = text.substr(b);
        text.resize(b);
    }
    int cs = charset_of(mnw.is_korean[m][i]);
    OGL_string(34, x1 + (popup ? 3 : 18), y1 + 3, text.c_str(), 9999, cs);
    if (!hint.empty()) OGL_string(34, x2 - 10 - str_dx(hint.c_str()), y1 + 3, hint.c_str(), 9999, cs);
    for (int s = m + 1; s < MNW_POPUP_MENU; s++) {
        if (mnw.menu_prnt[s] != m || s_parent_item[s] != i) continue;
        const ART_rect& a = ART_MENU_SUBMENU_ARROW;
        BTN_util_element(x2 - 8, y1 + 6, (float)a.s, (float)a.t, a.w * 0.5f, a.h * 0.5f, 45);
        break;
    }
}

static void draw_open_menu(int m)
{
    int popup = m == MNW_POPUP_MENU;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int any = 0;
    for (int i = 0; i < MNW_NUM_ITEMS; i++) {
        if (!is_used(m, i)) continue;
        if (!any || mnw.itemx1[m][i] < x1) x1 = mnw.itemx1[m][i];
        if (!any || mnw.itemy1[m][i] < y1) y1 = mnw.itemy1[m][i];
        if (!any || mnw.itemx2[m][i] > x2) x2 = mnw.itemx2[m][i];
        if (!any || mnw.itemy2[m][i] > y2) y2 = mnw.itemy2[m][i];
        any = 1;
    }
    if (any) BTN_frame2(17, x1, y1, x2 - x1, y2 - y1, "");
    if (on_bar(m)) OGL_fillrect(32, 0.25f, mnw.menux1[m], mnw.menuy1[m], mnw.menux2[m] - mnw.menux1[m], mnw.menuy2[m] - mnw.menuy1[m]);
    int hover = item_at_mouse(m);
    if (hover >= 0)
        OGL_fillrect(32, 0.25f, mnw.itemx1[m][hover], mnw.itemy1[m][hover], mnw.itemx2[m][hover] - mnw.itemx1[m][hover],
                     mnw.itemy2[m][hover] - mnw.itemy1[m][hover]);
    int k = 0;
    for (int i = 0; i < MNW_NUM_ITEMS; i++) {
        if (!is_used(m, i)) continue;
        if (k > 0 && k % COLUMN_ITEMS == 0) {
            float x = mnw.itemx1[m][i];
            OGL_line(31, 1.0f, x, y1, x, y2);
            OGL_line(33, 1.0f, x + 1, y1, x + 1, y2);
        }
        draw_item(m, i, popup);
        k++;
    }
}

void MACIBM_draw_menus(void)
{
    int m = mnw.menu_up;
    if (mnw.top_win == MNW_WIN_MAIN || (m >= 0 && m != MNW_POPUP_MENU)) {
        BTN_frame1(0, mnw.x_res_now * 0.5f, mnw.y_off + 759, (float)mnw.x_res_now, 45);
        for (int t = 0; t < MNW_POPUP_MENU; t++) {
            if (!on_bar(t)) continue;
            int korean = is_korean_text(stl.menu_name[t]);
            OGL_string(34, mnw.menux1[t] + 10, mnw.menuy1[t] + 6, stl.menu_name[t], 9999, charset_of(korean));
        }
    }
    if (m >= 0 && m < MNW_NUM_MENUS) draw_open_menu(m);
}

//=== keys ===================================================================================
// The program's code of a key that types no character (0 for the others).
static int special_code(int vkey)
{
    switch (vkey) {
    case VK_LEFT: return MACIBM_KEY_LEFT;
    case VK_UP: return MACIBM_KEY_UP;
    case VK_RIGHT: return MACIBM_KEY_RIGHT;
    case VK_DOWN: return MACIBM_KEY_DOWN;
    case VK_NUMPAD0 + 1: return MACIBM_KEY_PAD1;
    case VK_NUMPAD0 + 2: return MACIBM_KEY_PAD2;
    case VK_NUMPAD0 + 3: return MACIBM_KEY_PAD3;
    case VK_NUMPAD0 + 4: return MACIBM_KEY_PAD4;
    case VK_NUMPAD0 + 5: return MACIBM_KEY_PAD5;
    case VK_NUMPAD0 + 6: return MACIBM_KEY_PAD6;
    case VK_NUMPAD0 + 8: return MACIBM_KEY_PAD8;
    case VK_RETURN: return MACIBM_KEY_RETURN;
    case VK_TAB: return MACIBM_KEY_TAB;
    case VK_SHIFT: return MACIBM_KEY_SHIFT;
    case VK_BACK: case VK_DELETE: return MACIBM_KEY_DELETE;
    default: return 0;
    }
}

// F1..F9, then F10 (Insert stands in for it, as on hosts that keep F10 for themselves), F11, F12.
static int function_key_number(int vkey)
{
    if (vkey >= VK_F1 && vkey <= VK_F1 + 8) return MACIBM_FKEY_F1 + (vkey - VK_F1);
    if (vkey == VK_INSERT || vkey == VK_F10) return MACIBM_FKEY_F10;
    if (vkey == VK_F1 + 10) return MACIBM_FKEY_F10 + 1;
    if (vkey == VK_F1 + 11) return MACIBM_FKEY_F12;
    return -1;
}

// The character comes already translated by the host layer for the keyboard in use (a French
// keyboard's own key gives "-"), so no per-language remapping is needed here.
void MACIBM_handlekey(int vkey, int chr)
{
    const int mods = MACIBM_sys_key_mods();
    const int shift = (mods & MACIBM_MOD_SHIFT) != 0;

    int fkey = function_key_number(vkey);
    if (fkey >= 0) {
        APPLICATION_handlekey(MACIBM_KMODE_FKEY, fkey + (shift ? MACIBM_FKEY_SHIFTED : 0));
        return;
    }
    if (vkey == VK_RETURN && !chr) chr = '\r';
    if (vkey == VK_TAB && !chr) chr = '\t';
    // Backspace and Delete type nothing, but the panel editor deletes with either.
    if ((vkey == VK_BACK || vkey == VK_DELETE) && !chr) chr = vkey;

    int code = special_code(vkey);
    int arrow = code == MACIBM_KEY_LEFT || code == MACIBM_KEY_UP || code == MACIBM_KEY_RIGHT || code == MACIBM_KEY_DOWN;
    int pad = vkey > VK_NUMPAD0 && vkey <= VK_NUMPAD0 + 8 && code != 0;
    int mode = (mods & MACIBM_MOD_CTRL) ? MACIBM_KMODE_CTRL : MACIBM_KMODE_CHAR;
    if (arrow || pad || vkey == VK_TAB) mode = MACIBM_KMODE_SPECIAL;
    if (arrow && shift) {
        if (code == MACIBM_KEY_UP) code = MACIBM_KEY_SHIFT_UP;
        else if (code == MACIBM_KEY_LEFT) code = MACIBM_KEY_SHIFT_LEFT;
        else if (code == MACIBM_KEY_DOWN) code = MACIBM_KEY_SHIFT_DOWN;
        else code = MACIBM_KEY_SHIFT_RIGHT;
    }

    // These keys also move or zoom the view, so they end the typing rather than join it.
    int ends_entry = arrow || vkey == VK_TAB || chr == '+' || chr == '=' || chr == '-' || chr == '_';
    if (vkey == VK_RETURN) mnw.return_hit = 1;
    if (ends_entry || vkey == VK_RETURN) mnw.entry_field = -1;
    mnw.key_pressed = chr;

    // The save dialog takes every key as typing for the file name.
    if (mnw.top_win != MNW_WIN_SAVE && mnw.entry_field == -1)
        APPLICATION_handlekey(mode, mode == MACIBM_KMODE_CHAR || mode == MACIBM_KMODE_CTRL ? chr : code);

    // The typing goes to g_cs_input even with no field active, because the save dialog takes its
    // name from there.
    if (!ends_entry && vkey != VK_SHIFT && vkey != VK_RETURN) {
        if (vkey == VK_BACK || vkey == VK_DELETE) BTN_entry_key(1, 0);
        else if (chr) BTN_entry_key(0, chr);
    }
    if (vkey == VK_RETURN) MACIBM_handleclick(1);
}

void MACIBM_menu_reset(void)
{
    std::fill_n(s_parent_item, MNW_NUM_MENUS, -1);
    std::fill_n(s_items_stale, MNW_NUM_MENUS, 1);
    s_bar_x = 10;
    s_table_known = 0;                       // the records were zeroed, not emptied
}
