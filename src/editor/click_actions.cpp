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

void clickOption(SettingsForm& form, int index, bool first) {
  OptionPair& pair = form.optionPairs[index];
  bool& selected = first ? pair.selected1 : pair.selected2;
  bool& other = first ? pair.selected2 : pair.selected1;
  selected = !selected;
  if (index == pair::quality) other = !selected;
  if (form.currentPage == 5) checkStoryboardScaleRef(form);
}

}  // namespace zarq
