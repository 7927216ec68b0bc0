#pragma once
// A horizontal track with a round knob; its value is mirrored in a linked text field. The
// pointer moves it along the track from min to max in steps; a number typed into the field
// may lie beyond the track (the rules judge it, the preset stores it), and the knob then
// stands at the track's end.

#include <cstdint>

#include "platform/platform.h"
#include "widgets/redraw.h"
#include "widgets/text_metrics.h"
#include "widgets/widget_input.h"

namespace zarq {

class Slider {
 public:
  float x = 0, y = 0;  // centre of the track
  float width = 0;     // track length
  std::int16_t min = 0, max = 0;
  float step = 1;  // the value moves in multiples of step while dragged
  Argb colour = 0xFFFFFFFF;
  bool integerOnly = false;  // the linked field shows a whole number, otherwise one decimal
  // Marked whenever what a frame shows of the slider changes.
  Redraw redraw;

  bool shown() const { return shown_; }
  bool enabled() const { return enabled_; }
  void setShown(bool on) { redraw.set(shown_, on); }
  void setEnabled(bool on) { redraw.set(enabled_, on); }

  // With `focused`, the focus outline around the track and its knob.
  void draw(Canvas& canvas, TextMetrics& metrics, const Palette& palette,
            bool focused = false) const;
  // Left edge of the knob's 6-pixel bounding box; clamped to the track's ends (NaN: its start).
  float knobLeft() const;
  bool hit(int mouseX, int mouseY) const;
  // The value for a pointer at mouseX: min or max beyond the ends, else snapped to step.
  float valueAt(int mouseX) const;

  float value() const { return value_; }
  // The one way the value changes; false (and nothing done) when it is that value already.
  bool setValue(float value);
  // A press on the track takes the value under the pointer and starts a drag, each move of the
  // drag follows the pointer (Changed when the value moved), and the release ends the drag at
  // the pointer (Released; Lost ends it where it is). While it has the focus, Left and Down
  // move it a step towards min, Right and Up a step towards max, Page Down and Page Up ten
  // steps, Home and End to its ends (Changed when the value moved).
  WidgetReport handle(const WidgetInput& input);

 private:
  // The value `key` moves to; the value itself for a key that moves nothing.
  float valueAfterKey(Key key) const;
  // Where the value stands on the track: a NaN, which a preset may hold, at its start.
  float placedValue() const;

  float value_ = 0;
  bool shown_ = false;
  bool enabled_ = true;
};

}  // namespace zarq
