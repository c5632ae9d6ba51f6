// Display scale: portable code keeps 96-DPI numbers; the Windows edge scales them for a window.
// Art: at 96 DPI the 1x art as it is, at 192 DPI the 2x art as it is, at any other scale the 2x
// art reduced with ReduceArt.
#pragma once

#include "platform/toolkit/geometry.h"

namespace kinloom {

constexpr int kBaseDpi = 96;
// The 2x art is drawn for this scale.
constexpr int kArt2xDpi = 2 * kBaseDpi;

// A 96-DPI coordinate at `dpi`: round(n * dpi / 96), a half rounded up. A rectangle scales by its
// edges, never by its size, so rectangles that meet at 96 DPI still meet; its scaled size may
// then differ by a pixel from one place to another.
int ScaleToDpi(int n, int dpi);
Rect ScaleToDpi(const Rect& r, int dpi);
Size ScaleToDpi(Size s, int dpi);

// The 96-DPI coordinate of the pixel at `pixel` on a window at `dpi`: the largest n with
// ScaleToDpi(n, dpi) <= pixel. So a point lies in a 96-DPI rectangle exactly when its pixel lies
// in the scaled rectangle, and a pointer on the scaled place of a hotspot is on the hotspot.
int UnscaleFromDpi(int pixel, int dpi);
Point UnscaleFromDpi(Point pixel, int dpi);

// Where the edge `n` of a picture lies in its art at `dpi`. The art holds frames of `length`
// pixels at 96 DPI, stacked from 0, each drawn for the place from `origin` to origin + length on
// the window (ReduceArt), so a frame at `dpi` is as long as that place scaled.
int ScaleArtEdge(int n, int origin, int length, int dpi);

}  // namespace kinloom
