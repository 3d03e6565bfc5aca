// pln_labels.cpp -- position and per-part labels for the editor windows.
#include "editor/pln_labels.h"
#include "editor/HL_BTN.h"
#include "base/hl_string.h"

const char* xyz_name(const std::string& label0, char dir)
{
    static char s_buf[500];
    static char left[BTN_LABEL_LEN], right[BTN_LABEL_LEN], help[BTN_LABEL_LEN];
    label0to12h(label0.c_str(), left, right, help);
    std::string out = left;
    out += "|";
    out += right;
    out += " { ";
    if (dir == 'x') out += "This is how far to the side of the reference point the ";
    else if (dir == 'y') out += "This is how far above the reference point the ";
    else out += "This is how far behind the reference point the ";
    out += help;
    out += " is. The reference point may be any point on the aircraft, but you have to use the SAME reference point "
           "for ALL the data you enter on the aircraft. The nose of the aircraft is a typical reference point.";
    STR_cut(s_buf, out.c_str(), sizeof s_buf);
    return s_buf;
}

void label_part(const std::string& label0, std::string* label0_mod, int l1, int l2)
{
    if (!label0_mod) return;
    static char left[BTN_LABEL_LEN], right[BTN_LABEL_LEN], help[BTN_LABEL_LEN];
    label0to12h(label0.c_str(), left, right, help);
    *label0_mod = l1 ? left : "";
    *label0_mod += "|";
    *label0_mod += l2 ? right : "";
    *label0_mod += " { ";
    *label0_mod += help;
}
