// Inflating a packed picture into the .bmp file it holds, then decoding that.
#include "platform/toolkit/packed_art.h"

#include <climits>
#include <string>
#include <vector>

// Makes zlib's input pointer const.
#define ZLIB_CONST
#include <zlib.h>

#include "platform/error.h"
#include "platform/toolkit/dib.h"

namespace kinloom {
namespace {

constexpr std::size_t kSizeField = 4;
// Far beyond the largest picture (a 2x background is 1.2 MB): a damaged size field cannot make
// the program ask for gigabytes.
constexpr std::uint32_t kMaxFileSize = 32u << 20;

[[noreturn]] void Damaged(const std::string& why) {
  throw Error("Invalid bitmap: packed picture " + why);
}

// Owns a zlib inflate stream from a successful inflateInit to inflateEnd.
class InflateStream {
 public:
  InflateStream() {
    if (inflateInit(&stream_) != Z_OK) Damaged("cannot be inflated");
  }
  ~InflateStream() { inflateEnd(&stream_); }
  InflateStream(const InflateStream&) = delete;
  InflateStream& operator=(const InflateStream&) = delete;
  z_stream* operator->() { return &stream_; }
  z_stream* get() { return &stream_; }

 private:
  z_stream stream_{};
};

// The whole stream, which must fill exactly `fileSize` bytes and end with the input.
std::vector<std::uint8_t> Inflate(const std::uint8_t* data, std::size_t size,
                                  std::uint32_t fileSize) {
  if (size > UINT_MAX) Damaged("too large");
  std::vector<std::uint8_t> file(fileSize);
  InflateStream stream;
  stream->next_in = data;
  stream->avail_in = static_cast<uInt>(size);
  stream->next_out = file.data();
  stream->avail_out = fileSize;
  const int result = inflate(stream.get(), Z_FINISH);
  if (result != Z_STREAM_END || stream->avail_out != 0 || stream->avail_in != 0) {
    Damaged("damaged, cut short or not of its stated size");
  }
  return file;
}

}  // namespace

Bitmap UnpackArt(const std::uint8_t* data, std::size_t size) {
  if (size < kSizeField) Damaged("truncated");
  const std::uint32_t fileSize = std::uint32_t{data[0]} | std::uint32_t{data[1]} << 8 |
                                 std::uint32_t{data[2]} << 16 | std::uint32_t{data[3]} << 24;
  if (fileSize == 0 || fileSize > kMaxFileSize) Damaged("of an impossible size");
  const std::vector<std::uint8_t> file = Inflate(data + kSizeField, size - kSizeField, fileSize);
  return DecodeBmpFile(file.data(), file.size());
}

}  // namespace kinloom
