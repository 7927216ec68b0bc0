// ImageDecoder::decode by default: the rows a decoder hands out, gathered whole.

#include <algorithm>

#include "platform/platform.h"

namespace zarq {
namespace {

class WholePicture final : public RowSink {
 public:
  void begin(int width, int height) override {
    picture.width = width;
    picture.height = height;
    picture.pixels.resize(static_cast<std::size_t>(width) * height);
  }
  void row(int y, const std::uint32_t* pixels) override {
    std::uint32_t* out = picture.pixels.data() + static_cast<std::size_t>(y) * picture.width;
    std::transform(pixels, pixels + picture.width, out,
                   [](std::uint32_t p) { return p & 0x00FFFFFF; });
  }
  DecodedPixels picture;
};

}  // namespace

std::optional<DecodedPixels> ImageDecoder::decode(const std::filesystem::path& file) {
  WholePicture whole;
  if (!decodeRows(file, whole)) return std::nullopt;
  return std::move(whole.picture);
}

}  // namespace zarq
