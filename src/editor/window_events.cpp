#include "editor/window_events.h"

#include <cstdio>

#include "common/paths.h"
#include "common/printable.h"
#include "common/utf.h"
#include "editor/accessible_events.h"
#include "editor/accessible_page.h"
#include "editor/closing.h"
#include "editor/commands.h"
#include "editor/drop.h"
#include "editor/message_boxes.h"
#include "editor/mouse.h"
#include "editor/pages.h"
#include "editor/preset_actions.h"
#include "editor/undo.h"
#include "files/atomic_file.h"
#include "files/set_aside.h"
#include "form/render_frame.h"
#include "form/settings_form.h"

namespace zarq {
namespace {

constexpr TextView kSavedFormMoved = u"无法读取上次保存的表单 save.set！\n它已被移到：\n";
constexpr TextView kSavedFormMovedEnd = u"\n不会被覆盖。表单从默认值开始。";
constexpr TextView kSavedFormLeft =
    u"无法读取上次保存的表单 save.set，也无法把它移开！\n"
    u"它保持原样，关闭时也不会覆盖它。表单从默认值开始。";

}  // namespace

bool buildFormWithSavedForm(SettingsForm& form) {
  form.mouseDown = false;
  buildForm(form);
  const std::filesystem::path saved = form.fileInWorkDir(kSavedForm);
  std::error_code error;
  const bool loaded = !std::filesystem::exists(std::filesystem::symlink_status(saved, error)) ||
                      loadPreset(form, saved, true);
  startHistory(form);
  return loaded;
}

void onWindowCreate(SettingsForm& form) {
  // Files a killed editor was writing when it died are of no use to anyone.
  removeLeftoverTemporaries(form.platform.files, form.workDir);
  const bool loaded = buildFormWithSavedForm(form);
  announceChanges(form);
  if (loaded) return;
  const std::filesystem::path saved = form.fileInWorkDir(kSavedForm);
  // The user's file must outlive the save at the close: it is moved out of the way. A line on
  // the standard error says so, and a message box once the window shows, since an editor
  // started from a menu or by a double click has no terminal.
  Text told;
  if (const std::optional<std::filesystem::path> aside = setAside(saved, form.platform.files)) {
    std::fprintf(stderr, "zarq-settings: %s could not be read; it was moved to %s\n",
                 toUtf8(textFromPath(saved)).c_str(), toUtf8(textFromPath(*aside)).c_str());
    told = Text(kSavedFormMoved) + textFromPath(*aside) + Text(kSavedFormMovedEnd);
  } else {
    form.keepSavedForm = true;
    std::fprintf(stderr, "zarq-settings: %s could not be read nor moved; it is left as it is\n",
                 toUtf8(textFromPath(saved)).c_str());
    told = kSavedFormLeft;
  }
  form.host().postToWindowThread(0, [&form, told] { tell(form, told, about::loadPreset); });
}

void onFocusGained(SettingsForm& form) {
  form.mouseDown = false;
  renderFrame(form);
}

void onPaint(SettingsForm& form) { renderFrame(form); }

// The release (or repeat) of a key that only typed a character keeps the run of typing: only
// a key that acted ends it.
void onKeyUp(SettingsForm& form, const KeyStroke& stroke) {
  if (handleKeyUp(form, stroke)) recordStep(form, false);
  announceChanges(form);
}

void onKeyRepeat(SettingsForm& form, const KeyStroke& stroke) {
  if (handleKeyRepeat(form, stroke)) recordStep(form, false);
  announceChanges(form);
}

void onChar(SettingsForm& form, char16_t unit) {
  handleChar(form, unit);
  recordStep(form, unit == u'\b' || isPrintable(unit));
  announceChanges(form);
}

void onComposition(SettingsForm& form, TextView composing) {
  if (form.composing == composing) return;
  form.composing = Text(composing);
  renderFrame(form);
}

void onCommand(SettingsForm& form, Command command) {
  handleCommand(form, command);
  recordStep(form, false);
  announceChanges(form);
}

void onMouseMove(SettingsForm& form, int x, int y) {
  handleMouseMove(form, x, y);
  announceChanges(form);
}

void onButtonDown(SettingsForm& form, int x, int y) {
  form.mouseDown = true;
  handlePress(form, x, y);
  recordStep(form, false);
  announceChanges(form);
}

void onButtonUp(SettingsForm& form, int x, int y) {
  form.mouseDown = false;
  handleRelease(form, x, y, true);
  recordStep(form, false);
  announceChanges(form);
}

void onMouseLeave(SettingsForm& form) {
  form.mouseDown = false;
  if (form.host().isForeground()) handleRelease(form, form.mouseX, form.mouseY, false);
  recordStep(form, false);
  announceChanges(form);
}

void onDrop(SettingsForm& form, const std::vector<std::filesystem::path>& paths) {
  handleDrop(form, paths);
  recordStep(form, false);
  announceChanges(form);
}

void onOpenPreset(SettingsForm& form, const std::filesystem::path& file) {
  openPreset(form, file);
  recordStep(form, false);
  announceChanges(form);
}

void onActivate(SettingsForm& form, ControlRef control) {
  activateControl(form, control);
  renderFrame(form);
  recordStep(form, false);
  announceChanges(form);
}

bool animationRunning(SettingsForm& form) {
  const std::int32_t now = form.host().clockMs();
  for (const PageArrow& arrow : form.arrows) {
    if (arrow.animating(now)) return true;
  }
  for (const TextField& field : form.fields) {
    if (field.flashAnimating(now)) return true;
  }
  return false;
}

}  // namespace zarq
