#include "form/form_preset.h"

#include <algorithm>

#include "form/control_dependencies.h"
#include "form/settings_form.h"

namespace zarq {

PresetValues presetFromForm(const SettingsForm& form) {
  PresetValues values;
  values.version = kPresetVersion;
  for (const TextField& field : form.fields) values.texts.push_back(field.text);
  for (const CheckBox& box : form.checkBoxes) {
    values.checkBoxes.push_back(box.checked() ? box.tickedByte : 0);
  }
  for (int i = 0; i < kSliderCount; ++i) values.sliders[i] = form.sliders[i].value();
  for (int i = 0; i < kOptionPairCount; ++i) {
    values.optionPairs[i] = {form.optionPairs[i].selected1(), form.optionPairs[i].selected2()};
  }
  values.obtainedType = form.obtainedType();
  return values;
}

void putPresetIntoForm(SettingsForm& form, const PresetValues& values, bool takeOutputPath) {
  const int slots = std::min<int>(std::ssize(values.texts), kFieldCount);
  for (int s = 0; s < slots; ++s) {
    TextField& field = form.fields[s];
    if (s != slot::outputPath || takeOutputPath) field.setText(values.texts[s]);
    field.fitText(form.metrics, true);
  }
  const int boxes = std::min<int>(std::ssize(values.checkBoxes), kCheckBoxCount);
  for (int b = 0; b < boxes; ++b) {
    const std::uint8_t stored = values.checkBoxes[b];
    form.checkBoxes[b].setChecked(stored != 0);
    form.checkBoxes[b].tickedByte = stored != 0 ? stored : 1;
  }
  for (int i = 0; i < kSliderCount; ++i) form.sliders[i].setValue(values.sliders[i]);
  for (int i = 0; i < kOptionPairCount; ++i) {
    form.optionPairs[i].setSelected(values.optionPairs[i][0], values.optionPairs[i][1]);
  }
  if (values.obtainedType) setObtainedType(form, *values.obtainedType);
  applyControlDependencies(form);
}

}  // namespace zarq
