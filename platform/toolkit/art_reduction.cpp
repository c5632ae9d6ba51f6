// Area-averaging reduction of 2x art, on the grid of the window it is shown in.
#include "platform/toolkit/art_reduction.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/error.h"
#include "platform/toolkit/display_scale.h"

namespace kinloom {
namespace {

// Which 2x pixels each scaled pixel along one axis covers, and how much of each: scaled pixel t
// covers 2x pixels first[t] onwards, with the weights from offset[t] to offset[t + 1].
struct AxisCover {
  std::vector<int> first;
  std::vector<std::size_t> offset;
  std::vector<std::uint32_t> weights;
};

// Lengths are measured in units of which a scaled pixel holds 192 and a 2x pixel holds `dpi`,
// so every overlap is a whole number. `origin` is the picture's 96-DPI place on this axis, the
// 2x picture is `length2x` long, and its scaled pixels start at `scaledStart` on the window.
AxisCover Cover(int origin, int scaledStart, int scaledLength, int length2x, int dpi) {
  AxisCover cover;
  const std::int64_t shift = std::int64_t{2} * origin * dpi;
  const std::int64_t end = std::int64_t{length2x} * dpi;
  for (int t = 0; t < scaledLength; ++t) {
    const std::int64_t edge = (std::int64_t{scaledStart} + t) * kArt2xDpi - shift;
    const std::int64_t from = std::max<std::int64_t>(edge, 0);
    const std::int64_t to = std::min<std::int64_t>(edge + kArt2xDpi, end);
    cover.first.push_back(static_cast<int>(from / dpi));
    cover.offset.push_back(cover.weights.size());
    for (std::int64_t i = from / dpi; i * dpi < to; ++i) {
      const std::int64_t overlap = std::min(to, (i + 1) * dpi) - std::max(from, i * dpi);
      cover.weights.push_back(static_cast<std::uint32_t>(overlap));
    }
  }
  cover.offset.push_back(cover.weights.size());
  return cover;
}

// The weighted average of the 2x pixels under scaled pixel (x, y) of the frame whose 2x rows
// start at `frameTop`. The weights of one pixel add up to at most 192 * 192, so the sums fit.
std::uint32_t Average(const Bitmap& art, const AxisCover& xs, int x, const AxisCover& ys, int y,
                      int frameTop) {
  std::uint32_t red = 0, green = 0, blue = 0, total = 0;
  for (std::size_t j = ys.offset[y]; j < ys.offset[y + 1]; ++j) {
    const int sourceY = frameTop + ys.first[y] + static_cast<int>(j - ys.offset[y]);
    for (std::size_t i = xs.offset[x]; i < xs.offset[x + 1]; ++i) {
      const std::uint32_t weight = xs.weights[i] * ys.weights[j];
      const std::uint32_t colour =
          art.Pixel(xs.first[x] + static_cast<int>(i - xs.offset[x]), sourceY);
      red += weight * (colour >> 16 & 0xFF);
      green += weight * (colour >> 8 & 0xFF);
      blue += weight * (colour & 0xFF);
      total += weight;
    }
  }
  // A scaled pixel lies between the scaled edges, rounded to nearest, so its centre lies on the
  // picture: it covers at least half a pixel of it, and total > 0.
  const auto mean = [total](std::uint32_t sum) { return (sum + total / 2) / total; };
  return mean(red) << 16 | mean(green) << 8 | mean(blue);
}

}  // namespace

Bitmap ReduceArt(const Bitmap& art2x, const Rect& placed, int frames, int dpi) {
  if (frames < 1 || dpi < 1 || placed.IsEmpty() || art2x.Width() != 2 * placed.Width() ||
      art2x.Height() != 2 * placed.Height() * frames) {
    throw Error("The 2x picture does not fit its place");
  }
  const Rect scaled = ScaleToDpi(placed, dpi);
  if (scaled.IsEmpty()) return Bitmap();  // too small to cover a pixel at this scale
  const AxisCover xs = Cover(placed.left, scaled.left, scaled.Width(), art2x.Width(), dpi);
  const int frameHeight2x = art2x.Height() / frames;
  const AxisCover ys = Cover(placed.top, scaled.top, scaled.Height(), frameHeight2x, dpi);
  Bitmap reduced(scaled.Width(), scaled.Height() * frames);
  for (int frame = 0; frame < frames; ++frame) {
    for (int y = 0; y < scaled.Height(); ++y) {
      std::uint32_t* row = reduced.Row(frame * scaled.Height() + y);
      for (int x = 0; x < scaled.Width(); ++x) {
        row[x] = Average(art2x, xs, x, ys, y, frame * frameHeight2x);
      }
    }
  }
  return reduced;
}

}  // namespace kinloom
