#include "input/commands.h"

#include <fstream>
#include <system_error>

#include "common/paths.h"
#include "common/printable.h"
#include "files/chart_import.h"
#include "files/drop.h"
#include "files/preset_file.h"
#include "form/pages.h"
#include "form/render_frame.h"
#include "form/settings_form.h"
#include "input/keyboard.h"

namespace zarq {
namespace {

constexpr TextView kPasteTitle = u"Zarq Radoziro 设置填写器 - 粘贴";
constexpr TextView kSaveTitle = u"Zarq Radoziro 设置填写器 - 保存";
constexpr TextView kOpenTitle = u"Zarq Radoziro 设置填写器 - 打开";
constexpr TextView kPresetFilter = u"预设文件(*.set)";
constexpr TextView kPresetPattern = u"*.set";

// The page a page command selects; 0 for no page change.
int commandPage(const SettingsForm& form, int commandId) {
  const bool resultRecorded = form.checkBoxes[box::recordResult].checked;
  switch (commandId) {
    case command::page1:
      return 1;
    case command::page2:
      return 2;
    case command::page3:
      return 3;
    case command::page4:
      return resultRecorded ? 4 : 5;
    case command::page5:
      return resultRecorded ? 5 : 6;
    case command::page6:
      return resultRecorded ? 6 : 0;
    default:
      return 0;
  }
}

bool isPageCommand(int commandId) {
  return (commandId >= command::page1 && commandId <= command::page5) ||
         commandId == command::page6;
}

void say(SettingsForm& form, TextView text, TextView title) {
  form.host().messageBox(text, title, MessageButtons::Ok);
}

// Whether an existing file may be replaced: not marked read-only (no write permission for
// its owner, which stops even an administrator), and openable for writing by us. Opened
// for appending, so that asking changes nothing.
bool mayBeWritten(const std::filesystem::path& file) {
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(file, error);
  if (error || !std::filesystem::is_regular_file(status)) return false;
  if ((status.permissions() & std::filesystem::perms::owner_write) ==
      std::filesystem::perms::none) {
    return false;
  }
  return std::ofstream(file, std::ios::binary | std::ios::app).is_open();
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
      say(form, u"获取剪贴板失败！", kPasteTitle);
      return;
    case ClipboardText::Status::Text:
      break;
  }
  if (clip.text.size() > kPasteLimit) {
    say(form, u"剪贴板内容过长！", kPasteTitle);
    return;
  }
  for (char16_t unit : clip.text) {
    if (isPrintable(unit)) handleChar(form, unit);
  }
}

// A preset name always ends in ".set" exactly as written; "a.SET" becomes "a.SET.set".
std::filesystem::path withPresetExtension(std::filesystem::path path) {
  const Text name = textFromPath(path);
  const TextView ext = u".set";
  if (name.size() < ext.size() || TextView(name).substr(name.size() - ext.size()) != ext) {
    path += ".set";
  }
  return path;
}

void save(SettingsForm& form) {
  const std::optional<std::filesystem::path> chosen =
      form.host().chooseSaveFile(kPresetFilter, kPresetPattern);
  if (!chosen) return;
  const std::filesystem::path path = withPresetExtension(*chosen);
  if (!pathExists(path)) {
    savePreset(form, path, false);
  } else if (!mayBeWritten(path)) {
    say(form, u"无法写入文件！", kSaveTitle);
  } else if (form.host().messageBox(u"文件已存在，要替换它吗？", kSaveTitle,
                                    MessageButtons::YesNo) == MessageAnswer::Yes) {
    savePreset(form, path, false);
  }
}

void open(SettingsForm& form) {
  const std::optional<std::filesystem::path> chosen =
      form.host().chooseOpenFile(kPresetFilter, kPresetPattern);
  if (chosen) {
    if (!pathExists(*chosen)) {
      say(form, u"文件不存在！", kOpenTitle);
    } else {
      loadPreset(form, *chosen, false);
    }
  }
  renderFrame(form);
}

// The dialog that belongs to the page on view: the chart folder on page 1, the avatar on 4.
void pageDialog(SettingsForm& form) {
  if (form.currentPage == 1) {
    importChartFolder(form);
    renderFrame(form);
  }
  if (form.currentPage == 4) {
    openAvatar(form);
    renderFrame(form);
  }
}

}  // namespace

void handleCommand(SettingsForm& form, int commandId) {
  if (isPageCommand(commandId)) {
    const int page = commandPage(form, commandId);
    // Ctrl+6 without the result part does nothing at all, not even end the editing.
    if (page == 0) return;
    if (form.interactionMode == InteractionMode::Editing) unfocusField(form, form.focusedField);
    showPage(form, page);
    renderFrame(form);
    return;
  }
  switch (commandId) {
    case command::paste:
      paste(form);
      break;
    case command::save:
      save(form);
      break;
    case command::open:
      open(form);
      break;
    case command::pageDialog:
      pageDialog(form);
      break;
    default:
      break;  // Ctrl+Shift+S and unknown identifiers do nothing
  }
}

}  // namespace zarq
