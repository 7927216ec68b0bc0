#include "input/click_actions.h"

#include "files/chart_import.h"
#include "form/settings_form.h"
#include "validate/validation.h"

namespace zarq {
namespace {

constexpr char16_t kTitlePrefix[] = u"Zarq Radoziro 设置填写器 - ";
constexpr int kAutoFillRecord = 0;

Text titled(TextView what) { return Text(kTitlePrefix) + Text(what); }

}  // namespace

void clickBubble(SettingsForm& form, int record) {
  const StatusBubble& bubble = form.bubbles[record];
  const bool offer = record == kAutoFillRecord;
  const MessageAnswer answer = form.host().messageBox(
      bubble.speech, titled(bubble.status), offer ? MessageButtons::YesNo : MessageButtons::Ok);
  if (offer && answer == MessageAnswer::Yes) autoFillFromChart(form);
}

void clickLabel(SettingsForm& form, int index) {
  if (index == label::obtainedType) return cycleObtainedType(form);
  const FieldLabel& label = form.labels[index];
  form.host().messageBox(label.helpText, titled(label.caption), MessageButtons::Ok);
}

void clickOption(SettingsForm& form, int index, bool first) {
  OptionPair& pair = form.optionPairs[index];
  bool& selected = first ? pair.selected1 : pair.selected2;
  bool& other = first ? pair.selected2 : pair.selected1;
  selected = !selected;
  if (index == pair::quality) other = !selected;
  if (form.currentPage == 5) checkStoryboardScaleRef(form);
}

void releaseFieldBubble(SettingsForm& form, int slot) {
  TextField& field = form.fields[slot];
  // A record the field no longer owns may already carry another message.
  if (field.bubble != kNoBubble) {
    StatusBubble& bubble = form.bubbles[field.bubble];
    if (bubble.ownerKind == OwnerKind::TextField && bubble.ownerId == slot) bubble.visible = false;
  }
  field.bubble = kNoBubble;
}

}  // namespace zarq
