#pragma once
// The 960 x 720 frame every page is painted into before it is shown, drawn at a scale: the
// window's monitor may show 1.25 or 1.5 device pixels per logical pixel, and the frame is
// then painted that much larger (GDI+ world transform) rather than stretched afterwards, so
// that text and shapes stay sharp. Its memory is taken when it is first drawn or looked at:
// a tool that never draws never touches it.

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "backend/win32/gdiplus_canvas.h"
#include "backend/win32/gdiplus_object.h"
#include "platform/platform.h"

namespace zarq::win32 {

class GdiplusFrame final : public FrameSink {
 public:
  // Text is drawn as `text` measures it.
  explicit GdiplusFrame(GdiplusText& text, float scale = 1);
  GdiplusFrame(const GdiplusFrame&) = delete;
  GdiplusFrame& operator=(const GdiplusFrame&) = delete;

  Canvas& beginFrame() override;
  void present() override;

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
  const std::uint32_t* shownPixels() const {
    makePixels();
    return shown_.data();
  }
  std::uint32_t pixel(int x, int y) const {
    return shownPixels()[static_cast<std::size_t>(y) * width() + x];
  }
  // The last finished frame as the bytes of a PNG file; empty when it cannot be encoded.
  std::string pngBytes() const;
  int framesPresented() const { return framesPresented_; }

 private:
  // Both frames at the size, opaque black, unless they are there already.
  void makePixels() const;

  GdiplusText& text_;
  float scale_;
  mutable std::vector<std::uint32_t> drawing_;  // being painted
  mutable std::vector<std::uint32_t> shown_;    // last presented
  mutable GdipBitmap bitmap_;                   // on drawing_'s pixels
  GdipGraphics graphics_;
  std::optional<GdiplusCanvas> canvas_;
  std::function<void()> onPresent_;
  int framesPresented_ = 0;
};

}  // namespace zarq::win32
