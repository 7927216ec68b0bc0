#pragma once
// The order a page's controls are read in, by Tab and by a screen reader alike: found from
// where the controls lie, as a sighted reader reads the page, so that a control added to a
// page finds its place by itself.

#include <vector>

#include "platform/accessibility.h"

namespace zarq {

struct SettingsForm;

// The shown controls of the page on view, in reading order: rows top to bottom, and where
// rows stand side by side in columns (the space between rows narrower than the gutter
// between the columns), each column top to bottom, the columns left to right. The two
// options of a pair are read together, the two page arrows last, left then right. Messages
// are not among them: they follow the control they hang on (editor/accessible_page.h).
std::vector<ControlRef> tabOrder(SettingsForm& form);

// Where the control lies in the frame: what reading order compares.
RectF placeOf(SettingsForm& form, ControlRef control);

}  // namespace zarq
