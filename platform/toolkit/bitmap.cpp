// The plain pixel copy behind every frame change, and the bitmap's storage.
#include "platform/toolkit/bitmap.h"

#include <algorithm>
#include <cstring>

namespace kinloom {
namespace {

long copyRectCount = 0;

// Clips `src` (in the source) and the matching destination at (dstX, dstY) to both bitmaps.
// Returns the clipped source rectangle and moves the destination corner with it.
Rect ClipCopy(const Rect& dstBounds, int& dstX, int& dstY, const Rect& srcBounds,
              const Rect& srcRect) {
  // The requested corners fix the offset between source and destination, before any clipping.
  const int dx = dstX - srcRect.left;
  const int dy = dstY - srcRect.top;
  const Rect dst = srcRect.Intersect(srcBounds).Offset(dx, dy).Intersect(dstBounds);
  if (dst.IsEmpty()) return {};
  dstX = dst.left;
  dstY = dst.top;
  return dst.Offset(-dx, -dy);
}

}  // namespace

Bitmap::Bitmap(int width, int height, std::uint32_t fill)
    : width_(std::max(width, 0)), height_(std::max(height, 0)) {
  if (width_ == 0 || height_ == 0) width_ = height_ = 0;
  pixels_.assign(Area(), fill);
}

Bitmap::Bitmap(int width, int height, const std::vector<std::uint32_t>& palette)
    : width_(std::max(width, 0)), height_(std::max(height, 0)), palette_(256, 0) {
  if (width_ == 0 || height_ == 0) width_ = height_ = 0;
  // Every byte is an index into it, so no index can read past it; unused entries are black.
  std::copy_n(palette.begin(), std::min(palette.size(), palette_.size()), palette_.begin());
  indexes_.assign(Area(), 0);
}

void Bitmap::CopyRect(int dstX, int dstY, const Bitmap& src, const Rect& srcRect) {
  ++copyRectCount;
  if (IsIndexed()) return;  // an indexed bitmap is art as decoded, never a copy's target
  const Rect from = ClipCopy(Bounds(), dstX, dstY, src.Bounds(), srcRect);
  if (from.IsEmpty()) return;
  if (src.IsIndexed()) {
    for (int y = 0; y < from.Height(); ++y) {
      const std::uint8_t* in = &src.indexes_[src.Index(from.left, from.top + y)];
      std::uint32_t* out = Row(dstY + y) + dstX;
      for (int x = 0; x < from.Width(); ++x) out[x] = src.palette_[in[x]];
    }
    return;
  }
  const std::size_t bytes = static_cast<std::size_t>(from.Width()) * sizeof(std::uint32_t);
  // A copy within one bitmap may overlap: walk the rows away from the overlap, and memmove.
  const bool bottomFirst = &src == this && dstY > from.top;
  for (int i = 0; i < from.Height(); ++i) {
    const int y = bottomFirst ? from.Height() - 1 - i : i;
    std::memmove(Row(dstY + y) + dstX, src.Row(from.top + y) + from.left, bytes);
  }
}

void Bitmap::FillRect(const Rect& area, std::uint32_t colour) {
  if (IsIndexed()) return;
  const Rect clipped = area.Intersect(Bounds());
  for (int y = clipped.top; y < clipped.bottom; ++y) {
    std::fill(Row(y) + clipped.left, Row(y) + clipped.right, colour);
  }
}

long Bitmap::CopyRectCount() {
  return copyRectCount;
}

}  // namespace kinloom
