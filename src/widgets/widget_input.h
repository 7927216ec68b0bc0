#pragma once
// What a widget is told and what it tells back. The editor finds the widget an input is for
// (the pointer's target in the form's order, or the focused one for a key) and hands it the
// input; the widget changes itself and reports what happened, as an immediate-mode toolkit's
// check box returns whether it was pressed. The editor reacts to the report, never to the
// widget's insides.

#include <cstdint>

#include "platform/platform.h"

namespace zarq {

struct WidgetInput {
  enum class Kind {
    Press,    // the button went down with the pointer over the widget
    Move,     // the pointer moved while the widget holds the press
    Release,  // the button came up: over the widget or not, says `over`
    Lost,     // the press ended without a release (the button came up elsewhere)
    Key,      // `key` was released, or repeats, while the widget has the focus
  };
  Kind kind = Kind::Press;
  int x = 0;  // the pointer, for a widget that follows it (a slider)
  // Which part of the widget the pointer is over, nothing of the form lying in front of it:
  // 0 none, 1 the widget (the first option of a pair), 2 the second option of a pair. For a
  // key, the part that has the focus.
  int over = 0;
  Key key = Key::Other;
};

enum class WidgetReport : std::int8_t {
  Nothing,   // the input changed nothing the form keeps
  Changed,   // the value changed (a box toggled, an option chosen, a slider moved)
  Released,  // a drag ended, at the value last reported
};

}  // namespace zarq
