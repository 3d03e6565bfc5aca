// icon.cpp -- the program's desktop icon: a white aircraft in plan view on a blueprint tile.
// Drawn from shapes at every size the desktops ask for, so each size is sharp rather than a
// scaled copy of the largest.
#include <algorithm>
#include <cmath>

#include "tools/mkart/mkart.h"

namespace {

// The aircraft in unit coordinates (0..1 across the tile, y up), nose up: a slender fuselage,
// swept wings and tailplane. Mirrored about x = 0.5.
Shape aircraft(float k, float grow)
{
    auto P = [k](float x, float y) { return Pt{x * k, y * k}; };
    auto wing = [&](float root_le, float root_te, float tip_x, float tip_le, float tip_te) {
        return std::vector<Pt>{P(0.5f, root_le + grow), P(0.5f + tip_x + grow, tip_le + grow),
                               P(0.5f + tip_x + grow, tip_te - grow), P(0.5f, root_te - grow),
                               P(0.5f - tip_x - grow, tip_te - grow), P(0.5f - tip_x - grow, tip_le + grow)};
    };
    Shape s;
    s.capsule(0.5f * k, 0.15f * k, 0.5f * k, 0.85f * k, (0.052f + grow) * k);
    s.polygon(wing(0.62f, 0.45f, 0.39f, 0.45f, 0.38f));
    s.polygon(wing(0.27f, 0.17f, 0.17f, 0.18f, 0.13f));
    return s;
}

}  // namespace

Canvas draw_icon(int size)
{
    const float k = (float)size;
    Canvas c(size, size);
    const float radius = 0.22f * k, inset = size >= 32 ? 0.03f * k : 0.f;

    // The tile: a deep-to-bright blue gradient with a faint highlight along its top.
    const RGBA deep = rgb8(22, 62, 132), bright = rgb8(44, 150, 226);
    Shape tile;
    tile.rect(inset, inset, k - inset, k - inset, radius);
    fill_shape(c, tile, [&](float, float y) {
        RGBA col = mix(deep, bright, std::clamp(y / k, 0.f, 1.f));
        const float top = std::clamp((y - 0.86f * k) / (0.14f * k), 0.f, 1.f);
        return mix(col, rgb8(120, 200, 250), 0.35f * top);
    });

    // The drafting grid of a blueprint, only where it stays a texture rather than noise.
    if (size >= 48) {
        const RGBA line = rgb8(255, 255, 255, 0.10f);
        const int cells = 8;
        for (int i = 1; i < cells; i++) {
            const float v = inset + (k - 2 * inset) * i / cells;
            Shape g;
            g.rect(v - 0.5f, inset, v + 0.5f, k - inset);
            g.rect(inset, v - 0.5f, k - inset, v + 0.5f);
            Shape clipped;
            clipped.add.push_back([g, tile](float x, float y) { return g.inside(x, y) && tile.inside(x, y); });
            fill_shape(c, clipped, line);
        }
    }

    // A soft shadow down and to the right, then the aircraft in white with a cool edge.
    const float shadow_off = std::max(1.f, 0.025f * k);
    Canvas shadow = shape_mask(aircraft(k, 0.f), size, size);
    draw_grown(c, shadow, std::max(0.5f, 0.015f * k), rgb8(8, 30, 70, 0.45f), (int)std::lround(shadow_off),
               -(int)std::lround(shadow_off));
    fill_shape(c, aircraft(k, 0.f), [&](float, float y) {
        return mix(rgb8(226, 238, 250), rgb8(255, 255, 255), std::clamp(y / k, 0.f, 1.f));
    });

    // An orange wing-tip light on each side: the one touch of colour, kept off the tiny sizes.
    if (size >= 32) {
        Shape lights;
        lights.circle(0.11f * k, 0.415f * k, 0.022f * k);
        lights.circle(0.89f * k, 0.415f * k, 0.022f * k);
        fill_shape(c, lights, rgb8(255, 153, 51));
    }
    return c;
}
