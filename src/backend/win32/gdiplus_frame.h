#pragma once
// The frame painted with GDI+: its pixels are painted through a GDI+ bitmap on them, at the
// frame's scale by a world transform.

#include <optional>
#include <string>

#include "backend/win32/gdiplus_canvas.h"
#include "backend/win32/gdiplus_object.h"
#include "platform/pixel_frame.h"

namespace zarq::win32 {

class GdiplusFrame final : public PixelFrame {
 public:
  // Text is drawn as `text` measures it.
  explicit GdiplusFrame(GdiplusText& text, float scale = 1) : PixelFrame(scale), text_(text) {}

  // The last finished frame as the bytes of a PNG file; empty when it cannot be encoded.
  std::string pngBytes() const;

 private:
  Canvas& startDrawing(std::uint32_t* pixels) override;
  void stopDrawing() override;

  GdiplusText& text_;
  // While a frame is drawn: a bitmap on its pixels, a graphics context on the bitmap and the
  // canvas drawing with that context, each let go of before the one it draws on.
  GdipBitmap bitmap_;
  GdipGraphics graphics_;
  std::optional<GdiplusCanvas> canvas_;
};

}  // namespace zarq::win32
