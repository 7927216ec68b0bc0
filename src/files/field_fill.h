#pragma once
// Putting a value that came from a file or a dialog into a field.

#include "common/text.h"

namespace zarq {

struct SettingsForm;

// Stores the value (cut to the field's capacity) and refits the field keeping its caret
// centred. The field may be the one being edited: its caret and scroll are kept inside the
// new text, so that typing goes on at a place that exists.
void fillField(SettingsForm& form, int slot, TextView value);

}  // namespace zarq
