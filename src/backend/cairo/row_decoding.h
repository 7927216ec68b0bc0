#pragma once
// The decoders behind PictureDecoder, one per format. The two formats illustrations nearly
// always come in are streamed: rows are handed out as they are decoded, so a large picture
// is never held whole (with gdk-pixbuf a 4096 x 4096 JPEG costs 48 MB of fresh memory before
// the first pixel can be used). Each is called only for a file whose header says it is of
// its format and whose size is within the pixel cap and the memory budget; each polls the
// sink between rows or blocks of the file, so that a decode that runs out of time stops.

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

// The first frame of a GIF, at its own size; the frames after it are never read.
RowDecoding decodeGifRows(const std::filesystem::path& file, RowSink& sink);

// A still WebP, lossy or lossless, fed to the decoder a block of the file at a time.
RowDecoding decodeWebpRows(const std::filesystem::path& file, RowSink& sink);

// Decodes the file whole with gdk-pixbuf's loader of `format` ("png", "jpeg", "bmp"), the
// file fed a block at a time. Only that loader is used, whatever the file's bytes look like.
bool decodeWithPixbufLoader(const std::filesystem::path& file, const char* format, RowSink& sink);

}  // namespace zarq
