// A decoded picture: 32-bit 0x00RRGGBB pixels in top-down rows, and the plain rectangle copy.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/toolkit/geometry.h"

namespace kinloom {

class Bitmap {
 public:
  Bitmap() = default;
  Bitmap(int width, int height, std::uint32_t fill = 0);

  int Width() const { return width_; }
  int Height() const { return height_; }
  Size GetSize() const { return {width_, height_}; }
  Rect Bounds() const { return {0, 0, width_, height_}; }
  bool IsEmpty() const { return width_ == 0 || height_ == 0; }

  // A bitmap of that size whose pixels `fill` writes when they are first read or written.
  // Art that is never shown then costs no memory, and art shown later costs its memory later:
  // fresh memory is what start-up pays for most under Wine. `fill` may throw; the pixels are
  // then left black and the error goes to whoever touched them.
  static Bitmap Deferred(int width, int height, std::function<void(Bitmap&)> fill);

  // Unchecked access; callers stay inside Bounds().
  std::uint32_t Pixel(int x, int y) const { return Pixels()[Index(x, y)]; }
  void SetPixel(int x, int y, std::uint32_t colour) { Pixels()[Index(x, y)] = colour; }
  std::uint32_t* Row(int y) { return &Pixels()[Index(0, y)]; }
  const std::uint32_t* Row(int y) const { return &Pixels()[Index(0, y)]; }

  // Copies srcRect of src to (dstX, dstY) of this bitmap, pixel for pixel, clipped to both
  // bitmaps. Never allocates: frame changes run this on every mouse event.
  void CopyRect(int dstX, int dstY, const Bitmap& src, const Rect& srcRect);
  void FillRect(const Rect& area, std::uint32_t colour);

  // 8 or 24 for decoded art, 32 for bitmaps made in memory; the asset checks read it.
  int SourceBitsPerPixel() const { return sourceBitsPerPixel_; }
  void SetSourceBitsPerPixel(int bits) { sourceBitsPerPixel_ = bits; }

  // How many CopyRect calls this process has made; the per-event cost tests read the difference.
  static long CopyRectCount();

 private:
  std::vector<std::uint32_t>& Pixels() const {
    if (fill_) RunFill();
    return pixels_;
  }
  void RunFill() const;

  std::size_t Index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
           static_cast<std::size_t>(x);
  }

  int width_ = 0;
  int height_ = 0;
  int sourceBitsPerPixel_ = 32;
  // Mutable: filling a deferred bitmap on first use does not change what it shows.
  mutable std::vector<std::uint32_t> pixels_;
  mutable std::function<void(Bitmap&)> fill_;
};

}  // namespace kinloom
