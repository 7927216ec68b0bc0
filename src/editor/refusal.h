#pragma once
// A key the field being edited refuses: the host's bell, and a short flash of the field's
// outline so that a user with the sound off still sees why nothing happened.

namespace zarq {

struct SettingsForm;

// Rings the bell, flashes the outline of the field being edited and draws the frame.
void refuseKey(SettingsForm& form);

}  // namespace zarq
