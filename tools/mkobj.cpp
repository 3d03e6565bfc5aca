// mkobj -- writes the sample cockpit object that a new aircraft shows: an instrument coaming
// (panel, glare shield and its curved lip) and a seat on a tube frame, with its texture.
//
//   mkobj <Aerodeck folder>     writes Aircraft/Untitled_cockpit.obj and Untitled_cockpit.bmp
//
// The object is version 700 text in metres around the aircraft's reference point (x right,
// y up, z aft). Every face winds clockwise seen from outside, the program's front-face sense;
// each emitter checks the winding against the face's outward direction and turns it when needed.
#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace {

struct v3 { double x, y, z; };
v3 operator+(v3 a, v3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
v3 operator-(v3 a, v3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
v3 operator*(v3 a, double k) { return {a.x * k, a.y * k, a.z * k}; }
v3 cross(v3 a, v3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
double dot(v3 a, v3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

struct vtx { v3 p; double s, t; };

std::string s_text;

void line(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
void line(const char* fmt, ...)
{
    char buf[256];
    va_list ap;
    va_start(ap, fmt);
    vsnprintf(buf, sizeof buf, fmt, ap);
    va_end(ap);
    s_text += buf;
    s_text += '\n';
}

void put(const vtx& v) { line("%9.4f %9.4f %9.4f   %.4f %.4f", v.p.x, v.p.y, v.p.z, v.s, v.t); }

// The normal the reader gives a face whose first three corners are a, b, c.
v3 face_normal(v3 a, v3 b, v3 c) { return cross(c - a, b - a); }

// A flat quad: centre c, half axes u (right) and v (up) seen from outside, texture rectangle.
void quad(v3 c, v3 u, v3 v, double s1, double t1, double s2, double t2)
{
    vtx q[4] = {{c - u + v, s1, t2}, {c + u + v, s2, t2}, {c + u - v, s2, t1}, {c - u - v, s1, t1}};
    const v3 out = cross(u, v);
    if (dot(face_normal(q[0].p, q[1].p, q[2].p), out) < 0) std::swap(q[1], q[3]);
    line("quad");
    for (const vtx& p : q) put(p);
}

// A box of half sizes h around c, every face textured with the same rectangle.
void box(v3 c, v3 h, double s1, double t1, double s2, double t2)
{
    const v3 X{h.x, 0, 0}, Y{0, h.y, 0}, Z{0, 0, h.z};
    quad(c + Z, X, Y, s1, t1, s2, t2);             // aft
    quad(c - Z, X * -1, Y, s1, t1, s2, t2);        // forward
    quad(c + X, Z * -1, Y, s1, t1, s2, t2);        // right
    quad(c - X, Z, Y, s1, t1, s2, t2);             // left
    quad(c + Y, X, Z * -1, s1, t1, s2, t2);        // top
    quad(c - Y, X, Z, s1, t1, s2, t2);             // bottom
}

// A flat polygon whose corners are given in order; out is the side it faces.
void polygon(std::vector<vtx> p, v3 out)
{
    if (dot(face_normal(p[0].p, p[1].p, p[2].p), out) < 0) std::reverse(p.begin() + 1, p.end());
    line("polygon %d", (int)p.size());
    for (const vtx& v : p) put(v);
}

// A round tube from a to b of radius r, as a quad strip around it.
void tube(v3 a, v3 b, double r, double s1, double t1, double s2, double t2)
{
    const v3 axis = b - a;
    v3 side = std::fabs(axis.y) > std::fabs(axis.x) ? v3{1, 0, 0} : v3{0, 1, 0};
    v3 u = cross(axis, side), w = cross(axis, u);
    u = u * (r / std::sqrt(dot(u, u)));
    w = w * (r / std::sqrt(dot(w, w)));
    const int n = 10;
    std::vector<vtx> ring;
    for (int i = 0; i <= n; i++) {
        const double ang = 2 * M_PI * i / n, s = s1 + (s2 - s1) * i / n;
        const v3 off = u * std::cos(ang) + w * std::sin(ang);
        ring.push_back({a + off, s, t1});
        ring.push_back({b + off, s, t2});
    }
    // The first quad's normal must point away from the axis.
    const v3 mid = (ring[0].p + ring[3].p) * 0.5;
    if (dot(face_normal(ring[0].p, ring[3].p, ring[2].p), mid - (a + axis * 0.5)) < 0)
        for (size_t i = 0; i < ring.size(); i += 2) std::swap(ring[i], ring[i + 1]);
    line("quad_strip %d", (int)ring.size());
    for (const vtx& v : ring) put(v);
}

// A disc facing out, as a triangle fan around its centre.
void disc(v3 c, v3 u, v3 v, int n, double sc, double tc, double sr, double tr)
{
    std::vector<vtx> p{{c, sc, tc}};
    for (int i = 0; i <= n; i++) {
        const double ang = 2 * M_PI * i / n;
        p.push_back({c + u * std::cos(ang) + v * std::sin(ang), sc + sr * std::cos(ang), tc + tr * std::sin(ang)});
    }
    if (dot(face_normal(p[0].p, p[1].p, p[2].p), cross(u, v)) < 0) std::reverse(p.begin() + 1, p.end());
    line("tri_fan %d", (int)p.size());
    for (const vtx& q : p) put(q);
}

void strap(v3 a, v3 b)
{
    line("line");
    line("%9.4f %9.4f %9.4f   6 5 2", a.x, a.y, a.z);
    line("%9.4f %9.4f %9.4f   6 5 2", b.x, b.y, b.z);
}

void write_object(void)
{
    line("I");
    line("700 version");
    line("OBJ");
    s_text += "\n";
    line("Untitled_cockpit");
    s_text += "\n";
    line("ATTR_shade_flat");
    // The instrument panel: a dark box with its face textured with the gauges.
    const double pz = -0.55;
    box({0, 0.05, pz - 0.03}, {0.42, 0.2, 0.03}, 0.02, 0.52, 0.48, 0.98);
    quad({0, 0.05, pz + 0.001}, {0.4, 0, 0}, {0, 0.18, 0}, 0.52, 0.52, 0.98, 0.98);
    // The glare shield over it, reaching aft, with a curved lip at its edge.
    box({0, 0.265, pz + 0.08}, {0.44, 0.015, 0.14}, 0.02, 0.52, 0.48, 0.98);
    std::vector<vtx> lip;
    for (int i = 0; i <= 12; i++) {
        const double x = -0.44 + 0.88 * i / 12, y = 0.28 + 0.05 * std::cos(M_PI * (x / 0.88));
        lip.push_back({{x, 0.28, pz + 0.22}, 0.02 + 0.46 * i / 12, 0.52});
        lip.push_back({{x, y, pz + 0.2}, 0.02 + 0.46 * i / 12, 0.98});
    }
    if (dot(face_normal(lip[0].p, lip[3].p, lip[2].p), {0, 0, 1}) < 0)
        for (size_t i = 0; i < lip.size(); i += 2) std::swap(lip[i], lip[i + 1]);
    line("quad_strip %d", (int)lip.size());
    for (const vtx& v : lip) put(v);
    // Side cheeks closing the coaming.
    for (int side = -1; side <= 1; side += 2)
        polygon({{{0.44 * side, -0.15, pz - 0.06}, 0.1, 0.55},
                 {{0.44 * side, 0.25, pz - 0.06}, 0.1, 0.95},
                 {{0.44 * side, 0.28, pz + 0.22}, 0.4, 0.95},
                 {{0.44 * side, 0.2, pz + 0.22}, 0.4, 0.85},
                 {{0.44 * side, -0.15, pz + 0.02}, 0.2, 0.55}},
                {(double)side, 0, 0});

    // The seat: cushion, back and headrest in leather, on a frame of tubes.
    line("ATTR_shade_smooth");
    const double sz = 0.55, sy = -0.3;
    box({0, sy, sz}, {0.23, 0.05, 0.22}, 0.02, 0.02, 0.48, 0.48);
    const v3 back_c{0, sy + 0.33, sz + 0.26};
    box(back_c, {0.22, 0.3, 0.045}, 0.02, 0.02, 0.48, 0.48);
    disc(back_c + v3{0, 0.4, 0.02}, {0.09, 0, 0}, {0, 0.09, 0.01}, 16, 0.25, 0.25, 0.2, 0.2);
    for (int sx = -1; sx <= 1; sx += 2)
        for (int fz = -1; fz <= 1; fz += 2)
            tube({0.2 * sx, -0.62, sz + 0.18 * fz}, {0.2 * sx, sy - 0.05, sz + 0.18 * fz}, 0.018, 0.55, 0.05, 0.95, 0.45);
    for (int fz = -1; fz <= 1; fz += 2)
        tube({-0.2, -0.6, sz + 0.18 * fz}, {0.2, -0.6, sz + 0.18 * fz}, 0.015, 0.55, 0.05, 0.95, 0.45);
    tube({-0.23, sy, sz + 0.22}, {-0.23, sy + 0.62, sz + 0.32}, 0.016, 0.55, 0.05, 0.95, 0.45);
    tube({0.23, sy, sz + 0.22}, {0.23, sy + 0.62, sz + 0.32}, 0.016, 0.55, 0.05, 0.95, 0.45);
    // Shoulder straps.
    strap({-0.12, sy + 0.62, sz + 0.2}, {-0.08, sy + 0.06, sz - 0.1});
    strap({0.12, sy + 0.62, sz + 0.2}, {0.08, sy + 0.06, sz - 0.1});
    line("end");
}

//=== the texture: 128 x 128, 24-bit BMP =====================================================
// Top left the coaming's dark crackle finish, top right the panel with six gauges, bottom left
// the seat's leather with stitching, bottom right the frame's metal.
void texel(int x, int y, unsigned char* rgb)
{
    unsigned h = (unsigned)(x * 73856093u ^ y * 19349663u);
    h = (h ^ (h >> 13)) * 1274126177u;
    const int noise = (int)((h >> 24) & 15) - 8;
    double r, g, b;
    if (y >= 64 && x < 64) {
        r = 58, g = 60, b = 64;
    } else if (y >= 64) {
        r = 34, g = 36, b = 40;
        const double gx = (x - 64) / 64.0 * 3, gy = (y - 64) / 64.0 * 2;
        const double dx = gx - std::floor(gx) - 0.5, dy = gy - std::floor(gy) - 0.5, d = std::sqrt(dx * dx + dy * dy);
        if (d < 0.36) r = g = b = 12;
        if (d >= 0.36 && d < 0.42) r = g = b = 200;
        if (d < 0.33 && std::fabs(std::atan2(dy, dx) - 0.8) < 0.08) r = 240, g = 240, b = 230;   // needle
    } else if (x < 64) {
        r = 104, g = 64, b = 38;
        if (x % 16 == 3 || y % 16 == 3) r = 150, g = 110, b = 70;   // stitching
    } else {
        r = 150, g = 152, b = 158;
    }
    rgb[0] = (unsigned char)std::fmax(0, std::fmin(255, r + noise));
    rgb[1] = (unsigned char)std::fmax(0, std::fmin(255, g + noise));
    rgb[2] = (unsigned char)std::fmax(0, std::fmin(255, b + noise));
}

void le(std::vector<unsigned char>& o, uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; i++) o.push_back((unsigned char)(v >> (8 * i)));
}

std::vector<unsigned char> texture_bmp(void)
{
    const int n = 128;
    std::vector<unsigned char> o{'B', 'M'};
    le(o, 54 + n * n * 3, 4);
    le(o, 0, 4);
    le(o, 54, 4);
    le(o, 40, 4);
    le(o, n, 4);
    le(o, n, 4);
    le(o, 1, 2);
    le(o, 24, 2);
    for (int i = 0; i < 6; i++) le(o, 0, 4);
    for (int y = 0; y < n; y++)                    // bottom row first, blue green red
        for (int x = 0; x < n; x++) {
            unsigned char rgb[3];
            texel(x, y, rgb);
            o.push_back(rgb[2]);
            o.push_back(rgb[1]);
            o.push_back(rgb[0]);
        }
    return o;
}

int write_file(const std::filesystem::path& path, const void* data, size_t n)
{
    FILE* f = fopen(path.string().c_str(), "wb");
    if (!f) return 0;
    const bool ok = fwrite(data, 1, n, f) == n;
    return fclose(f) == 0 && ok;
}

}   // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: %s <Aerodeck folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path dir = std::filesystem::path(argv[1]) / "Aircraft";
    std::filesystem::create_directories(dir);
    write_object();
    const std::vector<unsigned char> bmp = texture_bmp();
    if (!write_file(dir / "Untitled_cockpit.obj", s_text.data(), s_text.size()) ||
        !write_file(dir / "Untitled_cockpit.bmp", bmp.data(), bmp.size())) {
        fprintf(stderr, "mkobj: could not write into %s\n", dir.string().c_str());
        return 1;
    }
    return 0;
}
