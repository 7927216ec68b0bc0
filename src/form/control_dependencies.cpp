#include "form/control_dependencies.h"

#include "form/field_table.h"
#include "form/form_builder.h"
#include "form/settings_form.h"

namespace zarq {
namespace {

constexpr char16_t kNoObtainedType[] = u"无";

bool ticked(const SettingsForm& form, int box) { return form.checkBoxes[box].checked(); }

void enableCaption(SettingsForm& form, const Caption& caption, bool on) {
  if (caption.label != kNoLabel) form.labels[caption.label].setEnabled(on);
}

}  // namespace

bool sourceHolds(const SettingsForm& form, int source) {
  if (source == kObtainedTypeChosen) return form.obtainedType() != kNoObtainedType;
  return source == kAlways || ticked(form, source);
}

void enableFollowers(SettingsForm& form, int source, bool on) {
  for (const SliderRow& row : sliderRows()) {
    if (row.enabledBy != source) continue;
    form.sliders[row.index].setEnabled(on);
    enableCaption(form, row.caption, on);
  }
  for (const FieldRow& row : fieldRows()) {
    if (row.enabledBy != source) continue;
    form.fields[row.slot].setEnabled(on);
    enableCaption(form, row.caption, on);
  }
  for (const CheckBoxRow& row : checkBoxRows()) {
    if (row.enabledBy != source) continue;
    form.checkBoxes[row.index].setEnabled(on);
    enableCaption(form, row.caption, on);
  }
}

void showFollowers(SettingsForm& form, int box, bool on) {
  for (const FieldRow& row : fieldRows()) {
    if (row.shownBy == box) form.fields[row.slot].setShown(on);
  }
}

void placeNameBarDependents(SettingsForm& form) {
  const float x = fieldRow(slot::chartSongName).place.x.at(form.layout);
  form.fields[slot::chartSongName].x = ticked(form, box::nameBar) ? x + 12 : x;
}

void placeScoreIncreaseBox(SettingsForm& form) {
  CheckBox& scoreIncrease = form.checkBoxes[box::scoreIncrease];
  scoreIncrease.x = scoreIncrease.checked() ? 688 : 270;
}

void setObtainedType(SettingsForm& form, TextView caption) {
  placeObtainedTypeSelector(form, caption);
  enableFollowers(form, kObtainedTypeChosen, sourceHolds(form, kObtainedTypeChosen));
}

void applyControlDependencies(SettingsForm& form) {
  for (const CheckBoxRow& row : checkBoxRows()) {
    enableFollowers(form, row.index, ticked(form, row.index));
  }
  placeNameBarDependents(form);
  placeScoreIncreaseBox(form);
}

}  // namespace zarq
