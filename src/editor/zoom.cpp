#include "editor/zoom.h"

#include <algorithm>
#include <cstdio>

#include "common/paths.h"
#include "common/utf.h"
#include "files/remembered_zoom.h"
#include "form/settings_form.h"

namespace zarq {

int zoomAfter(int percent, Command command) {
  switch (command) {
    case Command::ZoomIn:
      // A zoom between two steps goes to the next step, not past it.
      return std::min(kMaxZoomPercent, (percent / kZoomStepPercent + 1) * kZoomStepPercent);
    case Command::ZoomOut:
      return std::max(kMinZoomPercent,
                      ((percent + kZoomStepPercent - 1) / kZoomStepPercent - 1) * kZoomStepPercent);
    case Command::ZoomReset:
      return kDefaultZoomPercent;
    default:
      return percent;
  }
}

bool isZoomCommand(Command command) {
  return command == Command::ZoomIn || command == Command::ZoomOut || command == Command::ZoomReset;
}

void changeZoom(SettingsForm& form, Command command) {
  const int percent = zoomAfter(form.zoomPercent, command);
  if (percent == form.zoomPercent) return;
  form.zoomPercent = percent;
  form.host().zoomTo(percent);
  if (form.configHome.empty()) return;
  if (!rememberZoom(form.platform.files, form.configHome, percent)) {
    std::fprintf(stderr, "zarq-settings: cannot keep the zoom for the next start in %s\n",
                 toUtf8(textFromPath(rememberedZoomFile(form.configHome))).c_str());
  }
}

void restoreZoom(SettingsForm& form) {
  if (form.configHome.empty()) return;
  form.zoomPercent = readRememberedZoom(form.configHome).value_or(kDefaultZoomPercent);
  form.host().zoomTo(form.zoomPercent);
}

}  // namespace zarq
