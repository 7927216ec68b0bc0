#include "editor/command_line.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace zarq {
namespace {

namespace fs = std::filesystem;
using Action = EditorCommandLine::Action;

TEST(EditorCommandLineTest, FoldersAreWhereToWorkAndAnythingElseIsAPresetToOpen) {
  testing::TempDir dir;
  fs::create_directory(dir / "rec");
  fs::create_directory(dir / "other");
  const fs::path rec = dir / "rec", other = dir / "other";
  const struct {
    std::vector<fs::path> args;
    Action action;
    bool lastFolder;
    std::optional<fs::path> folder, preset;
    std::string problem;
  } cases[] = {
      {{}, Action::Run, false, {}, {}, ""},
      {{"--help"}, Action::Help, false, {}, {}, ""},
      {{"-h", "--version"}, Action::Help, false, {}, {}, ""},
      {{"--version"}, Action::Version, false, {}, {}, ""},
      {{"-V"}, Action::Version, false, {}, {}, ""},
      {{rec}, Action::Run, false, rec, {}, ""},
      {{"save.set"}, Action::Run, false, {}, "save.set", ""},
      {{"--last-folder", "a.set"}, Action::Run, true, {}, "a.set", ""},
      {{"a.set", rec}, Action::Run, false, rec, "a.set", ""},
      {{"--", "-a.set"}, Action::Run, false, {}, "-a.set", ""},
      {{"-"}, Action::Run, false, {}, "-", ""},
      {{"--bogus"}, Action::Refuse, false, {}, {}, "unknown option '--bogus'"},
      {{"--help", "--bogus"}, Action::Refuse, false, {}, {}, "unknown option '--bogus'"},
      {{""}, Action::Refuse, false, {}, {}, "an empty argument names no folder or file"},
      {{rec, other},
       Action::Refuse,
       false,
       {},
       {},
       "two folders: '" + rec.string() + "' and '" + other.string() + "'"},
      {{"a.set", "b.set"}, Action::Refuse, false, {}, {}, "two presets: 'a.set' and 'b.set'"},
      {{"--last-folder", rec},
       Action::Refuse,
       false,
       {},
       {},
       "--last-folder and the folder '" + rec.string() + "' exclude each other"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.args));
    const EditorCommandLine line = readCommandLine(c.args);
    EXPECT_EQ(line.action, c.action);
    if (c.action == Action::Refuse) {
      EXPECT_EQ(line.problem, c.problem + " (see zarq-settings --help)");
      continue;
    }
    EXPECT_EQ(line.lastFolder, c.lastFolder);
    EXPECT_EQ(line.folder, c.folder);
    EXPECT_EQ(line.preset, c.preset);
  }
}

TEST(EditorCommandLineTest, HelpNamesEveryWayToStartAndThePlatformsOwnNote) {
  const std::string help = editorHelp("NOTE\n");
  for (const char* part : {"Usage: zarq-settings [--last-folder] [FOLDER] [FILE.set]",
                           "--last-folder", "--version", "NOTE\n", "Exit status"}) {
    EXPECT_NE(help.find(part), std::string::npos) << part;
  }
  EXPECT_EQ(editorVersion("1.2.3"), "zarq-settings 1.2.3\n");
}

}  // namespace
}  // namespace zarq
