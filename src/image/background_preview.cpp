// Placeholder until the preview lands: the background stays black.
#include "image/background_preview.h"

#include "form/settings_form.h"

namespace zarq {

void buildBackgroundPreview(SettingsForm&, int) {}

}  // namespace zarq
