// The order in which a person reads a screen's hotspots, for keys and screen readers.
#pragma once

#include <cstdint>
#include <vector>

#include "screens/hotspot_layout.h"

namespace kinloom {

// Hotspots whose tops differ by at most this many pixels stand side by side on one line.
constexpr int kSameLineTolerance = 4;

// The rows' tags, top to bottom, and left to right among hotspots on one line. Not tag order,
// which on several screens is not the order on screen.
std::vector<std::int32_t> ReadingOrder(const std::vector<HotspotLayout>& rows);

}  // namespace kinloom
