#include "input/window_events.h"

#include "files/drop.h"
#include "files/preset_file.h"
#include "form/pages.h"
#include "form/render_frame.h"
#include "form/settings_form.h"
#include "input/commands.h"
#include "input/mouse.h"

namespace zarq {

void onWindowCreate(SettingsForm& form) {
  form.mouseDown = false;
  buildForm(form);
}

void onWindowDestroy(SettingsForm& form) {
  savePreset(form, form.fileInWorkDir("save.set"), true);
}

void onFocusGained(SettingsForm& form) {
  form.mouseDown = false;
  renderFrame(form);
}

void onPaint(SettingsForm& form) { renderFrame(form); }

void onKeyUp(SettingsForm& form, Key key) { handleKeyUp(form, key); }

void onChar(SettingsForm& form, char16_t unit) { handleChar(form, unit); }

void onCommand(SettingsForm& form, int commandId) { handleCommand(form, commandId); }

void onMouseMove(SettingsForm& form, int x, int y) { handleMouseMove(form, x, y); }

void onButtonDown(SettingsForm& form, int x, int y) {
  form.mouseDown = true;
  handlePress(form, x, y);
}

void onButtonUp(SettingsForm& form, int x, int y) {
  form.mouseDown = false;
  handleRelease(form, x, y, true);
}

void onMouseLeave(SettingsForm& form) {
  form.mouseDown = false;
  if (form.host().isForeground()) handleRelease(form, form.mouseX, form.mouseY, false);
}

void onDrop(SettingsForm& form, const std::vector<std::filesystem::path>& paths) {
  handleDrop(form, paths);
}

bool arrowAnimationRunning(SettingsForm& form) {
  for (const PageArrow& arrow : form.arrows) {
    if (arrow.animating(form.host().clockMs())) return true;
  }
  return false;
}

}  // namespace zarq
