// Reducing the 2x art to the display scale of a window, by area averaging.
#pragma once

#include "platform/toolkit/bitmap.h"
#include "platform/toolkit/geometry.h"

namespace kinloom {

// The 2x art of a picture that lies at `placed` in 96-DPI client coordinates (a background at
// (0, 0) with its size, a hotspot at its rectangle), made of `frames` frames of equal height
// stacked top to bottom, as a colour bitmap for a window at `dpi`: the frames in the same order,
// each of the size of ScaleToDpi(placed, dpi), so that frame f is the rectangle
// (0, f * h, w, (f + 1) * h) and lands exactly on the scaled rectangle.
//
// Each pixel is the average of the 2x pixels under it on the window, each weighted by the area
// it covers, rounded to nearest. Every picture of a window is reduced on one grid, so a frame
// cut from the background equals the reduced background at every pixel that lies wholly inside
// the rectangle; an edge pixel averages only its own frame's pixels, so frames never bleed into
// each other. Throws kinloom::Error unless `art2x` is twice the size of `placed` in each frame,
// `frames` is at least 1 and `dpi` is positive.
Bitmap ReduceArt(const Bitmap& art2x, const Rect& placed, int frames, int dpi);

}  // namespace kinloom
