#include "widgets/status_bubble.h"

#include "widgets/colours.h"
#include "widgets/focus_outline.h"
#include "widgets/rounded_rect.h"

namespace zarq {

float StatusBubble::boxWidth(TextMetrics& metrics) const {
  return metrics.measureTextTight(status, size) + (isError ? 4 : 22);
}

float StatusBubble::boxLeft(TextMetrics& metrics) const {
  const float bw = boxWidth(metrics);
  if (anchor == Align::Centre) return x - bw / 2;
  if (anchor == Align::Far) return x - bw;
  return x;
}

void StatusBubble::draw(Canvas& canvas, TextMetrics& metrics, const Palette& palette,
                        bool focused) const {
  const float t = metrics.measureTextTight(status, size);
  const float bw = boxWidth(metrics);
  const float left = boxLeft(metrics);
  const Argb ink = inkOf(palette, colour);
  fillRoundedRect(canvas, bubbleFillOf(palette), left, y, bw, size + 10, 0.2f * size);
  if (palette.highContrast)
    drawRoundedRect(canvas, Pen{ink, 1}, left, y, bw, size + 10, 0.2f * size);
  if (!isError) {
    const Pen pen{ink, 1, true};
    const float cx = left + bw - 15, cy = y + size / 2 + 5;
    canvas.strokeLine(cx - 3, cy - 3, cx + 3, cy + 3, pen);
    canvas.strokeLine(cx + 3, cy - 3, cx - 3, cy + 3, pen);
  }
  canvas.drawText(status, size, {left + 5, y + 6, 1.5f * t, 1.2f * size}, Align::Near, ink);
  if (focused) drawFocusOutline(canvas, palette, {left, y, bw, size + 10});
}

bool StatusBubble::hitClose(TextMetrics& metrics, int mouseX, int mouseY) const {
  if (!visible || isError) return false;
  const float right = boxLeft(metrics) + boxWidth(metrics);
  return mouseX >= right - 25 && mouseX <= right - 5 && mouseY >= y + 5 && mouseY <= y + size + 5;
}

bool StatusBubble::hit(TextMetrics& metrics, int mouseX, int mouseY) const {
  if (!visible) return false;
  const float left = boxLeft(metrics);
  return mouseX >= left && mouseX <= left + boxWidth(metrics) && mouseY >= y &&
         mouseY <= y + size + 10;
}

}  // namespace zarq
