// dialog.cpp -- the open and save dialog.
//
// The dialog is modal: it runs the frame loop itself, as the alerts do, and takes the listing
// again every frame, so files that appear or vanish while it is up show at once.
#include "shell/dialog.h"
#include "shell/Hl_MNW.h"
#include "base/IO_TYPED.h"
#include "base/IO_UTILS.h"
#include "editor/HL_BTN.h"
#include "draw/HL_GRAPH.h"
#include <algorithm>
#include <cctype>
#include <cstring>

//=== the dialog =============================================================================
static const std::string* start_folder(int file_type)
{
    switch (file_type) {
    case 4:  return &acf_path;
    case 6:  return &sit_path;
    case 7:  return &mov_path;
    case 8:  return &log_path;
    case 9:  return &fms_path;
    case 10: return &gam_path;
    case 11: return &tra_path;
    case 12: return &car_path;
    case 13: return &spa_path;
    case 14: return &reg_path;
    default: return nullptr;       // the caller has set wrk_path
    }
}

// The folder pop-up: the program's folder, the chain of folders from there down to the one
// shown, then the folders inside it.
enum { POPUP_MAX_ITEMS = 99, POPUP_MAX_TEXT = 500, POPUP_Y = 438 };
struct folder_popup {
    std::string text;                          // items separated by '-'
    std::string names[POPUP_MAX_ITEMS];        // as the folders are really called
    std::string paths[POPUP_MAX_ITEMS];
    int n, chain, current;                     // items, of which the chain, and the one shown
};
static folder_popup s_popup;
static int s_level;                            // the pop-up's selection, kept between dialogs

// The list uses '-' between items and refuses '|' outright, and a menu item holds 39 characters.
static void append_item(folder_popup* p, const std::string& name, const std::string& path)
{
    std::string shown = name.substr(0, STL_ITEM_NAME_LEN - 1);
    for (char& c : shown)
        if (c == '-' || c == '|') c = ' ';
    if (p->n) p->text += '-';
    p->text += shown;
    p->names[p->n] = name;
    p->paths[p->n] = path;
    p->n++;
}

static void build_folder_popup(folder_popup* p)
{
    p->text.clear();
    p->n = 0;
    append_item(p, "Aerodeck folder", app_path);
    // A folder outside the program's folder (a designer's own) is chained from the root.
    size_t from = IO_path_starts_with(wrk_path, app_path) ? app_path.size() : 0;
    for (size_t k = from; k < wrk_path.size() && p->n < POPUP_MAX_ITEMS; k++) {
        if (is_a_dir_char(wrk_path[k])) continue;
        size_t end = k;
        while (end < wrk_path.size() && !is_a_dir_char(wrk_path[end])) end++;
        if (end == wrk_path.size()) break;     // cannot happen: the listing checked the ending
        append_item(p, wrk_path.substr(k, end - k), wrk_path.substr(0, end + 1));
        k = end;
    }
    p->chain = p->n;
    p->current = p->chain - 1;
    for (int i = 0; i < p->chain; i++)
        if (p->paths[i] == wrk_path) p->current = i;
    for (int i = 0; i < g_file_count && p->n < POPUP_MAX_ITEMS; i++) {
        if (g_file_type[i] != 1) continue;
        size_t shown = std::min(g_file[i].size(), (size_t)STL_ITEM_NAME_LEN - 1);
        if (p->text.size() + 1 + shown >= POPUP_MAX_TEXT) break;
        append_item(p, g_file[i], g_path[i]);
    }
}

// The pop-up and the chain under it; 1 when a folder was chosen (it is then the working folder).
static int folder_popup_frame(void)
{
    folder_popup& p = s_popup;
    build_folder_popup(&p);
    for (int k = 0; k < p.chain && 415 - 10 * k >= 305; k++)
        OGL_string(42, 20 + 10.0f * k, 415 - 10.0f * k, p.names[k].c_str(), 9999, 100);
    const float x = mnw.win_dx * 0.5f;
    // While the pop-up is open its selection may creep to bring it on screen; otherwise it
    // names the folder shown.
    if (active_popup_code != intround(1024 * POPUP_Y + x)) s_level = p.current;
    if (!BTN_textlist(x, POPUP_Y, &s_level, p.text.c_str(), "")) return 0;
    if (s_level < 0 || s_level >= p.n) return 0;
    wrk_path = p.paths[s_level];
    return 1;
}

// The entry under the mouse in the name list, or -1 (the list's rows centre on *center at y 180).
static int entry_under_mouse(int center, int count)
{
    if (mnw.menu_up != -1 || mnw.mx < 20 || mnw.mx > 300 || mnw.my < 70 || mnw.my > 290) return -1;
    int r = -intround((mnw.my - 180) / 10);
    int i = center + r;
    return r >= -10 && r <= 10 && i >= 0 && i < count ? i : -1;
}

static void name_field(int open_save, int center, int count)
{
    if (open_save == MNW_WIN_SAVE) {
        g_cs_input[DIALOG_NAME_LEN] = 0;
        OGL_string(40, 25, 49, g_cs_input, 9999, 100);
        float cx = 25 + 1 + str_dx(g_cs_input);
        OGL_line(40, mnw.pulse_alpha, cx, 48, cx, 55);
    } else if (center >= 0 && center < count) {
        OGL_string(40, 25, 49, g_file[center].c_str(), 9999, 100);
    }
}

int dialog_opensave(int open_save, int file_type, std::string* file, std::string* path)
{
    // Without a window no frame runs and nobody could ever choose: nothing is chosen.
    if (!g_OGL_inited) return 0;
    std::string file_none, path_none;
    if (!file) file = &file_none;
    if (!path) path = &path_none;
    const int caller = mnw.top_win;
    if (const std::string* start = start_folder(file_type)) wrk_path = *start;
    int center = opensave_getitems(file_type) / 2;
    MACIBM_startwind(open_save, "dialog_opensave");
    snprintf(g_cs_input, sizeof g_cs_input, "%s", file->c_str());
    mnw.return_hit = 0;

    int chosen = 0;
    while (!g_done) {
        // The typed name is the save dialog's only text: keep the keyboard on it, whatever key
        // (Return among them) ended the entry last frame.
        if (open_save == MNW_WIN_SAVE) mnw.entry_field = DIALOG_ENTRY_FIELD;
        OGL_2d_projection();
        OGL_plot_background();
        BTN_fillwin(1, 19);
        int count = opensave_getitems(file_type);
        // Only a click on a row that holds an entry picks it: a click on the empty rows under a
        // short list would otherwise open the last file.
        int clicked = mnw.mouse_clicked ? entry_under_mouse(center, count) : -1;
        int list_hit = BTN_big_name_list(open_save, 20, 180, &center, 0, count - 1) && clicked >= 0;
        BTN_frame2(15, 20, 300, 280, 120, "");
        BTN_frame1(9, 160, 52, 280, 45);
        name_field(open_save, center, count);
        int folder_chosen = folder_popup_frame();
        int cancel = BTN_action(45, 28, 0, 0, stl.text[606]);

        if (cancel) break;
        if (folder_chosen) {
            center = opensave_getitems(file_type) / 2;
        } else if (mnw.menu_up == -1) {
            const int ret = mnw.return_hit;
            mnw.return_hit = 0;
            // An empty name would save onto the folder itself.
            if (open_save == MNW_WIN_SAVE && ret && g_cs_input[0]) {
                *file = g_cs_input;
                *path = wrk_path + g_cs_input;
                chosen = 1;
                break;
            }
            if ((list_hit || ret) && center >= 0 && center < count) {
                if (g_file_type[center] == 1) {
                    wrk_path = g_path[center];
                    center = opensave_getitems(file_type) / 2;
                } else if (open_save == MNW_WIN_OPEN) {
                    *file = g_file[center];
                    *path = g_path[center];
                    chosen = 1;
                    break;
                }
            }
        }
        MACIBM_event_proc();
        if (mnw.top_win != open_save) return 0;   // closed by other means, which chose the window
    }
    MACIBM_startwind(caller, "dialog_opensave done");
    return chosen;
}

int dialog_opensave(int open_save, int file_type, char* file, char* path)
{
    std::string f = file ? file : "", p = path ? path : "";
    if (!dialog_opensave(open_save, file_type, &f, &p)) return 0;
    if (file) snprintf(file, BTN_INPUT_LEN, "%s", f.c_str());
    if (path) snprintf(path, BTN_INPUT_LEN, "%s", p.c_str());
    return 1;
}

void dialog_reset(void)
{
    s_popup.text.clear();
    for (int k = 0; k < POPUP_MAX_ITEMS; k++) {
        s_popup.names[k].clear();
        s_popup.paths[k].clear();
    }
    s_popup.n = s_popup.chain = s_popup.current = 0;
    s_level = 0;
}
