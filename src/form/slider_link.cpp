#include "form/slider_link.h"

#include "common/numbers.h"
#include "form/settings_form.h"
#include "form/slot_text.h"

namespace zarq {

Text sliderValueText(const Slider& slider) {
  if (slider.integerOnly) return intText(static_cast<int>(roundHalfAway(slider.value())));
  return fixedText(roundHalfAway(slider.value() * 10.0) / 10.0, 1);
}

void showSliderValue(SettingsForm& form, int slider) {
  setSlotText(form, linkedSlot(slider), sliderValueText(form.sliders[slider]));
}

void setSliderValue(SettingsForm& form, int slider, float value) {
  form.sliders[slider].setValue(value);
  showSliderValue(form, slider);
}

void sliderFollowsField(SettingsForm& form, int slot) {
  const TextField& field = form.fields[slot];
  Slider& slider = form.sliders[linkedSlider(slot)];
  slider.setValue(field.integerOnly ? static_cast<float>(leadingInt(field.text))
                                    : static_cast<float>(leadingDouble(field.text)));
}

}  // namespace zarq
