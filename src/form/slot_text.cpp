#include "form/slot_text.h"

#include <algorithm>

#include "form/settings_form.h"

namespace zarq {

void setSlotText(SettingsForm& form, int slot, TextView value) {
  TextField& field = form.fields[slot];
  field.setText(value);
  field.caret = std::min(field.caret, static_cast<std::int16_t>(field.length()));
  field.scroll = std::min(field.scroll, field.caret);
  field.fitText(form.metrics, true);
}

}  // namespace zarq
