// Names Windows gives to devices rather than files, in a folder or alone: the editor and
// zarq-preset call them "not a regular file" and touch nothing there. A process without a
// console (the editor always) fails to open "CON" the way it would fail on a closed handle.
// The editor's own folder is reached through its open handle, where the system no longer
// reads names as Windows programs do: there too a device name is a device's, and a name
// ending in dots or blanks is the file without them.

#include <gtest/gtest.h>

#include <string>

#include "files/atomic_file.h"
#include "platform/file_system.h"
#include "support/temp_dir.h"

namespace zarq {
namespace {

namespace fs = std::filesystem;

std::span<const std::uint8_t> bytesOf(const std::string& text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

TEST(Win32FileSystem, DeviceNamesAreNoRegularFiles) {
  FileSystem& files = osFileSystem();
  for (const bool held : {false, true}) {
    testing::TempDir dir;
    const std::unique_ptr<FolderHold> hold = held ? files.holdFolder(dir.path()) : nullptr;
    for (const fs::path& name :
         {fs::path("NUL"), fs::path("CON"), fs::path("CONIN$"), dir / "CON.set", dir / "aux.json",
          dir / "COM1.set", dir / "nul", dir / "con.json"}) {
      SCOPED_TRACE(::testing::Message() << name << (held ? " in a held folder" : ""));
      FileStatus status;
      EXPECT_EQ(files.status(name, status), FileError::None);
      EXPECT_EQ(status.kind, FileStatus::Kind::Other);
      FileSystem::Handle handle{};
      EXPECT_EQ(files.openForReading(name, handle), FileError::NotRegular);
      EXPECT_FALSE(openRegularFile(name));
      // Only within the test's folder: a write makes its new file beside the target.
      if (name.parent_path() != dir.path()) continue;
      EXPECT_EQ(writeFileAtomically(files, name, bytesOf("form")).error, FileError::NotRegular);
    }
    EXPECT_TRUE(fs::is_empty(dir.path()));
  }
}

TEST(Win32FileSystem, TrailingDotsAndBlanksNameTheFileWithout) {
  FileSystem& files = osFileSystem();
  testing::TempDir dir;
  const std::unique_ptr<FolderHold> hold = files.holdFolder(dir.path());
  for (const std::string name : {"p.set.", "p.set ", "p.set. .", "p.set"}) {
    SCOPED_TRACE(name);
    ASSERT_EQ(writeFileAtomically(files, dir / name, bytesOf(name)).error, FileError::None);
    EXPECT_EQ(testing::contents(dir / "p.set"), name);
    FileStatus status;
    EXPECT_EQ(files.status(dir / name, status), FileError::None);
    EXPECT_EQ(status.kind, FileStatus::Kind::Regular);
  }
  std::vector<fs::path> names;
  EXPECT_EQ(files.list(dir.path(), names), FileError::None);
  EXPECT_EQ(names, std::vector<fs::path>{"p.set"});
}

// The prefix that lifts the length limit, and the device prefix before a drive, name the
// same file: one history, one folder.
TEST(Win32FileSystem, TheLongPathPrefixNamesThePathWithout) {
  testing::TempDir dir;
  const fs::path file = dir.write("p.set", "form");
  EXPECT_EQ(pathAsKept(L"\\\\?\\" + file.wstring()), pathAsKept(file));
  EXPECT_EQ(pathAsKept(L"\\\\.\\" + file.wstring()), pathAsKept(file));
  EXPECT_EQ(pathAsWritten(L"\\\\?\\UNC\\host\\share\\p.set"), fs::path(L"\\\\host\\share\\p.set"));
}

// Outside a held folder (the history in the user's data folder, zarq-preset's outputs) a
// path longer than Windows' old limit of 260 characters is made, written, replaced, listed
// and removed like any other.
TEST(Win32FileSystem, APathPastTheOldLengthLimitIsUsedLikeAnyOther) {
  FileSystem& files = osFileSystem();
  testing::TempDir dir;
  const fs::path folder = dir / std::string(120, 'f') / std::string(120, 'g');
  const fs::path file = folder / (std::string(60, 'p') + ".set");
  ASSERT_GT(file.native().size(), 260u);
  ASSERT_TRUE(makeFolders(files, folder));
  for (const std::string form : {"old", "newer"}) {
    ASSERT_EQ(writeFileAtomically(files, file, bytesOf(form)).error, FileError::None) << form;
  }
  FileStatus status;
  EXPECT_EQ(files.status(file, status), FileError::None);
  EXPECT_EQ(status.size, 5u);
  std::vector<fs::path> names;
  EXPECT_EQ(files.list(folder, names), FileError::None);
  EXPECT_EQ(names, std::vector<fs::path>{file.filename()});
  EXPECT_EQ(files.remove(file), FileError::None);
  EXPECT_EQ(files.status(file, status), FileError::None);
  EXPECT_EQ(status.kind, FileStatus::Kind::Missing);
}

}  // namespace
}  // namespace zarq
