#include "editor/message_boxes.h"

#include "editor/window_events.h"
#include "form/settings_form.h"

namespace zarq {

Text messageTitle(TextView about) { return u"Zarq Radoziro 设置填写器 - " + Text(about); }

void tell(SettingsForm& form, TextView text, TextView about) {
  showChanges(form);
  form.host().messageBox(text, messageTitle(about), MessageButtons::Ok);
}

MessageAnswer ask(SettingsForm& form, TextView question, TextView about) {
  showChanges(form);
  return form.host().messageBox(question, messageTitle(about), MessageButtons::YesNo);
}

}  // namespace zarq
