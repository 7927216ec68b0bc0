#include <gdk-pixbuf/gdk-pixbuf.h>

#include <cstdio>
#include <vector>

#include "backend/cairo/row_decoding.h"
#include "platform/file_system.h"

namespace zarq {
namespace {

constexpr std::size_t kBlockSize = std::size_t{1} << 16;

// Feeds the whole file to the loader, asking the sink between blocks whether the picture is
// still wanted; the loader is closed on every path.
GdkPixbuf* load(GdkPixbufLoader* loader, std::FILE* file, RowSink& sink) {
  std::vector<guchar> block(kBlockSize);
  bool fed = true;
  while (fed && !sink.cancelled()) {
    const std::size_t got = std::fread(block.data(), 1, block.size(), file);
    if (got == 0) break;
    fed = gdk_pixbuf_loader_write(loader, block.data(), got, nullptr);
  }
  const bool closed = gdk_pixbuf_loader_close(loader, nullptr);
  if (!fed || !closed || std::ferror(file) || sink.cancelled()) return nullptr;
  return gdk_pixbuf_loader_get_pixbuf(loader);
}

void handOutRows(GdkPixbuf* pixbuf, RowSink& sink) {
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
}

}  // namespace

bool decodeWithPixbufLoader(const std::filesystem::path& file, const char* format, RowSink& sink) {
  const FileHandle in = openRegularFile(file);
  if (!in) return false;
  GdkPixbufLoader* loader = gdk_pixbuf_loader_new_with_type(format, nullptr);
  if (!loader) return false;
  GdkPixbuf* pixbuf = load(loader, in.get(), sink);
  // A picture larger than its header said is no picture of this format.
  const bool whole = pixbuf && static_cast<long long>(gdk_pixbuf_get_width(pixbuf)) *
                                       gdk_pixbuf_get_height(pixbuf) <=
                                   kMaxImagePixels;
  if (whole) handOutRows(pixbuf, sink);
  g_object_unref(loader);
  return whole && !sink.cancelled();
}

}  // namespace zarq
