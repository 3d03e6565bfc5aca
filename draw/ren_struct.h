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

struct ren_struct {
    // texture table, per slot
    float    tex_dx_vis[REN_NUM_TEX], tex_dy_vis[REN_NUM_TEX];   // the picture, pixels
    float    tex_dx_tot[REN_NUM_TEX], tex_dy_tot[REN_NUM_TEX];   // uploaded, padded size
    int      tex_vram[REN_NUM_TEX];                              // bytes uploaded, mip levels included

    int   num_tex_units;
    float max_iso;                          // largest anisotropy the driver offers
    int   max_tex_size;
    float current_alpha;                    // opacity of the background texture
    float zoom_act;
    int   plot_init_lights;                 // lights must be set up again before the next 3-D view
    int   back_flat;                        // the background texture is one flat colour (slot 30)
};

// ren: defined in HL_GRAPH.cpp; written only by draw/ (texture loads, the GL probe's results
// through the shell at start). Everyone else reads.
extern ren_struct ren;
