#pragma once
// The editor's command line, the same on every platform: where to work and which preset to
// open. The platform's own options (GTK's --display, ...) are taken out before.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zarq {

struct EditorCommandLine {
  enum class Action { Run, Help, Version, Refuse } action = Action::Run;
  std::string problem;  // for Refuse: one line saying what was not understood
  // Work in the folder used last (a start from the menu or a file association).
  bool lastFolder = false;
  // Work in this folder; an argument naming an existing folder.
  std::optional<std::filesystem::path> folder;
  // Open this preset once the window shows, as Ctrl+O does; any other argument.
  std::optional<std::filesystem::path> preset;
};

// Reads the arguments after the program's name.
EditorCommandLine readCommandLine(const std::vector<std::filesystem::path>& args);

// What --help prints; `platformNote`, when not empty, is a paragraph of the platform's own.
std::string editorHelp(std::string_view platformNote);
// What --version prints.
std::string editorVersion(std::string_view version);

}  // namespace zarq
