#pragma once
// Putting a value into a field from anywhere but the keyboard: a derivation, a file, a
// dialog, a slider.

#include "common/text.h"

namespace zarq {

struct SettingsForm;

// Stores the value (cut to the field's capacity) and refits the field keeping its caret
// centred. The field may be the one being edited: its caret and scroll are kept inside the
// new text, so that typing goes on at a place that exists. The slot is not validated.
void setSlotText(SettingsForm& form, int slot, TextView value);

}  // namespace zarq
