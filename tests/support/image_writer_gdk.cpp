// Test pictures written with gdk-pixbuf.

#include <gdk-pixbuf/gdk-pixbuf.h>

#include <cstdlib>

#include "support/image_files.h"

namespace zarq::testing {

void writeImage(const std::filesystem::path& file, const Image& image, ImageFormat format) {
  const bool alpha = format == ImageFormat::PngWithAlpha;
  GdkPixbuf* pixbuf =
      gdk_pixbuf_new(GDK_COLORSPACE_RGB, alpha, 8, image.getWidth(), image.getHeight());
  if (!pixbuf) std::abort();
  guchar* data = gdk_pixbuf_get_pixels(pixbuf);
  const int stride = gdk_pixbuf_get_rowstride(pixbuf);
  const int channels = gdk_pixbuf_get_n_channels(pixbuf);
  for (int y = 0; y < image.getHeight(); ++y) {
    for (int x = 0; x < image.getWidth(); ++x) {
      const std::uint32_t p = image.pixel(x, y);
      guchar* out = data + y * stride + x * channels;
      out[0] = (p >> 16) & 0xFF;
      out[1] = (p >> 8) & 0xFF;
      out[2] = p & 0xFF;
      if (alpha) out[3] = p >> 24;
    }
  }
  GError* error = nullptr;
  bool saved = false;
  if (format == ImageFormat::Jpeg) {
    saved = gdk_pixbuf_save(pixbuf, file.c_str(), "jpeg", &error, "quality", "95", nullptr);
  } else {
    saved = gdk_pixbuf_save(pixbuf, file.c_str(), format == ImageFormat::Bmp ? "bmp" : "png",
                            &error, nullptr);
  }
  g_object_unref(pixbuf);
  if (!saved) std::abort();
}

}  // namespace zarq::testing
