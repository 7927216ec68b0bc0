#include "draw/field_label.h"

#include "draw/colours.h"

namespace zarq {

void FieldLabel::draw(Canvas& canvas, TextMetrics& metrics, const Palette& palette) const {
  const float w = metrics.measureText(caption, size);
  float left = x;
  if (anchor == Align::Centre) left = x - 0.6f * w;
  if (anchor == Align::Far) left = x - 1.2f * w;
  canvas.drawText(caption, size, {left, y, 1.2f * w, 1.2f * size}, anchor,
                  inkOf(palette, colour, enabled));
}

bool FieldLabel::hit(TextMetrics& metrics, int mouseX, int mouseY) const {
  if (!shown || !enabled) return false;
  const float t = metrics.measureTextTight(caption, size);
  if (mouseY < y || mouseY > y + size) return false;
  float left = x;
  if (anchor == Align::Centre) left = x - t / 2;
  if (anchor == Align::Far) left = x - t;
  return mouseX >= left && mouseX <= left + t;
}

}  // namespace zarq
