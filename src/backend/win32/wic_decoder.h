#pragma once
// Image decoding with the Windows Imaging Component, for the raster formats an illustration
// comes in and no other: each is recognised by its first bytes and goes to Windows' own
// decoder of that format. The size comes from the header alone, and the pixels are handed
// out a band of rows at a time, so that a large illustration is never held whole. Works on
// any thread; each call sets up COM for itself.

#include "platform/platform.h"

namespace zarq::win32 {

class WicDecoder final : public ImageDecoder {
 public:
  std::optional<ImageSize> probe(const std::filesystem::path& file) override;
  bool decodeRows(const std::filesystem::path& file, RowSink& sink) override;
};

}  // namespace zarq::win32
