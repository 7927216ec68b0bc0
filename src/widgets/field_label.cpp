#include "widgets/field_label.h"

#include "widgets/colours.h"
#include "widgets/focus_outline.h"

namespace zarq {

void FieldLabel::draw(Canvas& canvas, TextMetrics& metrics, const Palette& palette,
                      bool focused) const {
  const float w = metrics.measureText(caption, size);
  float left = x;
  if (anchor == Align::Centre) left = x - 0.6f * w;
  if (anchor == Align::Far) left = x - 1.2f * w;
  canvas.drawText(caption, size, {left, y, 1.2f * w, 1.2f * size}, anchor,
                  inkOf(palette, colour, enabled_));
  if (focused) {
    // Around the glyphs as drawn: a near or far text starts a sixth of its size inside.
    const float t = metrics.measureTextTight(caption, size);
    float glyphs = x + size / 6;
    if (anchor == Align::Centre) glyphs = x - t / 2;
    if (anchor == Align::Far) glyphs = x - size / 6 - t;
    drawFocusOutline(canvas, palette, {glyphs, y, t, 1.2f * size}, 2);
  }
}

RectF FieldLabel::textBounds(TextMetrics& metrics) const {
  const float t = metrics.measureTextTight(caption, size);
  float left = x;
  if (anchor == Align::Centre) left = x - t / 2;
  if (anchor == Align::Far) left = x - t;
  return {left, y, t, size};
}

bool FieldLabel::hit(TextMetrics& metrics, int mouseX, int mouseY) const {
  if (!shown_ || !enabled_) return false;
  const RectF text = textBounds(metrics);
  return mouseY >= y && mouseY <= y + size && mouseX >= text.x && mouseX <= text.x + text.w;
}

}  // namespace zarq
