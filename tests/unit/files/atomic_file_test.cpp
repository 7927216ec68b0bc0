#include "files/atomic_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>

#include "support/temp_dir.h"

#ifndef _WIN32
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace zarq {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

std::string contents(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

bool write(const fs::path& file, const std::string& text) {
  return writeFileAtomically(
      file, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

TEST(AtomicFile, ReplacesTheTargetAndLeavesNothingElseBehind) {
  TempDir dir;
  const fs::path file = dir.write("save.set", "old");
  ASSERT_TRUE(write(file, "new"));
  EXPECT_EQ(contents(file), "new");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 1);
}

TEST(AtomicFile, RefusesATargetThatIsNoRegularFile) {
  TempDir dir;
  fs::create_directory(dir / "folder.set");
  EXPECT_FALSE(write(dir / "folder.set", "new"));
  EXPECT_TRUE(fs::is_directory(dir / "folder.set"));
}

#ifndef _WIN32
constexpr uid_t kNobody = 65534;

// Runs `action` in a child process as a user without privileges: root would ignore every
// permission. Empty when the child could not become that user.
std::optional<bool> asUnprivilegedUser(const std::function<bool()>& action) {
  if (::geteuid() != 0) return action();
  const pid_t child = ::fork();
  if (child == 0) {
    if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
      ::_exit(2);
    ::_exit(action() ? 0 : 1);
  }
  int status = 0;
  if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return {};
  if (WEXITSTATUS(status) == 2) return {};
  return WEXITSTATUS(status) == 0;
}

// The folder refuses new files to the user; the target's own permissions decide.
TEST(AtomicFile, InAFolderThatRefusesNewFilesTheTargetIsWrittenInPlaceWhereItMayBe) {
  const struct {
    const char* name;
    bool targetWritable;
    bool targetExists;
    bool written;
  } cases[] = {
      {"writable target", true, true, true},
      {"read-only target", false, true, false},
      {"no target", true, false, false},
  };
  for (const auto& c : cases) {
    TempDir dir;
    const fs::path file = dir / "save.set";
    if (c.targetExists) dir.write("save.set", "old");
    const bool root = ::geteuid() == 0;
    if (c.targetExists && c.targetWritable && root) {
      ASSERT_EQ(::chown(file.c_str(), kNobody, kNobody), 0);
    }
    if (c.targetExists && !c.targetWritable && !root) fs::permissions(file, fs::perms::owner_read);
    fs::permissions(dir.path(), static_cast<fs::perms>(root ? 0755 : 0555));
    const std::optional<bool> written = asUnprivilegedUser([&] { return write(file, "new"); });
    ASSERT_TRUE(written.has_value()) << c.name;
    EXPECT_EQ(*written, c.written) << c.name;
    if (c.targetExists) {
      EXPECT_EQ(contents(file), c.written ? "new" : "old") << c.name;
    }
    fs::permissions(dir.path(), fs::perms::owner_all, fs::perm_options::add);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), c.targetExists ? 1 : 0)
        << c.name;
  }
}

TEST(AtomicFile, KeepsTheOwnerGroupAndPermissionsOfTheReplacedFile) {
  if (::geteuid() != 0) GTEST_SKIP() << "only a privileged process may give a file away";
  TempDir dir;
  const fs::path file = dir.write("save.set", "old");
  ASSERT_EQ(::chown(file.c_str(), kNobody, kNobody), 0);
  fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  ASSERT_TRUE(write(file, "new"));
  struct stat status;
  ASSERT_EQ(::stat(file.c_str(), &status), 0);
  EXPECT_EQ(status.st_uid, kNobody);
  EXPECT_EQ(status.st_gid, kNobody);
  EXPECT_EQ(status.st_mode & 0777, 0640u);
  EXPECT_EQ(contents(file), "new");
}
#endif

}  // namespace
}  // namespace zarq
