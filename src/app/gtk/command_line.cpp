#include "app/gtk/command_line.h"

namespace zarq::gtk {

EditorCommandLine readCommandLine(const std::vector<std::string>& args) {
  EditorCommandLine line;
  for (const std::string& arg : args) {
    if (arg == "--help" || arg == "-h") {
      line.action = EditorCommandLine::Action::Help;
    } else if (arg == "--version") {
      line.action = EditorCommandLine::Action::Version;
    } else {
      return {EditorCommandLine::Action::Refuse,
              (arg.starts_with("-") ? "unknown option '" : "unexpected argument '") + arg +
                  "' (see zarq-settings --help)"};
    }
  }
  return line;
}

std::string editorHelp() {
  return "Usage: zarq-settings [--help] [--version] [GTK options such as --display=DISPLAY]\n"
         "\n"
         "Opens the settings editor of the Zarq Radoziro chart-video recorder on the current\n"
         "folder. The form is saved to save.set there when the window closes and loaded from\n"
         "it when the editor starts; the chart, its illustration and music, the avatar and\n"
         "runfile.txt are kept in the same folder.\n"
         "\n"
         "Keys: Ctrl+1 to Ctrl+6 turn the pages, Ctrl+S saves a preset, Ctrl+O opens one,\n"
         "Ctrl+Shift+O imports a chart folder (page 1) or picks an avatar (page 4), Ctrl+V\n"
         "pastes into the field being edited, Ctrl+Q or Ctrl+W closes the window. Charts,\n"
         "presets and avatars may be dropped on the window. A click on any caption explains\n"
         "its field.\n"
         "\n"
         "Options:\n"
         "  -h, --help     print this help and exit\n"
         "  --version      print the version and exit\n"
         "\n"
         "Exit status: 0 when the window was closed, 1 when no display could be opened,\n"
         "2 for arguments it does not understand.\n";
}

std::string editorVersion() { return std::string("zarq-settings ") + ZARQ_VERSION + "\n"; }

}  // namespace zarq::gtk
