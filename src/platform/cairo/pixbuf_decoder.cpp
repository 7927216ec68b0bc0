#include "platform/cairo/pixbuf_decoder.h"

#include <gdk-pixbuf/gdk-pixbuf.h>

namespace zarq {

std::optional<ImageSize> PixbufDecoder::probe(const std::filesystem::path& file) {
  int width = 0, height = 0;
  if (!gdk_pixbuf_get_file_info(file.c_str(), &width, &height)) return std::nullopt;
  if (width <= 0 || height <= 0) return std::nullopt;
  if (static_cast<long long>(width) * height > kMaxImagePixels) return std::nullopt;
  return ImageSize{width, height};
}

std::optional<DecodedPixels> PixbufDecoder::decode(const std::filesystem::path& file) {
  // The header decides before anything large is allocated.
  if (!probe(file)) return std::nullopt;
  GError* error = nullptr;
  GdkPixbuf* pixbuf = gdk_pixbuf_new_from_file(file.c_str(), &error);
  if (!pixbuf) {
    if (error) g_error_free(error);
    return std::nullopt;
  }
  DecodedPixels out;
  out.width = gdk_pixbuf_get_width(pixbuf);
  out.height = gdk_pixbuf_get_height(pixbuf);
  const int channels = gdk_pixbuf_get_n_channels(pixbuf);
  const bool alpha = gdk_pixbuf_get_has_alpha(pixbuf);
  const int stride = gdk_pixbuf_get_rowstride(pixbuf);
  const guchar* data = gdk_pixbuf_read_pixels(pixbuf);
  out.pixels.resize(static_cast<std::size_t>(out.width) * out.height);
  for (int y = 0; y < out.height; ++y) {
    const guchar* row = data + static_cast<std::size_t>(y) * stride;
    for (int x = 0; x < out.width; ++x) {
      const guchar* p = row + x * channels;
      unsigned r = p[0], g = p[1], b = p[2];
      if (alpha) {
        // Transparent parts end up black: composite over black.
        const unsigned a = p[3];
        r = (r * a + 127) / 255;
        g = (g * a + 127) / 255;
        b = (b * a + 127) / 255;
      }
      out.pixels[static_cast<std::size_t>(y) * out.width + x] = (r << 16) | (g << 8) | b;
    }
  }
  g_object_unref(pixbuf);
  return out;
}

}  // namespace zarq
