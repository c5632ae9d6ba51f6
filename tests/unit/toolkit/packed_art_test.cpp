// Unpacking art as the program file keeps it, and refusing a damaged packed picture.
#include "platform/toolkit/packed_art.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <vector>

#include "platform/error.h"

namespace kinloom::toolkit_test {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Put32(Bytes& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// A .bmp file of 2 x 1 true-colour pixels, 0x102030 and 0x010203.
Bytes BmpFile() {
  Bytes b(14 + 40 + 8, 0);
  b[0] = 'B', b[1] = 'M';
  Put32(b, 2, static_cast<std::uint32_t>(b.size()));
  Put32(b, 10, 54);
  Put32(b, 14, 40);
  Put32(b, 18, 2);
  Put32(b, 22, 1);
  b[26] = 1, b[28] = 24;
  const std::uint8_t pixels[] = {0x30, 0x20, 0x10, 0x03, 0x02, 0x01};  // blue, green, red
  std::copy(std::begin(pixels), std::end(pixels), b.begin() + 54);
  return b;
}

// As assets/pack_art.py packs it, stating `statedSize` as the file's size.
Bytes Pack(const Bytes& file, std::uint32_t statedSize) {
  uLongf length = compressBound(file.size());
  Bytes packed(4 + length);
  Put32(packed, 0, statedSize);
  EXPECT_EQ(compress2(packed.data() + 4, &length, file.data(), file.size(), 9), Z_OK);
  packed.resize(4 + length);
  return packed;
}

TEST(PackedArtTest, UnpacksThePictureItHolds) {
  const Bytes file = BmpFile();
  const Bytes packed = Pack(file, static_cast<std::uint32_t>(file.size()));
  const Bitmap art = UnpackArt(packed.data(), packed.size());
  EXPECT_EQ(art.GetSize(), (Size{2, 1}));
  EXPECT_EQ(art.Pixel(0, 0), 0x102030u);
  EXPECT_EQ(art.Pixel(1, 0), 0x010203u);
}

TEST(PackedArtTest, RefusesADamagedPackedPicture) {
  const Bytes file = BmpFile();
  const auto size = static_cast<std::uint32_t>(file.size());
  const Bytes good = Pack(file, size);
  Bytes flipped = good, longer = good;
  flipped[good.size() / 2] ^= 0xFF;
  longer.push_back(0);
  const struct {
    const char* what;
    Bytes packed;
  } cases[] = {
      {"no size", Bytes{54, 0}},
      {"cut short", Bytes(good.begin(), good.end() - 3)},
      {"a byte changed", flipped},
      {"bytes after the stream", longer},
      {"a size one too large", Pack(file, size + 1)},
      {"a size one too small", Pack(file, size - 1)},
      {"a size of 0", Pack(file, 0)},
      {"a size of 4 GB", Pack(file, 0xFFFFFFFF)},
      {"no picture inside", Pack(Bytes(60, 'x'), 60)},
  };
  for (const auto& c : cases) {
    EXPECT_THROW(UnpackArt(c.packed.data(), c.packed.size()), Error) << c.what;
  }
}

}  // namespace
}  // namespace kinloom::toolkit_test
