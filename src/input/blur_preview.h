#pragma once

namespace zarq {

struct SettingsForm;

// The background preview built again at the blur slider's value, rounded to an integer:
// after leaving the blur field and after a drag of its slider.
void refreshPreviewForBlur(SettingsForm& form);

}  // namespace zarq
