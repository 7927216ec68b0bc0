#pragma once
// A key the field being edited refuses: the host's bell, and a short flash of the field's
// outline so that a user with the sound off still sees why nothing happened.

namespace zarq {

struct SettingsForm;

// Rings the bell and flashes the outline of the field being edited.
void refuseKey(SettingsForm& form);

}  // namespace zarq
