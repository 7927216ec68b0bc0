#include "form/control_dependencies.h"

#include "form/form_builder.h"
#include "form/settings_form.h"

namespace zarq {
namespace {

constexpr char16_t kNoObtainedType[] = u"无";

bool ticked(const SettingsForm& form, int box) { return form.checkBoxes[box].checked; }

}  // namespace

void enableChartPartControls(SettingsForm& form, bool on) {
  for (int i : {sliderId::dim, sliderId::hitSoundVolume, sliderId::musicVolume}) {
    form.sliders[i].enabled = on;
  }
  for (int i : {slot::backgroundDim, slot::hitSoundVolume, slot::musicVolume}) {
    form.fields[i].enabled = on;
  }
  for (int i : {label::backgroundDim, label::hitSoundVolume, label::musicVolume}) {
    form.labels[i].enabled = on;
  }
}

void enableResultPartControls(SettingsForm& form, bool on) {
  form.sliders[sliderId::resultVolume].enabled = on;
  form.fields[slot::resultVolume].enabled = on;
  form.labels[label::resultVolume].enabled = on;
}

void enableSplitNameLine(SettingsForm& form, bool on) {
  form.fields[slot::splitNameLine1].enabled = on;
}

void enableObtainedContent(SettingsForm& form, bool on) {
  form.fields[slot::obtainedContent].enabled = on;
  form.labels[label::obtainedSplit].enabled = on;
  form.checkBoxes[box::obtainedSplit].enabled = on;
}

void placeNameBarDependents(SettingsForm& form) {
  form.fields[slot::chartSongName].x = ticked(form, box::nameBar) ? 197 : 185;
}

void placeScoreIncreaseBox(SettingsForm& form) {
  CheckBox& scoreIncrease = form.checkBoxes[box::scoreIncrease];
  scoreIncrease.x = scoreIncrease.checked ? 688 : 270;
}

void setObtainedType(SettingsForm& form, TextView caption) {
  placeObtainedTypeSelector(form, caption);
  enableObtainedContent(form, form.obtainedType() != kNoObtainedType);
}

void applyControlDependencies(SettingsForm& form) {
  enableChartPartControls(form, ticked(form, box::recordChart));
  enableResultPartControls(form, ticked(form, box::recordResult));
  enableSplitNameLine(form, ticked(form, box::songNameSplit));
  placeNameBarDependents(form);
  placeScoreIncreaseBox(form);
}

}  // namespace zarq
