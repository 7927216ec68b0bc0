#include "editor/closing.h"

#include <cstdio>
#include <ctime>
#include <string>

#include "common/paths.h"
#include "common/utf.h"
#include "editor/file_messages.h"
#include "editor/message_boxes.h"
#include "editor/preset_actions.h"
#include "editor/window_events.h"
#include "files/file_errors.h"
#include "files/preset_file.h"
#include "form/form_preset.h"
#include "form/settings_form.h"

namespace zarq {
namespace {

// Names tried in the fallback folder when one is taken within the same second.
constexpr int kFallbackNames = 100;

std::string printable(const std::filesystem::path& path) { return toUtf8(textFromPath(path)); }

// "save-20250131-235959.set", "-2", "-3", ... : a new file each time, never over an earlier one.
std::filesystem::path fallbackName(int n) {
  const std::time_t now = std::time(nullptr);
  char stamp[32] = "save";
  if (const std::tm* local = std::localtime(&now)) {
    std::strftime(stamp, sizeof stamp, "save-%Y%m%d-%H%M%S", local);
  }
  std::string name = stamp;
  if (n > 1) name += "-" + std::to_string(n);
  return name + ".set";
}

WriteOutcome saveToFallback(SettingsForm& form, const std::filesystem::path& folder,
                            std::filesystem::path& written) {
  if (folder.empty()) return {FileError::NotFound};
  const std::vector<std::uint8_t> bytes = encodePreset(presetFromForm(form));
  return writeNewFile(form.platform.files, folder, fallbackName, kFallbackNames, bytes, written);
}

// Whether the folder the editor opened at the start is still the one at its path: one
// unmounted, removed, renamed away or replaced since is not written into unasked.
bool workDirInPlace(SettingsForm& form) {
  return !form.workDirHold ||
         form.platform.files.heldFolderInPlace(form.workDir) == FileError::None;
}

}  // namespace

bool onCloseRequested(SettingsForm& form) {
  Text why;
  if (form.keepSavedForm) {
    why = unreadableSaveSetText();
  } else if (!workDirInPlace(form)) {
    why = workDirGoneText(form.workDir);
  } else if (const WriteOutcome saved = savePreset(form, form.fileInWorkDir(kSavedForm), true);
             !saved) {
    why = fileErrorText(saved.error);
  } else {
    return true;
  }
  for (;;) {
    showChanges(form);
    switch (form.host().messageBox(closeWithoutSaveSetQuestion(why), messageTitle(about::save),
                                   MessageButtons::YesNoCancel)) {
      case MessageAnswer::Yes:
        if (saveToChosenFile(form)) return true;
        break;  // cancelled or failed, and said so: the question again
      case MessageAnswer::No:
        return true;
      default:
        return false;
    }
  }
}

SessionEndSave onSessionEnd(SettingsForm& form, const std::filesystem::path& fallbackFolder) {
  SessionEndSave result;
  const std::filesystem::path saveSet = form.fileInWorkDir(kSavedForm);
  const char* why = "it could not be read at the start and is kept as it was";
  if (!form.keepSavedForm && !workDirInPlace(form)) {
    why = "the folder was unmounted, removed, renamed or replaced since the start";
  } else if (!form.keepSavedForm) {
    const WriteOutcome saved = savePreset(form, saveSet, true);
    if (saved) {
      result.savedInFolder = true;
      return result;
    }
    why = fileErrorWords(saved.error);
  }
  std::filesystem::path fallback;
  const WriteOutcome rescued = saveToFallback(form, fallbackFolder, fallback);
  if (rescued) {
    result.fallback = fallback;
    std::fprintf(stderr,
                 "zarq-settings: the form could not be saved to %s (%s); it was saved to %s\n",
                 printable(saveSet).c_str(), why, printable(fallback).c_str());
  } else {
    std::fprintf(stderr,
                 "zarq-settings: the form could not be saved to %s (%s), nor to %s (%s): it is "
                 "lost\n",
                 printable(saveSet).c_str(), why,
                 printable(fallback.empty() ? fallbackFolder : fallback).c_str(),
                 fileErrorWords(rescued.error));
  }
  return result;
}

std::filesystem::path fallbackFolder() {
  const std::filesystem::path data = userDataFolder();
  return data.empty() ? data : data / "zarq-settings";
}

}  // namespace zarq
