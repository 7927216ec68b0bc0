#pragma once
// Text measurement with GDI+ on a measuring surface of its own, laid out as GDI+ does by
// default: a laid-out line measures its advance plus about 1/6 em at each end. A text whose
// characters need several faces of the font is measured run by run, as it is drawn.

#include <vector>

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

  // The text's runs of one face, one after the other on the line.
  std::vector<PlacedRun> placeRuns(TextView text, float sizePx);
  // The room GDI+ leaves at each end of a laid-out line, in pixels.
  float margin(float sizePx);

  const GdiplusFont& font() const { return font_; }

 private:
  // Measures texts in one face at one size on the measuring surface.
  struct Measuring;
  // Caret positions of a text drawn whole in one face.
  std::vector<float> facePositions(TextView text, float sizePx, int face);

  const GdiplusFont& font_;
  GdipBitmap surface_;
};

}  // namespace zarq::win32
