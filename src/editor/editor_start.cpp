#include "editor/editor_start.h"

#include <cstdio>
#include <system_error>
#include <utility>

#include "editor/command_line.h"
#include "editor/window_events.h"
#include "editor/window_loop.h"
#include "editor/work_folder_lock.h"
#include "editor/working_folder.h"
#include "editor/zoom.h"
#include "files/preset_history.h"
#include "form/settings_form.h"
#include "image/cover_loader.h"

namespace zarq {
namespace {

std::string problem(const std::string& what) { return "zarq-settings: " + what; }

// Keeps the working folder for the next start once: when the window's first frame is out
// (the file's write and flushes need not hold it up), or on the way out at the latest.
class FolderKeeper {
 public:
  FolderKeeper(const WorkingFolder& work, const StartPlaces& places)
      : work_(work), places_(places) {}
  FolderKeeper(const FolderKeeper&) = delete;
  FolderKeeper& operator=(const FolderKeeper&) = delete;
  ~FolderKeeper() { keep(); }
  void keep() {
    if (!std::exchange(kept_, true)) keepWorkingFolder(work_, places_, osFileSystem());
  }

 private:
  const WorkingFolder& work_;
  const StartPlaces& places_;
  bool kept_ = false;
};

}  // namespace

void EditorShell::say(const std::string& utf8, bool problem) {
  std::FILE* stream = problem ? stderr : stdout;
  std::fputs(utf8.c_str(), stream);
  if (!utf8.ends_with('\n')) std::fputc('\n', stream);
}

namespace {

int runUntilClosed(EditorShell& shell, const std::vector<std::filesystem::path>& args) {
  const EditorCommandLine line = readCommandLine(args);
  switch (line.action) {
    case EditorCommandLine::Action::Help:
      shell.say(editorHelp(shell.helpNote()), false);
      return 0;
    case EditorCommandLine::Action::Version:
      shell.say(editorVersion(ZARQ_VERSION), false);
      return 0;
    case EditorCommandLine::Action::Refuse:
      shell.say(problem(line.problem), true);
      return 2;
    case EditorCommandLine::Action::Run:
      break;
  }
  if (!shell.connect()) return 1;
  std::error_code error;
  const StartPlaces places = shell.startPlaces(error);
  if (error) {
    shell.say(problem("cannot read the current directory: " + error.message()), true);
    return 1;
  }

  // The working folder, chosen before anything else happens: from here on every file the
  // editor keeps lies in it, and the dialogs start there.
  WorkingFolder work;
  {
    const std::unique_ptr<Desktop> dialogs = shell.dialogsIn(places.home);
    WindowLoop chooser(*dialogs);
    work = enterWorkingFolder(line, places, chooser);
  }
  if (!work.problem.empty()) {
    shell.say(problem(work.problem), true);
    return 1;
  }
  if (!work.folder) return 0;
  FolderKeeper keeper(work, places);
  const std::filesystem::path& folder = *work.folder;
  const Text title = windowTitle(folder);

  WindowLoop loop(shell.open(folder));
  const std::filesystem::path preset = line.preset ? places.current / *line.preset : "";
  // A second editor in the folder brings the first one's window to the front, or says that the
  // folder is in use, and ends; a preset it was to open is not opened, which is no success.
  bool otherShown = false;
  std::unique_ptr<FolderLock> lock = lockWorkFolder(
      folder, loop, [&] { return otherShown = shell.showOtherEditor(title); }, preset);
  if (!lock) return otherShown && preset.empty() ? 0 : 1;
  loop.holdFolderLock(std::move(lock));
  const auto form = std::make_unique<SettingsForm>(shell.platform(loop), folder);
  form->configHome = places.configHome;
  form->historyRoot = presetHistoryRoot();
  // The window exists, the form is built into it (loading "save.set"), and only then is it
  // shown.
  if (!shell.createWindow(*form, loop, title)) return 1;
  onWindowCreate(*form);
  restoreZoom(*form);
  shell.showWindow(*form, loop);
  // Posted work runs once the window's events, its first frame among them, are handled.
  loop.postToWindowThread(0, [&keeper] { keeper.keep(); });
  if (!preset.empty()) {
    loop.postToWindowThread(0, [&form, preset] { onOpenPreset(*form, preset); });
  }
  return loop.run(*form);
}

}  // namespace

int runEditor(EditorShell& shell, const std::vector<std::filesystem::path>& args) {
  const int status = runUntilClosed(shell, args);
  CoverLoader::endProcessIfDecoding(status);
  return status;
}

}  // namespace zarq
