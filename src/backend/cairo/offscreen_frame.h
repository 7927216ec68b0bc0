#pragma once
// The 960 x 720 frame every page is painted into before it is shown. On a scaled display
// it is drawn at the display's device scale, so text and shapes stay sharp; the editor
// draws in its own 960 x 720 pixels all the same. Its memory is taken when it is first
// drawn or looked at: a tool that never draws never touches it.

#include <cairo.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "backend/cairo/cairo_canvas.h"
#include "backend/cairo/cairo_owned.h"
#include "platform/platform.h"

namespace zarq {

class OffscreenFrame final : public FrameSink {
 public:
  explicit OffscreenFrame(PangoText& text);
  OffscreenFrame(const OffscreenFrame&) = delete;
  OffscreenFrame& operator=(const OffscreenFrame&) = delete;

  Canvas& beginFrame() override;
  void present() override;

  // Device pixels per pixel of the frame (1, 2, or a fraction such as 1.5). A new scale
  // starts with a black frame; the next frame drawn fills it.
  void setScale(double scale);
  double scale() const { return scale_; }

  // From now on the frame's memory comes from `make` (none: the program's own). A window's
  // back end gives memory its display reads directly, so that showing a frame copies nothing.
  // The frame drawn so far is kept.
  using SurfaceMaker = std::function<cairo_surface_t*(int width, int height)>;
  void surfacesFrom(SurfaceMaker make);

  // Gives the frame's memory back while nothing needs it, once the display has read it; the
  // next frame drawn or looked at takes it again. Until then held() is false, and a window
  // must draw a frame before it can show one.
  void letGo();
  bool held() const { return static_cast<bool>(surface_); }

  // Called by present(); the window back end shows the frame from here.
  void onPresent(std::function<void()> callback) { onPresent_ = std::move(callback); }
  // The last finished frame, with the device scale set, so that painting it at the same
  // scale maps its pixels one to one.
  cairo_surface_t* surface() const {
    makeSurface();
    return surface_.get();
  }
  // Device pixel of the last finished frame as 0xAARRGGBB.
  std::uint32_t pixel(int x, int y) const;
  // The last finished frame as a PNG file's bytes, at its device size.
  std::string pngBytes() const;
  int framesPresented() const { return framesPresented_; }

 private:
  // The surface at the scale, clear, unless it is there already.
  void makeSurface() const;

  PangoText& text_;
  double scale_ = 1;  // before the surface, which is made at it
  // One surface: a frame is painted whole between beginFrame() and present() on the window's
  // thread, so nothing can show it half painted, and a second would cost a frame of memory.
  mutable CairoSurface surface_;
  CairoContext cr_;
  // Declared after the context it draws with, so that it goes first.
  std::optional<CairoCanvas> canvas_;
  std::function<void()> onPresent_;
  SurfaceMaker make_;
  int framesPresented_ = 0;
};

}  // namespace zarq
