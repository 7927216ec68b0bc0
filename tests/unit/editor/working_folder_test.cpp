#include "editor/working_folder.h"

#include <gtest/gtest.h>

#include <fstream>

#include "files/remembered_folder.h"
#include "support/faulty_file_system.h"
#include "support/scripted_host.h"
#include "support/temp_dir.h"

namespace zarq {
namespace {

namespace fs = std::filesystem;

using testing::contents;

// A user's home, configuration, a shell's current folder and the recorder's folder. The
// process's current folder is put back afterwards.
struct WorkingFolderTest : ::testing::Test {
  WorkingFolderTest() {
    places.userFolders = {places.home / "Desktop", places.home / "Documents"};
    for (const fs::path& folder : {places.home, places.configHome, places.current, rec,
                                   places.userFolders[0], places.userFolders[1]}) {
      fs::create_directories(folder);
    }
  }
  ~WorkingFolderTest() override { fs::current_path(before); }
  // The folder worked in, which is then the current one.
  std::optional<fs::path> choose(const EditorCommandLine& line) {
    const WorkingFolder work = enterWorkingFolder(line, places, loop);
    EXPECT_EQ(work.problem, "");
    keepWorkingFolder(work, places, osFileSystem());
    if (work.folder) {
      EXPECT_TRUE(fs::equivalent(fs::current_path(), *work.folder));
    }
    return work.folder;
  }
  std::optional<fs::path> kept() { return readRememberedFolder(places.configHome); }
  static EditorCommandLine lastFolder() {
    EditorCommandLine line;
    line.lastFolder = true;
    return line;
  }

  fs::path before = fs::current_path();
  testing::TempDir dir;
  StartPlaces places{dir / "shell", dir / "home", dir / "home" / ".config"};
  fs::path rec = dir / "rec";
  testing::ScriptedHost host;
  WindowLoop loop{host};
};

TEST_F(WorkingFolderTest, AShellStartWorksInTheCurrentFolderOrTheOneGivenAndKeepsIt) {
  EXPECT_EQ(choose({}), places.current);
  EXPECT_EQ(kept(), places.current);
  EditorCommandLine line;
  line.folder = fs::path("..") / "rec" / "";
  EXPECT_EQ(choose(line), rec);
  EXPECT_EQ(kept(), rec);
  EXPECT_TRUE(host.dialogPrompts.empty());
}

TEST_F(WorkingFolderTest, AMenuStartGoesBackToTheFolderKeptWithoutAsking) {
  ASSERT_TRUE(rememberFolder(osFileSystem(), places.configHome, rec));
  EXPECT_EQ(choose(lastFolder()), rec);
  EXPECT_TRUE(host.dialogPrompts.empty());
}

TEST_F(WorkingFolderTest, AMenuStartAsksWhenNoUsableFolderIsKept) {
  const struct {
    const char* why;
    std::string keptBytes;
  } cases[] = {
      {"first start", ""},
      {"folder gone", (dir / "gone").string() + "\n"},
      {"the home folder", places.home.string() + "\n"},
      {"the desktop", places.userFolders[0].string() + "\n"},
      {"a relative path", "rec\n"},
      {"a zero byte", rec.string() + '\0' + "x\n"},
      {"a file, not a folder",
       (dir / "home" / ".config").string() + "/zarq-settings/last-folder\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    const fs::path file = rememberedFolderFile(places.configHome);
    fs::remove(file);
    if (!c.keptBytes.empty()) {
      fs::create_directories(file.parent_path());
      std::ofstream(file, std::ios::binary) << c.keptBytes;
    }
    host.dialogPrompts.clear();
    host.dialogResults = {rec};
    EXPECT_EQ(choose(lastFolder()), rec);
    EXPECT_EQ(host.dialogPrompts, std::vector<Text>{kWorkingFolderPrompt});
    EXPECT_EQ(kept(), rec);
  }
}

TEST_F(WorkingFolderTest, ACancelledChooserStartsNothingAndWritesNothing) {
  EXPECT_EQ(choose(lastFolder()), std::nullopt);
  EXPECT_FALSE(fs::exists(rememberedFolderFile(places.configHome)));
}

TEST_F(WorkingFolderTest, TheUsersOwnFoldersAreRefusedInTheChooserAndNeverKept) {
  // The home folder, the desktop and the documents folder; a folder in the desktop will do.
  const fs::path inDesktop = places.userFolders[0] / "rec";
  fs::create_directories(inDesktop);
  host.dialogResults = {places.home, places.userFolders[0], places.userFolders[1] / "", inDesktop};
  EXPECT_EQ(choose(lastFolder()), inDesktop);
  ASSERT_EQ(host.messages.size(), 3u);
  EXPECT_EQ(host.dialogPrompts.size(), 4u);
  // A shell started at home works there, as it always has, but leaves the kept folder be.
  places.current = places.home;
  EXPECT_EQ(choose({}), places.home);
  EXPECT_EQ(kept(), inDesktop);
}

// A portable program works beside itself wherever it is started from; an installed one goes
// where a start from the menu goes, never into its own folder.
TEST_F(WorkingFolderTest, AStartWithoutAFolderWorksBesideAPortableProgram) {
  places.programFolder = dir / "portable";
  fs::create_directories(places.programFolder);
  EXPECT_EQ(choose({}), places.programFolder);
  EXPECT_EQ(kept(), places.programFolder);
  EditorCommandLine line;
  line.folder = rec;
  EXPECT_EQ(choose(line), rec);

  places.installFolder = places.programFolder / "";
  EXPECT_EQ(choose({}), rec);
  EXPECT_TRUE(host.dialogPrompts.empty());
  line.folder = places.programFolder;
  EXPECT_EQ(choose(line), places.programFolder);
}

TEST_F(WorkingFolderTest, AFolderThatCannotBeEnteredIsNeverWorkedIn) {
  std::ofstream(dir / "file") << "not a folder";
  // Named on the command line: the start fails, saying why.
  EditorCommandLine line;
  line.folder = dir / "file";
  const WorkingFolder work = enterWorkingFolder(line, places, loop);
  EXPECT_EQ(work.folder, std::nullopt);
  EXPECT_NE(work.problem.find("cannot work in"), std::string::npos) << work.problem;
  EXPECT_EQ(work.problem.find('\n'), std::string::npos);
  // Picked in the chooser: refused, and the chooser asks again.
  host.dialogResults = {dir / "file", rec};
  EXPECT_EQ(choose(lastFolder()), rec);
  EXPECT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(kept(), rec);
}

TEST_F(WorkingFolderTest, AFolderThatCannotBeKeptIsStillWorkedIn) {
  fs::remove_all(places.configHome);
  std::ofstream(places.configHome) << "a file where the folder should be";
  EXPECT_EQ(choose({}), places.current);
}

TEST_F(WorkingFolderTest, KeptFoldersComeBackByteForByte) {
  std::vector<fs::path> names = {u8"录制器 folder", "line\nbreak", std::string(200, 'n')};
#ifndef _WIN32
  names.push_back("latin1-\xe9");
#endif
  for (const fs::path& name : names) {
    ASSERT_TRUE(rememberFolder(osFileSystem(), places.configHome, dir / name));
    EXPECT_EQ(kept(), dir / name);
  }
  // As Notepad saves it: a byte order mark, and CR LF.
  const fs::path file = rememberedFolderFile(places.configHome);
  std::ofstream(file, std::ios::binary) << "\xEF\xBB\xBF" + rec.string() + "\r\n";
  EXPECT_EQ(kept(), rec);
  ASSERT_TRUE(rememberFolder(osFileSystem(), places.configHome, dir / names.back()));
  // One file, replaced each time, and nothing else beside it.
  EXPECT_EQ(contents(file), (dir / names.back()).string() + "\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(file.parent_path()), {}), 1);
}

TEST_F(WorkingFolderTest, TheFolderKeptAlreadyIsNotWrittenAgain) {
  ASSERT_TRUE(rememberFolder(osFileSystem(), places.configHome, rec));
  testing::FaultyFileSystem failing;
  failing.diskFull = true;
  failing.begin();
  EXPECT_TRUE(rememberFolder(failing, places.configHome, rec));
  EXPECT_EQ(failing.calls(), 0);
  EXPECT_FALSE(rememberFolder(failing, places.configHome, places.current));
  EXPECT_EQ(kept(), rec);
}

TEST(WindowTitleTest, NamesTheFolderAfterTheEditor) {
  EXPECT_EQ(windowTitle(fs::path("/home/me") / "rec"), u"Zarq Radoziro 设置填写器 - rec");
  EXPECT_EQ(windowTitle(fs::path("/home/me") / "a\nb"), u"Zarq Radoziro 设置填写器 - a\uFFFDb");
  EXPECT_EQ(windowTitle(fs::path("/")), u"Zarq Radoziro 设置填写器 - /");
}

}  // namespace
}  // namespace zarq
