#include "editor/command_line.h"

#include <system_error>

#include "common/paths.h"
#include "common/utf.h"

namespace zarq {
namespace {

constexpr char kSeeHelp[] = " (see zarq-settings --help)";

std::string quoted(const std::filesystem::path& arg) {
  return "'" + toUtf8(textFromPath(arg)) + "'";
}

EditorCommandLine refuse(const std::string& problem) {
  EditorCommandLine line;
  line.action = EditorCommandLine::Action::Refuse;
  line.problem = problem + kSeeHelp;
  return line;
}

bool isFolder(const std::filesystem::path& arg) {
  std::error_code error;
  return std::filesystem::is_directory(arg, error);
}

}  // namespace

EditorCommandLine readCommandLine(const std::vector<std::filesystem::path>& args) {
  EditorCommandLine line;
  bool optionsEnded = false;
  for (const std::filesystem::path& arg : args) {
    const auto& native = arg.native();
    if (!optionsEnded && native.size() > 1 && native[0] == '-') {
      if (arg == "--") {
        optionsEnded = true;
      } else if (arg == "--help" || arg == "-h") {
        if (line.action == EditorCommandLine::Action::Run)
          line.action = EditorCommandLine::Action::Help;
      } else if (arg == "--version" || arg == "-V") {
        if (line.action == EditorCommandLine::Action::Run) {
          line.action = EditorCommandLine::Action::Version;
        }
      } else if (arg == "--last-folder") {
        line.lastFolder = true;
      } else {
        return refuse("unknown option " + quoted(arg));
      }
    } else if (native.empty()) {
      return refuse("an empty argument names no folder or file");
    } else if (isFolder(arg)) {
      if (line.folder)
        return refuse("two folders: " + quoted(*line.folder) + " and " + quoted(arg));
      line.folder = arg;
    } else {
      if (line.preset)
        return refuse("two presets: " + quoted(*line.preset) + " and " + quoted(arg));
      line.preset = arg;
    }
  }
  if (line.lastFolder && line.folder) {
    return refuse("--last-folder and the folder " + quoted(*line.folder) + " exclude each other");
  }
  return line;
}

std::string editorHelp(std::string_view platformNote) {
  std::string help =
      "Usage: zarq-settings [--last-folder] [FOLDER] [FILE.set]\n"
      "\n"
      "Opens the settings editor of the Zarq Radoziro chart-video recorder. The editor works\n"
      "in one folder, which its window's title names: the form is saved to save.set there\n"
      "when the window closes and loaded from it when the editor starts; the chart, its\n"
      "illustration and music, the avatar and runfile.txt are kept in the same folder.\n"
      "\n"
      "  zarq-settings                works in the current folder\n"
      "  zarq-settings FOLDER         works in FOLDER\n"
      "  zarq-settings FILE.set       works in the current folder and opens FILE.set once\n"
      "                               the window shows, as Ctrl+O does\n"
      "  zarq-settings --last-folder  works in the folder it worked in last, and asks for\n"
      "                               the recorder's folder the first time; the application\n"
      "                               menu and opening a .set file start it so\n"
      "\n"
      "Keys: Ctrl+1 to Ctrl+6 turn the pages, Ctrl+S saves a preset, Ctrl+O opens one,\n"
      "Ctrl+Shift+O imports a chart folder (page 1) or picks an avatar (page 4), Ctrl+V\n"
      "pastes into the field being edited, Ctrl+Q or Ctrl+W closes the window. Charts,\n"
      "presets and avatars may be dropped on the window. A click on any caption explains\n"
      "its field.\n"
      "\n"
      "Options:\n"
      "  --last-folder  work in the folder used last; ask for one the first time\n"
      "  -h, --help     print this help and exit\n"
      "  -V, --version  print the version and exit\n"
      "  --             what follows is a folder or a file, even when it starts with '-'\n";
  if (!platformNote.empty()) {
    help += "\n";
    help += platformNote;
  }
  help +=
      "\n"
      "Exit status: 0 when the window was closed (or the folder chooser cancelled), 1 when\n"
      "the editor could not start, 2 for arguments it does not understand.\n";
  return help;
}

std::string editorVersion(std::string_view version) {
  return "zarq-settings " + std::string(version) + "\n";
}

}  // namespace zarq
