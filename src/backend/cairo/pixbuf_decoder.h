#pragma once
// Image decoding without a display: JPEG and PNG streamed by libjpeg and libpng, every other
// format gdk-pixbuf reads decoded whole.

#include "platform/platform.h"

namespace zarq {

class PixbufDecoder final : public ImageDecoder {
 public:
  std::optional<ImageSize> probe(const std::filesystem::path& file) override;
  std::optional<DecodedPixels> decode(const std::filesystem::path& file) override;
  bool decodeRows(const std::filesystem::path& file, RowSink& sink) override;
};

}  // namespace zarq
