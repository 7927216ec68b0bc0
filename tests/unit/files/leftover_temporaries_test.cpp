#include <gtest/gtest.h>

#include <string_view>

#include "files/atomic_file.h"
#include "support/temp_dir.h"

namespace zarq {
namespace {

using testing::contents;
using testing::TempDir;

std::span<const std::uint8_t> bytesOf(std::string_view text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

// Just over an hour after now, when only a lock tells a file being written from a leftover.
std::int64_t anHourOn() { return testing::secondsOn(3601); }

// An editor starting in a folder while another process writes a file there finds that
// process's temporary file beside the target: it is not the leftover of a dead writer, neither
// while it is written (locked) nor between its close and its rename (only just changed).
TEST(LeftoverTemporaries, AFileBeingWrittenOutlivesAnEditorStartingBeside) {
  TempDir dir;
  dir.write("save.set", "old");
  int removedWriting = -1, removedClosed = -1;
  const WriteOutcome written = writeFileAtomically(
      osFileSystem(), dir / "save.set",
      [&](ByteSink& sink) {
        sink.write(bytesOf("new "));
        removedWriting = removeLeftoverTemporaries(osFileSystem(), dir.path(), anHourOn());
        return sink.write(bytesOf("form"));
      },
      Existing::Replace,
      [&] {
        removedClosed = removeLeftoverTemporaries(osFileSystem(), dir.path());
        return FileError::None;
      });
  EXPECT_EQ(removedWriting, 0);
  EXPECT_EQ(removedClosed, 0);
  EXPECT_EQ(written.error, FileError::None);
  EXPECT_EQ(contents(dir / "save.set"), "new form");
}

TEST(LeftoverTemporaries, AnUnlockedOneGoesOnceItIsAnHourOld) {
  TempDir dir;
  dir.write(".zarq-k1lled00.tmp", "half a preset");
  EXPECT_EQ(removeLeftoverTemporaries(osFileSystem(), dir.path()), 0);
  EXPECT_EQ(removeLeftoverTemporaries(osFileSystem(), dir.path(), anHourOn()), 1);
}

}  // namespace
}  // namespace zarq
