#include "form/slider_link.h"

#include <cmath>

#include "common/numbers.h"
#include "form/settings_form.h"
#include "form/slot_text.h"

namespace zarq {

Text sliderValueText(const Slider& slider) {
  // Rounded as a double: a preset may hold any float, beyond what an integer holds, and the
  // field shows that number for the rules to judge. Adding 0 makes a -0 from rounding 0.
  if (slider.integerOnly) return fixedText(std::round(slider.value()) + 0.0, 0);
  return fixedText(std::round(slider.value() * 10.0) / 10.0 + 0.0, 1);
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
