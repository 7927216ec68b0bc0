#pragma once
// Image decoding with the Windows Imaging Component, for the raster formats an illustration
// comes in and no other: each is recognised by its first bytes and goes to Windows' own
// decoder of that format. The pixels are handed out a band of rows at a time, so that a large
// illustration is never held whole. Works on any thread; each call sets up COM for itself.

#include "platform/header_probed_decoder.h"

namespace zarq::win32 {

class WicDecoder final : public HeaderProbedDecoder {
 public:
  bool decodeRows(const std::filesystem::path& file, RowSink& sink) override;
};

}  // namespace zarq::win32
