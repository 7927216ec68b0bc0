// Placeholder until typing lands: no field takes the keyboard yet.
#include "input/keyboard.h"

#include "form/settings_form.h"

namespace zarq {

void handleChar(SettingsForm&, char16_t) {}
void handleKeyUp(SettingsForm&, Key) {}
void commitEdit(SettingsForm&, int) {}
void unfocusField(SettingsForm& form, int slot) {
  TextField& f = form.fields[slot];
  f.focused = false;
  f.caret = 0;
  f.scroll = 0;
  f.fitText(form.metrics, true);
}
void dragStep(SettingsForm&) {}

}  // namespace zarq
