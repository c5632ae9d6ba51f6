// Whether two pictures have the same size and show the same colour at every pixel, whichever
// kind (colour or indexed) each one is held as.
#pragma once

#include "platform/toolkit/bitmap.h"

namespace kinloom {

inline bool SamePixels(const Bitmap& a, const Bitmap& b) {
  if (a.GetSize() != b.GetSize()) return false;
  for (int y = 0; y < a.Height(); ++y) {
    for (int x = 0; x < a.Width(); ++x) {
      if (a.Pixel(x, y) != b.Pixel(x, y)) return false;
    }
  }
  return true;
}

}  // namespace kinloom
