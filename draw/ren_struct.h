// ren_struct.h -- renderer state: the texture table and the few drawing settings shared by the
// drawing code. No GL types here so that non-drawing code can read texture sizes.
#pragma once

enum {
    REN_NUM_TEX      = 9142,                // texture slots 0..9141
    REN_TEX_INTERFACE = 468,                // the widget art sheet
    REN_TEX_KOREAN   = 469,                 // Korean glyph sheet
    REN_TEX_BLANK    = 478,
    REN_TEX_BACK     = 480,                 // the 1024 x 1024 window background
    REN_TEX_LIGHTS   = 225,
    REN_TEX_MOVIE    = 420
};

// The background picture is drawn as a clear to its key colour plus the tiles that are not all
// that colour, taken from the texture in runs along each tile row.
enum {
    REN_BACK_TILE     = 16,                 // texels a tile side
    REN_BACK_MAX_RUNS = 2048                // every other tile of a 1024 x 1024 picture
};

struct ren_struct {
    // texture table, per slot
    float    tex_dx_vis[REN_NUM_TEX], tex_dy_vis[REN_NUM_TEX];   // the picture, pixels
    float    tex_dx_tot[REN_NUM_TEX], tex_dy_tot[REN_NUM_TEX];   // uploaded, padded size
    int      tex_vram[REN_NUM_TEX];                              // bytes uploaded, mip levels included

    // What the driver offers, found by OGL_probe at start.
    int   tex_clamp_avail, add_env_avail, dis_fog_avail, tex_comp_avail;
    int   num_tex_units;
    float max_iso;                          // largest anisotropy the driver offers
    int   max_tex_size;
    float current_alpha;                    // opacity of the background texture
    float zoom_act;
    int   plot_init_lights;                 // lights must be set up again before the next 3-D view
    // The 3-D view: the viewer's place and turn, whether it is outside the aircraft, and how
    // far the night lighting is on (0..1).
    float view_xyz[3];
    float final_psi, final_the;
    int   view_is_external;
    float lite_rat_on;
    // Light sprites: textured or points, the last point size, the size factor, and the
    // aircraft's place relative to the viewer and its attitude.
    int   tex_lites;
    float size_prv, size_mult;
    float lite_ref_xyz[3];
    float lite_ref_att[3];                  // the, psi, phi
    int   lite_ref_tilted;
    int   back_flat;                        // the background texture is one flat colour (slot 30)
    int   back_keyed;                       // the background picture is mostly back_key: clear, then runs
    float back_key[3];                      // RGB, 0..1
    int   back_run_count;
    short back_runs[REN_BACK_MAX_RUNS][4];  // first and last tile row, first and last tile column
};

// ren: defined in draw/OGL_layout.cpp; written only by draw/ (texture loads, the GL probe at
// start, the background plan), by the shell's start-up defaults and by the view commands (zoom_act).
// Everyone else reads.
extern ren_struct ren;
