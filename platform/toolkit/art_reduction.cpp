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

// The 2x rows of a picture reduced across only, each once: every scaled row averages the few
// of them under it. Pixel x of a row holds three sums (red, green, blue) of the 2x pixels under
// scaled column x, each weighted by its overlap, at most 192 * 255 apiece. Rows are asked for
// in rising order, so the last `slots` of them are all that is ever kept.
class AcrossSums {
 public:
  AcrossSums(const Bitmap& art, const AxisCover& xs, std::size_t slots)
      : art_(art), xs_(xs), width_(xs.first.size()), rows_(slots, -1), sums_(slots * width_ * 3) {}

  const std::uint32_t* Row(int sourceY) {
    const std::size_t slot = static_cast<std::size_t>(sourceY) % rows_.size();
    std::uint32_t* sums = &sums_[slot * width_ * 3];
    if (rows_[slot] == sourceY) return sums;
    rows_[slot] = sourceY;
    for (std::size_t x = 0; x < width_; ++x) {
      std::uint32_t red = 0, green = 0, blue = 0;
      for (std::size_t i = xs_.offset[x]; i < xs_.offset[x + 1]; ++i) {
        const std::uint32_t colour =
            art_.Pixel(xs_.first[x] + static_cast<int>(i - xs_.offset[x]), sourceY);
        red += xs_.weights[i] * (colour >> 16 & 0xFF);
        green += xs_.weights[i] * (colour >> 8 & 0xFF);
        blue += xs_.weights[i] * (colour & 0xFF);
      }
      sums[3 * x] = red;
      sums[3 * x + 1] = green;
      sums[3 * x + 2] = blue;
    }
    return sums;
  }

 private:
  const Bitmap& art_;
  const AxisCover& xs_;
  std::size_t width_;
  std::vector<int> rows_;  // the 2x row each slot holds, -1 for none
  std::vector<std::uint32_t> sums_;
};

std::vector<std::uint32_t> TotalWeights(const AxisCover& cover) {
  std::vector<std::uint32_t> totals;
  for (std::size_t t = 0; t + 1 < cover.offset.size(); ++t) {
    std::uint32_t total = 0;
    for (std::size_t i = cover.offset[t]; i < cover.offset[t + 1]; ++i) total += cover.weights[i];
    totals.push_back(total);
  }
  return totals;
}

std::size_t MostWeights(const AxisCover& cover) {
  std::size_t most = 1;
  for (std::size_t t = 0; t + 1 < cover.offset.size(); ++t) {
    most = std::max(most, cover.offset[t + 1] - cover.offset[t]);
  }
  return most;
}

// sum / total rounded to nearest, a half up, by a multiplication instead of a division: with
// m = ceil(2^40 / total), (sum + total / 2) * m / 2^40 is exact while (sum + total / 2) *
// (m * total - 2^40) < 2^40, so for every total below 2^16 and sum below 2^24. A pixel's total
// weight is at most 192 * 192, and each of its sums at most 255 times that.
class Rounding {
 public:
  explicit Rounding(std::uint32_t total)
      : half_(total / 2), factor_(((std::uint64_t{1} << 40) + total - 1) / total) {}
  std::uint32_t operator()(std::uint32_t sum) const {
    return static_cast<std::uint32_t>((std::uint64_t{sum + half_} * factor_) >> 40);
  }

 private:
  std::uint32_t half_;
  std::uint64_t factor_;
};

// The rounding of each scaled column for a row's total weight: made again only when that
// changes, at a picture's first and last rows.
class ColumnRoundings {
 public:
  explicit ColumnRoundings(const AxisCover& xs) : xTotals_(TotalWeights(xs)) {}
  const std::vector<Rounding>& ForRow(std::uint32_t yTotal) {
    if (yTotal == yTotal_) return byColumn_;
    yTotal_ = yTotal;
    byColumn_.clear();
    for (std::uint32_t xTotal : xTotals_) byColumn_.emplace_back(xTotal * yTotal);
    return byColumn_;
  }

 private:
  std::vector<std::uint32_t> xTotals_;
  std::uint32_t yTotal_ = 0;
  std::vector<Rounding> byColumn_;
};

// Scaled row y of the frame whose 2x rows start at `frameTop`: the weighted average of the 2x
// pixels under each scaled pixel, rounded to nearest. A scaled pixel lies between the scaled
// edges, rounded to nearest, so its centre lies on the picture: it covers at least half a pixel
// of it, and its total weight is never 0.
void ReduceRow(AcrossSums& across, const AxisCover& ys, int y, int frameTop,
               const std::vector<Rounding>& roundings, std::vector<std::uint32_t>& sums,
               std::uint32_t* out) {
  std::fill(sums.begin(), sums.end(), 0);
  for (std::size_t j = ys.offset[y]; j < ys.offset[y + 1]; ++j) {
    const int sourceY = frameTop + ys.first[y] + static_cast<int>(j - ys.offset[y]);
    const std::uint32_t* row = across.Row(sourceY);
    for (std::size_t k = 0; k < sums.size(); ++k) sums[k] += ys.weights[j] * row[k];
  }
  for (std::size_t x = 0; x < roundings.size(); ++x) {
    const Rounding& mean = roundings[x];
    out[x] = mean(sums[3 * x]) << 16 | mean(sums[3 * x + 1]) << 8 | mean(sums[3 * x + 2]);
  }
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
  const std::vector<std::uint32_t> yTotals = TotalWeights(ys);
  ColumnRoundings roundings(xs);
  AcrossSums across(art2x, xs, MostWeights(ys));
  std::vector<std::uint32_t> sums(3 * static_cast<std::size_t>(scaled.Width()));
  Bitmap reduced(scaled.Width(), scaled.Height() * frames);
  for (int frame = 0; frame < frames; ++frame) {
    for (int y = 0; y < scaled.Height(); ++y) {
      ReduceRow(across, ys, y, frame * frameHeight2x, roundings.ForRow(yTotals[y]), sums,
                reduced.Row(frame * scaled.Height() + y));
    }
  }
  return reduced;
}

}  // namespace kinloom
