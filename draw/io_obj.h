// io_obj.h -- object files made into drawable models: the parser that turns the text into a
// list of drawing commands per level of detail (io_obj.cpp, no GL), and the display lists that
// draw them (OGL_obj.cpp).
// Results are ints: 1 success, 0 failure; a model's handle is its index in vec_mod, -1 = none.
#pragma once
#include <string>
#include <vector>

//=== the models =============================================================================
// Command codes of vec_act_struct.act.
enum {
    OBJ_LIGHT = 1, OBJ_LINES = 2, OBJ_TRIS = 3, OBJ_QUADS = 4, OBJ_QUADS_HARD = 5,
    OBJ_SMOKE_BLACK = 6, OBJ_SMOKE_WHITE = 7, OBJ_MOVIE = 8, OBJ_POLYGON = 9,
    OBJ_QUAD_STRIP = 10, OBJ_TRI_STRIP = 11, OBJ_TRI_FAN = 12,
    OBJ_NORMAL = 13, OBJ_LIGHT_VRT = 14, OBJ_LINE_VRT = 15, OBJ_MOVIE_VRT = 16, OBJ_TEX_VRT = 17,
    OBJ_END_LIGHT = 18, OBJ_END_LINES = 19, OBJ_END_MOVIE = 20, OBJ_END_POLY = 21,
    OBJ_SHADE_FLAT = 22, OBJ_SHADE_SMOOTH = 23,
    OBJ_AMBIENT = 24, OBJ_DIFFUSE = 25, OBJ_SPECULAR = 26, OBJ_EMISSION = 27, OBJ_SHINY = 28,
    OBJ_NO_DEPTH = 29, OBJ_DEPTH = 30, OBJ_NO_CULL = 31, OBJ_CULL = 32, OBJ_POLY_OS = 33,
    OBJ_LOD = 34, OBJ_RESET = 35, OBJ_ATTR_UNKNOWN = 36, OBJ_END_FILE = 99
};

// Limits that keep a damaged or enormous file from taking the machine: the models kept at once,
// and the commands all models together may hold (about 110 MB). A file that would pass the
// second keeps what fits and says so in "Error.out".
enum { OBJ_MAX_MODELS = 1024, OBJ_MAX_TOTAL_ACTS = 4 << 20 };
// Object textures take slots 500..999, reused as a ring.
enum { OBJ_TEX_FIRST = 500, OBJ_TEX_SLOTS = 500, OBJ_TEX_DAY_DEFAULT = 478, OBJ_TEX_NIGHT_DEFAULT = 479 };

struct vec_act_struct {
    int   act;                              // command code
    float dat[6];                           // x, y, z then s, t or r, g, b; or the attribute's values
};

struct vec_lod_struct {
    int   dl_day, dl_nit;                   // display lists, 0 = not compiled
    float dis_near_sqr, dis_far_sqr;        // squared viewing-distance band
    std::vector<vec_act_struct> vec_act;
};

struct vec_mod_struct {
    std::string path;                       // the key the model is found again by
    int mod_type;                           // 1 built in, 2 read from a file
    int tex1, tex2;                         // texture slots: day, night lighting
    std::vector<vec_lod_struct> vec_lod;
};

// vec_mod: defined in io_obj.cpp; written only by build_obs (and the display lists of
// OGL_obj.cpp); emptied by the start-up reset. Models are never removed while the program runs.
extern std::vector<vec_mod_struct> vec_mod;

//=== reading ================================================================================
// Find or build the model of an object file and return its handle, -1 when the file cannot be
// read (missing, or not an object file of version 2 or 700). x, y, z and dh are kept for the
// object library's callers; dh > 0 makes the height part of the key. object_type 8 and 106 are
// read from files; build_type 10..13 says where textures are found (12, 13: beside the file).
// Illegal types are fatal. Each new model's levels are compiled into display lists at once.
int build_obs(float x, float y, float z, float dh, const std::string& basic_path, int object_type, int build_type);
// The same from size bytes in memory standing for the file at basic_path (whose folder holds
// the textures); tests and the fuzzer read through this.
int OBJ_build_from_memory(const unsigned char* data, long size, const std::string& basic_path, int build_type);

// The next primitive keyword of a version-700 file on inf and its vertex count (1..4 for the
// fixed kinds, the count that follows for polygons, strips and fans). Returns the command code,
// 99 at "end" or the end of the file, -1 when a count is missing. An unknown word is fatal.
int get_poly_type(const std::string& label, int version, int* numverts);

// Append command cmd to level L of model M and return its index in *C. Consecutive lights, lines,
// triangles or quads in one level share one begin and one end.
void build_cmd(int M, int L, int* C, int cmd);
// Whether command C of level L of model M goes into a display list.
bool cmd_is_DIS(int M, int L, int C);
// The level of model M whose distance band holds the squared distance d2; -1 when none does.
int OBJ_lod_for(int M, float d2);

void OBJ_reset(void);                       // no models, no object textures; part of the start-up reset

//=== drawing (OGL_obj.cpp) ===================================================================
// Model M, level L: DL_type 0 compiles the level into its day (nite 0) or night (nite 1) list;
// 1 draws the model at (x, y, z) turned by psi, the, phi (degrees), picking the level by the
// distance from the eye (0 when use_dist is 0: the aircraft's own cockpit object); 2 runs the
// level's commands directly. Draws nothing for a handle that is not a model.
void plot_build_obj(int M, int L, float x, float y, float z, float psi, float the, float phi, int nite, int DL_type,
                    int use_dist);
// What the aircraft drawing calls for its cockpit object: model M at xyz in the aircraft's
// frame, whatever the viewing distance (the night list when nite).
void OBJ_draw_at(int M, const float xyz[3], int nite);
// The GL side of the builder, called by build_obs once a model is parsed (the null platform
// compiles nothing).
void OBJ_compile_model(int M);
