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
  std::vector<PlacedRun> placed;
  float x = 0;
  for (const FaceRun& run : font_.faceRuns(text)) {
    const TextView part = text.substr(run.begin, run.end - run.begin);
    const float advance = run.face == 0 ? Measuring(*this, sizePx, 0).advance(part)
                                        : facePositions(part, sizePx, run.face).back();
    placed.push_back({run, x, advance});
    x += advance;
  }
  return placed;
}

float GdiplusText::layoutWidth(TextView text, float sizePx) {
  const std::vector<FaceRun> runs = font_.faceRuns(text);
  if (runs.empty()) return 0;
  if (runs.size() == 1 && runs[0].face == 0) return Measuring(*this, sizePx, 0).width(text);
  const std::vector<PlacedRun> placed = placeRuns(text, sizePx);
  return placed.back().x + placed.back().advance + 2 * margin(sizePx);
}

std::vector<float> GdiplusText::facePositions(TextView text, float sizePx, int face) {
  std::vector<float> positions(text.size() + 1, 0.f);
  // Character by character, `endOf(at, next)` says where the one of units [at, next) ends;
  // the low half of a surrogate pair shares its character's start.
  const auto place = [&](auto endOf) {
    for (std::size_t at = 0, next = 0; at < text.size(); at = next) {
      next = nextCharacter(text, at);
      if (next > at + 1) positions[at + 1] = positions[at];
      positions[next] = endOf(at, next);
    }
  };
  if (face > 0) {
    // Drawn glyph by glyph: each character advances by its glyph's width.
    const GlyphRun glyphs = font_.glyphs(face, text);
    std::size_t glyph = 0;
    place([&](std::size_t at, std::size_t) {
      const float advanceEm = glyph < glyphs.advancesEm.size() ? glyphs.advancesEm[glyph] : 0;
      ++glyph;
      return positions[at] + advanceEm * sizePx;
    });
    return positions;
  }
  // Each prefix measured behind the probe letter, less the probe alone: the margins cancel
  // and what is left is where the prefix ends.
  Measuring m(*this, sizePx, face);
  const float probe = m.width(kProbe);
  place([&](std::size_t, std::size_t next) {
    return m.width(Text(kProbe) + Text(text.substr(0, next))) - probe;
  });
  return positions;
}

std::vector<float> GdiplusText::caretPositions(TextView text, float sizePx) {
  const std::vector<FaceRun> runs = font_.faceRuns(text);
  if (runs.size() <= 1) return facePositions(text, sizePx, runs.empty() ? 0 : runs[0].face);
  std::vector<float> positions(text.size() + 1, 0.f);
  float x = 0;
  for (const FaceRun& run : runs) {
    const std::vector<float> inRun =
        facePositions(text.substr(run.begin, run.end - run.begin), sizePx, run.face);
    for (std::size_t i = 0; i < inRun.size(); ++i) positions[run.begin + i] = x + inRun[i];
    x += inRun.back();
  }
  return positions;
}

}  // namespace zarq::win32
