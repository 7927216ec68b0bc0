#include "backend/cairo/picture_decoder.h"

#include "backend/cairo/row_decoding.h"
#include "common/picture_format.h"
#include "platform/file_system.h"

namespace zarq {
namespace {

// The header of a regular file; a pipe or a device is no picture.
PictureHeader headerOf(const std::filesystem::path& file) {
  const FileHandle in = openRegularFile(file);
  return in ? readPictureHeader(in.get()) : PictureHeader{};
}

bool done(RowDecoding decoding) { return decoding == RowDecoding::Done; }

// What a streaming decoder leaves to gdk-pixbuf goes to its loader of the same format.
bool doneOrLoaded(RowDecoding decoding, const std::filesystem::path& file, const char* format,
                  RowSink& sink) {
  return decoding == RowDecoding::NotMine ? decodeWithPixbufLoader(file, format, sink)
                                          : done(decoding);
}

}  // namespace

std::optional<ImageSize> PictureDecoder::probe(const std::filesystem::path& file) {
  const PictureHeader header = headerOf(file);
  if (!mayDecode(header)) return std::nullopt;
  return ImageSize{static_cast<int>(header.width), static_cast<int>(header.height)};
}

bool PictureDecoder::decodeRows(const std::filesystem::path& file, RowSink& sink) {
  const PictureHeader header = headerOf(file);
  if (!mayDecode(header)) return false;
  switch (header.format) {
    case PictureFormat::Png:
      return doneOrLoaded(decodePngRows(file, sink), file, "png", sink);
    case PictureFormat::Jpeg:
      return doneOrLoaded(decodeJpegRows(file, sink), file, "jpeg", sink);
    case PictureFormat::Bmp:
      return decodeWithPixbufLoader(file, "bmp", sink);
    case PictureFormat::Gif:
      return done(decodeGifRows(file, sink));
    case PictureFormat::Webp:
      return done(decodeWebpRows(file, sink));
    case PictureFormat::Other:
      break;
  }
  return false;
}

}  // namespace zarq
