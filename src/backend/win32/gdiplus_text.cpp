#include "backend/win32/gdiplus_text.h"

#include "backend/win32/wide_text.h"

namespace zarq::win32 {
namespace {

constexpr char16_t kProbe[] = u"o";

}  // namespace

// A graphics context on the measuring surface, a font of one face and a measuring format.
struct GdiplusText::Measuring {
  Measuring(GdiplusText& owner, float sizePx, int face) {
    GdipGetImageGraphicsContext(owner.surface_.get(), graphics.out());
    GdipSetTextRenderingHint(graphics.get(), kTextRendering);
    owner.font_.createFont(font, sizePx, face);
    GdipCreateStringFormat(0, LANG_NEUTRAL, format.out());
    GdipSetStringFormatFlags(format.get(), Gdiplus::StringFormatFlagsMeasureTrailingSpaces);
  }

  // The width GDI+ reports for `text` on one line, trailing spaces included.
  float width(TextView text) {
    const std::wstring line = wide(text);
    const Gdiplus::RectF layout(0, 0, 0, 0);
    Gdiplus::RectF box(0, 0, 0, 0);
    GdipMeasureString(graphics.get(), line.c_str(), static_cast<INT>(line.size()), font.get(),
                      &layout, format.get(), &box, nullptr, nullptr);
    return box.Width;
  }

  // How far `text` advances: measured behind a probe letter, less the probe alone, so that
  // the margins cancel.
  float advance(TextView text) { return width(Text(kProbe) + Text(text)) - width(kProbe); }

  GdipGraphics graphics;
  GdipFont font;
  GdipStringFormat format;
};

GdiplusText::GdiplusText(const GdiplusFont& font) : font_(font) {
  // Nothing is drawn on it: it only gives measuring a graphics context of the frame's kind.
  GdipCreateBitmapFromScan0(kFrameWidth, kFrameHeight, 0, PixelFormat32bppARGB, nullptr,
                            surface_.out());
}

float GdiplusText::margin(float sizePx) {
  Measuring m(*this, sizePx, 0);
  return (m.width(kProbe) - m.advance(kProbe)) / 2;
}

std::vector<PlacedRun> GdiplusText::placeRuns(TextView text, float sizePx) {
  return zarq::placeRuns(text, font_.faceRuns(text), [&](TextView part, int face) {
    return face == 0 ? Measuring(*this, sizePx, 0).advance(part)
                     : facePositions(part, sizePx, face).back();
  });
}

float GdiplusText::layoutWidth(TextView text, float sizePx) {
  const std::vector<FaceRun> runs = font_.faceRuns(text);
  if (runs.empty()) return 0;
  if (runs.size() == 1 && runs[0].face == 0) return Measuring(*this, sizePx, 0).width(text);
  const std::vector<PlacedRun> placed = placeRuns(text, sizePx);
  return placed.back().x + placed.back().advance + 2 * margin(sizePx);
}

std::vector<float> GdiplusText::facePositions(TextView text, float sizePx, int face) {
  if (face > 0) {
    // Drawn glyph by glyph: each character advances by its glyph's width.
    const GlyphRun glyphs = font_.glyphs(face, text);
    std::size_t glyph = 0;
    return caretPositionsByCharacter(text, [&](std::size_t, float start) {
      const float advanceEm = glyph < glyphs.advancesEm.size() ? glyphs.advancesEm[glyph] : 0;
      ++glyph;
      return start + advanceEm * sizePx;
    });
  }
  // Each prefix measured behind the probe letter, less the probe alone: the margins cancel
  // and what is left is where the prefix ends.
  Measuring m(*this, sizePx, face);
  const float probe = m.width(kProbe);
  return caretPositionsByCharacter(text, [&](std::size_t next, float) {
    return m.width(Text(kProbe) + Text(text.substr(0, next))) - probe;
  });
}

std::vector<float> GdiplusText::caretPositions(TextView text, float sizePx) {
  return joinCaretPositions(text, font_.faceRuns(text), [&](TextView part, int face) {
    return facePositions(part, sizePx, face);
  });
}

}  // namespace zarq::win32
