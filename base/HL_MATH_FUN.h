// HL_MATH_FUN.h -- time and the small scalar functions used everywhere: clamps, range tests,
// wraps, interpolation and number formatting.
#pragma once
#include <string>

//=== time ===================================================================================
float time_sec(void);                       // seconds since the process started (monotonic)
extern double g_fake_time;                  // tests: when >= 0, time_sec returns it
int   intround(float x);                    // round to nearest

//=== scalar functions =======================================================================
float fltlim(float in, float min, float max);      // min also when in is not a number
// intlim and interp are defined inline below: the geometry builder calls them for every
// element edge and station of every part, every frame.
int   intlim(int x, int lo, int hi);
int   fltrange(float x, float lo, float hi);       // 1 when lo <= x <= hi
int   intrange(int x, int lo, int hi);
// Bring x into lo..hi by whole spans of hi - lo. An empty span leaves x as it is; so do a negative
// span and an x that is not finite, which no number of spans could bring into range.
float fltwrap(float x, float lo, float hi);
int   intwrap(int x, int lo, int hi);              // span hi - lo + 1; intwrap(8, 0, 7) is 0
float fltmax2(float a, float b);
float fltmin2(float a, float b);
float sign(float x);                               // -1 below 0 or not a number, else +1 (-0.0 too)
float pythag(float a, float b);
float pythag(float x, float y, float z);
// Linear interpolation through (x1, y1) and (x2, y2) at x, held between y1 and y2 unless extrap;
// equal x1 and x2 give the mean of y1 and y2.
float interp(float x1, float y1, float x2, float y2, float x, int extrap);
// out = a x b made unit length; a product of zero length (or one that is not finite) gives (0, 1, 0),
// the way up, so a collapsed face still lights like a floor instead of going black.
void  find_normal_vects(const float* a, const float* b, float* out);
// Whether (x, z) lies on the inner side of the directed edge (x1, z1) -> (x2, z2) of a region
// that runs clockwise (interior to the right of travel, with z as the up axis), the edge moved
// outwards by dis. The edge's dominant axis is the one it is followed along; the point is compared
// across it, so a steep edge is not divided by its small run.
int   inside_cw_reg(float x1, float z1, float x2, float z2, float x, float z, float dis);
int   flt_box(float x, float y, float x1, float y1, float x2, float y2);   // inside, edges included
int   check_nan(float x);                          // not a number, infinite, or beyond +-1e10
char  int_to_chr(int i);                           // '0'..'9' for 0..9, else '0'
// Decimal text of i: '-' for a negative value, then at least digits digits (at most 10) with
// leading zeros. buf must hold 12 bytes.
void  int_to_str(int i, char* buf, int digits);
void  int_to_str(int i, std::string* out, int digits);
// fmt is a printf format of the program's own with two floating-point conversions; the text is
// cut at 499 characters.
void  stl_sprint(std::string* out, const std::string& fmt, float a, float b);

//=== inline definitions =====================================================================
inline int intlim(int x, int lo, int hi)
{
    if (x < lo) return lo;
    if (x > hi) return hi;
    return x;
}

inline float interp(float x1, float y1, float x2, float y2, float x, int extrap)
{
    if (x1 == x2) return (y1 + y2) * 0.5f;
    float y = y1 + (x - x1) * (y2 - y1) / (x2 - x1);
    if (extrap) return y;
    return fltlim(y, fltmin2(y1, y2), fltmax2(y1, y2));
}
