#pragma once
// A horizontal track with a round knob; its value is mirrored in a linked text field.

#include <cstdint>

#include "draw/text_metrics.h"
#include "platform/platform.h"

namespace zarq {

struct Slider {
  float x = 0, y = 0;  // centre of the track
  float width = 0;     // track length
  std::int16_t min = 0, max = 0;
  float step = 1;  // the value moves in multiples of step while dragged
  float value = 0;
  bool shown = false;
  bool enabled = true;
  Argb colour = 0xFFFFFFFF;
  bool integerOnly = false;  // the linked field shows a whole number, otherwise one decimal

  void draw(Canvas& canvas, TextMetrics& metrics, const Palette& palette) const;
  // Left edge of the knob's 6-pixel bounding box; clamped to the track's ends.
  float knobLeft() const;
  bool hit(int mouseX, int mouseY) const;
  // The value for a pointer at mouseX: min or max beyond the ends, else snapped to step.
  float valueAt(int mouseX) const;
};

}  // namespace zarq
