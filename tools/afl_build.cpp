// afl_build -- the fast stage of the shipped airfoil library, run by the build: turns the
// committed XFOIL polars into version-700 airfoil files.
//
//   afl_build [--verbose] <airfoil data folder> <output Airfoils folder>   write the files (with
//       each section's lift slope, least drag and dropped points)
//   afl_build --check <airfoil data folder> <output Airfoils folder>   change nothing; fail when
//       the committed list, polars and convergence report disagree, a file in the output folder
//       is not what the polars make, or a section fails the physical sanity bounds
//
// For each file: the two raw polars (0 to 20 and 0 to -20 degrees) are merged; points XFOIL
// reported as converged but that sit on a separated branch between attached neighbours are
// dropped; the section-model parameters are fitted to what is left (linear range, stall, post
// stall, drag curve and bucket, moment breaks); the table is the model over the whole circle,
// replaced over -20..20 by the cleaned polar itself, gaps interpolated and, where XFOIL stopped
// converging before +-20 degrees, the model carried on from the last point without a step.
#include "tools/afl_sections.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <sstream>

#include "model/AFL_MODEL.h"

namespace {

using pt = afl_polar_point;

std::string read_text(const std::string& path, bool* ok = nullptr)
{
    std::ifstream in(path, std::ios::binary);
    if (ok) *ok = bool(in);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// Drops runs of up to three points that leave an otherwise smooth attached curve: their lift
// off the line through their neighbours by more than 0.05 or their drag by more than a quarter,
// while the neighbours agree with each other (lift slope at most 0.15 per degree, drag within a
// third). At a real stall the neighbours disagree, so the stall itself stays.
int drop_separated_branch(std::vector<pt>& p)
{
    int dropped = 0;
    for (int run = 1; run <= 3; ++run)
        for (size_t s = 1; s + run < p.size();) {
            const pt &l = p[s - 1], &r = p[s + run];
            double span = r.a - l.a;
            bool neighbours_agree = span <= 2.01 && std::fabs(r.cl - l.cl) <= 0.15 * span &&
                                    std::max(l.cd, r.cd) <= 1.34 * std::min(l.cd, r.cd);
            bool off = neighbours_agree;
            for (int k = 0; off && k < run; ++k) {
                const pt& q = p[s + k];
                double f = (q.a - l.a) / span;
                double cl = l.cl + f * (r.cl - l.cl), cd = l.cd + f * (r.cd - l.cd);
                off = std::fabs(q.cl - cl) > 0.05 || std::fabs(q.cd - cd) > 0.25 * cd;
            }
            if (off) {
                p.erase(p.begin() + long(s), p.begin() + long(s + run));
                dropped += run;
            } else {
                ++s;
            }
        }
    return dropped;
}

// Linear interpolation in the cleaned polar (sorted by angle), held at the ends.
double at(const std::vector<pt>& p, double a, double pt::*f)
{
    if (a <= p.front().a) return p.front().*f;
    if (a >= p.back().a) return p.back().*f;
    size_t i = 1;
    while (p[i].a < a) ++i;
    double u = (a - p[i - 1].a) / (p[i].a - p[i - 1].a);
    return p[i - 1].*f + u * (p[i].*f - p[i - 1].*f);
}

// Squared error of a model curve against the polar over [lo, hi] in steps of 0.25 degree.
template <typename F>
double error_over(const std::vector<pt>& p, double pt::*f, double lo, double hi, F model)
{
    double e = 0;
    for (double a = lo; a <= hi + 1e-9; a += 0.25) {
        double d = model(a) - at(p, a, f);
        e += d * d;
    }
    return e;
}

struct section_fit {
    airfoil_struct afl;   // parameters in slot [0][0], table filled
    std::vector<pt> polar;
    int dropped = 0;
    double slope = 0, cd_min = 0;
};

double thickness_of(const afl_section& s)
{
    if (s.section == "clark-y") return 0.117;   // the table's thickness
    std::string d = s.section.substr(5);
    d = d.substr(0, d.find('-'));
    return std::atoi(d.substr(d.size() - 2).c_str()) / 100.0;
}

// Fits the line-2 parameters to the cleaned polar; returns false when the polar is too thin.
bool fit(const afl_section& s, section_fit& out, std::string& why)
{
    std::vector<pt>& p = out.polar;
    if (p.size() < 20 || p.front().a > -5 || p.back().a < 5) {
        why = "too few converged points";
        return false;
    }
    airfoil_struct& a = out.afl;
    std::memset(&a, 0, sizeof a);
    auto cl = [&](double x) { return at(p, x, &pt::cl); };
    auto cd = [&](double x) { return at(p, x, &pt::cd); };
    auto cm = [&](double x) { return at(p, x, &pt::cm); };

    // Lift line: least squares over -3..5 degrees, where every section here is attached.
    double sx = 0, sy = 0, sxx = 0, sxy = 0, n = 0;
    for (double x = -3; x <= 5; x += 0.25, n++) {
        sx += x;
        sy += cl(x);
        sxx += x * x;
        sxy += x * cl(x);
    }
    const double m = (n * sxy - sx * sy) / (n * sxx - sx * sx), b = (sy - m * sx) / n;
    // Positive stall: the lift peak; negative stall: the lift trough. The model divides by the
    // distance from a stall to +-20 degrees, so a section that has not stalled by then is taken
    // to stall just short of it.
    double amax = 0, lmax = -9, amin = 0, lmin = 9;
    for (const pt& q : p) {
        if (q.a > 0 && q.a <= 19.5 && q.cl > lmax) lmax = q.cl, amax = q.a;
        if (q.a < 0 && q.a >= -19.5 && q.cl < lmin) lmin = q.cl, amin = q.a;
    }
    // Linear half-range: the widest that stays within 0.03 of the line, short of both stalls.
    double L = 1;
    for (double l = 1; l <= std::min(amax, -amin) - 1; l += 0.5) {
        bool ok = true;
        for (double x = -l; x <= l && ok; x += 0.25) ok = std::fabs(cl(x) - (m * x + b)) <= 0.03;
        if (!ok) break;
        L = l;
    }
    a.re_num[0][0] = float(s.re_millions);
    a.t_rat[0] = float(thickness_of(s));
    a.clM[0][0] = float(m);
    a.clB[0][0] = float(b);
    a.almin[0][0] = float(amin);
    a.almax[0][0] = float(amax);
    a.Llinrange = float(L);
    a.Lstall = float(lmax);
    a.Ldrop1 = 0;   // the analysis shows no step at the stall
    auto model_cl = [&](double x) { return ret_cl(float(x), &a, 0, 0); };

    // Curvature into the stall, then the fall beyond it to 20 degrees. When the polar neither
    // reaches 20 degrees nor runs four degrees past the stall (thin sections, whose XFOIL runs stop
    // converging there) the fall is a flat plate's: down to 1.17 sin 40 = 0.75 at 20 degrees,
    // steep at first.
    double best = 1e30, bp = 2;
    for (double e = 1; e <= 6; e += 0.05) {
        a.Lpow = float(e);
        double err = error_over(p, &pt::cl, L, amax, model_cl);
        if (err < best) best = err, bp = e;
    }
    a.Lpow = float(bp);
    best = 1e30;
    const double last = std::min(20.0, p.back().a);
    const double max_drop = std::max(0.0, lmax - 0.3);
    double bd = std::min(max_drop, std::max(0.0, lmax - 0.75)), bq = 0.5;
    for (double e = 0.3; e <= 5 && (last - amax >= 4 || last >= 19.5); e += 0.05) {
        // For a given exponent the drop is a least-squares line through the post-stall points.
        double num = 0, den = 0;
        for (const pt& q : p)
            if (q.a > amax && q.a <= 20) {
                double w = std::pow((amax - q.a) / (amax - 20), e);
                num += w * (lmax - q.cl);
                den += w * w;
            }
        double drop = den > 0 ? std::min(max_drop, std::max(0.0, num / den)) : bd;
        a.Lpowstl = float(e);
        a.Ldrop2 = float(drop);
        double err = error_over(p, &pt::cl, amax, last, model_cl);
        if (err < best) best = err, bd = drop, bq = e;
    }
    a.Ldrop2 = float(bd);
    a.Lpowstl = float(bq);

    // Drag: the minimum, the drag at 10 degrees (the model's reference point), the rise exponent.
    double dmin = 1, dmin_cl = 0, dmin_a = 0;
    for (const pt& q : p)
        if (q.cd < dmin) dmin = q.cd, dmin_cl = q.cl, dmin_a = q.a;
    a.Dmin = float(dmin);
    a.DminCL = float(dmin_cl);
    a.Dal10 = float(cd(10));
    auto model_cd = [&](double x) { return ret_cd(float(x), &a, 0, 0); };
    const double lo = std::max(amin, dmin_a - 10), hi = std::min(amax, 12.0);
    best = 1e30;
    for (double e = 1; e <= 5; e += 0.05) {
        a.Dpow = float(e);
        double err = error_over(p, &pt::cd, lo, hi, model_cd);
        if (err < best) best = err, bp = e;
    }
    a.Dpow = float(bp);
    // A laminar bucket where it fits the polar markedly better: centred on the lift of minimum
    // drag, its depth added back onto the base curve.
    const double no_bucket = best;
    airfoil_struct keep = a;
    for (double w = 0.1; w <= 1.0; w += 0.05)
        for (double dep = 0.0004; dep <= 0.5 * dmin; dep += 0.0004)
            for (double pw = 0.5; pw <= 4; pw += 0.5) {
                airfoil_struct t = keep;
                t.Bloc = float(dmin_cl);
                t.Bwidth = float(w);
                t.Bdepth = float(dep);
                t.Bpower = float(pw);
                t.Dmin = float(dmin + dep);
                double err = error_over(p, &pt::cd, lo, hi, [&](double x) { return ret_cd(float(x), &t, 0, 0); });
                if (err < best) best = err, a = t;
            }
    if (best > 0.7 * no_bucket) a = keep;

    // Moment: straight lines through -20, two inner breaks and 20.
    a.cm1 = float(cm(-20));
    a.cm4 = float(cm(20));
    best = 1e30;
    airfoil_struct keep_cm = a;
    for (double a2 = -18; a2 <= 0; a2 += 0.5)
        for (double a3 = 0.5; a3 <= 18; a3 += 0.5) {
            airfoil_struct t = keep_cm;
            t.cmal2 = float(a2);
            t.cmal3 = float(a3);
            t.cm2 = float(cm(a2));
            t.cm3 = float(cm(a3));
            double err = error_over(p, &pt::cm, -20, 20, [&](double x) { return ret_cm(float(x), &t); });
            if (err < best) best = err, a = t;
        }
    // Drag divergence from Korn's relation for a conventional section: 0.87 - t/c - cl/10, at
    // the lift of minimum drag.
    a.mach_div[0] = float(0.87 - thickness_of(s) - 0.1 * dmin_cl);
    out.slope = m;
    out.cd_min = dmin;
    return true;
}

// The full-circle table: the fitted model everywhere, then over -20..20 the polar itself. Past
// the last converged point on either side the model carries on, shifted to meet that point; the
// model's own blend towards the flat plate beyond 20 degrees is shifted likewise to start where
// the table ends, the shift fading out by 45 degrees. So the table has no step anywhere.
void fill_table(section_fit& f)
{
    airfoil_struct& a = f.afl;
    AFL_gen_tables(&a, 0, 0);
    const std::vector<pt>& p = f.polar;
    const double lo = p.front().a, hi = p.back().a;
    double pt::*fields[3] = {&pt::cl, &pt::cd, &pt::cm};
    float* tabs[3] = {a.cl[0][0], a.cd[0][0], a.cm[0][0]};
    auto model = [&](int k, double y) {
        return k == 0 ? ret_cl(float(y), &a, 0, 0) : k == 1 ? ret_cd(float(y), &a, 0, 0) : ret_cm(float(y), &a);
    };
    for (int k = 0; k < 3; ++k) {
        const double gap_hi = p.back().*fields[k] - model(k, hi), gap_lo = p.front().*fields[k] - model(k, lo);
        for (int i = 160; i <= 560; ++i) {
            double x = ret_alpha(i);
            double v = x > hi ? model(k, x) + gap_hi : x < lo ? model(k, x) + gap_lo : at(p, x, fields[k]);
            tabs[k][i] = float(v);
        }
        const double shift_hi = tabs[k][560] - model(k, 20), shift_lo = tabs[k][160] - model(k, -20);
        for (int i = 0; i < AFL_ALPHAS; ++i) {
            double x = ret_alpha(i);
            if (std::fabs(x) > 20 && std::fabs(x) < 45)
                tabs[k][i] += float((x > 0 ? shift_hi : shift_lo) * (45 - std::fabs(x)) / 25);
        }
    }
    // Drag never below half the section's minimum, wherever a shift took it.
    for (int i = 0; i < AFL_ALPHAS; ++i) a.cd[0][0][i] = std::max(a.cd[0][0][i], float(0.5 * f.cd_min));
}

std::string fmt6(double v)
{
    char b[48];
    std::snprintf(b, sizeof b, "%.6f", std::fabs(v) < 5e-7 ? 0.0 : v);
    return b;
}

// The file text, version 700: typed header, device code, the 30 parameters, the table.
std::string afl_text(const airfoil_struct& a)
{
    std::string s = "I\n700 version\n1234 device type code\n";
    const float params[] = {a.re_num[0][0], a.t_rat[0], a.mach_div[0], a.clM[0][0], a.clB[0][0], a.almin[0][0],
                            a.almax[0][0], a.Llinrange, a.Lpow, a.Lstall, a.Ldrop1, a.Lpowstl, a.Ldrop2, a.Dmin,
                            a.DminCL, a.Dal10, a.Dpow, a.DminCL, a.Dal10, a.Dpow, a.Bloc, a.Bwidth, a.Bdepth,
                            a.Bpower, a.cmal2, a.cmal3, a.cm1, a.cm2, a.cm3, a.cm4};
    for (size_t k = 0; k < sizeof params / sizeof params[0]; ++k) {
        if (k) s += ' ';
        s += fmt6(params[k]);
    }
    s += "\nalpha cl cd cm:\n";
    for (int i = 0; i < AFL_ALPHAS; ++i) {
        s += fmt6(ret_alpha(i));
        s += " ";
        s += fmt6(a.cl[0][0][i]);
        s += " ";
        s += fmt6(a.cd[0][0][i]);
        s += " ";
        s += fmt6(a.cm[0][0][i]);
        s += "\n";
    }
    return s;
}

int count_report_points(const std::string& report, const std::string& name)
{
    size_t at = report.find("\n" + name + ": ");
    if (at == std::string::npos) return -1;
    return std::atoi(report.c_str() + at + name.size() + 3);
}

}  // namespace

int main(int argc, char** argv)
{
    const bool check = argc == 4 && std::strcmp(argv[1], "--check") == 0;
    const bool verbose = argc == 4 && std::strcmp(argv[1], "--verbose") == 0;
    if (argc != 3 && !check && !verbose) {
        std::fprintf(stderr, "usage: afl_build [--check | --verbose] <airfoil data folder> <output Airfoils folder>\n");
        return 2;
    }
    const std::string data = argv[argc - 2], out = argv[argc - 1];
    int written = 0;
    std::string err;
    std::vector<afl_section> secs = afl_read_sections(data + "/sections.txt", err);
    if (secs.empty()) {
        std::fprintf(stderr, "afl_build: %s\n", err.empty() ? "no sections listed" : err.c_str());
        return 1;
    }
    const std::string report = "\n" + read_text(data + "/convergence.txt");
    int problems = 0;
    auto problem = [&](const std::string& file, const std::string& what) {
        std::fprintf(stderr, "afl_build: %s: %s\n", file.c_str(), what.c_str());
        problems++;
    };
    for (const afl_section& s : secs) {
        auto f = std::make_unique<section_fit>();
        for (const char* side : {".neg.txt", ".pos.txt"}) {
            bool ok = false;
            std::vector<pt> part = afl_read_polar(read_text(data + "/polars/" + s.stem() + side, &ok));
            if (!ok) problem(s.file, std::string("no polar ") + s.stem() + side);
            if (check && ok && count_report_points(report, s.stem() + side) != int(part.size()))
                problem(s.file, std::string("the convergence report disagrees with ") + s.stem() + side);
            f->polar.insert(f->polar.end(), part.begin(), part.end());
        }
        std::sort(f->polar.begin(), f->polar.end(), [](const pt& x, const pt& y) { return x.a < y.a; });
        f->polar.erase(std::unique(f->polar.begin(), f->polar.end(),
                                   [](const pt& x, const pt& y) { return std::fabs(x.a - y.a) < 1e-6; }),
                       f->polar.end());
        f->dropped = drop_separated_branch(f->polar);
        std::string why;
        if (!fit(s, *f, why)) {
            problem(s.file, why);
            continue;
        }
        fill_table(*f);
        bool finite = true;
        for (int i = 0; i < AFL_ALPHAS; ++i)
            finite = finite && std::isfinite(f->afl.cl[0][0][i]) && std::isfinite(f->afl.cd[0][0][i]) &&
                     std::isfinite(f->afl.cm[0][0][i]);
        if (!finite) problem(s.file, "the table has values that are not numbers");
        // Physical sanity: a real section's lift slope is near 2 pi per radian, 0.11 per degree,
        // and its least drag a few thousandths.
        if (std::fabs(f->slope / 0.11 - 1) > 0.15) problem(s.file, "lift slope " + fmt6(f->slope) + " per degree");
        if (f->cd_min < 0.004 || f->cd_min > 0.02) problem(s.file, "minimum drag " + fmt6(f->cd_min));
        if (verbose)
            std::printf("afl_build: %-40s slope %.4f/deg, cd min %.5f, %d separated points dropped\n",
                        s.file.c_str(), f->slope, f->cd_min, f->dropped);
        const std::string text = afl_text(f->afl), path = out + "/" + s.file;
        bool have = false;
        const std::string old = read_text(path, &have);
        if (check) {
            if (!have || old != text) problem(s.file, "the built file is not what the polars make");
            continue;
        }
        if (have && old == text) continue;   // unchanged files keep their time
        std::ofstream o(path, std::ios::binary);
        o << text;
        if (!o.flush()) problem(s.file, "cannot write " + path);
        written++;
    }
    if (!check && written) std::printf("afl_build: %d airfoil files written to %s\n", written, out.c_str());
    return problems ? 1 : 0;
}
