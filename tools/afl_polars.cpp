// afl_polars -- the slow stage of the shipped airfoil library, run by hand when the library
// changes: makes each section's coordinates and runs XFOIL's viscous analysis over -20..20
// degrees at the file's Reynolds number. The raw polars and a convergence report are committed;
// the build turns them into airfoil files with afl_build.
//
//   afl_polars <airfoil data folder> [--step degrees] [--only stem] [--jobs n] [--xfoil program]
//
// The Debian XFOIL sets a floating-point trap that kills the first viscous point, so each run
// preloads a tiny library that makes the trap setting do nothing. Each run gets its own working
// folder (XFOIL writes fixed file names) and a time limit (a diverged point can hang). Every
// angle is its own ALFA command rather than one ASEQ, because ASEQ gives up after four failed
// points and the points past a stall are the ones most likely to fail. Each polar is two runs
// from 0 degrees outward, so each side starts from an attached solution.
#include "tools/afl_sections.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <mutex>
#include <sstream>
#include <thread>
#include <vector>

namespace {

struct point {
    double x, y;
};

constexpr double kPi = 3.14159265358979323846;
constexpr int kSide = 100;  // points per surface before XFOIL repanels

// Published Clark-Y ordinates, per cent of chord, from the flat lower reference line.
const double kClarkX[] = {0, 1.25, 2.5, 5, 7.5, 10, 15, 20, 30, 40, 50, 60, 70, 80, 90, 95, 100};
const double kClarkUp[] = {3.50, 5.45, 6.50, 7.90, 8.85, 9.60, 10.68, 11.36, 11.70,
                           11.40, 10.52, 9.15, 7.35, 5.22, 2.80, 1.49, 0.12};
const double kClarkLo[] = {3.50, 1.93, 1.47, 0.93, 0.63, 0.42, 0.15, 0.03, 0,
                           0, 0, 0, 0, 0, 0, 0, 0};

double cosine_x(int i)
{
    return 0.5 * (1 - std::cos(kPi * i / kSide));
}

// Thickness half-height at x of a section of thickness t: the four-digit polynomial, or the
// modified four-digit one with leading-edge index le and thickness peak at xm.
struct thickness {
    double t = 0.12;
    bool modified = false;
    double a[4] = {}, d[4] = {}, xm = 0.3;

    double operator()(double x) const
    {
        if (!modified)
            return 5 * t * (0.2969 * std::sqrt(x) - 0.1260 * x - 0.3516 * x * x + 0.2843 * x * x * x -
                            0.1015 * x * x * x * x);
        if (x < xm) return 5 * t * (a[0] * std::sqrt(x) + a[1] * x + a[2] * x * x + a[3] * x * x * x);
        double u = 1 - x;
        return 5 * t * (d[0] + d[1] * u + d[2] * u * u + d[3] * u * u * u);
    }
};

// Solves the modified four-digit coefficients: the aft part meets the trailing-edge slope d1 of
// the published table and peaks at xm; the fore part has the leading-edge radius of index le and
// meets the aft part at xm in height, slope and curvature.
thickness modified_thickness(double t, int le, int m)
{
    static const double kD1[] = {0, 0, 0.200, 0.234, 0.315, 0.465, 0.700};
    thickness th;
    th.t = t;
    th.modified = true;
    th.xm = m / 10.0;
    double u = 1 - th.xm, d1 = kD1[m < 2 ? 2 : m > 6 ? 6 : m];
    th.d[0] = 0.002;
    th.d[1] = d1;
    // d0 + d1 u + d2 u^2 + d3 u^3 = 0.1 and d1 + 2 d2 u + 3 d3 u^2 = 0
    double r1 = 0.1 - th.d[0] - d1 * u, r2 = -d1;
    double det = u * u * 3 * u * u - u * u * u * 2 * u;
    th.d[2] = (r1 * 3 * u * u - u * u * u * r2) / det;
    th.d[3] = (u * u * r2 - 2 * u * r1) / det;
    double curv = 2 * th.d[2] + 6 * th.d[3] * u;
    double x = th.xm, a0 = 0.296904 * le / 6.0;
    th.a[0] = a0;
    // a1 x + a2 x^2 + a3 x^3 = 0.1 - a0 sqrt x ; a1 + 2 a2 x + 3 a3 x^2 = -a0/(2 sqrt x) ;
    // 2 a2 + 6 a3 x = curv + a0/(4 x^1.5)
    double M[3][4] = {{x, x * x, x * x * x, 0.1 - a0 * std::sqrt(x)},
                      {1, 2 * x, 3 * x * x, -a0 / (2 * std::sqrt(x))},
                      {0, 2, 6 * x, curv + a0 / (4 * x * std::sqrt(x))}};
    for (int c = 0; c < 3; ++c)
        for (int r = c + 1; r < 3; ++r) {
            double f = M[r][c] / M[c][c];
            for (int k = c; k < 4; ++k) M[r][k] -= f * M[c][k];
        }
    for (int r = 2; r >= 0; --r) {
        double s = M[r][3];
        for (int k = r + 1; k < 3; ++k) s -= M[r][k] * th.a[k + 1];
        th.a[r + 1] = s / M[r][r];
    }
    return th;
}

// Mean line height and slope at x.
struct mean_line {
    int kind = 0;  // 0 none, 4 four-digit, 5 five-digit
    double m = 0, p = 0, k1 = 0;

    void at(double x, double& yc, double& dy) const
    {
        yc = dy = 0;
        if (kind == 4 && m > 0) {
            if (x < p) {
                yc = m / (p * p) * (2 * p * x - x * x);
                dy = 2 * m / (p * p) * (p - x);
            } else {
                yc = m / ((1 - p) * (1 - p)) * (1 - 2 * p + 2 * p * x - x * x);
                dy = 2 * m / ((1 - p) * (1 - p)) * (p - x);
            }
        } else if (kind == 5) {
            if (x < m) {
                yc = k1 / 6 * (x * x * x - 3 * m * x * x + m * m * (3 - m) * x);
                dy = k1 / 6 * (3 * x * x - 6 * m * x + m * m * (3 - m));
            } else {
                yc = k1 * m * m * m / 6 * (1 - x);
                dy = -k1 * m * m * m / 6;
            }
        }
    }
};

// Coordinates in XFOIL's order: upper trailing edge round the leading edge to lower trailing
// edge. Empty when the section is not understood.
std::vector<point> naca_coordinates(const std::string& digits)
{
    std::string d = digits, mod;
    size_t dash = d.find('-');
    if (dash != std::string::npos) {
        mod = d.substr(dash + 1);
        d = d.substr(0, dash);
    }
    for (char c : d + mod)
        if (c < '0' || c > '9') return {};
    thickness th;
    mean_line ml;
    if (d.size() == 4) {
        ml.kind = 4;
        ml.m = (d[0] - '0') / 100.0;
        ml.p = (d[1] - '0') / 10.0;
        th.t = std::atoi(d.substr(2).c_str()) / 100.0;
    } else if (d.size() == 5) {
        // Five-digit mean lines by position of the maximum camber (design lift 0.3).
        static const std::map<std::string, std::pair<double, double>> kLines = {
            {"210", {0.0580, 361.4}}, {"220", {0.1260, 51.64}}, {"230", {0.2025, 15.957}},
            {"240", {0.2900, 6.643}}, {"250", {0.3910, 3.230}}};
        auto it = kLines.find(d.substr(0, 3));
        if (it == kLines.end()) return {};
        ml.kind = 5;
        ml.m = it->second.first;
        ml.k1 = it->second.second;
        th.t = std::atoi(d.substr(3).c_str()) / 100.0;
    } else {
        return {};
    }
    if (!mod.empty()) {
        if (mod.size() != 2) return {};
        th = modified_thickness(th.t, mod[0] - '0', mod[1] - '0');
    }
    std::vector<point> upper, lower;
    for (int i = 0; i <= kSide; ++i) {
        double x = cosine_x(i), yc, dy;
        ml.at(x, yc, dy);
        double yt = th(x), a = std::atan(dy);
        upper.push_back({x - yt * std::sin(a), yc + yt * std::cos(a)});
        lower.push_back({x + yt * std::sin(a), yc - yt * std::cos(a)});
    }
    std::vector<point> out(upper.rbegin(), upper.rend());
    out.insert(out.end(), lower.begin() + 1, lower.end());
    return out;
}

// The Clark-Y table as it stands; XFOIL's spline and repaneling make the surface from it.
std::vector<point> clark_y_coordinates()
{
    std::vector<point> out;
    int n = int(sizeof kClarkX / sizeof kClarkX[0]);
    for (int i = n - 1; i >= 0; --i) out.push_back({kClarkX[i] / 100, kClarkUp[i] / 100});
    for (int i = 1; i < n; ++i) out.push_back({kClarkX[i] / 100, kClarkLo[i] / 100});
    return out;
}

std::vector<point> coordinates(const std::string& section)
{
    if (section == "clark-y") return clark_y_coordinates();
    if (section.rfind("naca ", 0) == 0) return naca_coordinates(section.substr(5));
    return {};
}

bool write_text(const std::string& path, const std::string& text)
{
    FILE* f = std::fopen(path.c_str(), "w");
    if (!f) return false;
    bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    return std::fclose(f) == 0 && ok;
}

std::string read_text(const std::string& path)
{
    std::ifstream in(path);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

std::string fmt(const char* f, double v)
{
    char b[64];
    std::snprintf(b, sizeof b, f, v);
    return b;
}

struct job {
    const afl_section* sec;
    int side;  // +1 from 0 up to 20, -1 from -step down to -20
};

struct run_result {
    int requested = 0;
    bool timed_out = false;
    int exit_code = 0;
    std::string polar;
};

std::string g_xfoil = "xfoil", g_preload, g_data;
double g_step = 0.5, g_ncrit = 9;
int g_timeout = 300;

// A fresh private folder under $TMPDIR (or the system's temporary folder): each XFOIL run works in
// its own, so parallel runs never share their scratch files.
static std::string private_folder(const char* stem)
{
    const char* base = std::getenv("TMPDIR");
    std::string tmpl = std::string(base && *base ? base : P_tmpdir) + "/" + stem + ".XXXXXX";
    std::vector<char> buf(tmpl.begin(), tmpl.end());
    buf.push_back(0);
    return mkdtemp(buf.data()) ? std::string(buf.data()) : std::string();
}

run_result run_xfoil(const job& j)
{
    run_result r;
    std::string dir = private_folder("afl_polars"), stem = j.sec->stem();
    if (dir.empty()) return r;
    std::ostringstream cmd;
    cmd << "PLOP\nG F\n\nLOAD " << "section.dat\n" << "PANE\nOPER\nVISC " << j.sec->re_millions * 1e6
        << "\nVPAR\nN " << g_ncrit << "\n\nITER 100\nPACC\npolar.txt\n\n";
    int n = int(std::lround(20 / g_step));
    for (int i = j.side > 0 ? 0 : 1; i <= n; ++i) {
        cmd << "ALFA " << fmt("%.3f", j.side * i * g_step) << "\n";
        r.requested++;
    }
    cmd << "PACC\n\nQUIT\n";
    write_text(dir + "/commands.txt", cmd.str());
    write_text(dir + "/section.dat", read_text(g_data + "/coords/" + stem + ".dat"));
    std::string sh = "cd '" + dir + "' && LD_PRELOAD='" + g_preload + "' timeout " + std::to_string(g_timeout) +
                     " '" + g_xfoil + "' < commands.txt > log.txt 2>&1";
    int st = std::system(sh.c_str());
    r.exit_code = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    r.timed_out = r.exit_code == 124;
    r.polar = read_text(dir + "/polar.txt");
    std::system(("rm -rf '" + dir + "'").c_str());
    return r;
}

// Angles of the converged points of a raw XFOIL polar.
std::vector<double> polar_angles(const std::string& text)
{
    std::vector<double> out;
    for (const afl_polar_point& p : afl_read_polar(text)) out.push_back(p.a);
    return out;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: afl_polars <airfoil data folder> [--step deg] [--only stem] [--jobs n] "
                             "[--xfoil program] [--timeout s] [--ncrit n]\n");
        return 2;
    }
    g_data = argv[1];
    std::string only;
    int jobs = 2;
    for (int i = 2; i + 1 < argc; i += 2) {
        std::string o = argv[i];
        if (o == "--step") g_step = std::atof(argv[i + 1]);
        if (o == "--only") only = argv[i + 1];
        if (o == "--jobs") jobs = std::atoi(argv[i + 1]);
        if (o == "--xfoil") g_xfoil = argv[i + 1];
        if (o == "--timeout") g_timeout = std::atoi(argv[i + 1]);
        if (o == "--ncrit") g_ncrit = std::atof(argv[i + 1]);
    }
    if (!(g_step >= 0.1 && g_step <= 2) || jobs < 1) {
        std::fprintf(stderr, "afl_polars: step must be 0.1..2 degrees and jobs at least 1\n");
        return 2;
    }
    std::string err;
    std::vector<afl_section> secs = afl_read_sections(g_data + "/sections.txt", err);
    if (secs.empty()) {
        std::fprintf(stderr, "afl_polars: %s\n", err.c_str());
        return 1;
    }

    // The trap-disabling library, built fresh in a private folder.
    std::string fpe = private_folder("afl_fpe");
    if (fpe.empty()) return 1;
    write_text(fpe + "/fpe.c", "void _gfortran_set_fpe(int v) { (void)v; }\n");
    if (std::system(("cc -shared -fPIC -o '" + fpe + "/fpe.so' '" + fpe + "/fpe.c'").c_str()) != 0) {
        std::fprintf(stderr, "afl_polars: cannot build the trap-disabling library\n");
        return 1;
    }
    g_preload = fpe + "/fpe.so";

    mkdir((g_data + "/coords").c_str(), 0755);
    mkdir((g_data + "/polars").c_str(), 0755);
    std::vector<job> todo;
    for (const afl_section& s : secs) {
        std::vector<point> pts = coordinates(s.section);
        if (pts.empty()) {
            std::fprintf(stderr, "afl_polars: line %d: unknown section \"%s\"\n", s.line, s.section.c_str());
            return 1;
        }
        std::string text = s.section + "\n";
        for (const point& p : pts) text += fmt("%10.6f", p.x) + fmt(" %10.6f\n", p.y);
        write_text(g_data + "/coords/" + s.stem() + ".dat", text);
        if (only.empty() || only == s.stem()) {
            todo.push_back({&s, +1});
            todo.push_back({&s, -1});
        }
    }

    std::vector<run_result> results(todo.size());
    std::atomic<size_t> next{0};
    std::mutex out_mx;
    auto worker = [&] {
        for (size_t k; (k = next++) < todo.size();) {
            results[k] = run_xfoil(todo[k]);
            std::lock_guard<std::mutex> lock(out_mx);
            std::printf("%-40s %s %3zu/%d points%s\n", todo[k].sec->stem().c_str(), todo[k].side > 0 ? "+" : "-",
                        polar_angles(results[k].polar).size(), results[k].requested,
                        results[k].timed_out ? " (timed out)" : "");
            std::fflush(stdout);
        }
    };
    std::vector<std::thread> pool;
    for (int i = 0; i < jobs; ++i) pool.emplace_back(worker);
    for (std::thread& t : pool) t.join();
    std::system(("rm -rf '" + fpe + "'").c_str());

    // The raw polars as XFOIL wrote them, each side in its own file, and the report.
    std::string report = "# Convergence of the XFOIL runs: converged / requested points per side, and the\n"
                         "# angles that did not converge. Step " + fmt("%.2f", g_step) + " degrees, Ncrit " + fmt("%g", g_ncrit) + ", " +
                         "100 iterations per point.\n";
    for (size_t k = 0; k < todo.size(); ++k) {
        const job& j = todo[k];
        std::string name = j.sec->stem() + (j.side > 0 ? ".pos.txt" : ".neg.txt");
        write_text(g_data + "/polars/" + name, results[k].polar);
    }
    // The report covers every section, from the committed polars, so a partial rerun keeps it whole.
    for (const afl_section& s : secs)
        for (int side : {+1, -1}) {
            std::string name = s.stem() + (side > 0 ? ".pos.txt" : ".neg.txt");
            std::vector<double> got = polar_angles(read_text(g_data + "/polars/" + name));
            int n = int(std::lround(20 / g_step));
            std::string missing;
            int requested = 0;
            for (int i = side > 0 ? 0 : 1; i <= n; ++i, ++requested) {
                double a = side * i * g_step;
                bool found = false;
                for (double g : got) found = found || std::fabs(g - a) < 1e-3;
                if (!found) missing += fmt(" %.2f", a);
            }
            report += name + ": " + std::to_string(got.size()) + "/" + std::to_string(requested) +
                      (missing.empty() ? "" : ", failed:" + missing) + "\n";
        }
    write_text(g_data + "/convergence.txt", report);
    return 0;
}
