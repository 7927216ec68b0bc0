#pragma once

#include <cstdint>

#include "platform/platform.h"
#include "widgets/widget_input.h"

namespace zarq {

struct CheckBox {
  float x = 0, y = 0;  // centre of the box
  float size = 0;      // side of the box
  bool checked = false;
  // The byte a preset stores while ticked: 1, or whatever non-zero byte a loaded preset
  // had, so that saving it again changes nothing.
  std::uint8_t tickedByte = 1;
  bool shown = false;
  bool enabled = true;
  Argb colour = 0xFFFFFFFF;
  // A press on the box waits for its release.
  bool pressed = false;

  // With `focused`, the focus outline around the box.
  void draw(Canvas& canvas, const Palette& palette, bool focused = false) const;
  bool hit(int mouseX, int mouseY) const;
  // A press and a release both over the box toggle it, as does Space while it has the
  // focus: Changed.
  WidgetReport handle(const WidgetInput& input);
};

}  // namespace zarq
