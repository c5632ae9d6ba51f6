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

}  // namespace kinloom
