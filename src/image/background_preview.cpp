#include "image/background_preview.h"

#include <algorithm>
#include <climits>
#include <memory>

#include "common/numbers.h"
#include "image/gaussian_blur.h"
#include "image/scale_image.h"

namespace zarq {
namespace {

constexpr std::uint32_t kOpaque = 0xFF000000;

// Scales the illustration, as the decoder hands out its rows, to cover the frame, centred.
// A wide picture is scaled to the frame's height and cropped left and right, a tall one to
// the frame's width and cropped top and bottom.
class CoverFrame final : public RowSink {
 public:
  explicit CoverFrame(const std::function<bool()>& cancelled) : cancelled_(cancelled) {}

  ImageSize usefulSize(ImageSize stored) override {
    place(stored);
    // No more rows than the cover needs on either side: a decoder may shrink to that.
    return {static_cast<int>(std::min<long long>(window_.fullWidth, stored.width)),
            static_cast<int>(std::min<long long>(window_.fullHeight, stored.height))};
  }

  bool cancelled() const override { return cancelled_ && cancelled_(); }

  void begin(int width, int height) override {
    // A decoder that never asked hands out the picture as stored.
    if (!placed_) place({width, height});
    scaler_ = std::make_unique<RowScaler>(width, height, window_, cover_.pixels);
  }

  void row(int, const std::uint32_t* pixels) override { scaler_->addRow(pixels); }

  std::optional<Cover> finish() {
    if (!scaler_ || cover_.pixels.getWidth() != kFrameWidth ||
        cover_.pixels.getHeight() != kFrameHeight) {
      return std::nullopt;
    }
    return std::move(cover_);
  }

 private:
  // The frame's place in the picture scaled to cover it, from the size the picture is
  // stored at, whatever size its rows then arrive in. The scaled sizes can exceed an int
  // for a long, thin picture; only the window is made.
  void place(ImageSize stored) {
    const long long w = stored.width, h = stored.height;
    cover_.wide = static_cast<double>(w) / h >= 4.0 / 3;
    if (cover_.wide) {
      const long long scaledWidth = roundHalfAway(w * static_cast<double>(kFrameHeight) / h);
      window_ = {scaledWidth, kFrameHeight, (scaledWidth - kFrameWidth) / 2,
                 0,           kFrameWidth,  kFrameHeight};
    } else {
      const long long scaledHeight = roundHalfAway(h * static_cast<double>(kFrameWidth) / w);
      window_ = {kFrameWidth, scaledHeight, 0, (scaledHeight - kFrameHeight) / 2,
                 kFrameWidth, kFrameHeight};
    }
    placed_ = true;
  }

  const std::function<bool()>& cancelled_;
  bool placed_ = false;
  ScaleWindow window_;
  Cover cover_;
  std::unique_ptr<RowScaler> scaler_;
};

// The two branches scale the blur differently: 80 gives sigma 53 for a wide picture and 38
// for a tall one.
int sigmaFor(const Cover& cover, int blur) {
  const double side = cover.wide ? kFrameHeight / 1080.0 : kFrameWidth / 2048.0;
  return static_cast<int>(roundHalfAway(side * blur));
}

}  // namespace

std::optional<Cover> decodeCover(ImageDecoder& images, const std::filesystem::path& file,
                                 const std::function<bool()>& cancelled,
                                 std::chrono::milliseconds budget) {
  const auto deadline = std::chrono::steady_clock::now() + budget;
  const std::function<bool()> givenUp = [&] {
    return (cancelled && cancelled()) || std::chrono::steady_clock::now() >= deadline;
  };
  CoverFrame cover(givenUp);
  if (!images.decodeRows(file, cover)) return std::nullopt;
  return cover.finish();
}

void blurCover(const Cover& cover, int blur, Image& preview) {
  preview = cover.pixels;
  blur = std::min(blur, kMaxBlur);
  if (blur > 0) gaussianBlur(preview, sigmaFor(cover, blur));
  std::uint32_t* pixels = preview.pixelBuffer();
  for (int i = 0; i < kFrameWidth * kFrameHeight; ++i) pixels[i] |= kOpaque;
}

}  // namespace zarq
