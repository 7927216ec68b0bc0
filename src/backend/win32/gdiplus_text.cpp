#include "backend/win32/gdiplus_text.h"

#include "backend/win32/wide_text.h"

namespace zarq::win32 {
namespace {

constexpr char16_t kProbe[] = u"o";

bool isHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool isLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

GdiplusText::GdiplusText(const GdiplusFont& font) : font_(font) {
  // Nothing is drawn on it: it only gives measuring a graphics context of the frame's kind.
  surface_.track(GdipCreateBitmapFromScan0(kFrameWidth, kFrameHeight, 0, PixelFormat32bppARGB,
                                           nullptr, surface_.out()));
}

void GdiplusText::prepare(GdipGraphics& graphics, GdipFont& font, GdipStringFormat& format,
                          float sizePx) {
  surface_.track(GdipGetImageGraphicsContext(surface_.get(), graphics.out()));
  graphics.track(GdipSetTextRenderingHint(graphics.get(), kTextRendering));
  font_.createFont(font, sizePx);
  format.track(GdipCreateStringFormat(0, LANG_NEUTRAL, format.out()));
  format.track(
      GdipSetStringFormatFlags(format.get(), Gdiplus::StringFormatFlagsMeasureTrailingSpaces));
}

float GdiplusText::measure(GdipGraphics& graphics, GdipFont& font, GdipStringFormat& format,
                           TextView text) {
  const std::wstring line = wide(text);
  const Gdiplus::RectF layout(0, 0, 0, 0);
  Gdiplus::RectF box(0, 0, 0, 0);
  graphics.track(GdipMeasureString(graphics.get(), line.c_str(), static_cast<INT>(line.size()),
                                   font.get(), &layout, format.get(), &box, nullptr, nullptr));
  return box.Width;
}

float GdiplusText::layoutWidth(TextView text, float sizePx) {
  if (text.empty()) return 0;
  GdipGraphics graphics;
  GdipFont font;
  GdipStringFormat format;
  prepare(graphics, font, format, sizePx);
  return measure(graphics, font, format, text);
}

std::vector<float> GdiplusText::caretPositions(TextView text, float sizePx) {
  std::vector<float> positions(text.size() + 1, 0.f);
  if (text.empty()) return positions;
  GdipGraphics graphics;
  GdipFont font;
  GdipStringFormat format;
  prepare(graphics, font, format, sizePx);
  // Each prefix measured behind a probe letter, less the probe alone: the margins cancel
  // and what is left is where the prefix ends.
  const float probe = measure(graphics, font, format, kProbe);
  Text probed(kProbe);
  for (std::size_t i = 0; i < text.size(); ++i) {
    probed.push_back(text[i]);
    // The low half of a surrogate pair shares its character's start.
    if (isHighSurrogate(text[i]) && i + 1 < text.size() && isLowSurrogate(text[i + 1])) {
      probed.push_back(text[++i]);
      positions[i] = positions[i - 1];
    }
    positions[i + 1] = measure(graphics, font, format, probed) - probe;
  }
  return positions;
}

}  // namespace zarq::win32
