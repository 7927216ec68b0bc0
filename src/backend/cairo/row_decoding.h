#pragma once
// Streaming decoders for the two formats illustrations nearly always come in. They hand
// out rows as they are decoded, so a large picture is never held whole: with gdk-pixbuf a
// 4096 x 4096 JPEG costs 48 MB of fresh memory before the first pixel can be used.

#include <filesystem>

#include "platform/platform.h"

namespace zarq {

enum class RowDecoding {
  Done,
  Failed,
  // Not a form this decoder reads; nothing has been given to the sink yet.
  NotMine,
};

// Baseline and progressive JPEG in grey, RGB or YCbCr; CMYK is left to others.
RowDecoding decodeJpegRows(const std::filesystem::path& file, RowSink& sink);

// Non-interlaced PNG of any colour type and depth: held whole and handed over at once when
// it is of the common forms and small enough (decodePngWhole), streamed by libpng otherwise
// (decodePngStreamed). Both give the same pixels.
RowDecoding decodePngRows(const std::filesystem::path& file, RowSink& sink);
RowDecoding decodePngWhole(const std::filesystem::path& file, RowSink& sink);
RowDecoding decodePngStreamed(const std::filesystem::path& file, RowSink& sink);

}  // namespace zarq
