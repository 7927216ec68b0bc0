#include "form/slot_text.h"

#include <algorithm>

#include "form/settings_form.h"

namespace zarq {

void setSlotText(SettingsForm& form, int slot, TextView value) {
  TextField& field = form.fields[slot];
  field.setText(value);
  const auto boundary = [&](int index) {
    return static_cast<std::int16_t>(characterBoundary(field.text, std::max(index, 0)));
  };
  field.caret = boundary(field.caret);
  field.scroll = boundary(std::min(field.scroll, field.caret));
  field.fitText(form.metrics, true);
}

}  // namespace zarq
