#pragma once
// A canvas that draws nothing: tests derive from it to keep only the calls they look at.

#include "platform/platform.h"

namespace zarq::testing {

class NullCanvas : public Canvas {
 public:
  void fillRect(RectF, Argb) override {}
  void fillEllipse(RectF, Argb) override {}
  void strokeLine(float, float, float, float, const Pen&) override {}
  void strokePath(const Path&, const Pen&) override {}
  void fillPath(const Path&, Argb) override {}
  void drawText(TextView, float, RectF, Align, Argb) override {}
  void drawPixels(PixelView, RectF) override {}
};

}  // namespace zarq::testing
