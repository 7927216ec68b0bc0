// Names Windows gives to devices rather than files, in a folder or alone: the editor and
// zarq-preset call them "not a regular file" and touch nothing there. A process without a
// console (the editor always) fails to open "CON" the way it would fail on a closed handle.

#include <gtest/gtest.h>

#include <string>

#include "files/atomic_file.h"
#include "platform/file_system.h"
#include "support/temp_dir.h"

namespace zarq {
namespace {

namespace fs = std::filesystem;

TEST(Win32FileSystem, DeviceNamesAreNoRegularFiles) {
  testing::TempDir dir;
  FileSystem& files = osFileSystem();
  const std::string bytes = "form";
  for (const fs::path& name : {fs::path("NUL"), fs::path("CON"), fs::path("CONIN$"),
                               dir / "CON.set", dir / "aux.json", dir / "COM1.set"}) {
    FileStatus status;
    EXPECT_EQ(files.status(name, status), FileError::None) << name;
    EXPECT_EQ(status.kind, FileStatus::Kind::Other) << name;
    FileSystem::Handle handle{};
    EXPECT_EQ(files.openForReading(name, handle), FileError::NotRegular) << name;
    EXPECT_FALSE(openRegularFile(name)) << name;
    // Only within the test's folder: a write makes its new file beside the target.
    if (name.parent_path() != dir.path()) continue;
    const WriteOutcome written = writeFileAtomically(
        files, name, {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
    EXPECT_EQ(written.error, FileError::NotRegular) << name;
  }
  EXPECT_TRUE(fs::is_empty(dir.path()));
}

}  // namespace
}  // namespace zarq
