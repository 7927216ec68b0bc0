#pragma once
// Image decoding without a display, for the raster formats an illustration comes in and no
// other: each format is recognised by its first bytes and goes to the one decoder chosen
// for it. PNG and JPEG are streamed by libpng and libjpeg (an interlaced PNG and a CMYK JPEG
// through gdk-pixbuf's loader of that format), BMP goes to gdk-pixbuf's BMP loader, GIF to
// giflib and WebP to libwebp. Anything else, an SVG named "ID.PNG" included, is refused
// before any decoder sees it.

#include "platform/header_probed_decoder.h"

namespace zarq {

class PictureDecoder final : public HeaderProbedDecoder {
 public:
  bool decodeRows(const std::filesystem::path& file, RowSink& sink) override;
};

}  // namespace zarq
