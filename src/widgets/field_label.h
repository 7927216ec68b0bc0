#pragma once
// A caption that explains its field in a message box when clicked.

#include "common/text.h"
#include "platform/platform.h"
#include "widgets/text_metrics.h"

namespace zarq {

struct FieldLabel {
  float x = 0, y = 0;  // anchor point; y is the top of the text
  float size = 0;      // font size in pixels
  Text helpText;       // at most kHelpTextCapacity units
  Text caption;        // at most kCaptionCapacity units
  bool shown = false;
  bool enabled = true;
  Argb colour = 0xFF000000;
  Align anchor = Align::Near;  // which end of the caption x is: left, centre, right

  // With `focused` (a caption that is a control: the result page's selector), the focus
  // outline around its text.
  void draw(Canvas& canvas, TextMetrics& metrics, const Palette& palette,
            bool focused = false) const;
  // Only the text itself is clickable, not the wider layout box.
  bool hit(TextMetrics& metrics, int mouseX, int mouseY) const;
  // Where the text itself lies: what a click hits.
  RectF textBounds(TextMetrics& metrics) const;
};

}  // namespace zarq
