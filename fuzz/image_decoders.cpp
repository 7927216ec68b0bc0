// Any bytes as a picture file, through every decoder behind the decoder interface: a picture
// is refused, or it arrives row by row in order, never larger than the 100-megapixel cap,
// and whole decoding agrees with the header.

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "backend/cairo/picture_decoder.h"
#include "require.h"
#include "targets.h"

namespace zarq::fuzz {
namespace {

// A sink that checks the order of what it is handed and keeps nothing. It may ask for a
// smaller picture, as the background preview does, and it gives up on a large picture after
// a few rows, as the preview does when another picture is wanted: the decoder must stop.
class CheckingSink final : public RowSink {
 public:
  explicit CheckingSink(ImageSize useful) : useful_(useful) {}

  static constexpr long long kDecodedWhole = 1 << 20;  // pixels
  static constexpr int kRowsOfALargePicture = 8;

  bool cancelled() const override {
    return static_cast<long long>(width_) * height_ > kDecodedWhole &&
           rows_ >= kRowsOfALargePicture;
  }
  ImageSize usefulSize(ImageSize stored) override {
    require(stored.width > 0 && stored.height > 0, "a stored size is positive");
    require(static_cast<long long>(stored.width) * stored.height <= kMaxImagePixels,
            "a picture over 100 megapixels is refused before it is decoded");
    stored_ = stored;
    return {std::min(useful_.width, stored.width), std::min(useful_.height, stored.height)};
  }
  void begin(int width, int height) override {
    require(begins_++ == 0, "rows begin once");
    require(width > 0 && height > 0, "a decoded size is positive");
    require(static_cast<long long>(width) * height <= kMaxImagePixels,
            "a picture over 100 megapixels is refused before it is decoded");
    width_ = width;
    height_ = height;
  }
  void row(int y, const std::uint32_t* pixels) override {
    require(begins_ == 1, "rows come after the size");
    require(y == rows_++ && y < height_, "rows come in order from the top");
    // Every pixel of the row is there to be read.
    std::uint32_t all = 0;
    for (int x = 0; x < width_; ++x) all |= pixels[x];
    sink_ ^= all;
  }

  int begins_ = 0, width_ = 0, height_ = 0, rows_ = 0;
  std::uint32_t sink_ = 0;
  ImageSize stored_;

 private:
  ImageSize useful_;
};

// One file per process, rewritten for every input, in a folder of its own.
const std::filesystem::path& inputFile() {
  static const std::filesystem::path file = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "zarq-fuzz-XXXXXX").string();
    const char* folder = ::mkdtemp(pattern.data());
    require(folder != nullptr, "a folder for the input can be made");
    return std::filesystem::path(folder) / "picture";
  }();
  return file;
}

}  // namespace

void imageDecoders(const std::uint8_t* data, std::size_t size) {
  const std::filesystem::path& file = inputFile();
  std::ofstream(file, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  PictureDecoder decoder;

  const std::optional<ImageSize> probed = decoder.probe(file);
  if (probed) {
    require(probed->width > 0 && probed->height > 0, "a probed size is positive");
    require(static_cast<long long>(probed->width) * probed->height <= kMaxImagePixels,
            "a probe refuses pictures over 100 megapixels");
  }
  // Whole, as the cover loader wants it, and shrunk as far as a small preview allows.
  for (const ImageSize useful : {ImageSize{1 << 20, 1 << 20}, ImageSize{16, 16}}) {
    CheckingSink sink(useful);
    const bool decoded = decoder.decodeRows(file, sink);
    if (sink.cancelled() && sink.rows_ < sink.height_) {
      require(!decoded, "a picture no longer wanted is not decoded to its end");
      continue;
    }
    if (!decoded) continue;
    require(sink.rows_ == sink.height_, "a decoded picture hands out every row");
    if (sink.stored_.width > 0) {
      require(sink.width_ >= std::min(useful.width, sink.stored_.width) &&
                  sink.height_ >= std::min(useful.height, sink.stored_.height),
              "a shrunk picture is no smaller than asked");
    }
  }
  // A whole decode of a small picture holds exactly its pixels.
  if (probed && static_cast<long long>(probed->width) * probed->height <= 1 << 16) {
    if (const std::optional<DecodedPixels> whole = decoder.decode(file)) {
      require(whole->pixels.size() == static_cast<std::size_t>(whole->width) * whole->height,
              "a decoded picture holds width x height pixels");
    }
  }
}

}  // namespace zarq::fuzz

// Some of gdk-pixbuf's readers allocate what a header claims before they look at it (4 GB
// for a 200-byte BMP whose pixels lie 4 GB into it). Such an allocation fails here, as it
// would on a system that does not overcommit, and the reader refuses the file; a large
// allocation of the editor's own code still stops the run.
extern "C" const char* __asan_default_options() {
  return "allocator_may_return_null=1:max_allocation_size_mb=2048";
}
