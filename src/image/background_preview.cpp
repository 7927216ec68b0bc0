#include "image/background_preview.h"

#include <algorithm>
#include <memory>

#include "common/numbers.h"
#include "image/gaussian_blur.h"
#include "image/scale_image.h"

namespace zarq {
namespace {

constexpr int kMaxBlur = 200;
constexpr std::uint32_t kOpaque = 0xFF000000;

// Scales the illustration, as the decoder hands out its rows, to cover the frame, centred.
// A wide picture is scaled to the frame's height and cropped left and right, a tall one to
// the frame's width and cropped top and bottom; the two scale the blur by different lengths.
class CoverFrame final : public RowSink {
 public:
  explicit CoverFrame(int blur) : blur_(blur) {}

  void begin(int width, int height) override {
    const long long w = width, h = height;
    // The scaled sizes can exceed an int for a long, thin picture; only the window is made.
    ScaleWindow window;
    if (static_cast<double>(w) / h >= 4.0 / 3) {
      const long long scaledWidth = roundHalfAway(w * static_cast<double>(kFrameHeight) / h);
      window = {scaledWidth, kFrameHeight, (scaledWidth - kFrameWidth) / 2,
                0,           kFrameWidth,  kFrameHeight};
      sigma_ = static_cast<int>(roundHalfAway(static_cast<double>(kFrameHeight) * blur_ / 1080));
    } else {
      const long long scaledHeight = roundHalfAway(h * static_cast<double>(kFrameWidth) / w);
      window = {kFrameWidth, scaledHeight, 0, (scaledHeight - kFrameHeight) / 2,
                kFrameWidth, kFrameHeight};
      sigma_ = static_cast<int>(roundHalfAway(static_cast<double>(kFrameWidth) * blur_ / 2048));
    }
    scaler_ = std::make_unique<RowScaler>(width, height, window, result_);
  }

  void row(int, const std::uint32_t* pixels) override { scaler_->addRow(pixels); }

  // The finished picture, blurred, 0x00RRGGBB; empty if no picture began.
  const Image& finish() {
    if (blur_ > 0 && scaler_) gaussianBlur(result_, sigma_);
    return result_;
  }

 private:
  int blur_;
  int sigma_ = 0;
  Image result_;
  std::unique_ptr<RowScaler> scaler_;
};

}  // namespace

Image buildBackgroundPreview(ImageDecoder& images, const std::filesystem::path& file, int blur) {
  Image preview(kFrameWidth, kFrameHeight);
  CoverFrame cover(std::min(blur, kMaxBlur));
  if (!images.decodeRows(file, cover)) {
    preview.fill(kOpaque);
    return preview;
  }
  const Image& result = cover.finish();
  if (result.getWidth() != kFrameWidth || result.getHeight() != kFrameHeight) {
    preview.fill(kOpaque);
    return preview;
  }
  const std::uint32_t* from = result.pixelBuffer();
  std::uint32_t* to = preview.pixelBuffer();
  for (int i = 0; i < kFrameWidth * kFrameHeight; ++i) to[i] = from[i] | kOpaque;
  return preview;
}

}  // namespace zarq
