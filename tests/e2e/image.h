// Pixels as 0x00RRGGBB in top-down rows: art decoded from .bmp files and captures of the screen.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace kinloom::e2e {

struct Image {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;

  std::uint32_t Pixel(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// Decodes an uncompressed 8- or 24-bit .bmp file (bottom-up or top-down). Throws
// std::runtime_error naming the file when it cannot.
Image LoadBmp(const std::string& path);

// What the screen shows in `area` (screen coordinates), read through GetDC(NULL).
Image CaptureScreen(const RECT& area);

// Writes `image` as a 24-bit .bmp file; returns false when the file cannot be written.
bool SaveBmp(const Image& image, const std::string& path);

// Which of the three stacked frames of `strip` `shown` equals pixel for pixel: 0, 1, 2, or -1.
int MatchingFrame(const Image& strip, const Image& shown);

// How many pixels of `shown` differ from frame `frame` of `strip`.
int FrameMismatches(const Image& strip, int frame, const Image& shown);

}  // namespace kinloom::e2e
