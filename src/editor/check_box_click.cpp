// A check box click: the toggle and everything that follows the box.
#include <vector>

#include "editor/click_actions.h"
#include "editor/editing.h"
#include "form/control_dependencies.h"
#include "form/field_table.h"
#include "form/settings_form.h"
#include "form/slider_link.h"
#include "validate/messages.h"
#include "validate/validation.h"

namespace zarq {
namespace {

// The fields a box shows or makes usable, in slot order.
std::vector<int> followersOf(int box) {
  std::vector<int> slots;
  for (const FieldRow& row : fieldRows()) {
    if (row.shownBy == box || row.enabledBy == box) slots.push_back(row.slot);
  }
  return slots;
}

// Fields that come into use are checked at once, whatever their text; fields going out of
// use lose their messages.
void checkFollowers(SettingsForm& form, int box, bool on) {
  for (int slot : followersOf(box)) {
    if (on) {
      validateAndCommit(form, slot, true, true);
    } else {
      releaseFieldMessage(form, slot);
    }
  }
}

// An unrecorded part's sliders get their default values back, greyed out.
void recordPartToggled(SettingsForm& form, int box, bool on) {
  if (on) return;
  std::vector<int> slots;
  for (const SliderRow& row : sliderRows()) {
    if (row.enabledBy != box) continue;
    setSliderValue(form, row.index, row.value);
    slots.push_back(row.slot);
  }
  for (int slot : slots) validateAndCommit(form, slot, false, true);
}

void scoreIncreaseToggled(SettingsForm& form, bool on) {
  placeScoreIncreaseBox(form);
  checkFollowers(form, box::scoreIncrease, on);
}

void songNameSplitToggled(SettingsForm& form, bool on) {
  releaseFormMessage(form, form.longNameBubble);
  if (!on) checkLongSongName(form);
  checkFollowers(form, box::songNameSplit, on);
}

void obtainedSplitToggled(SettingsForm& form, bool on) {
  TextField& line1 = form.fields[slot::obtainedContent];
  TextField& line2 = form.fields[slot::obtainedContentLine2];
  releaseFormMessage(form, form.longContentBubble);
  if (on) return checkFollowers(form, box::obtainedSplit, on);
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
  enableFollowers(form, index, on);
  showFollowers(form, index, on);
  switch (index) {
    case box::recordChart:
    case box::recordResult:
      recordPartToggled(form, index, on);
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
