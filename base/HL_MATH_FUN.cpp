// HL_MATH_FUN.cpp -- time and the small scalar functions.
#include "base/HL_MATH_FUN.h"
#include <cmath>
#include <cstdio>
#include <ctime>

//=== time ===================================================================================
double g_fake_time = -1;

static double monotonic_seconds(void)
{
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return (double)ts.tv_sec + ts.tv_nsec * 1e-9;
}

float time_sec(void)
{
    if (g_fake_time >= 0) return (float)g_fake_time;
    // Seconds from the first call, so that a float keeps millisecond steps for days.
    static const double start = monotonic_seconds();
    return (float)(monotonic_seconds() - start);
}

int intround(float x) { return (int)std::lround(x); }

//=== scalar functions =======================================================================
float fltlim(float in, float min, float max)
{
    if (!(in >= min)) return min;   // written so that a value that is not a number takes min
    if (in > max) return max;
    return in;
}

int fltrange(float x, float lo, float hi) { return x >= lo && x <= hi; }
int intrange(int x, int lo, int hi) { return x >= lo && x <= hi; }

float fltwrap(float x, float lo, float hi)
{
    const float span = hi - lo;
    if (span == 0.0f) return x;
    if (!(span > 0.0f) || !std::isfinite(span) || !std::isfinite(x)) return x;
    // A value many spans away is brought near with one division; adding a span to a float far
    // larger than it would otherwise change nothing and the loops would never end. The loops
    // keep their bound for the same reason at the very edge of float precision.
    if (x < lo - 64.0f * span || x > hi + 64.0f * span)
        x = (float)((double)lo + std::fmod((double)x - (double)lo, (double)span));
    for (int n = 0; x < lo && n < 256; n++) x += span;
    for (int n = 0; x > hi && n < 256; n++) x -= span;
    return x;
}

int intwrap(int x, int lo, int hi)
{
    const long long span = (long long)hi - lo + 1;
    if (span <= 0) return x;   // empty, or a range that no number of spans could reach
    long long v = x;
    // The same result as adding or subtracting one span at a time, in one step.
    if (v < lo) v += (((long long)lo - v + span - 1) / span) * span;
    if (v > hi) v -= ((v - hi + span - 1) / span) * span;
    return (int)v;
}

float fltmax2(float a, float b) { return a > b ? a : b; }
float fltmin2(float a, float b) { return a < b ? a : b; }

float sign(float x)
{
    if (x < 0.0f || std::isnan(x)) return -1.0f;
    return 1.0f;   // -0.0 is not below 0
}

float pythag(float a, float b) { return std::sqrt(a * a + b * b); }
float pythag(float x, float y, float z) { return std::sqrt(x * x + y * y + z * z); }

void find_normal_vects(const float* a, const float* b, float* out)
{
    // In double: vertices from a file may be large enough for the squared length to overflow a float.
    const double x = (double)a[1] * b[2] - (double)a[2] * b[1];
    const double y = (double)a[2] * b[0] - (double)a[0] * b[2];
    const double z = (double)a[0] * b[1] - (double)a[1] * b[0];
    const double len = std::sqrt(x * x + y * y + z * z);
    if (!(len > 0.0) || !std::isfinite(len)) {
        out[0] = 0.0f;
        out[1] = 1.0f;
        out[2] = 0.0f;
        return;
    }
    out[0] = (float)(x / len);
    out[1] = (float)(y / len);
    out[2] = (float)(z / len);
}

int inside_cw_reg(float x1, float z1, float x2, float z2, float x, float z, float dis)
{
    const float dx = x2 - x1, dz = z2 - z1;
    if (std::fabs(dx) >= std::fabs(dz)) {
        if (dx == 0.0f) return 1;                  // no edge at all: it excludes nothing
        const float ze = interp(x1, z1, x2, z2, x, 1);
        return dx > 0.0f ? z <= ze + dis : z >= ze - dis;
    }
    const float xe = interp(z1, x1, z2, x2, z, 1);
    return dz > 0.0f ? x >= xe - dis : x <= xe + dis;
}

int flt_box(float x, float y, float x1, float y1, float x2, float y2)
{
    return x >= x1 && x <= x2 && y >= y1 && y <= y2;
}

int check_nan(float x)
{
    if (std::isnan(x) || std::isinf(x)) return 1;
    return x <= -1e10f || x >= 1e10f;
}

char int_to_chr(int i) { return (i >= 0 && i <= 9) ? (char)('0' + i) : '0'; }

void int_to_str(int i, char* buf, int digits)
{
    if (!buf) return;
    digits = intlim(digits, 1, 10);
    long long v = i;   // wide enough that even the most negative int has a magnitude
    int n = 0;
    if (v < 0) {
        buf[n++] = '-';
        v = -v;
    }
    char rev[12];
    int k = 0;
    do {
        rev[k++] = (char)('0' + v % 10);
        v /= 10;
    } while (v && k < 10);
    while (k < digits) rev[k++] = '0';
    while (k) buf[n++] = rev[--k];
    buf[n] = 0;
}

void int_to_str(int i, std::string* out, int digits)
{
    if (!out) return;
    char buf[12];
    int_to_str(i, buf, digits);
    *out = buf;
}

void stl_sprint(std::string* out, const std::string& fmt, float a, float b)
{
    if (!out) return;
    char buf[500];
    snprintf(buf, sizeof buf, fmt.c_str(), (double)a, (double)b);
    *out = buf;
}
