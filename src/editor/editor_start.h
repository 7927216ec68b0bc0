#pragma once
// The editor's way from its command line to its window and back, the same on every desktop:
// the command line is read; the display opened; the working folder entered and its lock
// taken; the form built into the window (loading "save.set") before the window shows; a
// preset the command line names opened; the window loop run until the window is gone. A
// desktop's main provides only what differs (EditorShell) and calls runEditor.

#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "common/text.h"
#include "editor/working_folder.h"
#include "platform/desktop.h"
#include "platform/platform.h"

namespace zarq {

struct SettingsForm;
class WindowLoop;

class EditorShell {
 public:
  virtual ~EditorShell() = default;
  // Tells the user `utf8`, a problem or not: on the terminal (standard error for a problem),
  // or where a desktop's program has none (Windows), in a message box.
  virtual void say(const std::string& utf8, bool problem);
  // A paragraph --help adds on the desktop's own options; empty for none.
  virtual std::string helpNote() { return {}; }
  // Connects to the desktop; false, having said why, when it cannot.
  virtual bool connect() = 0;
  // Where the editor may work and keeps its settings between runs; `error` when the current
  // folder cannot be read.
  virtual StartPlaces startPlaces(std::error_code& error) = 0;
  // The desktop's dialogs before there is a window, starting in `folder`.
  virtual std::unique_ptr<Desktop> dialogsIn(const std::filesystem::path& folder) = 0;
  // Brings the window titled `title` of another editor to the front; false where it cannot.
  virtual bool showOtherEditor(TextView title) = 0;
  // Readies a window working in `folder`: its desktop, and what the form draws and decodes
  // with, over `host` (platform()).
  virtual Desktop& open(const std::filesystem::path& folder) = 0;
  virtual Platform platform(Host& host) = 0;
  // Makes the window titled `title` for `form`, its events going to `loop`, without showing it;
  // false (having said why) when the desktop refuses.
  virtual bool createWindow(SettingsForm& form, WindowLoop& loop, TextView title) = 0;
  // Shows the window, and from here on takes what ends the session from outside (signals, the
  // console, the display's loss) to `loop`, which ends it for `form`.
  virtual void showWindow(SettingsForm& form, WindowLoop& loop) = 0;
};

// Runs the editor with the arguments after the program's name; returns the exit status, or
// ends the process with it where a decode is still running (CoverLoader).
int runEditor(EditorShell& shell, const std::vector<std::filesystem::path>& args);

}  // namespace zarq
