// The one double-click rule of the program: which left press is the second of a double click.
#include "platform/toolkit/double_click.h"

#include <cstdlib>

namespace kinloom {

bool PressHistory::Press(std::uint32_t timeMs, Point screen, const DoubleClickLimits& limits) {
  // Unsigned difference: right across the clock's wrap-around too.
  const bool second = hasFirst_ && timeMs - firstTimeMs_ < limits.timeMs &&
                      2 * std::abs(screen.x - first_.x) < limits.width &&
                      2 * std::abs(screen.y - first_.y) < limits.height;
  hasFirst_ = !second;
  firstTimeMs_ = timeMs;
  first_ = screen;
  return second;
}

}  // namespace kinloom
