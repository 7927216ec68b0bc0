#include "form/control_dependencies.h"

#include "form/settings_form.h"

namespace zarq {

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

}  // namespace zarq
