// A picture held in memory: 32-bit 0x00RRGGBB pixels or 8-bit palette indexes, in top-down rows,
// and the plain rectangle copy.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/toolkit/geometry.h"

namespace kinloom {

// A plain value: its accessors neither allocate nor throw.
class Bitmap {
 public:
  Bitmap() = default;
  // Colour pixels, all `fill`.
  Bitmap(int width, int height, std::uint32_t fill = 0);
  // Indexed pixels, all index 0, shown through `palette` filled up to 256 colours (a longer
  // one is cut there).
  // 256-colour art stays indexed: a quarter of the memory, turned into colour as it is copied.
  Bitmap(int width, int height, const std::vector<std::uint32_t>& palette);

  int Width() const { return width_; }
  int Height() const { return height_; }
  Size GetSize() const { return {width_, height_}; }
  Rect Bounds() const { return {0, 0, width_, height_}; }
  bool IsEmpty() const { return width_ == 0 || height_ == 0; }
  bool IsIndexed() const { return !palette_.empty(); }
  const std::vector<std::uint32_t>& Palette() const { return palette_; }

  // Unchecked access; callers stay inside Bounds(). Pixel reads either kind as a colour.
  std::uint32_t Pixel(int x, int y) const {
    return IsIndexed() ? palette_[indexes_[Index(x, y)]] : pixels_[Index(x, y)];
  }
  // Colour bitmaps only.
  void SetPixel(int x, int y, std::uint32_t colour) { pixels_[Index(x, y)] = colour; }
  std::uint32_t* Row(int y) { return &pixels_[Index(0, y)]; }
  const std::uint32_t* Row(int y) const { return &pixels_[Index(0, y)]; }
  // Indexed bitmaps only.
  std::uint8_t* IndexRow(int y) { return &indexes_[Index(0, y)]; }

  // Copies srcRect of src to (dstX, dstY) of this colour bitmap, clipped to both bitmaps; an
  // indexed source is turned into colour on the way. Never allocates: frame changes run this
  // on every mouse event.
  void CopyRect(int dstX, int dstY, const Bitmap& src, const Rect& srcRect);
  // Colour bitmaps only.
  void FillRect(const Rect& area, std::uint32_t colour);

  // 8 or 24 for decoded art, 32 for bitmaps made in memory; the asset checks read it.
  int SourceBitsPerPixel() const { return sourceBitsPerPixel_; }
  void SetSourceBitsPerPixel(int bits) { sourceBitsPerPixel_ = bits; }

  // How many CopyRect calls this process has made; the per-event cost tests read the difference.
  static long CopyRectCount();

 private:
  std::size_t Index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
           static_cast<std::size_t>(x);
  }
  std::size_t Area() const { return Index(0, height_); }

  int width_ = 0;
  int height_ = 0;
  int sourceBitsPerPixel_ = 32;
  std::vector<std::uint32_t> pixels_;   // colour bitmaps
  std::vector<std::uint8_t> indexes_;   // indexed bitmaps
  std::vector<std::uint32_t> palette_;  // not empty exactly when indexed
};

}  // namespace kinloom
