// The menu as it lies on a screen of another display scale: its places and its art there.
#pragma once

#include <windows.h>

#include <string>

#include "tests/e2e/image.h"

namespace kinloom::e2e {

// The display scale Wine reports to every program: the prefix's LogPixels.
int DisplayDpi();

// A 96-DPI rectangle or point of a window's client area, as the menu places it at `dpi`.
RECT ScaledRect(const RECT& r, int dpi);
POINT ScaledPoint(POINT p, int dpi);

// The art in `file1x` (its 2x twin `file2x`), drawn for the 96-DPI client rectangle `placed` in
// `frames` stacked frames, as the menu shows it at `dpi`: the 1x file at 96 DPI, the 2x file at
// 192, and the 2x file reduced as the menu reduces it at any other scale. Throws
// std::runtime_error when a file cannot be read.
Image ArtAtDpi(const std::string& file1x, const std::string& file2x, const RECT& placed, int frames,
               int dpi);

}  // namespace kinloom::e2e
