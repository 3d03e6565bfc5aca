// afl_sections.h -- the list of shipped airfoil files, shared by the two stages that make them:
// afl_polars (coordinates and XFOIL runs, by hand) and afl_build (the files, at build time).
#pragma once
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

struct afl_section {
    std::string file;     // the shipped file name, e.g. "NACA 2412 (popular).afl"
    std::string section;  // "clark-y", "naca 2412", "naca 23012", "naca 2415-45"
    double re_millions = 0;
    int line = 0;

    // File-name stem of the polar and coordinate files: letters, digits and '-' kept, runs of
    // anything else become one '_'.
    std::string stem() const
    {
        std::string s;
        std::string base = file.substr(0, file.rfind(".afl"));
        for (char c : base) {
            bool keep = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-';
            if (keep)
                s += c;
            else if (!s.empty() && s.back() != '_')
                s += '_';
        }
        while (!s.empty() && s.back() == '_') s.pop_back();
        return s;
    }
};

static inline std::string afl_trim(const std::string& s)
{
    size_t a = s.find_first_not_of(" \t\r");
    size_t b = s.find_last_not_of(" \t\r");
    return a == std::string::npos ? std::string() : s.substr(a, b - a + 1);
}

// Reads "file | section | Reynolds number in millions" lines; '#' starts a comment line. A bad
// line is reported in `error` and ends the read.
static inline std::vector<afl_section> afl_read_sections(const std::string& path, std::string& error)
{
    std::vector<afl_section> out;
    std::ifstream in(path);
    if (!in) {
        error = "cannot read " + path;
        return out;
    }
    std::string line;
    for (int n = 1; std::getline(in, line); ++n) {
        std::string t = afl_trim(line);
        if (t.empty() || t[0] == '#') continue;
        size_t a = t.find('|');
        size_t b = a == std::string::npos ? a : t.find('|', a + 1);
        afl_section s;
        s.line = n;
        if (b != std::string::npos) {
            s.file = afl_trim(t.substr(0, a));
            s.section = afl_trim(t.substr(a + 1, b - a - 1));
            s.re_millions = std::atof(afl_trim(t.substr(b + 1)).c_str());
        }
        if (s.file.empty() || s.section.empty() || !(s.re_millions > 0) || s.file.size() > 39) {
            error = path + ":" + std::to_string(n) + ": expected \"file.afl | section | Re in millions\"";
            return {};
        }
        out.push_back(s);
    }
    return out;
}

// One converged point of a raw XFOIL polar: angle (degrees), lift, drag and moment.
struct afl_polar_point {
    double a, cl, cd, cm;
};

// The converged points of a raw XFOIL polar: the rows after the dashed line that hold finite
// numbers and a positive drag.
inline std::vector<afl_polar_point> afl_read_polar(const std::string& text)
{
    std::vector<afl_polar_point> out;
    std::istringstream in(text);
    std::string line;
    bool body = false;
    while (std::getline(in, line)) {
        if (line.find("------") != std::string::npos) {
            body = true;
            continue;
        }
        afl_polar_point p;
        double cdp;
        if (body && std::sscanf(line.c_str(), "%lf %lf %lf %lf %lf", &p.a, &p.cl, &p.cd, &cdp, &p.cm) == 5 &&
            std::isfinite(p.cl) && std::isfinite(p.cd) && std::isfinite(p.cm) && p.cd > 0)
            out.push_back(p);
    }
    return out;
}
