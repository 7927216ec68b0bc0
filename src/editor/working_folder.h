#pragma once
// Where the editor works: chosen once at start-up, before the window is made, and named in
// the window's title. Every file the editor keeps by itself lies in that folder.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "common/text.h"
#include "editor/command_line.h"
#include "platform/platform.h"

namespace zarq {

struct StartPlaces {
  std::filesystem::path current;     // the process's current folder, absolute
  std::filesystem::path home;        // the user's home folder
  std::filesystem::path configHome;  // where the folder used last is kept; empty for nowhere
  // The desktop and the documents folder, where a folder chooser first looks: a start from
  // the menu works there no more than in the home folder.
  std::vector<std::filesystem::path> userFolders{};
  // Where a start without a folder works, if not in the current folder: the folder the
  // program lies in (a portable Windows editor keeps its files beside itself).
  std::filesystem::path programFolder{};
  // The folder an installer put the program in, empty when none did: an installed editor
  // started without a folder goes to the folder used last, never into its own.
  std::filesystem::path installFolder{};
};

// The folder chooser's prompt the first time a start from the menu needs a folder.
inline constexpr char16_t kWorkingFolderPrompt[] = u"选择录制器所在的文件夹";

// What start-up made of the command line: the folder the editor works in, or why it cannot
// start.
struct WorkingFolder {
  // Absolute; nothing when the user cancelled the chooser or the folder cannot be used.
  std::optional<std::filesystem::path> folder;
  // Why the folder cannot be used (one line); empty otherwise.
  std::string problem;
  // Whether keepWorkingFolder is to keep the folder for the next start.
  bool keep = false;
};

// Chooses the folder the editor works in and makes it the process's current folder: the
// FOLDER of the command line; for --last-folder (or an installed program started without a
// folder) the folder used last, or, when there is none yet, it is gone, cannot be entered
// or is the home folder or a user folder, one the user picks through `host` (never one of
// those, where a start from the menu must not leave files); else the program's folder
// where there is one, or the current folder. Whether the folder is to be kept for the next
// start (never the home folder or a user folder) is left in `keep`.
WorkingFolder enterWorkingFolder(const EditorCommandLine& line, const StartPlaces& places,
                                 Host& host);

// Keeps the folder for the next start where `work` says so: a file written and flushed,
// which need not hold up the window. When that fails a line on the standard error says so
// and the editor works on.
void keepWorkingFolder(const WorkingFolder& work, const StartPlaces& places, FileSystem& files);

// The window's title: the editor's name, " - " and the folder's name.
Text windowTitle(const std::filesystem::path& folder);

}  // namespace zarq
