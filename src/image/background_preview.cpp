#include "image/background_preview.h"

#include <algorithm>
#include <atomic>
#include <climits>
#include <memory>

#include "common/numbers.h"
#include "image/dimming.h"
#include "image/gaussian_blur.h"
#include "image/helper_thread.h"
#include "image/scale_image.h"

namespace zarq {
namespace {

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
    cover_.pixels.reshape(kFrameWidth, kFrameHeight);
    source_ = {width, height};
  }

  void row(int, const std::uint32_t* pixels) override {
    if (!scaler_) {
      scaler_ = std::make_unique<RowScaler>(source_.width, source_.height, window_, cover_.pixels);
    }
    scaler_->addRow(pixels);
  }

  // A picture held whole is scaled in two halves, the bottom one on the helper thread; each
  // converts only the rows and columns it reads, straight into its scaler.
  bool allRows(int width, int height, const HeldPicture& picture) override {
    ScaleWindow top = window_, bottom = window_;
    top.height = kFrameHeight / 2;
    bottom.top += top.height;
    bottom.height = kFrameHeight - top.height;
    RowScaler upper(width, height, top, cover_.pixels);
    RowScaler lower(width, height, bottom, cover_.pixels, top.height);
    std::atomic<bool> stopped = false;
    const auto scale = [&](RowScaler& scaler) {
      for (int y = scaler.firstRow(); y < scaler.endRow() && !stopped; ++y) {
        if (cancelled()) stopped = true;
        if (std::uint32_t* span = scaler.spanOfRow(y)) {
          picture.convertRow(y, scaler.firstColumn(), scaler.columnCount(), span);
          scaler.spanFilled(y);
        }
      }
    };
    HelperThread& helper = HelperThread::shared();
    const bool started = helper.start([&] { scale(lower); });
    scale(upper);
    if (!started || !helper.finish()) scale(lower);
    return !stopped;
  }

  std::optional<Cover> finish() {
    if (cover_.pixels.getWidth() != kFrameWidth || cover_.pixels.getHeight() != kFrameHeight) {
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
  ImageSize source_;
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

void blurCover(const Cover& cover, int blur, Image& preview, Image* dimmed, int dimAlpha) {
  blur = std::min(blur, kMaxBlur);
  if (dimmed) dimmed->reshape(kFrameWidth, kFrameHeight);
  gaussianBlur(cover.pixels, preview, blur > 0 ? sigmaFor(cover, blur) : 0,
               [&](int y, int x, int count) {
                 std::uint32_t* blurred = preview.row(y) + x;
                 makeOpaque(blurred, count);
                 if (dimmed) dimPixels(blurred, dimmed->row(y) + x, count, dimAlpha);
               });
}

}  // namespace zarq
