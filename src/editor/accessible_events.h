#pragma once
// Tells the screen readers what changed on the page since they last heard: the page is
// described afresh after every window event and compared with the description before.

#include <vector>

#include "platform/accessibility.h"

namespace zarq {

struct SettingsForm;

// The changes from `was` to `now`, in the order a screen reader wants them: focus leaving
// (to the page itself where it left every control), the page or its set of controls, each
// control's changes, messages appearing, focus arriving last.
std::vector<AccessibleEvent> accessibleChanges(const AccessiblePage& was,
                                               const AccessiblePage& now);

// Describes the page, hands every change to the host and keeps the description.
void announceChanges(SettingsForm& form);
// The window took the keyboard back (from a dialog, a message box, another program): the
// focused control is told again, as a native control taking the focus back is.
void retellFocus(SettingsForm& form);

}  // namespace zarq
