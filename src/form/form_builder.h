#pragma once
// The form's controls laid out from the pages' rows, with their defaults.

#include "common/text.h"
#include "form/field_rows.h"

namespace zarq {

struct SettingsForm;

// The page's text fields: placed, holding their defaults, hidden.
void placeFields(SettingsForm& form, const PageRows& page);
// The page's title, captions, check boxes, sliders, option pairs and selector, hidden.
void placeControls(SettingsForm& form, const PageRows& page);

// The result page's selector reading `caption`, set up afresh as when the form is built.
void placeObtainedTypeSelector(SettingsForm& form, TextView caption);

}  // namespace zarq
