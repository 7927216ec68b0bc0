#pragma once
// Text layout with pango on cairo, laid out the way the editor's form expects (GDI+'s
// default layout: 1/6 em of margin at each end of a line).

#include <pango/pangocairo.h>

#include "platform/platform.h"

namespace zarq {

// The family list asked of pango: the editor's own family first, then installed CJK
// families, so a missing family never leaves the window without text.
inline constexpr char kPangoFamilies[] =
    "Source Han Sans & Saira Hybrid,Saira,Source Han Sans SC,Noto Sans CJK SC,sans-serif";

// One pango context shared by measuring and drawing so that both agree to the pixel.
class PangoText final : public TextMeasurer {
 public:
  // Lays out with the calling thread's default font map, or with `fontMap`.
  PangoText();
  explicit PangoText(PangoFontMap* fontMap);
  ~PangoText() override;
  PangoText(const PangoText&) = delete;
  PangoText& operator=(const PangoText&) = delete;

  float layoutWidth(TextView text, float sizePx) override;
  std::vector<float> caretPositions(TextView text, float sizePx) override;
  // Advance width of one line without margins, in pixels.
  float advanceWidth(TextView text, float sizePx);
  // A layout of one unwrapped line at the given size, owned by the caller.
  PangoLayout* createLayout(TextView text, float sizePx);

 private:
  PangoContext* context_ = nullptr;
};

}  // namespace zarq
