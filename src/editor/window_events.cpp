#include "editor/window_events.h"

#include <atomic>
#include <cstdio>
#include <functional>
#include <memory>

#include "common/paths.h"
#include "common/printable.h"
#include "common/utf.h"
#include "editor/accessible_events.h"
#include "editor/accessible_page.h"
#include "editor/closing.h"
#include "editor/commands.h"
#include "editor/control_keys.h"
#include "editor/drop.h"
#include "editor/file_messages.h"
#include "editor/focus.h"
#include "editor/keyboard.h"
#include "editor/message_boxes.h"
#include "editor/mouse.h"
#include "editor/pages.h"
#include "editor/preset_actions.h"
#include "editor/undo.h"
#include "files/atomic_file.h"
#include "files/preset_file.h"
#include "files/preset_history.h"
#include "files/set_aside.h"
#include "form/preview.h"
#include "form/render_frame.h"
#include "form/settings_form.h"
#include "validate/validation.h"

namespace zarq {
namespace {

constexpr TextView kSavedFormMoved = u"无法读取上次保存的表单 save.set！\n它已被移到：\n";
constexpr TextView kSavedFormMovedEnd = u"\n不会被覆盖。表单从默认值开始。";
constexpr TextView kSavedFormLeft =
    u"无法读取上次保存的表单 save.set，也无法把它移开！\n"
    u"它保持原样，关闭时也不会覆盖它。表单从默认值开始。";

// How often a folder the system will not watch is looked at instead.
constexpr int kFolderLookMs = 2000;

// Looks at the folder every kFolderLookMs for as long as the form lives.
void lookAtFolderNowAndThen(SettingsForm& form, std::weak_ptr<const bool> alive) {
  form.host().postToWindowThread(kFolderLookMs, [&form, alive] {
    if (!alive.lock()) return;
    onFolderChanged(form);
    lookAtFolderNowAndThen(form, alive);
  });
}

void watchWorkFolder(SettingsForm& form) {
  const std::weak_ptr<const bool> alive = form.lifeline;
  // One look waits at a time. A long copy into the folder changes it with every block while
  // posted work waits for the copy: a look for each change would keep the window busy, deaf
  // to keys and to its close, for as long again once the copy is done.
  const auto lookWaiting = std::make_shared<std::atomic<bool>>(false);
  const bool watched =
      form.host().watchFolder(form.workDir, [&host = form.host(), &form, alive, lookWaiting] {
        if (lookWaiting->exchange(true)) return;
        // The watch may call from another thread: the form is reached on the window's.
        host.postToWindowThread(0, [&form, alive, lookWaiting] {
          // Cleared first: a change told during the look is looked at again.
          lookWaiting->store(false);
          if (alive.lock()) onFolderChanged(form);
        });
      });
  if (!watched) lookAtFolderNowAndThen(form, alive);
}

// The field being edited, or -1.
std::int16_t editedField(const SettingsForm& form) {
  return form.interactionMode == InteractionMode::Editing ? form.focusedField : -1;
}

// A composition belongs to the field it began in: once that field's editing ends (Tab, a
// page turn, a click elsewhere, a load) the input method drops it, or its text would land in
// the next field edited.
void dropCompositionLeftBehind(SettingsForm& form) {
  if (form.composing.empty() || form.composingField == editedField(form)) return;
  form.composing.clear();
  form.host().dropComposition();
  requestFrame(form);
}

// Every input goes through the queue, and ends with the frame it owes; a control it took
// away (hid, greyed, left on another page) no longer has the focus.
void deliver(SettingsForm& form, std::function<void()> input) {
  form.heldInput.deliver(form, [&form, input = std::move(input)] {
    input();
    dropFocusIfGone(form);
    showChanges(form);
  });
}

// The keys that act again while held: the caret and a focused slider move on at the
// keyboard's repeat rate.
bool keyRepeats(const KeyStroke& stroke) {
  switch (stroke.key) {
    case Key::Left:
    case Key::Right:
    case Key::Up:
    case Key::Down:
    case Key::PageUp:
    case Key::PageDown:
      return true;
    default:
      return false;
  }
}

// "save.set" could not be read at the start: the newest version its history keeps, if any is
// a preset, is offered instead. Taken, it is the form, as if "save.set" had held it; the
// unreadable file may then be replaced at the close, its history keeping it first.
bool offerLastVersion(SettingsForm& form) {
  std::vector<HistoryVersion> versions;
  listHistory(form.platform.files, form.historyRoot, form.fileInWorkDir(kSavedForm), versions);
  for (const HistoryVersion& version : versions) {
    const PresetRead read = readPresetFile(version.file, form.platform.files);
    if (!read.values) continue;
    if (ask(form, lastVersionQuestion(version.keptAt, read.values->texts[slot::chartId]),
            about::loadPreset) != MessageAnswer::Yes) {
      return false;
    }
    applyPreset(form, *read.values, true);
    form.keepSavedForm = false;
    return true;
  }
  return false;
}

}  // namespace

bool buildFormWithSavedForm(SettingsForm& form) {
  form.mouseDown = false;
  buildForm(form);
  const std::filesystem::path saved = form.fileInWorkDir(kSavedForm);
  FileStatus status;
  form.platform.files.status(saved, status);
  const bool loaded = status.kind == FileStatus::Kind::Missing || loadPreset(form, saved, true);
  startHistory(form);
  return loaded;
}

void onWindowCreate(SettingsForm& form) {
  // A picture whose header passed but whose pixels did not decode is an illustration that
  // cannot be loaded, and the field says so once the decode has ended; it stops saying so
  // once the file is fixed and decodes.
  form.preview.decodeEnded = [&form](bool decoded) {
    if (decoded && !hasError(form, slot::illustrationExt)) return;
    form.host().postToWindowThread(0, [&form, alive = std::weak_ptr<const bool>(form.lifeline)] {
      if (!alive.lock()) return;
      validateField(form, slot::illustrationExt, {.forced = true, .derive = false});
      requestFrame(form);
      showChanges(form);
    });
  };
  // Files a killed editor was writing when it died are of no use to anyone.
  removeLeftoverTemporaries(form.platform.files, form.workDir);
  watchWorkFolder(form);
  const bool loaded = buildFormWithSavedForm(form);
  announceChanges(form);
  // An editor from a menu, or any on Windows, showed no standard error at that end.
  if (Text rescued = takeRescueNote(form); !rescued.empty()) {
    form.host().postToWindowThread(0, [&form, rescued] { tell(form, rescued, about::save); });
  }
  if (loaded) {
    noteSaveSetSeen(form);
    return;
  }
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
  noteSaveSetSeen(form);
  form.host().postToWindowThread(0, [&form, told] {
    tell(form, told, about::loadPreset);
    deliver(form, [&form] {
      if (offerLastVersion(form)) recordStep(form, false);
    });
  });
}

void onFocusGained(SettingsForm& form) {
  form.mouseDown = false;
  previewFileMayHaveChanged(form);
  onPaint(form);
  retellFocus(form);
}

void onFocusLost(SettingsForm& form) { form.keys.clear(); }

void onPaint(SettingsForm& form) {
  lookUpPreviewFile(form);
  renderFrame(form);
}

void onFolderChanged(SettingsForm& form) {
  previewFileMayHaveChanged(form);
  showChanges(form);
}

bool onKeyPressed(SettingsForm& form, KeyCode code, const KeyStroke& stroke) {
  const bool repeat = form.keys.press(code, stroke);
  // Held: the caret keeps moving at the keyboard's repeat rate.
  if (!repeat || !keyRepeats(stroke)) return false;
  onKeyRepeat(form, stroke);
  return true;
}

void onKeyReleased(SettingsForm& form, KeyCode code, const KeyStroke& strokeNow, bool acts) {
  const bool seen = form.keys.isDown(code);
  const KeyStroke stroke = form.keys.release(code, strokeNow);
  // A key whose press went to another window (Enter or Space closing a message box, F1 in
  // it) does nothing here as it comes up; only the edited field's caret keys act, as ever.
  const bool editing = form.interactionMode == InteractionMode::Editing;
  if (!seen && (!editing || isHelpKey(stroke))) return;
  if (acts) onKeyUp(form, stroke);
}

// The release (or repeat) of a key that only typed a character keeps the run of typing: only
// a key that acted ends it.
void onKeyUp(SettingsForm& form, const KeyStroke& stroke) {
  deliver(form, [&form, stroke] { recordKeyStep(form, handleKeyUp(form, stroke), true); });
}

void onKeyRepeat(SettingsForm& form, const KeyStroke& stroke) {
  deliver(form, [&form, stroke] { recordKeyStep(form, handleKeyRepeat(form, stroke), false); });
}

void onChar(SettingsForm& form, char16_t unit) {
  deliver(form, [&form, unit] {
    handleChar(form, unit);
    recordStep(form, unit == u'\b' || isPrintable(unit));
  });
}

void onComposition(SettingsForm& form, TextView composing) {
  if (form.composing == composing) return;
  if (form.composing.empty()) form.composingField = editedField(form);
  form.composing = Text(composing);
  requestFrame(form);
  showChanges(form);
}

void onCommand(SettingsForm& form, Command command) {
  deliver(form, [&form, command] {
    handleCommand(form, command);
    recordStep(form, false);
  });
}

void onMouseMove(SettingsForm& form, int x, int y) {
  deliver(form, [&form, x, y] { handleMouseMove(form, x, y); });
}

void onButtonDown(SettingsForm& form, int x, int y) {
  deliver(form, [&form, x, y] {
    form.mouseDown = true;
    handlePress(form, x, y);
    recordStep(form, false);
  });
}

void onButtonUp(SettingsForm& form, int x, int y) {
  deliver(form, [&form, x, y] {
    form.mouseDown = false;
    handleRelease(form, x, y, true);
    recordStep(form, false);
  });
}

void onMouseLeave(SettingsForm& form) {
  deliver(form, [&form] {
    form.mouseDown = false;
    if (form.host().isForeground()) handleRelease(form, form.mouseX, form.mouseY, false);
    recordStep(form, false);
  });
}

void onDrop(SettingsForm& form, const std::vector<std::filesystem::path>& paths) {
  deliver(form, [&form, paths] {
    handleDrop(form, paths);
    recordStep(form, false);
  });
}

void onOpenPreset(SettingsForm& form, const std::filesystem::path& file) {
  deliver(form, [&form, file] {
    openPreset(form, file);
    recordStep(form, false);
  });
}

void onToolRequest(SettingsForm& form, ToolRequest request) {
  form.host().postToWindowThread(0, [&form, request, alive = std::weak_ptr(form.lifeline)] {
    if (alive.expired()) return;
    deliver(form, [&form, request] {
      switch (request.kind) {
        case ToolRequest::Kind::Activate:
          activateControl(form, request.control);
          break;
        case ToolRequest::Kind::Focus:
          focusByTool(form, request.control);
          break;
        case ToolRequest::Kind::Edit:
          editByTool(form, request.control, request.from, request.to, request.text, request.amount);
          break;
      }
      recordStep(form, false);
    });
  });
}

bool animationRunning(SettingsForm& form) {
  const std::int64_t now = form.host().clockMs();
  for (const PageArrow& arrow : form.arrows) {
    if (arrow.animating(now)) return true;
  }
  for (const TextField& field : form.fields) {
    if (field.flashAnimating(now)) return true;
  }
  return false;
}

void showChanges(SettingsForm& form) {
  dropCompositionLeftBehind(form);
  if (lookUpPreviewFile(form)) requestFrame(form);
  if (frameOwed(form)) renderFrame(form);
  announceChanges(form);
}

}  // namespace zarq
