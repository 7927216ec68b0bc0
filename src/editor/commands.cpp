#include "editor/commands.h"

#include "common/paths.h"
#include "common/printable.h"
#include "editor/chart_import.h"
#include "editor/drop.h"
#include "editor/editing.h"
#include "editor/keyboard.h"
#include "editor/message_boxes.h"
#include "editor/pages.h"
#include "editor/preset_actions.h"
#include "editor/selection.h"
#include "editor/undo.h"
#include "editor/zoom.h"
#include "form/render_frame.h"
#include "form/settings_form.h"

namespace zarq {
namespace {

// The page a page command selects; 0 for no page change.
int commandPage(const SettingsForm& form, Command command) {
  const bool resultRecorded = form.checkBoxes[box::recordResult].checked;
  switch (command) {
    case Command::Page1:
      return 1;
    case Command::Page2:
      return 2;
    case Command::Page3:
      return 3;
    case Command::Page4:
      return resultRecorded ? 4 : 5;
    case Command::Page5:
      return resultRecorded ? 5 : 6;
    case Command::Page6:
      return resultRecorded ? 6 : 0;
    default:
      return 0;
  }
}

bool isPageCommand(Command command) {
  switch (command) {
    case Command::Page1:
    case Command::Page2:
    case Command::Page3:
    case Command::Page4:
    case Command::Page5:
    case Command::Page6:
      return true;
    default:
      return false;
  }
}

// The clipboard's text typed into the field being edited, one unit at a time, so that every
// filter of typing applies; line breaks and tabs are dropped rather than acted on.
void paste(SettingsForm& form) {
  if (form.interactionMode != InteractionMode::Editing) return;
  const ClipboardText clip = form.host().clipboardText();
  switch (clip.status) {
    case ClipboardText::Status::Unavailable:
    case ClipboardText::Status::NoText:
      return;
    case ClipboardText::Status::LockFailed:
      tell(form, u"获取剪贴板失败！", about::paste);
      return;
    case ClipboardText::Status::Text:
      break;
  }
  if (clip.text.size() > kPasteLimit) {
    tell(form, u"剪贴板内容过长！", about::paste);
    return;
  }
  for (char16_t unit : clip.text) {
    if (isPrintable(unit)) handleChar(form, unit);
  }
}

void open(SettingsForm& form) {
  const std::optional<std::filesystem::path> chosen =
      form.host().chooseOpenFile(kPresetFilter, kPresetPattern);
  if (chosen) {
    openPreset(form, *chosen);
  } else {
    requestFrame(form);
  }
}

// The dialog that belongs to the page on view: the chart folder on page 1, the avatar on 4.
void pageDialog(SettingsForm& form) {
  if (form.currentPage == 1) {
    importChartFolder(form);
    requestFrame(form);
  }
  if (form.currentPage == 4) {
    openAvatar(form);
    requestFrame(form);
  }
}

}  // namespace

void openPreset(SettingsForm& form, const std::filesystem::path& file) {
  if (!pathExists(file)) {
    // Named, as it may come from the command line rather than the dialog.
    tell(form, u"文件不存在！\n" + textFromPath(file), about::open);
  } else {
    loadPreset(form, file, false);
  }
  requestFrame(form);
}

void handleCommand(SettingsForm& form, Command command) {
  if (isPageCommand(command)) {
    const int page = commandPage(form, command);
    // Ctrl+6 without the result part does nothing at all, not even end the editing.
    if (page == 0) return;
    endEditing(form);
    turnPage(form, page);
    requestFrame(form);
    return;
  }
  switch (command) {
    case Command::Paste:
      paste(form);
      break;
    case Command::Save:
      saveToChosenFile(form);
      break;
    case Command::Open:
      open(form);
      break;
    case Command::PageDialog:
      pageDialog(form);
      break;
    case Command::SelectAll:
      selectAll(form);
      break;
    case Command::Copy:
      copySelection(form);
      break;
    case Command::Cut:
      cutSelection(form);
      break;
    case Command::Undo:
      undo(form);
      break;
    case Command::Redo:
      redo(form);
      break;
    case Command::PreviousField:
      tabBackward(form);
      break;
    case Command::ZoomIn:
    case Command::ZoomOut:
    case Command::ZoomReset:
      changeZoom(form, command);
      break;
    default:
      break;  // Ctrl+Shift+S and unknown identifiers do nothing
  }
}

}  // namespace zarq
