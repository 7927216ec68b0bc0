#include "editor/click_actions.h"

#include "editor/chart_import.h"
#include "editor/message_boxes.h"
#include "form/settings_form.h"
#include "validate/messages.h"
#include "validate/validation.h"

namespace zarq {

void clickBubble(SettingsForm& form, int record) {
  const StatusBubble& bubble = form.bubbles[record];
  const bool offer = record == kAutoFillRecord;
  if (!offer) return tell(form, bubble.speech, bubble.status);
  if (ask(form, bubble.speech, bubble.status) == MessageAnswer::Yes) autoFillFromChart(form);
}

void clickLabel(SettingsForm& form, int index) {
  if (index == label::obtainedType) return cycleObtainedType(form);
  const FieldLabel& label = form.labels[index];
  tell(form, label.helpText, label.caption);
}

void optionToggled(SettingsForm& form, int pair) {
  // Both pairs of the other settings' page weigh in on the storyboard's message.
  if (pair == pair::mirror || pair == pair::storyboardScaleRef) checkStoryboardScaleRef(form);
}

}  // namespace zarq
