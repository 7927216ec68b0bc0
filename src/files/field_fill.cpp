#include "files/field_fill.h"

#include <algorithm>

#include "form/settings_form.h"

namespace zarq {

void fillField(SettingsForm& form, int slot, TextView value) {
  TextField& f = form.fields[slot];
  f.setText(value);
  const auto length = static_cast<std::int16_t>(f.length());
  f.caret = std::min(f.caret, length);
  f.scroll = std::min(f.scroll, f.caret);
  f.fitText(form.metrics, true);
}

}  // namespace zarq
