#pragma once
// The form's background preview: the illustration "<chart ID>.<illustration suffix>" of
// the editor's folder, blurred as the form says.

namespace zarq {

struct SettingsForm;

// Rebuilds form.previewBitmap with the given blur.
void rebuildPreview(SettingsForm& form, int blur);
// The same at the blur slider's value, rounded to an integer.
void rebuildPreviewAtSliderBlur(SettingsForm& form);

}  // namespace zarq
