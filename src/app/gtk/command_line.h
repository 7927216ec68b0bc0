#pragma once
// The editor's command line: it takes no arguments of its own beyond --help and --version
// (GTK's own options, such as --display, are taken out before).

#include <string>
#include <vector>

namespace zarq::gtk {

struct EditorCommandLine {
  enum class Action { Run, Help, Version, Refuse } action = Action::Run;
  std::string problem;  // for Refuse: one line saying what was not understood
};

EditorCommandLine readCommandLine(const std::vector<std::string>& args);

// What --help prints.
std::string editorHelp();
// What --version prints.
std::string editorVersion();

}  // namespace zarq::gtk
