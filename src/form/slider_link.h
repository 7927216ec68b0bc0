#pragma once
// Each slider of page 1 mirrors its value in a text field (its row says which).

#include "common/text.h"
#include "form/field_table.h"

namespace zarq {

struct SettingsForm;
class Slider;

// The linked field shows a slider's value: a whole number, or one decimal ("0.8").
Text sliderValueText(const Slider& slider);
// The slider's value printed into its field; the field is not validated.
void showSliderValue(SettingsForm& form, int slider);
// A slider set to `value`, its field showing it.
void setSliderValue(SettingsForm& form, int slider, float value);
// The slider follows the number its linked field starts with.
void sliderFollowsField(SettingsForm& form, int slot);

}  // namespace zarq
