#pragma once

#include <cstdint>

#include "platform/platform.h"
#include "widgets/click.h"
#include "widgets/redraw.h"
#include "widgets/widget_input.h"

namespace zarq {

class CheckBox {
 public:
  float x = 0, y = 0;  // centre of the box
  float size = 0;      // side of the box
  // The byte a preset stores while ticked: 1, or whatever non-zero byte a loaded preset
  // had, so that saving it again changes nothing.
  std::uint8_t tickedByte = 1;
  Argb colour = 0xFFFFFFFF;
  // Marked whenever what a frame shows of the box changes.
  Redraw redraw;

  bool checked() const { return checked_; }
  bool shown() const { return shown_; }
  bool enabled() const { return enabled_; }
  void setChecked(bool on) { redraw.set(checked_, on); }
  void setShown(bool on) { redraw.set(shown_, on); }
  void setEnabled(bool on) { redraw.set(enabled_, on); }

  // With `focused`, the focus outline around the box.
  void draw(Canvas& canvas, const Palette& palette, bool focused = false) const;
  bool hit(int mouseX, int mouseY) const;
  // A click on the box toggles it, as does Space while it has the focus: Changed.
  WidgetReport handle(const WidgetInput& input);

 private:
  bool checked_ = false;
  bool shown_ = false;
  bool enabled_ = true;
  Click<int> click_;
};

}  // namespace zarq
