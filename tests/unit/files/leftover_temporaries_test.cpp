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

// An editor starting in a folder while another process writes a file there finds that
// process's temporary file beside the target: it is not the leftover of a dead writer.
TEST(LeftoverTemporaries, AFileBeingWrittenOutlivesAnEditorStartingBeside) {
  TempDir dir;
  dir.write("save.set", "old");
  int removedMidway = -1;
  const WriteOutcome written =
      writeFileAtomically(osFileSystem(), dir / "save.set", [&](ByteSink& sink) {
        sink.write(bytesOf("new "));
        removedMidway = removeLeftoverTemporaries(osFileSystem(), dir.path());
        return sink.write(bytesOf("form"));
      });
  EXPECT_EQ(removedMidway, 0);
  EXPECT_EQ(written.error, FileError::None);
  EXPECT_EQ(contents(dir / "save.set"), "new form");
}

}  // namespace
}  // namespace zarq
