#pragma once
// A row sink that gathers a decoded picture whole: what ImageDecoder::decode hands back.

#include <algorithm>

#include "platform/platform.h"

namespace zarq {

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

}  // namespace zarq
