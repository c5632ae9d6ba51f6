// The menu's places and art at a display scale, worked out as the menu itself works them out.
#include "tests/e2e/scaled_art.h"

#include "platform/toolkit/art_reduction.h"
#include "platform/toolkit/display_scale.h"

namespace kinloom::e2e {
namespace {

Bitmap ToBitmap(const Image& image) {
  Bitmap bitmap(image.width, image.height);
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) bitmap.SetPixel(x, y, image.Pixel(x, y));
  }
  return bitmap;
}

Image ToImage(const Bitmap& bitmap) {
  Image image;
  image.width = bitmap.Width();
  image.height = bitmap.Height();
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) image.pixels.push_back(bitmap.Pixel(x, y));
  }
  return image;
}

}  // namespace

int DisplayDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return dpi;
}

RECT ScaledRect(const RECT& r, int dpi) {
  const Rect scaled = ScaleToDpi(Rect{r.left, r.top, r.right, r.bottom}, dpi);
  return {scaled.left, scaled.top, scaled.right, scaled.bottom};
}

POINT ScaledPoint(POINT p, int dpi) {
  return {ScaleToDpi(p.x, dpi), ScaleToDpi(p.y, dpi)};
}

Image ArtAtDpi(const std::string& file1x, const std::string& file2x, const RECT& placed, int frames,
               int dpi) {
  if (dpi == kBaseDpi) return LoadBmp(file1x);
  if (dpi == kArt2xDpi) return LoadBmp(file2x);
  const Rect place{placed.left, placed.top, placed.right, placed.bottom};
  return ToImage(ReduceArt(ToBitmap(LoadBmp(file2x)), place, frames, dpi));
}

}  // namespace kinloom::e2e
