#include "editor/zoom.h"

#include <algorithm>
#include <cstdio>

#include "common/paths.h"
#include "common/utf.h"
#include "editor/accessible_events.h"
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
  const int asked = zoomAfter(form.zoomPercent, command);
  const int percent = asked == form.zoomPercent ? asked : form.host().zoomTo(asked);
  const bool stopped = percent == form.zoomPercent && command != Command::ZoomReset;
  if (stopped || (command == Command::ZoomIn && percent < asked)) form.host().beep();
  if (percent == form.zoomPercent) return;
  form.zoomPercent = percent;
  if (form.configHome.empty()) return;
  if (!rememberZoom(form.platform.files, form.configHome, percent)) {
    std::fprintf(stderr, "zarq-settings: cannot keep the zoom for the next start in %s\n",
                 toUtf8(textFromPath(rememberedZoomFile(form.configHome))).c_str());
  }
}

void restoreZoom(SettingsForm& form) {
  if (form.configHome.empty()) return;
  form.zoomPercent =
      form.host().zoomTo(readRememberedZoom(form.configHome).value_or(kDefaultZoomPercent));
}

void showAtScale(SettingsForm& form, double scale) {
  form.windowScale = scale;
  announceChanges(form);
}

}  // namespace zarq
