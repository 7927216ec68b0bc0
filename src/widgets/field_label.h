#pragma once
// A caption that explains its field in a message box when clicked.

#include "common/text.h"
#include "platform/platform.h"
#include "widgets/redraw.h"
#include "widgets/text_metrics.h"

namespace zarq {

class FieldLabel {
 public:
  float x = 0, y = 0;  // anchor point; y is the top of the text
  float size = 0;      // font size in pixels
  Text helpText;       // at most kHelpTextCapacity units
  Text caption;        // at most kCaptionCapacity units
  Argb colour = 0xFF000000;
  Align anchor = Align::Near;  // which end of the caption x is: left, centre, right
  // Marked whenever what a frame shows of the caption changes.
  Redraw redraw;

  bool shown() const { return shown_; }
  bool enabled() const { return enabled_; }
  void setShown(bool on) { redraw.set(shown_, on); }
  void setEnabled(bool on) { redraw.set(enabled_, on); }

  // With `focused` (a caption that is a control: the result page's selector), the focus
  // outline around its text.
  void draw(Canvas& canvas, TextMetrics& metrics, const Palette& palette,
            bool focused = false) const;
  // Only the text itself is clickable, not the wider layout box.
  bool hit(TextMetrics& metrics, int mouseX, int mouseY) const;
  // Where the text itself lies: what a click hits.
  RectF textBounds(TextMetrics& metrics) const;

 private:
  bool shown_ = false;
  bool enabled_ = true;
};

}  // namespace zarq
