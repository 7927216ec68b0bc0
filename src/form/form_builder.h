#pragma once
// Small helpers the page builders lay their controls out with.

#include "form/settings_form.h"

namespace zarq {

// Text-field input flags, as the layout tables write them.
enum FieldFlags : unsigned {
  kPlain = 0,
  kNumeric = 1,       // N: digits and "." only
  kIntegerOnly = 2,   // I: together with N, no "."
  kSliderLinked = 4,  // S: mirrors slider (slot - 3)
};

// init + fitText(true); the field stays hidden.
void placeField(SettingsForm& form, int slot, float x, float y, float width, float height,
                TextView defaultText, Align alignment, unsigned flags = kPlain);
// A white, enabled, hidden caption whose help text is looked up by caption.
void placeLabel(SettingsForm& form, int index, TextView caption, float x, float y, float size,
                Align anchor, Argb colour = 0xFFFFFFFF);
void placeCheckBox(SettingsForm& form, int index, float x, float y, float size, bool checked);

// Each page's controls with their defaults, hidden.
// Page 1 is built in two steps: its fields are validated before its other controls exist.
void placeBasicFields(SettingsForm& form);
void placeBasicControls(SettingsForm& form);
void buildOpeningPage(SettingsForm& form);
void buildChartPage(SettingsForm& form);
void buildResultPage(SettingsForm& form);
void buildOtherPage(SettingsForm& form);
void buildUiTextPage(SettingsForm& form);

// The result page's selector caption set up afresh, as when the form is built.
void placeObtainedTypeSelector(SettingsForm& form, TextView caption);

}  // namespace zarq
