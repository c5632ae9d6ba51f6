// Rounding 96-DPI coordinates to a display scale, and pixels back to them.
#include "platform/toolkit/display_scale.h"

#include <cstdint>

namespace kinloom {
namespace {

// Rounds toward minus infinity, for coordinates left of or above a window too.
std::int64_t FloorDivide(std::int64_t numerator, std::int64_t denominator) {
  const std::int64_t quotient = numerator / denominator;
  return numerator % denominator < 0 ? quotient - 1 : quotient;
}

}  // namespace

int ScaleToDpi(int n, int dpi) {
  return static_cast<int>(FloorDivide(std::int64_t{n} * dpi + kBaseDpi / 2, kBaseDpi));
}

Rect ScaleToDpi(const Rect& r, int dpi) {
  return {ScaleToDpi(r.left, dpi), ScaleToDpi(r.top, dpi), ScaleToDpi(r.right, dpi),
          ScaleToDpi(r.bottom, dpi)};
}

Size ScaleToDpi(Size s, int dpi) {
  return {ScaleToDpi(s.width, dpi), ScaleToDpi(s.height, dpi)};
}

// ScaleToDpi(n) <= pixel  <=>  n * dpi + 48 < 96 * (pixel + 1)  <=>  n * dpi <= 96 * pixel + 47.
int UnscaleFromDpi(int pixel, int dpi) {
  return static_cast<int>(FloorDivide(std::int64_t{pixel} * kBaseDpi + kBaseDpi / 2 - 1, dpi));
}

Point UnscaleFromDpi(Point pixel, int dpi) {
  return {UnscaleFromDpi(pixel.x, dpi), UnscaleFromDpi(pixel.y, dpi)};
}

int ScaleArtEdge(int n, int origin, int length, int dpi) {
  const int start = ScaleToDpi(origin, dpi);
  if (n <= 0 || length <= 0) return ScaleToDpi(origin + n, dpi) - start;
  const int scaledLength = ScaleToDpi(origin + length, dpi) - start;
  return n / length * scaledLength + ScaleToDpi(origin + n % length, dpi) - start;
}

}  // namespace kinloom
