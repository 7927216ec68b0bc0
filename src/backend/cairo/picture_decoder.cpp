#include "backend/cairo/picture_decoder.h"

#include "backend/cairo/row_decoding.h"

namespace zarq {
namespace {

bool done(RowDecoding decoding) { return decoding == RowDecoding::Done; }

// What a streaming decoder leaves to gdk-pixbuf goes to its loader of the same format.
bool doneOrLoaded(RowDecoding decoding, const std::filesystem::path& file, const char* format,
                  RowSink& sink) {
  return decoding == RowDecoding::NotMine ? decodeWithPixbufLoader(file, format, sink)
                                          : done(decoding);
}

}  // namespace

bool PictureDecoder::decodeRows(const std::filesystem::path& file, RowSink& sink) {
  const PictureHeader header = readPictureHeader(file);
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
