#pragma once
// The 960 x 720 frame every page is painted into before it is shown, held as pixels in the
// program's memory, drawn at a scale: the window's monitor may show 1.25 or 1.5 device pixels
// per logical pixel, and the frame is then painted that much larger rather than stretched
// afterwards, so that text and shapes stay sharp. Two sets of pixels: the frame being painted
// and the last one presented, which the window shows. Their memory is taken when the frame is
// first drawn or looked at: a tool that never draws never touches it.
//
// A back end supplies the canvas that paints into the pixels.

#include <cmath>
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/platform.h"

namespace zarq {

class PixelFrame : public FrameSink {
 public:
  explicit PixelFrame(float scale = 1) : scale_(scale) {}
  PixelFrame(const PixelFrame&) = delete;
  PixelFrame& operator=(const PixelFrame&) = delete;

  Canvas& beginFrame() final;
  void present() final;

  // Device pixels per logical pixel; the next frame is drawn at the new scale.
  void setScale(float scale);
  float scale() const { return scale_; }
  // Size of the frame in device pixels.
  int width() const { return static_cast<int>(std::ceil(kFrameWidth * scale_)); }
  int height() const { return static_cast<int>(std::ceil(kFrameHeight * scale_)); }

  // Gives both frames' memory back while nothing needs them; the next frame drawn or looked
  // at takes it again.
  void letGo();

  // Called by present(); the window shows the frame from here.
  void onPresent(std::function<void()> callback) { onPresent_ = std::move(callback); }
  // The last finished frame, rows from the top, each pixel 0xAARRGGBB.
  const std::uint32_t* shownPixels() const;
  std::uint32_t pixel(int x, int y) const {
    return shownPixels()[static_cast<std::size_t>(y) * width() + x];
  }
  int framesPresented() const { return framesPresented_; }

 protected:
  ~PixelFrame() override = default;
  // A canvas that paints into `pixels`, width() x height() of them from the top, opaque black
  // so far, at scale() device pixels per logical pixel.
  virtual Canvas& startDrawing(std::uint32_t* pixels) = 0;
  // Finishes the canvas's drawing into the pixels and lets go of it; nothing when no canvas
  // is drawing.
  virtual void stopDrawing() = 0;

 private:
  // Both frames at the size, opaque black, unless they are there already.
  void makePixels() const;

  float scale_;
  mutable std::vector<std::uint32_t> drawing_;  // being painted
  mutable std::vector<std::uint32_t> shown_;    // last presented
  std::function<void()> onPresent_;
  int framesPresented_ = 0;
};

}  // namespace zarq
