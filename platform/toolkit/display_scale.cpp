// Rounding 96-DPI coordinates to a display scale.
#include "platform/toolkit/display_scale.h"

#include <cstdint>

namespace kinloom {

int ScaleToDpi(int n, int dpi) {
  // Floor division, so that a half rounds up for negative coordinates too.
  const std::int64_t scaled = std::int64_t{n} * dpi + kBaseDpi / 2;
  const std::int64_t quotient = scaled / kBaseDpi;
  return static_cast<int>(scaled % kBaseDpi < 0 ? quotient - 1 : quotient);
}

Rect ScaleToDpi(const Rect& r, int dpi) {
  return {ScaleToDpi(r.left, dpi), ScaleToDpi(r.top, dpi), ScaleToDpi(r.right, dpi),
          ScaleToDpi(r.bottom, dpi)};
}

}  // namespace kinloom
