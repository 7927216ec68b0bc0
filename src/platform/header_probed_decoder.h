#pragma once
// An image decoder whose probe reads the picture's header and nothing more: the size there,
// as mayDecode judges it. The decoders of every platform probe so, whatever reads the pixels.

#include "platform/platform.h"

namespace zarq {

// The header of the picture in a regular file; a pipe or a device is no picture.
PictureHeader readPictureHeader(const std::filesystem::path& file);

class HeaderProbedDecoder : public ImageDecoder {
 public:
  std::optional<ImageSize> probe(const std::filesystem::path& file) final;
};

}  // namespace zarq
