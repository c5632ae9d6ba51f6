// The one double-click rule of the program: which left press is the second of a double click.
#pragma once

#include <cstdint>

#include "platform/toolkit/geometry.h"

namespace kinloom {

// The system's double-click time and the size of the rectangle, centred on the first press,
// in which the second press must land.
struct DoubleClickLimits {
  std::uint32_t timeMs = 500;
  int width = 4;
  int height = 4;
};

// Remembers the program's last left press, wherever it landed (any window, box or button).
class PressHistory {
 public:
  // Records a left press at `timeMs` (a wrapping millisecond clock) and `screen`; true when it
  // is the second press of a double click: sooner than the time limit after the press before it
  // and inside the rectangle around it. The press after a second press starts a new pair.
  bool Press(std::uint32_t timeMs, Point screen, const DoubleClickLimits& limits);

 private:
  bool hasFirst_ = false;
  std::uint32_t firstTimeMs_ = 0;
  Point first_;
};

}  // namespace kinloom
