#include <webp/decode.h>

#include <bit>
#include <cstdio>
#include <vector>

#include "backend/cairo/row_decoding.h"
#include "platform/file_system.h"

namespace zarq {
namespace {

constexpr std::size_t kBlockSize = std::size_t{1} << 16;

// The decoder owned for as long as the decode runs.
class Incremental {
 public:
  explicit Incremental(WebPDecoderConfig& config) : decoder_(WebPIDecode(nullptr, 0, &config)) {}
  ~Incremental() {
    if (decoder_) WebPIDelete(decoder_);
  }
  Incremental(const Incremental&) = delete;
  Incremental& operator=(const Incremental&) = delete;
  WebPIDecoder* get() const { return decoder_; }

 private:
  WebPIDecoder* decoder_;
};

// The rows the decoder has finished since the last call, handed to the sink.
void handOutRows(WebPIDecoder* decoder, const std::vector<std::uint32_t>& pixels, int width,
                 int& sent, std::vector<std::uint32_t>& row, RowSink& sink) {
  int finished = 0;
  if (!WebPIDecGetRGB(decoder, &finished, nullptr, nullptr, nullptr)) return;
  for (; sent < finished; ++sent) {
    const std::uint32_t* rgba = pixels.data() + static_cast<std::size_t>(sent) * width;
    for (int x = 0; x < width; ++x) {
      const std::uint32_t p = rgba[x];  // the bytes blue, green, red, alpha
      row[x] = onBlack(p >> 16 & 0xFF, p >> 8 & 0xFF, p & 0xFF, p >> 24);
    }
    sink.row(sent, row.data());
  }
}

}  // namespace

static_assert(std::endian::native == std::endian::little, "BGRA bytes are read as words");

RowDecoding decodeWebpRows(const std::filesystem::path& file, RowSink& sink) {
  const FileHandle in = openRegularFile(file);
  if (!in) return RowDecoding::Failed;
  std::vector<std::uint8_t> block(kBlockSize);
  const std::size_t headerBytes = std::fread(block.data(), 1, block.size(), in.get());
  WebPDecoderConfig config;
  if (!WebPInitDecoderConfig(&config) ||
      WebPGetFeatures(block.data(), headerBytes, &config.input) != VP8_STATUS_OK ||
      config.input.has_animation) {
    return RowDecoding::Failed;
  }
  const int width = config.input.width, height = config.input.height;
  if (width <= 0 || height <= 0 || static_cast<long long>(width) * height > kMaxImagePixels) {
    return RowDecoding::Failed;
  }
  // The decoder writes into memory of ours, the whole picture.
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
  config.output.colorspace = MODE_BGRA;
  config.output.is_external_memory = 1;
  config.output.u.RGBA.rgba = reinterpret_cast<std::uint8_t*>(pixels.data());
  config.output.u.RGBA.stride = width * 4;
  config.output.u.RGBA.size = pixels.size() * 4;
  const Incremental decoder(config);
  if (!decoder.get()) return RowDecoding::Failed;
  std::vector<std::uint32_t> row(width);
  sink.begin(width, height);
  int sent = 0;
  std::size_t got = headerBytes;
  while (got > 0 && !sink.cancelled()) {
    const VP8StatusCode status = WebPIAppend(decoder.get(), block.data(), got);
    handOutRows(decoder.get(), pixels, width, sent, row, sink);
    if (status == VP8_STATUS_OK) return sent == height ? RowDecoding::Done : RowDecoding::Failed;
    if (status != VP8_STATUS_SUSPENDED) return RowDecoding::Failed;
    got = std::fread(block.data(), 1, block.size(), in.get());
  }
  return RowDecoding::Failed;
}

}  // namespace zarq
