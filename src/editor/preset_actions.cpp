#include "editor/preset_actions.h"

#include <cstdio>
#include <string>

#include "common/paths.h"
#include "common/utf.h"
#include "editor/closing.h"
#include "editor/editing.h"
#include "editor/file_messages.h"
#include "editor/focus.h"
#include "editor/message_boxes.h"
#include "editor/pages.h"
#include "files/file_errors.h"
#include "files/preset_file.h"
#include "form/form_preset.h"
#include "form/settings_form.h"

namespace zarq {
namespace {

void report(SettingsForm& form, bool silent, TextView text, TextView about) {
  if (!silent) tell(form, text, about);
}

// The field being edited lets go before its value can be replaced. The user's own load then
// gives the focus back to the control that had it, a field with its new text selected as Tab
// leaves it: a keyboard user keeps their place and hears the new value when the message goes.
bool takePreset(SettingsForm& form, const PresetRead& read, bool silent) {
  const ControlRef focused = form.focusedControl();
  endEditing(form);
  if (read.values) applyPreset(form, *read.values, silent);
  if (!silent && focused && canTakeFocus(form, focused)) focusControl(form, focused);
  report(form, silent, read.values ? Text(u"加载预设成功！") : read.failure, about::loadPreset);
  return read.values.has_value();
}

// A save that went well but for `error`: a line of its message, or one on the standard error
// for a silent save (the close), which shows none.
void warnAfterSave(bool silent, const std::filesystem::path& path, FileError error, const char* why,
                   Text (*line)(FileError), Text& said) {
  if (error == FileError::None) return;
  if (!silent) {
    said += u"\n" + line(error);
    return;
  }
  std::fprintf(stderr, "zarq-settings: %s was saved, but %s (%s)\n",
               toUtf8(textFromPath(path)).c_str(), why, fileErrorWords(error));
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

// Whether `path` lies in the editor's folder after that folder was unmounted, removed or
// replaced: it would be written through the old folder, not where the dialog showed it.
bool inGoneWorkDir(SettingsForm& form, const std::filesystem::path& path) {
  if (!form.workDirHold) return false;
  const std::filesystem::path inside = path.lexically_normal().lexically_relative(form.workDir);
  return !inside.empty() && *inside.begin() != ".." &&
         form.platform.files.heldFolderInPlace(form.workDir) != FileError::None;
}

}  // namespace

bool isSaveSet(SettingsForm& form, const std::filesystem::path& path) {
  const std::filesystem::path saveSet = form.fileInWorkDir(kSavedForm);
  if (path == saveSet) return true;
  FileStatus chosen, ours;
  FileSystem& files = form.platform.files;
  return files.status(path, chosen) == FileError::None &&
         files.status(saveSet, ours) == FileError::None && chosen.sameFileAs(ours);
}

WriteOutcome savePreset(SettingsForm& form, const std::filesystem::path& path, bool silent) {
  const WriteOutcome outcome =
      writePresetFile(path, presetFromForm(form), form.platform.files, form.historyRoot);
  // Saved there by the editor itself, "save.set" is no change of another program's.
  if (outcome && isSaveSet(form, path)) noteSaveSetSeen(form);
  if (!outcome) {
    report(form, silent, writeFailureText(path, outcome), about::save);
    return outcome;
  }
  // The new preset is in place; only the way back to the old one, or the certainty of its
  // name after a power cut, is missing.
  Text said = u"保存预设成功！";
  warnAfterSave(silent, path, outcome.notKept,
                "the version it replaced could not be kept in its history", notKeptText, said);
  warnAfterSave(silent, path, outcome.unflushed,
                "its folder could not be flushed to the disk, so it may not survive a power cut",
                unflushedText, said);
  report(form, silent, said, about::save);
  return outcome;
}

bool saveToChosenFile(SettingsForm& form) {
  const std::optional<std::filesystem::path> chosen =
      form.host().chooseSaveFile(kPresetFilter, kPresetPattern);
  if (!chosen) return false;
  const std::filesystem::path path = withPresetExtension(*chosen);
  if (inGoneWorkDir(form, path)) {
    tell(form, u"无法写入文件！\n" + workDirGoneText(form.workDir), about::save);
    return false;
  }
  FileSystem& files = form.platform.files;
  FileStatus status;
  FileError error = files.status(path, status);
  // What may not be replaced is said so at once, rather than asked about first.
  if (error == FileError::None && status.kind == FileStatus::Kind::Regular) {
    error = files.checkWritable(path);
  } else if (status.kind == FileStatus::Kind::Folder || status.kind == FileStatus::Kind::Other) {
    error = FileError::NotRegular;
  }
  if (error == FileError::None && status.kind != FileStatus::Kind::Missing &&
      ask(form, u"文件已存在，要替换它吗？", about::save) != MessageAnswer::Yes) {
    return false;
  }
  if (error != FileError::None) {
    tell(form, writeFailureText(path, {error}), about::save);
    return false;
  }
  return static_cast<bool>(savePreset(form, path, false));
}

void applyPreset(SettingsForm& form, const PresetValues& values, bool takeOutputPath) {
  putPresetIntoForm(form, values, takeOutputPath);
  showPage(form, form.currentPage);
}

bool loadPreset(SettingsForm& form, const std::filesystem::path& path, bool silent) {
  return takePreset(form, readPresetFile(path, form.platform.files), silent);
}

bool loadPresetBytes(SettingsForm& form, std::span<const std::uint8_t> bytes, bool silent) {
  return takePreset(form, readPresetBytes(bytes), silent);
}

}  // namespace zarq
