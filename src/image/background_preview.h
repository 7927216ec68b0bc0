#pragma once
// The chart's illustration behind every page: scaled to cover the 960 x 720 frame, centred,
// cropped and blurred. Dimming is applied when a frame is drawn.

#include "image/image.h"

namespace zarq {

struct SettingsForm;

// Rebuilds form.previewBitmap from "<chartId>.<illustrationExt>" in the form's folder with
// the given blur (already rounded; clamped to 200). Without a loadable illustration the
// preview is opaque black.
void buildBackgroundPreview(SettingsForm& form, int blur);

}  // namespace zarq
