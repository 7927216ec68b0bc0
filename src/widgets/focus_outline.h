#pragma once
// The mark a widget draws around itself while it has the keyboard: four corners a little
// outside the widget, so that it never hides what the widget shows and never looks like the
// frame of a selected option.

#include "platform/platform.h"

namespace zarq {

inline constexpr float kFocusMargin = 4;

// Around `around`, `margin` outside it, in the ink an edited field's frame takes. Where the
// layout leaves little room (a check box under its caption, a slider between its caption
// and its field) the widget asks for less.
void drawFocusOutline(Canvas& canvas, const Palette& palette, RectF around,
                      float margin = kFocusMargin);

}  // namespace zarq
