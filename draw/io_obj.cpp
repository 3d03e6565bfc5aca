// io_obj.cpp -- object files: the text of a model turned into drawing commands per level of
// detail. No GL here: the display lists are built by OGL_obj.cpp once a model is parsed.
//
// An object file is written by hand and by exporters, so a damaged one keeps every primitive
// read before the damage (the rest is dropped and "Error.out" says where), while the faults the
// format defines as fatal (an unknown primitive word, an illegal object or build type) stop the
// program with their alert.
#include "draw/io_obj.h"
#include "draw/HL_BITMAP.h"
#include "draw/ren_struct.h"
#include "base/IO_TYPED.h"
#include "base/IO_UTILS.h"
#include "base/HL_MATH_FUN.h"
#include "base/alert.h"
#include "base/records.h"
#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <unordered_map>
#include <sys/stat.h>

std::vector<vec_mod_struct> vec_mod;

// Parsing state; one object is parsed at a time, on the main thread.
static struct {
    int  prev_cmd = -1, prev_M = -1, prev_L = -1;   // the last begin or attribute command
    long total_acts = 0;                    // commands held by all models
    int  full = 0;                          // the command budget ran out during this parse
    int  tex_ind = 0;                       // next object texture slot, 500 + tex_ind
    std::string tex_key[OBJ_TEX_SLOTS];     // the picture each slot holds
    std::unordered_map<std::string, int> tex_slot;   // picture path -> slot
} s;

void OBJ_reset(void)
{
    vec_mod.clear();
    vec_mod.shrink_to_fit();
    s.prev_cmd = s.prev_M = s.prev_L = -1;
    s.total_acts = 0;
    s.full = 0;
    s.tex_ind = 0;
    for (std::string& k : s.tex_key) k.clear();
    s.tex_slot.clear();
}

static void obj_log(const std::string& what, const std::string& path)
{
    if (!xer) return;
    fprintf(xer, "Object file: %s: %s\n", what.c_str(), IO_host_path(path).c_str());
    fflush(xer);
}

//=== commands ===============================================================================
static bool is_begin_or_attr(int cmd) { return (cmd >= 1 && cmd <= 12) || (cmd >= 22 && cmd <= 98); }
static bool is_end(int cmd) { return cmd >= OBJ_END_LIGHT && cmd <= OBJ_END_POLY; }
static bool is_vertex(int cmd) { return cmd >= OBJ_LIGHT_VRT && cmd <= OBJ_TEX_VRT; }

void build_cmd(int M, int L, int* C, int cmd)
{
    if (C) *C = -1;
    if (M < 0 || M >= (int)vec_mod.size() || L < 0 || L >= (int)vec_mod[M].vec_lod.size()) return;
    std::vector<vec_act_struct>& acts = vec_mod[M].vec_lod[L].vec_act;
    if (is_begin_or_attr(cmd)) {
        // Another primitive of the kind just drawn continues the same begin/end pair.
        if (cmd >= OBJ_LIGHT && cmd <= OBJ_QUADS && cmd == s.prev_cmd && M == s.prev_M && L == s.prev_L &&
            !acts.empty() && is_end(acts.back().act)) {
            acts.pop_back();
            s.total_acts--;
            return;
        }
        s.prev_cmd = cmd;
        s.prev_M = M;
        s.prev_L = L;
    }
    if (s.total_acts >= OBJ_MAX_TOTAL_ACTS) {
        s.full = 1;
        return;
    }
    acts.push_back(vec_act_struct{cmd, {0, 0, 0, 0, 0, 0}});
    s.total_acts++;
    if (C) *C = (int)acts.size() - 1;
}

bool cmd_is_DIS(int M, int L, int C)
{
    if (M < 0 || M >= (int)vec_mod.size() || L < 0 || L >= (int)vec_mod[M].vec_lod.size()) return false;
    const std::vector<vec_act_struct>& acts = vec_mod[M].vec_lod[L].vec_act;
    if (C < 0 || C >= (int)acts.size()) return false;
    switch (acts[C].act) {
    case 1: case 6: case 7: case 8: case 14: case 16: case 18: case 20: case 34: case 36: return false;
    default: return true;
    }
}

int OBJ_lod_for(int M, float d2)
{
    if (M < 0 || M >= (int)vec_mod.size()) return -1;
    const std::vector<vec_lod_struct>& lods = vec_mod[M].vec_lod;
    for (int L = (int)lods.size() - 1; L >= 0; L--)
        if (d2 >= lods[L].dis_near_sqr && d2 <= lods[L].dis_far_sqr) return L;
    return -1;
}

//=== normals ================================================================================
// The normal command at c of a primitive of kind cmd whose commands run from first (its begin,
// or the first command it added to a run) to last: which three vertices span it.
static int normal_corners(const std::vector<vec_act_struct>& a, int first, int c, int kind, int idx[3])
{
    switch (kind) {
    case OBJ_TRIS: case OBJ_QUADS: case OBJ_QUADS_HARD: case OBJ_POLYGON: case OBJ_MOVIE:
        idx[0] = c + 1, idx[1] = c + 2, idx[2] = c + 3;
        return 1;
    case OBJ_QUAD_STRIP: case OBJ_TRI_STRIP: {
        // The first pair's normal looks ahead to the first quad or triangle, the others back.
        const int shift = c > 0 && a[c - 1].act == kind ? 3 : 0;
        if (kind == OBJ_QUAD_STRIP) idx[0] = c - 2 + shift, idx[1] = c + 2 + shift, idx[2] = c + 1 + shift;
        else idx[0] = c - 1 + shift, idx[1] = c + 2 + shift, idx[2] = c + 1 + shift;
        return 1;
    }
    case OBJ_TRI_FAN: {
        const int hub = first + 2;          // begin, normal, first vertex
        if (c + 1 == hub) idx[0] = hub, idx[1] = hub + 2, idx[2] = hub + 4;   // the hub takes the first triangle's
        else idx[0] = hub, idx[1] = c + 1, idx[2] = c + 3;
        return 1;
    }
    default: return 0;
    }
}

static void set_normals(std::vector<vec_act_struct>& a, int first, int last, int kind, const std::string& path)
{
    for (int c = first; c <= last; c++) {
        if (a[c].act != OBJ_NORMAL) continue;
        int idx[3] = {0, 0, 0};
        if (!normal_corners(a, first, c, kind, idx))
            MACIBM_alert(0, "Trying to do a normal vector for a non-planar shape!", path.c_str(), "", "", 17);
        // At a fan's end the vertex two ahead is past it: the fan's third vertex serves.
        if (kind == OBJ_TRI_FAN && (idx[2] > last || !is_vertex(a[idx[2]].act))) idx[2] = first + 6;
        bool ok = true;
        for (int& i : idx) ok = ok && i >= first && i <= last && is_vertex(a[i].act);
        if (!ok) {
            // Too short a strip or fan for its rule: the primitive's first three vertices.
            int k = 0;
            for (int i = first; i <= last && k < 3; i++)
                if (is_vertex(a[i].act)) idx[k++] = i;
            ok = k == 3;
        }
        a[c].dat[0] = 0, a[c].dat[1] = 1, a[c].dat[2] = 0;
        if (!ok) continue;
        // Front faces wind clockwise, so the normal that faces out of them is the edge to the
        // third vertex crossed with the edge to the second.
        const float* p0 = a[idx[0]].dat;
        const float e1[3] = {a[idx[2]].dat[0] - p0[0], a[idx[2]].dat[1] - p0[1], a[idx[2]].dat[2] - p0[2]};
        const float e2[3] = {a[idx[1]].dat[0] - p0[0], a[idx[1]].dat[1] - p0[1], a[idx[1]].dat[2] - p0[2]};
        find_normal_vects(e1, e2, a[c].dat);
    }
}

//=== reading the text =======================================================================
// A number of the file: finite and of a size a model can hold; 0 when the text there is none.
static int num(float* out)
{
    double d;
    if (!txt_num_scan(&d) || check_nan((float)d)) return 0;
    *out = (float)d;
    return 1;
}

static int whole_num(int* out)
{
    float f;
    if (!num(&f) || f != std::floor(f) || std::fabs(f) > 1e9f) return 0;
    *out = (int)f;
    return 1;
}

static bool same_word(const char* a, const char* b)
{
    const size_t n = strlen(b);
    return strlen(a) == n && lo_case_strcmp_len(a, b, (int)n) == 0;
}

struct poly_word { const char* word; int code; int verts; };   // verts 0: a count follows
static const poly_word s_words[] = {
    {"light", OBJ_LIGHT, 1}, {"line", OBJ_LINES, 2}, {"tri", OBJ_TRIS, 3}, {"quad", OBJ_QUADS, 4},
    {"quad_hard", OBJ_QUADS_HARD, 4}, {"smoke_black", OBJ_SMOKE_BLACK, 0}, {"smoke_white", OBJ_SMOKE_WHITE, 0},
    {"quad_movie", OBJ_MOVIE, 4}, {"polygon", OBJ_POLYGON, -1}, {"quad_strip", OBJ_QUAD_STRIP, -1},
    {"tri_strip", OBJ_TRI_STRIP, -1}, {"tri_fan", OBJ_TRI_FAN, -1},
    {"shade_flat", OBJ_SHADE_FLAT, 0}, {"ATTR_shade_flat", OBJ_SHADE_FLAT, 0},
    {"shade_smooth", OBJ_SHADE_SMOOTH, 0}, {"ATTR_shade_smooth", OBJ_SHADE_SMOOTH, 0},
    {"ATTR_ambient_rgb", OBJ_AMBIENT, 0}, {"ATTR_difuse_rgb", OBJ_DIFFUSE, 0},
    {"ATTR_specular_rgb", OBJ_SPECULAR, 0}, {"ATTR_emission_rgb", OBJ_EMISSION, 0},
    {"ATTR_shiny_rat", OBJ_SHINY, 0}, {"ATTR_no_depth", OBJ_NO_DEPTH, 0}, {"ATTR_depth", OBJ_DEPTH, 0},
    {"ATTR_no_cull", OBJ_NO_CULL, 0}, {"ATTR_cull", OBJ_CULL, 0}, {"ATTR_poly_os", OBJ_POLY_OS, 0},
    {"ATTR_LOD", OBJ_LOD, 0}, {"ATTR_reset", OBJ_RESET, 0}, {"end", OBJ_END_FILE, 0},
};

// Version 2 numbers its primitives: 1 light, 2 line, 3 triangle, 4 quad, 5 hard quad, 6 and 7
// quads, 8 movie quad, -n a strip of n quad pairs, 99 the end.
static int v2_poly_type(const std::string& label, int* numverts)
{
    int p;
    if (!whole_num(&p)) return inf && feof(inf) ? OBJ_END_FILE : -1;
    if (p < 0) {
        *numverts = p < -1000000 ? 2000000 : -2 * p;
        return OBJ_QUAD_STRIP;
    }
    switch (p) {
    case 1: case 2: case 3: case 4: case 5: case 8:
        *numverts = intlim(p, 1, 4);
        return p;
    case 6: case 7: *numverts = 4; return OBJ_QUADS;
    case 99: return OBJ_END_FILE;
    }
    std::string word;
    int_to_str(p, &word, 1);
    MACIBM_alert(0, "I cannot find a poly type for:", word.c_str(), "Bad polygon type in the following:", label.c_str(), 17);
    return -1;
}

int get_poly_type(const std::string& label, int version, int* numverts)
{
    *numverts = 0;
    if (version != 700) return v2_poly_type(label, numverts);
    char word[64];
    if (!wrd_scan(word, sizeof word, 0)) return OBJ_END_FILE;   // the file ended between primitives
    for (const poly_word& w : s_words) {
        if (!same_word(word, w.word)) continue;
        *numverts = w.verts;
        if (w.verts < 0 && !whole_num(numverts)) return -1;
        return w.code;
    }
    if (lo_case_strcmp_len(word, "ATTR", 4) == 0) return OBJ_ATTR_UNKNOWN;
    MACIBM_alert(0, "I cannot find a poly type for:", word, "Bad polygon type in the following:", label.c_str(), 17);
    return -1;
}

//=== one model ==============================================================================
struct obj_parse {
    int M, L = 0, version;
    int lod_seen = 0;                       // an ATTR_LOD has set the first level's band
    int prims = 0;                          // primitives kept
    std::string path;
};

// A vertex as read: x, y, z and s, t or r, g, b.
typedef std::array<float, 6> obj_vtx;

static const char* s_kind_name[] = {"", "light", "line", "tri", "quad", "quad_hard", "smoke", "smoke", "quad_movie",
                                    "polygon", "quad_strip", "tri_strip", "tri_fan"};

// The smallest vertex count that makes a primitive of the kind.
static int min_verts(int kind)
{
    switch (kind) {
    case OBJ_LIGHT: return 1;
    case OBJ_LINES: return 2;
    case OBJ_QUAD_STRIP: return 4;
    default: return 3;
    }
}

// Read the vertices of one primitive into v; 0 when the numbers run out or are not numbers.
static int read_vertices(obj_parse& P, int kind, int n, std::vector<obj_vtx>& v)
{
    v.clear();
    const bool coloured = kind == OBJ_LIGHT || kind == OBJ_LINES;
    if (P.version == 700) {
        const float k = con.mtrstoft;
        for (int i = 0; i < n; i++) {
            obj_vtx p{};
            for (int j = 0; j < (coloured ? 6 : 5); j++)
                if (!num(&p[j])) return 0;
            for (int j = 0; j < 3; j++) p[j] *= k;
            if (coloured)
                for (int j = 3; j < 6; j++) p[j] *= 0.1f;
            v.push_back(p);
        }
        return 1;
    }
    if (kind == OBJ_QUAD_STRIP) {
        for (int i = 0; i < n / 2; i++) {
            float f[10];
            for (float& x : f)
                if (!num(&x)) return 0;
            v.push_back(obj_vtx{f[0], f[1], f[2], f[6], f[8], 0});
            v.push_back(obj_vtx{f[3], f[4], f[5], f[7], f[9], 0});
        }
        return 1;
    }
    float head[4];
    for (int j = 0; j < (coloured ? 3 : 4); j++)
        if (!num(&head[j])) return 0;
    // s1 s2 t1 t2 give the corners (s2, t2), (s2, t1), (s1, t1), (s1, t2).
    const float st[4][2] = {{head[1], head[3]}, {head[1], head[2]}, {head[0], head[2]}, {head[0], head[3]}};
    for (int i = 0; i < n; i++) {
        obj_vtx p{};
        for (int j = 0; j < 3; j++)
            if (!num(&p[j])) return 0;
        if (coloured) p[3] = head[0] * 0.1f, p[4] = head[1] * 0.1f, p[5] = head[2] * 0.1f;
        else p[3] = st[i & 3][0], p[4] = st[i & 3][1];
        v.push_back(p);
    }
    return 1;
}

// Put one primitive's commands into the current level; 0 when the command budget ran out (the
// level is then as it was before the primitive).
static int add_primitive(obj_parse& P, int kind, const std::vector<obj_vtx>& v)
{
    std::vector<vec_act_struct>& acts = vec_mod[P.M].vec_lod[P.L].vec_act;
    const size_t before = acts.size();
    const vec_act_struct last_before = before ? acts.back() : vec_act_struct{};
    const int vcode = kind == OBJ_LIGHT ? OBJ_LIGHT_VRT : kind == OBJ_LINES ? OBJ_LINE_VRT
                      : kind == OBJ_MOVIE ? OBJ_MOVIE_VRT : OBJ_TEX_VRT;
    const int ecode = kind == OBJ_LIGHT ? OBJ_END_LIGHT : kind == OBJ_LINES ? OBJ_END_LINES
                      : kind == OBJ_MOVIE ? OBJ_END_MOVIE : OBJ_END_POLY;
    const bool once = kind == OBJ_TRIS || kind == OBJ_QUADS || kind == OBJ_QUADS_HARD || kind == OBJ_POLYGON ||
                      kind == OBJ_MOVIE;
    int C;
    build_cmd(P.M, P.L, &C, kind);
    const int first = C >= 0 ? C : (int)acts.size();
    for (size_t i = 0; i < v.size() && !s.full; i++) {
        const bool normal = (once && i == 0) || ((kind == OBJ_QUAD_STRIP || kind == OBJ_TRI_STRIP) && i % 2 == 0) ||
                            kind == OBJ_TRI_FAN;
        if (normal) build_cmd(P.M, P.L, &C, OBJ_NORMAL);
        build_cmd(P.M, P.L, &C, vcode);
        if (C >= 0) memcpy(acts[C].dat, v[i].data(), sizeof acts[C].dat);
    }
    build_cmd(P.M, P.L, &C, ecode);
    if (s.full) {
        s.total_acts -= (long)acts.size() - (long)before;
        acts.resize(before);
        if (before) acts.back() = last_before;
        s.prev_cmd = -1;
        return 0;
    }
    if (kind != OBJ_LIGHT && kind != OBJ_LINES) set_normals(acts, first, (int)acts.size() - 1, kind, P.path);
    P.prims++;
    return 1;
}

static void add_attribute(obj_parse& P, int code, const float* vals, int n)
{
    int C;
    build_cmd(P.M, P.L, &C, code);
    if (C < 0) return;
    vec_act_struct& a = vec_mod[P.M].vec_lod[P.L].vec_act[C];
    for (int i = 0; i < n && i < 6; i++) a.dat[i] = vals[i];
}

static void new_level(obj_parse& P, float near_d, float far_d)
{
    near_d = fltmax2(near_d, 0);
    far_d = fltmax2(far_d, 0);
    std::vector<vec_lod_struct>& lods = vec_mod[P.M].vec_lod;
    if (P.lod_seen) {
        lods.push_back(vec_lod_struct{});
        P.L = (int)lods.size() - 1;
    }
    P.lod_seen = 1;
    lods[P.L].dis_near_sqr = near_d * near_d;
    lods[P.L].dis_far_sqr = far_d * far_d;
}

// Primitives until "end", the end of the file, or damage.
static void read_primitives(obj_parse& P)
{
    static std::vector<obj_vtx> v;
    const char* damage = nullptr;
    while (!damage) {
        int n = 0;
        const int code = get_poly_type(P.path, P.version, &n);
        if (code == OBJ_END_FILE) break;
        if (code < 0) {
            damage = "a primitive word or its vertex count is not readable";
            break;
        }
        if (code <= OBJ_TRI_FAN && code != OBJ_SMOKE_BLACK && code != OBJ_SMOKE_WHITE) {
            if (!read_vertices(P, code, n, v)) {
                damage = "too few numbers, or a number that is not one, in a primitive";
                break;
            }
            if ((int)v.size() < min_verts(code)) {
                obj_log(std::string("a ") + s_kind_name[code] + " with too few vertices is left out", P.path);
                continue;
            }
            if (!add_primitive(P, code, v)) damage = "more than the program keeps for objects";
            continue;
        }
        const int want = code == OBJ_SMOKE_BLACK || code == OBJ_SMOKE_WHITE ? 4
                         : code >= OBJ_AMBIENT && code <= OBJ_EMISSION ? 3
                         : code == OBJ_SHINY || code == OBJ_POLY_OS ? 1
                         : code == OBJ_LOD ? 2 : 0;
        float vals[4] = {0, 0, 0, 0};
        for (int i = 0; i < want && !damage; i++)
            if (!num(&vals[i])) damage = "an attribute without its numbers";
        if (damage) break;
        if (code == OBJ_ATTR_UNKNOWN) {
            std::string rest;                // its values, whatever they are
            str_scan_to_EOL(&rest);
        }
        if (code == OBJ_LOD) new_level(P, vals[0], vals[1]);
        else add_attribute(P, code, vals, want);
        if (s.full) damage = "more than the program keeps for objects";
    }
    if (damage) {
        std::string what = damage;
        what += "; kept the ";
        std::string count;
        int_to_str(P.prims, &count, 1);
        what += count;
        what += " primitives before it";
        obj_log(what, P.path);
    }
}

//=== textures ===============================================================================
// The slot of a picture for objects, loading it into the next slot of the ring when it is new;
// -1 when there is no such picture.
static int obj_texture(const std::string& path, int filter)
{
    auto it = s.tex_slot.find(path);
    if (it != s.tex_slot.end()) return it->second;
    const int slot = OBJ_TEX_FIRST + s.tex_ind;
    if (!OGL_texbmp(OGL_TYPE_UPLOAD, slot, filter, path)) return -1;
    if (!s.tex_key[s.tex_ind].empty()) s.tex_slot.erase(s.tex_key[s.tex_ind]);   // the ring came round
    s.tex_key[s.tex_ind] = path;
    s.tex_slot[path] = slot;
    s.tex_ind = (s.tex_ind + 1) % OBJ_TEX_SLOTS;
    return slot;
}

static std::string texture_folder(const std::string& obj_path, int build_type)
{
    if (build_type == 10) return cus_path + "custom object textures:";
    if (build_type == 11) return app_path + "Resources:custom object textures:";
    std::string folder;
    get_path_with_path(&folder, obj_path);
    if (folder.size() == 1 && !is_a_dir_char(folder[0])) folder.clear();   // a bare name: no folder
    return folder;
}

static void read_textures(obj_parse& P, int build_type)
{
    char name[151];
    wrd_scan(name, sizeof name, 0);
    std::string rest;
    str_scan_to_EOL(&rest);
    vec_mod_struct& m = vec_mod[P.M];
    m.mod_type = 2;
    if (!name[0]) return;
    const std::string base = texture_folder(P.path, build_type) + name;
    std::string day = base, night = base;
    day += ".bmp";
    night += "LIT.bmp";
    const int t1 = obj_texture(day, OGL_FILT_KEY_MIP);
    const int t2 = obj_texture(night, OGL_FILT_RGB_MIP);
    if (t1 >= 0) m.tex1 = t1;
    if (t2 >= 0) m.tex2 = t2;
}

//=== building ===============================================================================
// The model under construction is removed again unless parsing reaches its end: a fatal alert
// that unwinds (in tests) leaves no half model behind to be found by its path.
struct model_guard {
    size_t index;
    bool kept = false;
    ~model_guard()
    {
        if (kept || vec_mod.size() != index + 1) return;
        for (const vec_lod_struct& l : vec_mod.back().vec_lod) s.total_acts -= (long)l.vec_act.size();
        vec_mod.pop_back();
        s.prev_cmd = -1;
    }
};

static int find_model(const std::string& key)
{
    for (size_t i = 0; i < vec_mod.size(); i++)
        if (vec_mod[i].path == key) return (int)i;
    return -1;
}

// With inf open on the first line after the header of a file of this version, read the model.
static int parse_model(const std::string& key, const std::string& path, int version, int build_type, long bytes)
{
    vec_mod.push_back(vec_mod_struct{key, 1, OBJ_TEX_DAY_DEFAULT, OBJ_TEX_NIGHT_DEFAULT, {}});
    model_guard guard{vec_mod.size() - 1};
    vec_mod.back().vec_lod.push_back(vec_lod_struct{0, 0, 0, 10000.0f * 10000.0f, {}});
    // A command takes a line of some 30 characters: room for them all at once spares the
    // copies of a growing list; what is left over is given back below.
    const long room = std::min((long)(1 << 20), (long)OBJ_MAX_TOTAL_ACTS - s.total_acts);
    vec_mod.back().vec_lod[0].vec_act.reserve((size_t)std::clamp(bytes / 24, 0L, std::max(room, 0L)));
    obj_parse P;
    P.M = (int)vec_mod.size() - 1;
    P.version = version;
    P.path = path;
    s.full = 0;
    s.prev_cmd = -1;
    if (version == 700) {
        std::string line;
        str_scan_to_EOL(&line);
    }
    read_textures(P, build_type);
    read_primitives(P);
    IO_inf_close();
    for (vec_lod_struct& l : vec_mod[P.M].vec_lod) l.vec_act.shrink_to_fit();
    s.prev_cmd = -1;
    guard.kept = true;
    OBJ_compile_model(P.M);
    return P.M;
}

static int check_types(int object_type, int build_type)
{
    if (object_type < 1 || object_type > 106) {
        MACIBM_alert(0, "Illegal object type!", "", "", "", 17);
        return 0;
    }
    if (build_type < 10 || build_type > 13) {
        MACIBM_alert(0, "Illegal build type!", "", "", "", 17);
        return 0;
    }
    return 1;
}

static std::string model_key(const std::string& basic_path, float dh)
{
    std::string key = basic_path;
    if (dh > 0 && !check_nan(dh)) {
        std::string h;
        int_to_str(intround(basic_path == "HELIPAD SO GIVE EXACT HEIGHT!" ? dh * 10.0f : dh * 0.1f), &h, 1);
        key += h;
    }
    return key;
}

// Open the object's bytes (a file, or memory when data is set) as version 2, then 700.
static int open_object(const unsigned char* data, long size, const std::string& path)
{
    for (int version : {2, 700}) {
        const int ok = data ? inf_open_memory(data, size, 0, version, 0, path) : inf_open(path, 0, version, 0);
        if (ok) return version;
    }
    return 0;
}

static int build_model(const unsigned char* data, long size, const std::string& key, const std::string& path,
                       int build_type)
{
    const int found = find_model(key);
    if (found >= 0) return found;
    const int version = open_object(data, size, path);
    if (!version) {
        if (data ? size > 0 : IO_file_exists(path)) obj_log("not an object file of version 2 or 700, not shown", path);
        return -1;
    }
    if ((int)vec_mod.size() >= OBJ_MAX_MODELS) {
        IO_inf_close();
        obj_log("too many objects loaded, not shown", path);
        return -1;
    }
    struct stat st;
    const long bytes = data ? size : (fstat(fileno(inf), &st) == 0 ? (long)st.st_size : 0);
    return parse_model(key, path, version, build_type, bytes);
}

int build_obs(float x, float y, float z, float dh, const std::string& basic_path, int object_type, int build_type)
{
    (void)x;
    (void)y;
    (void)z;
    if (!check_types(object_type, build_type)) return -1;
    // The built-in scenery objects are not this program's: only objects read from files.
    if (object_type != 8 && object_type != 106) return -1;
    return build_model(nullptr, 0, model_key(basic_path, dh), basic_path, build_type);
}

int OBJ_build_from_memory(const unsigned char* data, long size, const std::string& basic_path, int build_type)
{
    if (!check_types(106, build_type)) return -1;
    static const unsigned char s_none[1] = {0};
    return build_model(data ? data : s_none, data ? size : 0, basic_path, basic_path, build_type);
}
