#include "widgets/rounded_rect.h"

namespace zarq {

Path roundedRectPath(float x, float y, float w, float h, float r) {
  Path path;
  const float d = 2 * r;
  path.addArc(x, y, d, d, 180, 90);
  path.addLine(x + r, y, x + w - r, y);
  path.addArc(x + w - d, y, d, d, 270, 90);
  path.addLine(x + w, y + r, x + w, y + h - r);
  path.addArc(x + w - d, y + h - d, d, d, 0, 90);
  path.addLine(x + w - r, y + h, x + r, y + h);
  path.addArc(x, y + h - d, d, d, 90, 90);
  path.addLine(x, y + h - r, x, y + r);
  return path;
}

void drawRoundedRect(Canvas& canvas, const Pen& pen, float x, float y, float w, float h, float r) {
  canvas.strokePath(roundedRectPath(x, y, w, h, r), pen);
}

void fillRoundedRect(Canvas& canvas, Argb colour, float x, float y, float w, float h, float r) {
  canvas.fillPath(roundedRectPath(x, y, w, h, r), colour);
}

}  // namespace zarq
