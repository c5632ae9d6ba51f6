// .bmp decoding and writing, screen capture, and frame comparison.
#include "tests/e2e/image.h"

#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace kinloom::e2e {
namespace {

std::uint32_t Read32(const std::vector<unsigned char>& bytes, size_t at) {
  if (at + 4 > bytes.size()) throw std::runtime_error("truncated");
  return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | std::uint32_t{bytes[at + 3]} << 24;
}

std::uint16_t Read16(const std::vector<unsigned char>& bytes, size_t at) {
  if (at + 2 > bytes.size()) throw std::runtime_error("truncated");
  return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

std::uint32_t Rgb(unsigned char red, unsigned char green, unsigned char blue) {
  return std::uint32_t{red} << 16 | std::uint32_t{green} << 8 | blue;
}

Image DecodeBmp(const std::vector<unsigned char>& bytes) {
  if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M') throw std::runtime_error("no BMP");
  const std::uint32_t bitsOffset = Read32(bytes, 10);
  const std::uint32_t headerSize = Read32(bytes, 14);
  const auto width = static_cast<std::int32_t>(Read32(bytes, 18));
  const auto rawHeight = static_cast<std::int32_t>(Read32(bytes, 22));
  const std::uint16_t bitCount = Read16(bytes, 28);
  const std::uint32_t compression = Read32(bytes, 30);
  std::uint32_t paletteSize = Read32(bytes, 46);
  if (compression != BI_RGB || (bitCount != 8 && bitCount != 24) || width <= 0 || rawHeight == 0) {
    throw std::runtime_error("unsupported BMP layout");
  }
  if (bitCount == 8 && paletteSize == 0) paletteSize = 256;
  const bool bottomUp = rawHeight > 0;
  Image image;
  image.width = width;
  image.height = bottomUp ? rawHeight : -rawHeight;
  const size_t stride = (static_cast<size_t>(width) * bitCount / 8 + 3) & ~size_t{3};
  if (bitsOffset + stride * image.height > bytes.size()) throw std::runtime_error("truncated");
  const size_t paletteAt = 14 + headerSize;
  image.pixels.resize(static_cast<size_t>(width) * image.height);
  for (int y = 0; y < image.height; ++y) {
    const size_t row = bitsOffset + stride * (bottomUp ? image.height - 1 - y : y);
    for (int x = 0; x < width; ++x) {
      std::uint32_t colour;
      if (bitCount == 24) {
        const size_t at = row + 3 * static_cast<size_t>(x);
        colour = Rgb(bytes[at + 2], bytes[at + 1], bytes[at]);
      } else {
        const unsigned index = bytes[row + x];
        if (index >= paletteSize) throw std::runtime_error("colour index outside the palette");
        const size_t at = paletteAt + 4 * static_cast<size_t>(index);
        if (at + 3 > bitsOffset) throw std::runtime_error("palette overlaps the bits");
        colour = Rgb(bytes[at + 2], bytes[at + 1], bytes[at]);
      }
      image.pixels[static_cast<size_t>(y) * width + x] = colour;
    }
  }
  return image;
}

}  // namespace

Image LoadBmp(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw std::runtime_error("cannot open " + path);
  std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(file)),
                                   std::istreambuf_iterator<char>());
  try {
    return DecodeBmp(bytes);
  } catch (const std::runtime_error& error) {
    throw std::runtime_error(path + ": " + error.what());
  }
}

Image CaptureScreen(const RECT& area) {
  Image image;
  image.width = area.right - area.left;
  image.height = area.bottom - area.top;
  image.pixels.assign(static_cast<size_t>(image.width) * image.height, 0);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = image.width;
  info.bmiHeader.biHeight = -image.height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  void* bits = nullptr;
  HBITMAP section = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (section && bits) {
    HGDIOBJ old = SelectObject(memory, section);
    BitBlt(memory, 0, 0, image.width, image.height, screen, area.left, area.top, SRCCOPY);
    GdiFlush();
    std::memcpy(image.pixels.data(), bits, image.pixels.size() * 4);
    SelectObject(memory, old);
    DeleteObject(section);
  }
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  for (std::uint32_t& pixel : image.pixels) pixel &= 0xFFFFFF;
  return image;
}

bool SaveBmp(const Image& image, const std::string& path) {
  const size_t stride = (static_cast<size_t>(image.width) * 3 + 3) & ~size_t{3};
  const size_t bitsSize = stride * image.height;
  std::vector<unsigned char> bytes(54 + bitsSize, 0);
  auto put32 = [&bytes](size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<unsigned char>(value >> (8 * i));
  };
  bytes[0] = 'B';
  bytes[1] = 'M';
  put32(2, static_cast<std::uint32_t>(bytes.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, image.width);
  put32(22, image.height);  // bottom-up
  bytes[26] = 1;
  bytes[28] = 24;
  put32(34, static_cast<std::uint32_t>(bitsSize));
  for (int y = 0; y < image.height; ++y) {
    unsigned char* row = &bytes[54 + stride * (image.height - 1 - y)];
    for (int x = 0; x < image.width; ++x) {
      const std::uint32_t pixel = image.Pixel(x, y);
      row[3 * x] = pixel & 0xFF;
      row[3 * x + 1] = (pixel >> 8) & 0xFF;
      row[3 * x + 2] = (pixel >> 16) & 0xFF;
    }
  }
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(file);
}

int FrameMismatches(const Image& strip, int frame, const Image& shown) {
  const int frameHeight = strip.height / 3;
  if (shown.width != strip.width || shown.height != frameHeight) return shown.width * shown.height;
  int mismatches = 0;
  for (int y = 0; y < frameHeight; ++y) {
    for (int x = 0; x < strip.width; ++x) {
      if (strip.Pixel(x, frame * frameHeight + y) != shown.Pixel(x, y)) ++mismatches;
    }
  }
  return mismatches;
}

int MatchingFrame(const Image& strip, const Image& shown) {
  for (int frame = 0; frame < 3; ++frame) {
    if (FrameMismatches(strip, frame, shown) == 0) return frame;
  }
  return -1;
}

}  // namespace kinloom::e2e
