// The order in which a person reads a screen's hotspots, for keys and screen readers.
#include "screens/reading_order.h"

#include <algorithm>

namespace kinloom {

std::vector<std::int32_t> ReadingOrder(const std::vector<HotspotLayout>& rows) {
  std::vector<HotspotLayout> sorted = rows;
  std::sort(sorted.begin(), sorted.end(), [](const HotspotLayout& a, const HotspotLayout& b) {
    return a.top != b.top ? a.top < b.top : a.left < b.left;
  });
  // A line starts at its highest hotspot and takes in those whose tops lie a few pixels lower.
  for (auto line = sorted.begin(); line != sorted.end();) {
    const int lineTop = line->top;
    auto end = std::find_if(line, sorted.end(), [lineTop](const HotspotLayout& row) {
      return row.top - lineTop > kSameLineTolerance;
    });
    std::sort(line, end,
              [](const HotspotLayout& a, const HotspotLayout& b) { return a.left < b.left; });
    line = end;
  }
  std::vector<std::int32_t> tags;
  for (const HotspotLayout& row : sorted) tags.push_back(row.tag);
  return tags;
}

}  // namespace kinloom
