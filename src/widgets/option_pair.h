#pragma once
// Two adjacent option boxes; a selected box is outlined.

#include <cstdint>

#include "common/text.h"
#include "platform/platform.h"
#include "widgets/click.h"
#include "widgets/redraw.h"
#include "widgets/text_metrics.h"
#include "widgets/widget_input.h"

namespace zarq {

class OptionPair {
 public:
  float x = 0, y = 0;  // top-left corner of the first box
  float height = 0;    // of both boxes; the font is 0.8 x height
  float width1 = 0, width2 = 0;
  std::int16_t gap = 0;
  Text text1, text2;
  // Exactly one option is selected at any time (the quality: 标清 or 高清); otherwise each
  // option is on or off by itself.
  bool exclusive = false;
  // Marked whenever what a frame shows of the pair changes.
  Redraw redraw;

  bool selected1() const { return selected1_; }
  bool selected2() const { return selected2_; }
  bool shown() const { return shown_; }
  void setSelected(bool first, bool second) {
    redraw.set(selected1_, first);
    redraw.set(selected2_, second);
  }
  void setShown(bool on) { redraw.set(shown_, on); }

  // A one-character option gets a square box; longer ones fit their text.
  void init(TextMetrics& metrics, float x, float y, float height, TextView text1, TextView text2,
            bool selected1, bool selected2, std::int16_t gap, bool exclusive);
  // `focused`: the option (1 or 2) with the focus outline, 0 for none.
  void draw(Canvas& canvas, TextMetrics& metrics, const Palette& palette, int focused = 0) const;
  bool hitFirst(int mouseX, int mouseY) const;
  bool hitSecond(int mouseX, int mouseY) const;
  // A click on an option toggles it (an exclusive pair selects it and clears the other), as
  // does Space on the option that has the focus: Changed.
  WidgetReport handle(const WidgetInput& input);

 private:
  void toggle(int option);

  bool selected1_ = false, selected2_ = false;
  bool shown_ = false;
  // The option (1 or 2) a press went down on.
  Click<int> click_;
};

}  // namespace zarq
