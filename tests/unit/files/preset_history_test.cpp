#include "files/preset_history.h"

#include <gtest/gtest.h>

#include <ctime>
#include <fstream>

#ifndef _WIN32
#include <pwd.h>
#include <unistd.h>
#endif

#include "platform/forwarding_file_system.h"
#include "support/temp_dir.h"

namespace zarq {
namespace {

namespace fs = std::filesystem;

using testing::contents;

std::vector<HistoryVersion> history(const fs::path& root, const fs::path& preset) {
  std::vector<HistoryVersion> versions;
  EXPECT_EQ(listHistory(osFileSystem(), root, preset, versions), FileError::None);
  return versions;
}

// The contents of the versions listed, newest first.
std::vector<std::string> keptContents(const fs::path& root, const fs::path& preset) {
  std::vector<std::string> kept;
  for (const HistoryVersion& version : history(root, preset))
    kept.push_back(contents(version.file));
  return kept;
}

TEST(PresetHistory, KeepsTheNewestTwentyVersionsNumberedNewestFirst) {
  testing::TempDir dir;
  const fs::path root = dir / "history", preset = dir / "save.set";
  EXPECT_TRUE(history(root, preset).empty());
  for (int i = 1; i <= kHistoryVersions + 2; ++i) {
    dir.write("save.set", "version " + std::to_string(i));
    ASSERT_EQ(keepInHistory(osFileSystem(), root, preset), FileError::None);
  }
  const std::vector<HistoryVersion> versions = history(root, preset);
  ASSERT_EQ(versions.size(), std::size_t{kHistoryVersions});
  for (const HistoryVersion& version : versions) {
    EXPECT_EQ(contents(version.file),
              "version " + std::to_string(kHistoryVersions + 3 - version.number));
    EXPECT_LT(version.keptAt, std::time(nullptr) + 1);
  }
  EXPECT_EQ(versions.front().number, 1);
}

// A preset saved again unchanged is kept once, so that the versions before it stay.
TEST(PresetHistory, KeepsAContentOnceInARow) {
  testing::TempDir dir;
  const fs::path root = dir / "history", preset = dir / "save.set";
  for (const char* content : {"good", "bad", "bad", "bad", "good", "good!"}) {
    dir.write("save.set", content);
    for (int i = 0; i < kHistoryVersions; ++i) {
      ASSERT_EQ(keepInHistory(osFileSystem(), root, preset), FileError::None);
    }
  }
  EXPECT_EQ(keptContents(root, preset), (std::vector<std::string>{"good!", "good", "bad", "good"}));
}

// A preset has one history whatever path names it, and none of another's of the same name.
TEST(PresetHistory, EachPresetHasAHistoryOfItsOwn) {
  testing::TempDir dir;
  const fs::path root = dir / "history";
  for (const char* folder : {"a", "b"}) {
    fs::create_directory(dir / folder);
    dir.write(fs::path(folder) / "save.set", folder);
    ASSERT_EQ(keepInHistory(osFileSystem(), root, dir / folder / "save.set"), FileError::None);
  }
  EXPECT_EQ(contents(history(root, dir / "a" / "save.set").at(0).file), "a");
  EXPECT_EQ(contents(history(root, dir / "b" / "save.set").at(0).file), "b");
  EXPECT_EQ(history(root, dir / "a" / ".." / "a" / "save.set").size(), 1u);
#ifdef _WIN32
  // Windows opens the one file by these names too.
  for (const fs::path spelled : {dir / "A" / "SAVE.SET", dir / "a" / "save.set. "}) {
    EXPECT_EQ(history(root, spelled).size(), 1u) << spelled;
  }
#else
  fs::create_directory_symlink(dir / "a", dir / "link");
  EXPECT_EQ(history(root, dir / "link" / "save.set").size(), 1u);
#endif
}

// Past 999999 the numbers take a seventh digit; a version so named is listed and followed
// like any other, and a number nothing can follow makes the keeping fail, never go unlisted.
TEST(PresetHistory, NumbersPastSixDigitsStayInTheHistory) {
  struct Case {
    const char* planted;
    bool kept;
  };
  for (const Case& c : {Case{"999999-1.set", true}, Case{"9999999-1.set", true},
                        Case{"9223372036854775807-1.set", false}}) {
    testing::TempDir dir;
    const fs::path root = dir / "history", preset = dir.write("save.set", "planted");
    ASSERT_EQ(keepInHistory(osFileSystem(), root, preset), FileError::None);
    const fs::path folder = history(root, preset).at(0).file.parent_path();
    fs::rename(history(root, preset).at(0).file, folder / c.planted);
    for (const char* content : {"older", "newer"}) {
      dir.write("save.set", content);
      EXPECT_EQ(keepInHistory(osFileSystem(), root, preset) == FileError::None, c.kept)
          << c.planted;
    }
    const std::vector<std::string> listed =
        c.kept ? std::vector<std::string>{"newer", "older", "planted"}
               : std::vector<std::string>{"planted"};
    EXPECT_EQ(keptContents(root, preset), listed) << c.planted;
  }
}

// Another process keeping its version of the preset between this one's look at the history
// and its copy takes the number this one chose; this version is kept under the next.
TEST(PresetHistory, KeepsAVersionWhoseNumberAnotherSaveTookMeanwhile) {
  class RacedFileSystem : public ForwardingFileSystem {
   public:
    using ForwardingFileSystem::ForwardingFileSystem;
    FileError list(const fs::path& folder, std::vector<fs::path>& names) override {
      const FileError error = ForwardingFileSystem::list(folder, names);
      if (racing) {
        racing = false;
        const std::time_t now = std::time(nullptr);
        for (std::time_t second : {now, now + 1}) {
          std::ofstream(folder / ("000002-" + std::to_string(second) + ".set")) << "other";
        }
      }
      return error;
    }
    bool racing = false;
  };
  testing::TempDir dir;
  const fs::path root = dir / "history", preset = dir.write("save.set", "first");
  RacedFileSystem files(osFileSystem());
  ASSERT_EQ(keepInHistory(files, root, preset), FileError::None);
  dir.write("save.set", "mine");
  files.racing = true;
  ASSERT_EQ(keepInHistory(files, root, preset), FileError::None);
  EXPECT_EQ(keptContents(root, preset),
            (std::vector<std::string>{"mine", "other", "other", "first"}));
}

#ifndef _WIN32
// Without HOME (a service, cron, env -i) the history lies in the account's home all the same.
TEST(PresetHistory, HasARootWithoutHome) {
  const std::string home = getenv("HOME") ? getenv("HOME") : "";
  const std::string data = getenv("XDG_DATA_HOME") ? getenv("XDG_DATA_HOME") : "";
  unsetenv("HOME");
  unsetenv("XDG_DATA_HOME");
  const fs::path root = presetHistoryRoot();
  if (!home.empty()) setenv("HOME", home.c_str(), 1);
  if (!data.empty()) setenv("XDG_DATA_HOME", data.c_str(), 1);
  EXPECT_EQ(root, fs::path(getpwuid(getuid())->pw_dir) / ".local/share/zarq-settings/history");
}
#endif

// A name as long as the file system takes (80 Chinese characters, say) leaves no room for the
// folder's hash after it in its history's name; two such names of one start still have a
// history each.
TEST(PresetHistory, APresetOfTheLongestNameHasAHistoryToo) {
  testing::TempDir dir;
  const fs::path root = dir / "history";
  for (const char* last : {"a", "b"}) {
    const fs::path preset = dir.write(std::string(250, 'n') + last + ".set", last);
    ASSERT_EQ(keepInHistory(osFileSystem(), root, preset), FileError::None) << last;
  }
  for (const char* last : {"a", "b"}) {
    const std::vector<HistoryVersion> versions =
        history(root, dir / (std::string(250, 'n') + last + ".set"));
    ASSERT_EQ(versions.size(), 1u) << last;
    EXPECT_EQ(contents(versions[0].file), last);
  }
}

}  // namespace
}  // namespace zarq
