#include "backend/cairo/pixbuf_decoder.h"

#include <gdk-pixbuf/gdk-pixbuf.h>

#include <array>
#include <cstdio>

#include "backend/cairo/row_decoding.h"
#include "platform/file_system.h"
#include "platform/whole_picture.h"

namespace zarq {
namespace {

enum class Format { Jpeg, Png, Other };

// By content, as gdk-pixbuf does: the suffix the user typed need not match.
Format sniff(const std::filesystem::path& file) {
  std::array<unsigned char, 8> head{};
  if (const FileHandle in = openRegularFile(file))
    std::fread(head.data(), 1, head.size(), in.get());
  if (head[0] == 0xFF && head[1] == 0xD8 && head[2] == 0xFF) return Format::Jpeg;
  constexpr std::array<unsigned char, 8> pngSignature = {0x89, 'P',  'N',  'G',
                                                         '\r', '\n', 0x1A, '\n'};
  if (head == pngSignature) return Format::Png;
  return Format::Other;
}

bool decodeWithPixbuf(const std::filesystem::path& file, RowSink& sink) {
  GError* error = nullptr;
  GdkPixbuf* pixbuf = gdk_pixbuf_new_from_file(file.c_str(), &error);
  if (!pixbuf) {
    if (error) g_error_free(error);
    return false;
  }
  const int width = gdk_pixbuf_get_width(pixbuf);
  const int height = gdk_pixbuf_get_height(pixbuf);
  const int channels = gdk_pixbuf_get_n_channels(pixbuf);
  const bool alpha = gdk_pixbuf_get_has_alpha(pixbuf);
  const int stride = gdk_pixbuf_get_rowstride(pixbuf);
  const guchar* data = gdk_pixbuf_read_pixels(pixbuf);
  std::vector<std::uint32_t> row(width);
  sink.begin(width, height);
  for (int y = 0; y < height && !sink.cancelled(); ++y) {
    const guchar* bytes = data + static_cast<std::size_t>(y) * stride;
    for (int x = 0; x < width; ++x) {
      const guchar* p = bytes + x * channels;
      row[x] = onBlack(p[0], p[1], p[2], alpha ? p[3] : 255);
    }
    sink.row(y, row.data());
  }
  g_object_unref(pixbuf);
  return !sink.cancelled();
}

}  // namespace

std::optional<ImageSize> PixbufDecoder::probe(const std::filesystem::path& file) {
  // Only regular files: gdk-pixbuf would wait on a pipe for ever.
  if (!openRegularFile(file)) return std::nullopt;
  int width = 0, height = 0;
  if (!gdk_pixbuf_get_file_info(file.c_str(), &width, &height)) return std::nullopt;
  if (width <= 0 || height <= 0) return std::nullopt;
  if (static_cast<long long>(width) * height > kMaxImagePixels) return std::nullopt;
  return ImageSize{width, height};
}

std::optional<DecodedPixels> PixbufDecoder::decode(const std::filesystem::path& file) {
  WholePicture whole;
  if (!decodeRows(file, whole)) return std::nullopt;
  return std::move(whole.picture);
}

bool PixbufDecoder::decodeRows(const std::filesystem::path& file, RowSink& sink) {
  RowDecoding streamed = RowDecoding::NotMine;
  switch (sniff(file)) {
    case Format::Jpeg:
      streamed = decodeJpegRows(file, sink);
      break;
    case Format::Png:
      streamed = decodePngRows(file, sink);
      break;
    case Format::Other:
      break;
  }
  if (streamed != RowDecoding::NotMine) return streamed == RowDecoding::Done;
  // The header decides before anything large is allocated.
  return probe(file) && decodeWithPixbuf(file, sink);
}

}  // namespace zarq
