#pragma once
// The outline a widget draws around itself while it has the keyboard: the rounded frame of
// an edited text field, a little outside the widget so that it never hides what the widget
// shows (the frame of a selected option among them).

#include "platform/platform.h"

namespace zarq {

inline constexpr float kFocusMargin = 4;

// Around `around`, `kFocusMargin` outside it, in the ink an edited field's frame takes.
void drawFocusOutline(Canvas& canvas, const Palette& palette, RectF around);

}  // namespace zarq
