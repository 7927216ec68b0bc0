#pragma once
// What the pointer is over, tested in a fixed order; the first hit wins.

#include <cstdint>

#include "form/settings_form.h"

namespace zarq {

// A press tests every kind; a release every kind but sliders; a move only arrows and fields.
enum class HitScope { Press, Release, Move };

// Tests the last recorded pointer position, form.mouseX and form.mouseY.
Hit hitTest(SettingsForm& form, HitScope scope);

}  // namespace zarq
