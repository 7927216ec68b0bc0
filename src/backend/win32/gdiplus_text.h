#pragma once
// Text measurement with GDI+ on a measuring surface of its own, laid out as GDI+ does by
// default: a laid-out line measures its advance plus about 1/6 em at each end.

#include "backend/win32/gdiplus_font.h"
#include "backend/win32/gdiplus_object.h"
#include "platform/platform.h"

namespace zarq::win32 {

// Text drawn and measured alike: anti-aliased with grid fitting.
inline constexpr Gdiplus::TextRenderingHint kTextRendering =
    Gdiplus::TextRenderingHintAntiAliasGridFit;

class GdiplusText final : public TextMeasurer {
 public:
  explicit GdiplusText(const GdiplusFont& font);
  GdiplusText(const GdiplusText&) = delete;
  GdiplusText& operator=(const GdiplusText&) = delete;

  float layoutWidth(TextView text, float sizePx) override;
  std::vector<float> caretPositions(TextView text, float sizePx) override;

  const GdiplusFont& font() const { return font_; }

 private:
  // The width GDI+ reports for `text` on one line, trailing spaces included.
  float measure(GdipGraphics& graphics, GdipFont& font, GdipStringFormat& format, TextView text);
  // A graphics context on the measuring surface, a font and a measuring format.
  void prepare(GdipGraphics& graphics, GdipFont& font, GdipStringFormat& format, float sizePx);

  const GdiplusFont& font_;
  GdipBitmap surface_;
};

}  // namespace zarq::win32
