#pragma once
// The 960 x 720 frame every page is painted into before it is shown.

#include <cairo.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include "backend/cairo/cairo_canvas.h"
#include "platform/platform.h"

namespace zarq {

class OffscreenFrame final : public FrameSink {
 public:
  explicit OffscreenFrame(PangoText& text);
  ~OffscreenFrame() override;
  OffscreenFrame(const OffscreenFrame&) = delete;
  OffscreenFrame& operator=(const OffscreenFrame&) = delete;

  Canvas& beginFrame() override;
  void present() override;

  // Called by present(); the window back end shows the frame from here.
  void onPresent(std::function<void()> callback) { onPresent_ = std::move(callback); }
  // The last finished frame.
  cairo_surface_t* surface() const { return shown_; }
  // Pixel of the last finished frame as 0xAARRGGBB.
  std::uint32_t pixel(int x, int y) const;
  bool writePng(const std::filesystem::path& file) const;
  int framesPresented() const { return framesPresented_; }

 private:
  PangoText& text_;
  cairo_surface_t* drawing_ = nullptr;  // being painted
  cairo_surface_t* shown_ = nullptr;    // last presented
  cairo_t* cr_ = nullptr;
  std::optional<CairoCanvas> canvas_;
  std::function<void()> onPresent_;
  int framesPresented_ = 0;
};

}  // namespace zarq
