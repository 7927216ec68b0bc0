// A check box click: the toggle and everything that follows the box.
#include "form/control_dependencies.h"
#include "form/form_builder.h"
#include "form/settings_form.h"
#include "input/click_actions.h"
#include "input/keyboard.h"
#include "validate/validation.h"

namespace zarq {
namespace {

void forgetFormBubble(SettingsForm& form, std::int16_t& reference) {
  if (reference != kNoBubble) form.bubbles[reference].visible = false;
  reference = kNoBubble;
}

void hideFormBubble(SettingsForm& form, std::int16_t reference) {
  if (reference != kNoBubble) form.bubbles[reference].visible = false;
}

// A slider put back to its default, with its field printed afresh.
void resetSlider(SettingsForm& form, int index, float value) {
  form.sliders[index].value = value;
  TextField& field = form.fields[index + slot::backgroundDim];
  field.setText(sliderValueText(form.sliders[index]));
  field.fitText(form.metrics, true);
}

// Unrecorded parts get their default volumes back, greyed out with their sliders.
void recordChartToggled(SettingsForm& form, bool on) {
  enableChartPartControls(form, on);
  if (on) return;
  resetSlider(form, sliderId::dim, 150);
  resetSlider(form, sliderId::hitSoundVolume, 1.0f);
  resetSlider(form, sliderId::musicVolume, 0.8f);
  for (int slot : {slot::backgroundDim, slot::hitSoundVolume, slot::musicVolume}) {
    validateAndCommit(form, slot, false, true);
  }
}

void recordResultToggled(SettingsForm& form, bool on) {
  enableResultPartControls(form, on);
  if (on) return;
  resetSlider(form, sliderId::resultVolume, 0.8f);
  validateAndCommit(form, slot::resultVolume, false, true);
}

// The bar left of the song name pushes the name 12 pixels to the right.
void nameBarToggled(SettingsForm& form, bool on) {
  form.fields[slot::chartSongName].x += on ? 12 : -12;
}

void scoreIncreaseToggled(SettingsForm& form, bool on) {
  const int scores[] = {slot::originalScore, slot::addedScore, slot::resultFullScore};
  for (int slot : scores) form.fields[slot].shown = on;
  if (on) {
    form.checkBoxes[box::scoreIncrease].x = 688;
    for (int slot : scores) validateAndCommit(form, slot, true, true);
  } else {
    form.checkBoxes[box::scoreIncrease].x = 270;
    for (int slot : scores) releaseFieldBubble(form, slot);
  }
}

void songNameSplitToggled(SettingsForm& form, bool on) {
  enableSplitNameLine(form, on);
  form.fields[slot::splitNameLine2].shown = on;
  hideFormBubble(form, form.longNameBubble);
  if (on) {
    form.longNameBubble = kNoBubble;
    validateAndCommit(form, slot::splitNameLine1, true, true);
    validateAndCommit(form, slot::splitNameLine2, true, true);
  } else {
    checkLongSongName(form);
    releaseFieldBubble(form, slot::splitNameLine1);
    releaseFieldBubble(form, slot::splitNameLine2);
  }
}

void obtainedSplitToggled(SettingsForm& form, bool on) {
  TextField& line1 = form.fields[slot::obtainedContent];
  TextField& line2 = form.fields[slot::obtainedContentLine2];
  line2.shown = on;
  if (on) {
    forgetFormBubble(form, form.longContentBubble);
    validateAndCommit(form, slot::obtainedContentLine2, true, true);
    return;
  }
  hideFormBubble(form, form.longContentBubble);
  // Both lines go back into line 1, as much of them as a field holds.
  line1.setText(line1.text + line2.text);
  line2.setText(u"");
  checkLongObtainedContent(form);
  releaseFieldBubble(form, slot::obtainedContentLine2);
  line1.fitText(form.metrics, true);
  line2.fitText(form.metrics, true);
  validateAndCommit(form, slot::obtainedContent, false, true);
  validateAndCommit(form, slot::obtainedContentLine2, false, true);
}

// Only page 1 shows the record boxes; elsewhere their message is merely taken away.
void checkRecordPartsOnPage(SettingsForm& form) {
  if (form.currentPage == 1) {
    checkRecordParts(form);
  } else {
    forgetFormBubble(form, form.recordPartsBubble);
  }
}

}  // namespace

void clickCheckBox(SettingsForm& form, int index) {
  if (form.interactionMode == InteractionMode::Editing) unfocusField(form, form.focusedField);
  form.interactionMode = InteractionMode::Idle;
  CheckBox& box = form.checkBoxes[index];
  box.checked = !box.checked;
  const bool on = box.checked;
  switch (index) {
    case box::recordChart:
      recordChartToggled(form, on);
      break;
    case box::recordResult:
      recordResultToggled(form, on);
      break;
    case box::nameBar:
      nameBarToggled(form, on);
      break;
    case box::scoreIncrease:
      scoreIncreaseToggled(form, on);
      break;
    case box::songNameSplit:
      songNameSplitToggled(form, on);
      break;
    case box::obtainedSplit:
      obtainedSplitToggled(form, on);
      break;
    default:
      break;  // recordOpening, pauseShadow, textExpression: the toggle alone
  }
  checkRecordPartsOnPage(form);
}

}  // namespace zarq
