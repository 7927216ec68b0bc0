#include "form/preview.h"

#include <algorithm>
#include <climits>

#include "common/numbers.h"
#include "common/paths.h"
#include "form/settings_form.h"
#include "image/background_preview.h"

namespace zarq {

void rebuildPreview(SettingsForm& form, int blur) {
  const Text name = form.field(slot::chartId).text + u"." + form.field(slot::illustrationExt).text;
  form.previewBitmap =
      buildBackgroundPreview(form.platform.images, form.fileInWorkDir(pathFromText(name)), blur);
}

void rebuildPreviewAtSliderBlur(SettingsForm& form) {
  // A typed blur may be any number; beyond an int it is simply the strongest.
  const long long blur = roundHalfAway(form.sliders[sliderId::blur].value);
  rebuildPreview(form, static_cast<int>(std::clamp<long long>(blur, INT_MIN, INT_MAX)));
}

}  // namespace zarq
