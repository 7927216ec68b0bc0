// Placeholder until frame rendering lands.
#include "form/render_frame.h"

#include "form/settings_form.h"

namespace zarq {

void renderFrame(SettingsForm& form) {
  form.platform.frames.beginFrame();
  form.platform.frames.present();
}

}  // namespace zarq
