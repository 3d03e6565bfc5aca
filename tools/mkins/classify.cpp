// classify.cpp -- what each catalogue entry is drawn as. The file names are descriptive, so the
// family, the scale and the words follow from the name and the folder; a few instruments get
// their scale from a small table.
#include <algorithm>
#include <cctype>
#include <cstring>
#include <string>

#include "editor/ins_catalogue.h"
#include "tools/mkins/mkins.h"

static bool has(const std::string& s, const char* part) { return s.find(part) != std::string::npos; }
static bool starts(const std::string& s, const char* part) { return s.rfind(part, 0) == 0; }

static std::string lower(std::string s)
{
    for (char& ch : s) ch = (char)std::tolower((unsigned char)ch);
    return s;
}

// Words for the label: the name less its family prefix and style suffix, '_' as spaces.
static std::string words_of(std::string n)
{
    static const char* const prefixes[] = {"engine_dig_", "ecam_rnd_", "ecam_lin_", "ott_ann_", "ott_seldisp_",
                                           "ott_disp_", "ott_sel_", "ott_", "but_", "ann_", "han_", "rhe_",
                                           "engine_", "tape_", "dig_", "sqr_", "hud_", "el_", "rad_", "mode_",
                                           "efis_disp_"};
    std::string l = lower(n);
    for (const char* p : prefixes)
        if (starts(l, p)) { n = n.substr(strlen(p)); break; }
    for (const char* s : {"_GA", "_BC", "_HM", "_eng", "_dig", "_adjust", "_HMs"}) {
        const size_t k = n.size() >= strlen(s) ? n.size() - strlen(s) : std::string::npos;
        if (k != std::string::npos && n.compare(k, std::string::npos, s) == 0) n.erase(k);
    }
    for (const char* s : {"_GA", "_BC", "_HM"}) {
        const size_t k = n.size() >= strlen(s) ? n.size() - strlen(s) : std::string::npos;
        if (k != std::string::npos && n.compare(k, std::string::npos, s) == 0) n.erase(k);
    }
    std::string out;
    for (char ch : n) out += ch == '_' ? ' ' : (char)std::toupper((unsigned char)ch);
    return out;
}

static void gauge(InsArt& a, int size, const char* label, const char* units, float lo, float hi, float major,
                  float sweep = 270, int arcs = 0)
{
    a.family = FAM_ROUND;
    a.w = a.h = size;
    a.label = label;
    a.units = units;
    a.lo = lo;
    a.hi = hi;
    a.major = major;
    a.sweep = sweep;
    a.arcs = arcs;
}

static void sized(InsArt& a, InsFamily f, int w, int h)
{
    a.family = f;
    a.w = w;
    a.h = h;
}

// The scale of an engine quantity, by its short name.
static void engine_scale(InsArt& a, const std::string& q)
{
    struct row { const char* key; const char* label; const char* units; float lo, hi, major; };
    static const row rows[] = {
        {"rpm_prop", "PROP", "RPM x100", 0, 30, 5},  {"rpm_engine", "ENGINE", "RPM x100", 0, 30, 5},
        {"rpm", "RPM", "x100", 0, 30, 5},            {"n1", "N1", "%", 0, 110, 20},
        {"n2", "N2", "%", 0, 110, 20},               {"mpr", "MAN PRESS", "IN HG", 10, 40, 5},
        {"mp", "MAN PRESS", "IN HG", 10, 40, 5},     {"epr", "EPR", "", 1, 2, 0.2f},
        {"trq", "TORQUE", "%", 0, 120, 20},          {"ff", "FUEL FLOW", "GPH", 0, 30, 5},
        {"itt", "ITT", "C x100", 0, 10, 2},          {"egt", "EGT", "F x100", 10, 17, 1},
        {"cht", "CHT", "F x100", 1, 5, 1},           {"oilt", "OIL TEMP", "F", 50, 250, 50},
        {"oilp", "OIL PRESS", "PSI", 0, 120, 20},    {"oil_press", "OIL PRESS", "PSI", 0, 120, 20},
        {"oil_temp", "OIL TEMP", "F", 50, 250, 50},  {"oil_quan", "OIL QTY", "QT", 0, 12, 2},
        {"batt_amps", "BATT", "AMPS", -60, 60, 30},  {"gen_amps", "GEN", "AMPS", 0, 100, 20},
        {"batt_volt", "BUS", "VOLTS", 0, 32, 8},
    };
    const std::string l = lower(q);
    for (const row& r : rows)
        if (l == r.key || starts(l, r.key)) {
            a.label = r.label;
            a.units = r.units;
            a.lo = r.lo;
            a.hi = r.hi;
            a.major = r.major;
            a.arcs = 2;
            return;
        }
    a.label = words_of(q);
}

static RGBA lamp_colour(const std::string& l)
{
    if (has(l, "warning") || has(l, "fire") || has(l, "gpws") || has(l, "discon") || has(l, "speedbrake"))
        return rgb8(235, 40, 35);
    if (has(l, "caution") || has(l, "low") || has(l, "press") || has(l, "temp") || has(l, "chip") ||
        has(l, "quantity") || has(l, "inverter") || has(l, "generator") || has(l, "transit"))
        return rgb8(250, 180, 30);
    if (has(l, "accept") || has(l, "approach")) return rgb8(80, 170, 255);
    return rgb8(70, 220, 90);
}

InsArt ins_art_for(int k)
{
    InsArt a;
    const std::string path = INS_catalogue[k];
    const size_t slash = path.find_last_of(':');
    const std::string folder = path.substr(0, slash), file = path.substr(slash + 1);
    const std::string n = file.substr(0, file.size() - 4), l = lower(n);
    a.style = has(n, "_HM") ? STYLE_HM : has(n, "_BC") ? STYLE_BC : STYLE_GA;
    a.label = words_of(n);
    a.digits = has(l, "_dig") || has(folder, "round dig");
    const bool efis = has(folder, "EFIS");

    // Lamps first: their words are the whole instrument.
    if (starts(l, "ann_") || has(folder, "autopilot annunciators") || starts(l, "flap_light") ||
        l == "stall_ga" || l == "but_gear_light_up" || l == "but_gear_light_dn") {
        sized(a, FAM_ANNUNCIATOR, 46, 14);
        if (l == "stall_ga") a.label = "STALL";
        if (starts(l, "flap_light")) a.label = "FLAP " + words_of(n.substr(11));
        if (has(l, "light_up")) a.label = "GEAR UP";
        if (has(l, "light_dn")) a.label = "GEAR DN";
        a.lamp = lamp_colour(l);
        return a;
    }
    if (starts(l, "console_autopilot")) { sized(a, FAM_SCREEN, 200, 60); a.kind = 5; a.label = "AUTOPILOT"; return a; }
    if (starts(l, "ott_") && has(l, "_eng")) { sized(a, FAM_BUTTON, 28, 18); return a; }
    if (l == "console_annunciator") { sized(a, FAM_SCREEN, 120, 60); a.kind = 5; a.label = "ANNUNCIATORS"; return a; }
    if (has(folder, "HUD")) {
        a.family = FAM_HUD;
        a.w = a.h = 48;
        if (l == "hud") { a.w = a.h = 300; a.kind = 1; a.label = ""; }
        else if (has(l, "horizon")) { a.w = a.h = 200; a.kind = 2; }
        else if (has(l, "airspeed") || has(l, "altitude")) { a.w = 40; a.h = 140; a.kind = 3; }
        else if (has(l, "hsi")) { a.w = 160; a.h = 40; a.kind = 4; }
        else { a.w = 64; a.h = 16; }
        return a;
    }
    if (starts(l, "rhe_") || l == "set_alt" || l == "set_vvi" || l == "fire_mode" || l == "fire_rate" ||
        starts(l, "ott_sel_") || has(l, "radioalt_sel")) {
        sized(a, FAM_KNOB, 30, 30);
        if (starts(l, "ott_sel_")) a.w = a.h = 36;
        if (has(l, "horizon_knob")) a.label = "PITCH";
        return a;
    }
    if (has(l, "horizon") || l == "all_attitude" || l == "world" || l == "orbiter_horz") {
        sized(a, FAM_ATTITUDE, 140, 140);
        a.label = "";
        if (has(l, "small")) a.w = a.h = 100;
        if (has(l, "glass") || has(l, "el_horizon") || l == "orbiter_horz") a.kind = 1;
        if (l == "el_horizon" || l == "el_horizon_cdi") a.w = a.h = 160;
        return a;
    }
    // Digits of the EFIS, the engine numbers and the autopilot displays.
    if (has(folder, "engine number") || has(folder, "EFIS elements engine")) {
        sized(a, FAM_DIGITAL, 70, 26);
        engine_scale(a, n.substr(4));
        return a;
    }
    if (starts(l, "ott_disp") || starts(l, "ott_seldisp") || starts(l, "efis_disp") || has(folder, "DMEs") ||
        l == "hobbs" || l == "thermo_digital" || l == "fuel_dig_ga" || has(l, "baro_pressure") || l == "radioalt_dig" ||
        has(l, "mach_display") || (starts(l, "el_") && !has(l, "hsi") && !has(l, "airspeed") && !has(l, "altitude") &&
                                   !has(l, "vvi_vert") && !has(l, "asi_trend") && !has(l, "vvi_adaptive"))) {
        sized(a, FAM_DIGITAL, 70, 26);
        if (starts(l, "ott_seldisp")) a.w = 80;
        if (l == "hobbs") a.label = "HOURS";
        if (l == "radioalt_dig") a.label = "RAD ALT";
        return a;
    }
    if (has(folder, "radios")) {
        sized(a, FAM_RADIO, 180, 50);
        if (has(l, "navcom")) a.h = 90;
        if (has(l, "navcomadf")) { a.w = 200; a.h = 130; }
        if (starts(l, "gps")) { a.h = 90; a.w = 200; a.kind = 3; }
        if (starts(l, "fms")) { a.w = 150; a.h = l == "fms" ? 200 : 120; a.kind = 3; }
        if (starts(l, "dme")) { a.w = 120; a.h = 40; a.kind = 4; }
        if (starts(l, "transponder")) { a.w = 160; a.h = 44; a.kind = 5; }
        if (starts(l, "audiopanel")) { a.w = 104; a.h = 32; a.kind = 1; }
        if (starts(l, "markers")) { a.w = 16; a.h = 46; a.kind = 2; }
        return a;
    }
    if (has(l, "hsi") || has(l, "rmi") || starts(l, "adf_") || starts(l, "vor_") || has(l, "dg") ||
        has(l, "compass") || l == "el_heading") {
        if (starts(l, "but_")) { sized(a, FAM_BUTTON, 34, 20); return a; }
        sized(a, FAM_HEADING, 140, 140);
        a.label = "";
        if (has(l, "hsi")) a.kind = 1;
        if (has(l, "rmi")) a.kind = 2;
        if (starts(l, "adf_")) a.kind = 3;
        if (starts(l, "vor_")) a.kind = 4;
        if (has(l, "compass")) { a.kind = 5; a.w = 80; a.h = 40; }
        if (has(l, "el_hsi")) { a.w = 180; a.h = l == "el_hsi_tape" ? 40 : 180; a.kind = l == "el_hsi_tape" ? 5 : 1; }
        return a;
    }
    if (has(folder, "engine round") || has(folder, "ECAM:mode ENG:engine round")) {
        const bool ecam = starts(l, "ecam");
        gauge(a, ecam ? 80 : 90, "", "", 0, 100, 20, 270, 2);
        engine_scale(a, ecam ? n.substr(9) : n.substr(a.digits ? 11 : 7));
        if (l == "engine_oilt_oilp") a.label = "OIL T/P";
        if (l == "engine_cht_egt") a.label = "CHT/EGT";
        return a;
    }
    if (has(folder, "engine tapes") || has(folder, "engine linear")) {
        sized(a, FAM_TAPE, 36, 110);
        engine_scale(a, n.substr(starts(l, "ecam") ? 9 : 5));
        return a;
    }
    if (has(folder, "engine supplement")) {
        gauge(a, 60, "", "", 0, 100, 20, 90, 2);
        a.kind = 1;
        engine_scale(a, n.substr(4));
        return a;
    }
    if (l == "round_helo") { gauge(a, 100, "ROTOR/ENG", "RPM %", 0, 120, 20, 300, 2); return a; }
    if (l == "round_gyro") { gauge(a, 100, "ROTOR", "RPM x100", 0, 5, 1, 270, 2); return a; }
    // Airspeed, altitude, vertical speed and their kin.
    if (starts(l, "asi") || starts(l, "mach") || starts(l, "aoa")) {
        const bool linear = has(l, "linear");
        if (starts(l, "mach")) gauge(a, 140, "MACH", "", 0, 1.2f, 0.2f, 300);
        else if (starts(l, "aoa")) gauge(a, 100, "ANGLE OF ATTACK", "DEG", -10, 30, 10, 240);
        else if (has(l, "200")) gauge(a, 140, "AIRSPEED", "KNOTS", 0, 200, 20, 320, 1);
        else if (has(l, "300")) gauge(a, 140, "AIRSPEED", "KNOTS", 0, 300, 50, 320, 1);
        else if (has(l, "adap")) gauge(a, 140, "AIRSPEED", "KNOTS", 0, 250, 50, 320, 1);
        else gauge(a, 140, "AIRSPEED", "KNOTS", 0, 400, 50, 320, 1);
        if (has(l, "small")) a.w = a.h = 100;
        if (l == "aoa_cue") sized(a, FAM_TAPE, 20, 60);
        if (linear) { a.family = FAM_TAPE; a.w = efis ? 40 : 36; a.h = 140; }
        return a;
    }
    if (starts(l, "alt") || starts(l, "radioalt") || l == "cabin_alt" || l == "cabin_combo") {
        gauge(a, 140, "ALT", "100 FT", 0, 10, 1, 360);
        if (starts(l, "radioalt")) gauge(a, 100, "RAD ALT", "FT", 0, 2500, 500, 300);
        if (l == "cabin_alt" || l == "cabin_combo") gauge(a, 80, "CABIN ALT", "1000 FT", 0, 30, 5, 270);
        if (l == "alt_ias_combo") a.units = "IAS / ALT";
        if (has(l, "small")) a.w = a.h = 100;
        if (has(l, "linear")) { a.family = FAM_TAPE; a.w = 40; a.h = 140; a.lo = 0; a.hi = 5000; a.major = 1000; }
        return a;
    }
    if (starts(l, "vvi") || l == "cabin_vvi") {
        float top = 2;
        for (const char* r : {"3000", "5000", "6000"})
            if (has(l, r)) top = (float)(r[0] - '0');
        gauge(a, 140, "VERT SPEED", top > 2 ? "1000 FT/MIN" : "1000 FT/MIN", -top, top, top > 3 ? 2 : 1, 340);
        a.centre_zero = true;
        if (l == "cabin_vvi") { a.w = a.h = 80; a.label = "CABIN"; }
        if (has(l, "small")) a.w = a.h = 100;
        if (has(l, "linear")) { a.family = FAM_TAPE; a.w = 36; a.h = 140; }
        return a;
    }
    if (l == "turn" || l == "needle") { gauge(a, 140, "TURN COORDINATOR", "2 MIN", 0, 1, 1); a.kind = 3; return a; }
    if (starts(l, "slip")) { sized(a, FAM_TAPE, 80, 20); a.kind = 2; a.label = ""; return a; }
    if (has(folder, "clocks")) {
        gauge(a, 80, has(l, "timer") ? "TIMER" : has(l, "chrono") ? "CHRONO" : "", "", 0, 12, 1, 360);
        a.kind = 4;
        a.digits = has(l, "chrono") || has(l, "timer");
        return a;
    }
    if (starts(l, "fuel_")) {
        gauge(a, 90, "FUEL", "GAL", 0, 40, 10, 180);
        if (has(l, "twin")) a.label = "FUEL L  R";
        if (has(l, "linear")) sized(a, FAM_TAPE, 30, 90);
        return a;
    }
    if (starts(l, "gmeter")) {
        gauge(a, 100, "G", "", -4, 10, 2, 300);
        if (has(l, "linear")) sized(a, FAM_TAPE, 30, 110);
        return a;
    }
    if (l == "suction_ga") { gauge(a, 70, "SUCTION", "IN HG", 0, 10, 2, 180); return a; }
    if (starts(l, "totalenergy")) { gauge(a, 90, "VARIO", "KNOTS", -10, 10, 5, 300); a.centre_zero = true; return a; }
    if (starts(l, "thermo_linear")) { sized(a, FAM_TAPE, 24, 80); a.lo = -40; a.hi = 40; a.major = 20; a.label = has(l, "_c") ? "C" : "F"; return a; }
    if (l == "indicate_flap_round") { gauge(a, 60, "FLAPS", "DEG", 0, 40, 10, 180); return a; }
    if (l == "indicate_flap_linear" || has(l, "trim_ind")) {
        sized(a, FAM_TAPE, 20, 60);
        a.lo = has(l, "trim") ? -1 : 0;
        a.hi = 1;
        a.major = 1;
        a.label = has(l, "flap") ? "FLAP" : words_of(n.substr(0, 3)) + " TRIM";
        return a;
    }
    if (has(l, "trim_act")) { sized(a, FAM_HANDLE, 24, 60); a.kind = 4; a.label = words_of(n.substr(0, 3)) + " TRIM"; return a; }
    if (starts(l, "han_") || has(l, "gear_handle")) {
        sized(a, FAM_HANDLE, 28, 90);
        if (has(l, "gear")) { a.kind = 1; a.label = "GEAR"; }
        if (has(l, "flap")) { a.kind = 2; a.label = "FLAPS"; }
        if (has(l, "thro")) a.kind = 3, a.lamp = rgb8(25, 25, 25);
        else if (has(l, "prop")) a.kind = 3, a.lamp = rgb8(40, 90, 220);
        else if (has(l, "mixture")) a.kind = 3, a.lamp = rgb8(210, 40, 35);
        else if (has(l, "cheat")) a.kind = 3, a.lamp = rgb8(240, 200, 40);
        if (has(l, "vernier")) a.label = words_of(n.substr(4, n.size() - 12));
        if (has(l, "linear")) a.label = words_of(n.substr(4, n.size() - 11));
        return a;
    }
    if (l == "end_left" || l == "end_rigt") { sized(a, FAM_PLATE, 16, 120); a.kind = 1; a.label = ""; return a; }
    if (l == "tailnum") { sized(a, FAM_PLATE, 96, 20); a.label = "N740WW"; return a; }
    if (starts(l, "blank_")) {
        sized(a, FAM_SCREEN, 200, 200);
        if (has(l, "medium")) a.w = a.h = 260;
        if (has(l, "large")) { a.w = 330; a.h = 300; }
        a.kind = 1;
        a.label = "";
        return a;
    }
    if (starts(l, "map_") || l == "radar" || l == "stormscope" || l == "argus" || starts(l, "ecam") ||
        l == "console" || l == "tv_guide" || l == "camera" || starts(l, "orbiter") || l == "hits") {
        sized(a, FAM_SCREEN, 200, 200);
        a.kind = starts(l, "map") ? 2 : (l == "radar" || l == "stormscope") ? 3 : starts(l, "ecam") ? 4 : 0;
        if (l == "map_t_hm" || l == "map_s_hm" || starts(l, "orbiter")) a.w = a.h = 180;
        if (l == "ecam_mode" || l == "ecam_carter") { a.w = 120; a.h = 60; }
        if (l == "hits") a.w = a.h = 120;
        if (l == "camera" || l == "tv_guide") { a.w = 160; a.h = 120; }
        if (l == "argus") { a.w = 160; a.h = 160; }
        return a;
    }
    if (starts(l, "el_")) {   // EFIS tapes
        sized(a, FAM_TAPE, 40, 160);
        a.kind = 1;
        if (has(l, "airspeed") || has(l, "asi")) { a.lo = 0; a.hi = 300; a.major = 50; a.label = "KTS"; }
        else if (has(l, "altitude")) { a.lo = 0; a.hi = 5000; a.major = 1000; a.label = "ALT"; }
        else { a.w = 24; a.h = 120; a.lo = -6; a.hi = 6; a.major = 2; a.label = "VS"; }
        return a;
    }
    // Switches, buttons and the rest of the controls.
    if (starts(l, "mode_") || has(folder, "EFIS") || has(folder, "weapons") || starts(l, "ott_") ||
        has(l, "autopilot_test") || l == "but_knots_mach" || starts(l, "roc_") || l == "sync") {
        sized(a, FAM_BUTTON, 34, 20);
        if (starts(l, "ott_")) { a.w = 28; a.h = 18; }
        if (starts(l, "mode_")) { a.w = 20; a.h = 14; }
        return a;
    }
    sized(a, FAM_SWITCH, 30, 44);
    if (a.label == "FUEL 01") a.label = "FUEL L R";
    return a;
}
