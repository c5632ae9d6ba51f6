// Display scale: portable code keeps 96-DPI numbers; the Windows edge scales them for a window.
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

// The art scale to load for a window at `dpi`: 1 at 96 DPI (and below), shown as it is; 2
// above, shown as it is at 192 DPI and reduced with ReduceArt at any other scale.
int ArtScaleForDpi(int dpi);

}  // namespace kinloom
