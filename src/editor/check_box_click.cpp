// What follows a check box's toggle: the controls it shows or makes usable, and each box's
// own consequences, in a table keyed by the box.
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
      validateAndCommit(form, slot, {.forced = true});
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
  for (int slot : slots) validateAndCommit(form, slot);
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
  validateAndCommit(form, slot::obtainedContent);
  validateAndCommit(form, slot::obtainedContentLine2);
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
bool joinWouldCut(const SettingsForm& form) {
  return form.fields[slot::obtainedContent].text.size() +
             form.fields[slot::obtainedContentLine2].text.size() >
         kFieldTextCapacity;
}

struct BoxConsequence {
  int box;
  // Says whether the toggle may stand; a refused one is taken back with a beep.
  bool (*allowed)(const SettingsForm&, bool on);
  void (*follow)(SettingsForm&, int box, bool on);
};

// The boxes that do more than show, enable or grey out their followers; the others
// (recordOpening, pauseShadow, textExpression) are the toggle alone.
constexpr BoxConsequence kConsequences[] = {
    {box::recordChart, nullptr, recordPartToggled},
    {box::recordResult, nullptr, recordPartToggled},
    {box::nameBar, nullptr, [](SettingsForm& form, int, bool) { placeNameBarDependents(form); }},
    {box::scoreIncrease, nullptr,
     [](SettingsForm& form, int, bool on) { scoreIncreaseToggled(form, on); }},
    {box::songNameSplit, nullptr,
     [](SettingsForm& form, int, bool on) { songNameSplitToggled(form, on); }},
    {box::obtainedSplit,
     [](const SettingsForm& form, bool on) { return on || !joinWouldCut(form); },
     [](SettingsForm& form, int, bool on) { obtainedSplitToggled(form, on); }},
};

const BoxConsequence* consequenceOf(int box) {
  for (const BoxConsequence& c : kConsequences) {
    if (c.box == box) return &c;
  }
  return nullptr;
}

}  // namespace

void checkBoxToggled(SettingsForm& form, int index) {
  CheckBox& box = form.checkBoxes[index];
  const bool on = box.checked();
  const BoxConsequence* consequence = consequenceOf(index);
  if (consequence && consequence->allowed && !consequence->allowed(form, on)) {
    box.setChecked(!on);
    form.host().beep();
    return;
  }
  endEditing(form);
  enableFollowers(form, index, on);
  showFollowers(form, index, on);
  if (consequence) consequence->follow(form, index, on);
  checkRecordPartsOnPage(form);
}

}  // namespace zarq
