#pragma once
// Image decoding with gdk-pixbuf (no display needed).

#include "platform/platform.h"

namespace zarq {

class PixbufDecoder final : public ImageDecoder {
 public:
  std::optional<ImageSize> probe(const std::filesystem::path& file) override;
  std::optional<DecodedPixels> decode(const std::filesystem::path& file) override;
};

}  // namespace zarq
