#include "editor/refusal.h"

#include "form/render_frame.h"
#include "form/settings_form.h"

namespace zarq {

void refuseKey(SettingsForm& form) {
  form.host().beep();
  form.fields[form.focusedField].flashStart = form.host().clockMs();
  requestFrame(form);
}

}  // namespace zarq
