// OGL_layer.h -- a kept copy of part of the drawn frame, drawn back pixel for pixel.
// A window whose picture is mostly still while something moves over it draws the still part
// once, keeps it, and in later frames draws the copy back (one unblended, unfiltered quad) and
// only the changing parts anew: far fewer filled pixels on a software renderer.
#pragma once

// Copy the back buffer's rectangle (window-relative interface coordinates, as drawn so far this
// frame) into the layer's texture. 0 when it cannot be kept (larger than the driver's textures).
int  OGL_layer_save(float x, float y, float dx, float dy);
// Draw the kept copy back where it was taken from; 0 when nothing is kept.
int  OGL_layer_draw(void);
// The copy is gone (a new context, the start-up reset, or the caller's picture changed).
void OGL_layer_forget(void);
