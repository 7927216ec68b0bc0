#include "editor/closing.h"

#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "common/paths.h"
#include "common/utf.h"
#include "editor/file_messages.h"
#include "editor/message_boxes.h"
#include "editor/preset_actions.h"
#include "editor/window_events.h"
#include "files/atomic_file.h"
#include "files/file_access.h"
#include "files/file_errors.h"
#include "files/file_version.h"
#include "files/preset_file.h"
#include "files/preset_history.h"
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

// A note, in the history of "save.set", of the forms the end of a session saved to the
// fallback folder instead: the next start in the folder names them, since an editor started
// from a menu (on Windows any editor) has no terminal that showed the standard error.
constexpr char kRescueNote[] = "rescued.txt";
constexpr std::size_t kLongestRescueNote = 1 << 16;

std::filesystem::path rescueNote(SettingsForm& form) {
  return historyFolder(form.historyRoot, form.fileInWorkDir(kSavedForm)) / kRescueNote;
}

std::string readRescueNote(FileSystem& files, const std::filesystem::path& note) {
  std::vector<std::uint8_t> bytes;
  readFileHead(files, note, kLongestRescueNote, bytes);
  return std::string(bytes.begin(), bytes.end());
}

void noteRescue(SettingsForm& form, const std::filesystem::path& fallback) {
  if (form.historyRoot.empty()) return;
  const std::filesystem::path note = rescueNote(form);
  const std::string lines = readRescueNote(form.platform.files, note) + printable(fallback) + "\n";
  if (const WriteOutcome noted = writeFileMakingFolders(
          form.platform.files, note,
          {reinterpret_cast<const std::uint8_t*>(lines.data()), lines.size()});
      !noted) {
    std::fprintf(stderr, "zarq-settings: the next start cannot name it (%s)\n",
                 fileErrorWords(noted.error));
  }
}

WriteOutcome saveToFallback(SettingsForm& form, const std::filesystem::path& folder,
                            std::filesystem::path& written) {
  if (folder.empty()) return {FileError::NotFound};
  const std::vector<std::uint8_t> bytes = encodePreset(presetFromForm(form));
  return writeNewFile(form.platform.files, folder, fallbackName, kFallbackNames, bytes, written);
}

// What keeps the form from going to "save.set" without a question.
enum class Hold {
  None,
  KeptUnreadable,  // it could not be read at the start, nor moved aside
  FolderGone,      // the folder was unmounted, removed, renamed away or replaced since
  Changed,         // another program wrote it since the editor read or wrote it
  CannotLook,      // whether it changed cannot be told; `error` says why
};

Hold holdOnSaveSet(SettingsForm& form, FileError& error) {
  if (form.keepSavedForm) return Hold::KeptUnreadable;
  if (form.workDirHold && form.platform.files.heldFolderInPlace(form.workDir) != FileError::None) {
    return Hold::FolderGone;
  }
  bool changed = false;
  error =
      changedSince(form.platform.files, form.fileInWorkDir(kSavedForm), form.saveSetSeen, changed);
  if (error != FileError::None) return Hold::CannotLook;
  return changed ? Hold::Changed : Hold::None;
}

// The form could not go to "save.set", for the reason `why`: save it elsewhere (Yes), close
// without saving (No) or go back to the window (Cancel).
bool askAfterFailedSave(SettingsForm& form, const Text& why) {
  for (;;) {
    showChanges(form);
    switch (form.host().messageBox(closeWithoutSaveSetQuestion(why), messageTitle(about::save),
                                   MessageButtons::YesNoCancel)) {
      case MessageAnswer::Yes:
        if (saveToChosenFile(form)) return true;
        break;  // cancelled or failed, and said so: the question again
      case MessageAnswer::No:
        form.closedUnsaved = true;
        return true;
      default:
        return false;
    }
  }
}

// Saves to "save.set", or asks when that fails. The version it replaces goes to the history
// first: one that cannot be kept there is not replaced unasked.
bool saveOrAsk(SettingsForm& form) {
  const std::filesystem::path saveSet = form.fileInWorkDir(kSavedForm);
  FileStatus status;
  if (!form.historyRoot.empty() && form.platform.files.status(saveSet, status) == FileError::None &&
      status.kind == FileStatus::Kind::Regular) {
    if (const FileError notKept = keepInHistory(form.platform.files, form.historyRoot, saveSet);
        notKept != FileError::None) {
      return askAfterFailedSave(form, notKeptText(notKept));
    }
  }
  const WriteOutcome saved = savePreset(form, saveSet, true);
  return saved || askAfterFailedSave(form, fileErrorText(saved.error));
}

// "save.set" changed under the editor: replace it (Yes), save the form elsewhere (No) or go
// back to the window (Cancel).
bool askBeforeReplacingChanged(SettingsForm& form) {
  for (;;) {
    showChanges(form);
    switch (form.host().messageBox(saveSetChangedQuestion(), messageTitle(about::save),
                                   MessageButtons::YesNoCancel)) {
      case MessageAnswer::Yes:
        return saveOrAsk(form);
      case MessageAnswer::No:
        if (saveToChosenFile(form)) return true;
        break;  // cancelled or failed, and said so: the question again
      default:
        return false;
    }
  }
}

}  // namespace

void noteSaveSetSeen(SettingsForm& form) {
  readFileVersion(form.platform.files, form.fileInWorkDir(kSavedForm), form.saveSetSeen);
}

bool onCloseRequested(SettingsForm& form) {
  FileError error = FileError::None;
  switch (holdOnSaveSet(form, error)) {
    case Hold::KeptUnreadable:
      return askAfterFailedSave(form, unreadableSaveSetText());
    case Hold::FolderGone:
      return askAfterFailedSave(form, workDirGoneText(form.workDir));
    case Hold::CannotLook:
      return askAfterFailedSave(form, fileErrorText(error));
    case Hold::Changed:
      return askBeforeReplacingChanged(form);
    case Hold::None:
      break;
  }
  return saveOrAsk(form);
}

SessionEndSave onSessionEnd(SettingsForm& form, const std::filesystem::path& fallbackFolder,
                            const char* cause) {
  SessionEndSave result;
  const std::filesystem::path saveSet = form.fileInWorkDir(kSavedForm);
  if (cause) std::fprintf(stderr, "zarq-settings: %s\n", cause);
  FileError error = FileError::None;
  const char* why = nullptr;
  switch (holdOnSaveSet(form, error)) {
    case Hold::KeptUnreadable:
      why = "it could not be read at the start and is kept as it was";
      break;
    case Hold::FolderGone:
      why = "the folder was unmounted, removed, renamed or replaced since the start";
      break;
    case Hold::Changed:
      why = "another program changed it since the editor read it, and it is kept as it is";
      break;
    case Hold::CannotLook:
      why = fileErrorWords(error);
      break;
    case Hold::None:
      if (const WriteOutcome saved = savePreset(form, saveSet, true); !saved) {
        why = fileErrorWords(saved.error);
        break;
      }
      result.savedInFolder = true;
      if (cause) {
        std::fprintf(stderr, "zarq-settings: the form was saved to %s\n",
                     printable(saveSet).c_str());
      }
      return result;
  }
  std::filesystem::path fallback;
  const WriteOutcome rescued = saveToFallback(form, fallbackFolder, fallback);
  if (rescued) {
    result.fallback = fallback;
    // Written, the form is not lost even when its folder could not be flushed.
    std::string where = printable(fallback);
    if (rescued.unflushed != FileError::None) {
      where += std::string(", but its folder could not be flushed to the disk (") +
               fileErrorWords(rescued.unflushed) + "): it may not survive a power cut";
    }
    std::fprintf(stderr,
                 "zarq-settings: the form could not be saved to %s (%s); it was saved to %s\n",
                 printable(saveSet).c_str(), why, where.c_str());
    noteRescue(form, fallback);
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

int exitStatus(const SettingsForm& form, const std::optional<SessionEndSave>& sessionEnd,
               int signal) {
  if (!sessionEnd) return form.closedUnsaved ? kExitFormLost : 0;
  if (sessionEnd->savedInFolder) return signal > 0 ? 128 + signal : 0;
  return sessionEnd->fallback.empty() ? kExitFormLost : kExitFormInFallback;
}

Text takeRescueNote(SettingsForm& form) {
  if (form.historyRoot.empty()) return {};
  const std::filesystem::path note = rescueNote(form);
  std::string lines = readRescueNote(form.platform.files, note);
  if (lines.empty()) return {};
  while (lines.ends_with('\n')) lines.pop_back();
  // Told once: the files themselves stay where they are.
  removeFile(form.platform.files, note);
  return rescuedFormsText(fromUtf8(lines));
}

std::filesystem::path fallbackFolder() {
  const std::filesystem::path data = userDataFolder();
  return data.empty() ? data : data / "zarq-settings";
}

}  // namespace zarq
