#pragma once
// The order Tab visits a page's controls in, derived from the page's rows and the places of
// their widgets, so that a control added to a page finds its place by itself.

#include <vector>

#include "platform/accessibility.h"

namespace zarq {

struct SettingsForm;

// Reading order: tops within one 20-pixel line read left to right, lines top to bottom.
bool readsBefore(RectF a, RectF b);

// Every control of page `n` (1 to 6), shown or not, in the order Tab visits them:
// - the text fields in slot order, the order Tab has always taken among them;
// - a slider right after the field that shows its value;
// - a check box right before the first field it shows or makes usable; the boxes of one row
//   stay together, left to right, before the first field any of them governs;
// - every other control (an option, the selector, a box that governs no field) right after
//   the last control before it that reads before it;
// - the two page arrows last, left then right.
// The auto-fill offer is not among them: it comes and goes (editor/focus.h).
std::vector<ControlRef> tabOrder(const SettingsForm& form, int n);

// Where the control lies in the frame: what reading order compares.
RectF placeOf(const SettingsForm& form, ControlRef control);

}  // namespace zarq
