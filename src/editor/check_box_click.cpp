// A check box click: the toggle and everything that follows the box.
#include "editor/click_actions.h"
#include "editor/editing.h"
#include "form/control_dependencies.h"
#include "form/settings_form.h"
#include "form/slider_link.h"
#include "validate/messages.h"
#include "validate/validation.h"

namespace zarq {
namespace {

// Unrecorded parts get their default volumes back, greyed out with their sliders.
void recordChartToggled(SettingsForm& form, bool on) {
  enableChartPartControls(form, on);
  if (on) return;
  setSliderValue(form, sliderId::dim, 150);
  setSliderValue(form, sliderId::hitSoundVolume, 1.0f);
  setSliderValue(form, sliderId::musicVolume, 0.8f);
  for (int slot : {slot::backgroundDim, slot::hitSoundVolume, slot::musicVolume}) {
    validateAndCommit(form, slot, false, true);
  }
}

void recordResultToggled(SettingsForm& form, bool on) {
  enableResultPartControls(form, on);
  if (on) return;
  setSliderValue(form, sliderId::resultVolume, 0.8f);
  validateAndCommit(form, slot::resultVolume, false, true);
}

void scoreIncreaseToggled(SettingsForm& form, bool on) {
  const int scores[] = {slot::originalScore, slot::addedScore, slot::resultFullScore};
  for (int slot : scores) form.fields[slot].shown = on;
  placeScoreIncreaseBox(form);
  if (on) {
    for (int slot : scores) validateAndCommit(form, slot, true, true);
  } else {
    for (int slot : scores) releaseFieldMessage(form, slot);
  }
}

void songNameSplitToggled(SettingsForm& form, bool on) {
  enableSplitNameLine(form, on);
  form.fields[slot::splitNameLine2].shown = on;
  releaseFormMessage(form, form.longNameBubble);
  if (on) {
    validateAndCommit(form, slot::splitNameLine1, true, true);
    validateAndCommit(form, slot::splitNameLine2, true, true);
  } else {
    checkLongSongName(form);
    releaseFieldMessage(form, slot::splitNameLine1);
    releaseFieldMessage(form, slot::splitNameLine2);
  }
}

void obtainedSplitToggled(SettingsForm& form, bool on) {
  TextField& line1 = form.fields[slot::obtainedContent];
  TextField& line2 = form.fields[slot::obtainedContentLine2];
  line2.shown = on;
  releaseFormMessage(form, form.longContentBubble);
  if (on) {
    validateAndCommit(form, slot::obtainedContentLine2, true, true);
    return;
  }
  // Both lines go back into line 1; a join that would not fit never gets here.
  line1.setText(line1.text + line2.text);
  line2.setText(u"");
  checkLongObtainedContent(form);
  releaseFieldMessage(form, slot::obtainedContentLine2);
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
    releaseFormMessage(form, form.recordPartsBubble);
  }
}

// Unticking 分行 joins the two lines into one field; when they do not fit in it together the
// untick is refused rather than the end of the text lost.
bool joinWouldCut(const SettingsForm& form, int index) {
  return index == box::obtainedSplit && form.checkBoxes[index].checked &&
         form.fields[slot::obtainedContent].text.size() +
                 form.fields[slot::obtainedContentLine2].text.size() >
             kFieldTextCapacity;
}

}  // namespace

void clickCheckBox(SettingsForm& form, int index) {
  if (joinWouldCut(form, index)) {
    form.host().beep();
    return;
  }
  endEditing(form);
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
      placeNameBarDependents(form);
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
