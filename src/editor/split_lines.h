#pragma once
// Enter in the two two-line texts moves the split point between their lines: the song name
// over slots 29 and 30, the obtained content over slots 44 and 45.

namespace zarq {

struct SettingsForm;

// Enter in the focused field; beeps in every field that is not one of the four lines.
void enterInFocusedField(SettingsForm& form);

}  // namespace zarq
