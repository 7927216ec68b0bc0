#include "input/blur_preview.h"

#include "common/numbers.h"
#include "form/settings_form.h"
#include "image/background_preview.h"

namespace zarq {

void refreshPreviewForBlur(SettingsForm& form) {
  buildBackgroundPreview(form, static_cast<int>(roundHalfAway(form.sliders[sliderId::blur].value)));
}

}  // namespace zarq
