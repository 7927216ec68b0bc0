#include "files/atomic_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <optional>
#include <string>

#include "support/faulty_file_system.h"
#include "support/temp_dir.h"
#include "support/unprivileged_user.h"

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace zarq {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

using testing::contents;

std::span<const std::uint8_t> bytesOf(const std::string& text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

WriteOutcome write(const fs::path& file, const std::string& text,
                   FileSystem& files = osFileSystem()) {
  return writeFileAtomically(files, file, bytesOf(text));
}

std::ptrdiff_t entries(const fs::path& folder) {
  return std::distance(fs::directory_iterator(folder), {});
}

TEST(AtomicFile, ReplacesTheTargetAndLeavesNothingElseBehind) {
  TempDir dir;
  const fs::path file = dir.write("save.set", "old");
  ASSERT_TRUE(write(file, "new"));
  EXPECT_EQ(contents(file), "new");
  EXPECT_EQ(entries(dir.path()), 1);
}

TEST(AtomicFile, RefusesATargetThatIsNoRegularFile) {
  TempDir dir;
  fs::create_directory(dir / "folder.set");
  EXPECT_EQ(write(dir / "folder.set", "new").error, FileError::NotRegular);
  EXPECT_TRUE(fs::is_directory(dir / "folder.set"));
}

// A held folder renamed away, with a new one made at its path: every write, read, rename,
// listing and removal through the old path reaches the held folder, and the new one stays
// empty.
TEST(AtomicFile, AHeldFolderIsReachedThroughItsHandleWhereverItsPathLeads) {
  TempDir dir;
  FileSystem& files = osFileSystem();
  const fs::path held = dir / "held", moved = dir / "moved";
  fs::create_directory(held);
  const std::unique_ptr<FolderHold> hold = files.holdFolder(held);
  ASSERT_TRUE(hold);
  ASSERT_EQ(files.heldFolderInPlace(held), FileError::None);
  fs::rename(held, moved);
  fs::create_directory(held);
  EXPECT_EQ(files.heldFolderInPlace(held), FileError::NotFound);

#ifdef _WIN32
  GTEST_SKIP() << "Wine looks some names up by a held folder's old path once it is renamed";
#endif
  ASSERT_TRUE(write(held / "save.set", "form"));
  ASSERT_TRUE(copyFileAtomically(files, held / "save.set", held / "copy.set", CopyMode::Binary));
  ASSERT_EQ(files.renameNew(held / "copy.set", held / "renamed.set"), FileError::None);
  std::vector<fs::path> names;
  ASSERT_EQ(files.list(held, names), FileError::None);
  EXPECT_EQ(names.size(), 2u);
  FileStatus status;
  ASSERT_EQ(files.status(held / "renamed.set", status), FileError::None);
  EXPECT_EQ(status.size, 4u);
  ASSERT_TRUE(openRegularFile(held / "renamed.set"));
  ASSERT_EQ(files.remove(held / "renamed.set"), FileError::None);

  EXPECT_EQ(contents(moved / "save.set"), "form");
  EXPECT_EQ(entries(moved), 1);
  EXPECT_EQ(entries(held), 0);
}

// The name beside the target is short whatever the target's: a name near the file system's
// limit of 255 bytes is still written beside itself, never in place.
TEST(AtomicFile, ATargetWithTheLongestNameIsStillWrittenAtomically) {
  TempDir dir;
  const fs::path file = dir / (std::string(250, 'n') + ".set");
  ASSERT_TRUE(write(file, "first"));
  testing::FaultyFileSystem files;
  files.diskFull = true;
  EXPECT_EQ(write(file, "second", files).error, FileError::NoSpace);
  EXPECT_EQ(contents(file), "first");
  EXPECT_EQ(entries(dir.path()), 1);
}

TEST(AtomicFile, AFullDiskInAFolderThatTakesNoNewFilesPutsTheOldContentBackOrSaysItCannot) {
  TempDir dir;
  const fs::path file = dir.write("save.set", "the old content");
  testing::FaultyFileSystem files;
  files.refuseNewFilesIn = dir.path();
  files.begin();
  ASSERT_TRUE(write(file, "written in place", files));
  EXPECT_EQ(contents(file), "written in place");
  // One failed write (the eighth call: status, check, create, open, two reads, truncate,
  // write): the old content goes back.
  files.arm(8, testing::Fault::NoSpace);
  files.begin();
  const WriteOutcome once = write(file, "a new content", files);
  EXPECT_EQ(once.error, FileError::NoSpace);
  EXPECT_FALSE(once.restoreFailed);
  EXPECT_EQ(contents(file), "written in place");
  // A disk that stays full takes back nothing either.
  files.diskFull = true;
  const WriteOutcome full = write(file, "a new content", files);
  EXPECT_EQ(full.error, FileError::NoSpace);
  EXPECT_TRUE(full.restoreFailed);
}

#ifndef _WIN32
// A link planted where the editor writes is replaced, never followed: the file it points to
// stays as it was.
TEST(AtomicFile, ALinkAtTheTargetIsReplacedNotFollowed) {
  TempDir dir;
  TempDir outside;
  const fs::path victim = outside.write("victim", "keep me");
  fs::create_symlink(victim, dir / "runfile.txt");
  ASSERT_TRUE(write(dir / "runfile.txt", "minified chart"));
  EXPECT_EQ(contents(victim), "keep me");
  EXPECT_FALSE(fs::is_symlink(dir / "runfile.txt"));
  EXPECT_EQ(contents(dir / "runfile.txt"), "minified chart");
}

TEST(AtomicFile, NewFilesAreNeverCreatedThroughALink) {
  TempDir dir;
  TempDir outside;
  const fs::path victim = outside.write("victim", "keep me");
  fs::create_symlink(victim, dir / "planted");
  fs::create_symlink(outside / "missing", dir / "dangling");
  for (const char* name : {"planted", "dangling"}) {
    FileSystem::Handle handle = 0;
    EXPECT_EQ(osFileSystem().createNew(dir / name, handle), FileError::Exists) << name;
  }
  EXPECT_EQ(contents(victim), "keep me");
  EXPECT_FALSE(fs::exists(outside / "missing"));
}
#endif

TEST(AtomicFile, TextCopiesEndTheirLinesAsThePlatformDoes) {
  TempDir dir;
  const std::string block(65'535, 'x');
  const bool crLf = osFileSystem().crLfLineEnds();
  const struct {
    const char* name;
    std::string source, copy;
  } cases[] = {
      {"lone line feeds", "a\nb\n", crLf ? "a\r\nb\r\n" : "a\nb\n"},
      {"CR LF kept", "a\r\nb", "a\r\nb"},
      {"lone CR kept", "a\rb", "a\rb"},
      {"CR LF across two blocks", block + "\r\nz", block + "\r\nz"},
  };
  for (const auto& c : cases) {
    const fs::path source = dir.write("source.json", c.source);
    ASSERT_TRUE(copyFileAtomically(osFileSystem(), source, dir / "copy.json", CopyMode::Text))
        << c.name;
    EXPECT_EQ(contents(dir / "copy.json"), c.copy) << c.name;
    ASSERT_TRUE(copyFileAtomically(osFileSystem(), source, dir / "copy.bin", CopyMode::Binary));
    EXPECT_EQ(contents(dir / "copy.bin"), c.source) << c.name;
  }
}

TEST(AtomicFile, ACopyFromASourceThatCannotBeReadSaysSoAndWritesNothing) {
  TempDir dir;
  fs::create_directory(dir / "folder");
  for (const char* name : {"missing", "folder"}) {
    const WriteOutcome copied =
        copyFileAtomically(osFileSystem(), dir / name, dir / "copy", CopyMode::Binary);
    EXPECT_FALSE(copied) << name;
    EXPECT_TRUE(copied.inSource) << name;
  }
  EXPECT_FALSE(fs::exists(dir / "copy"));
}

TEST(AtomicFile, AStoppedCopyFailsAndLeavesNothingBehind) {
  TempDir dir;
  const fs::path source = dir.write("song.wav", std::string(1 << 20, 'w'));
  const StopFlag stop = true;
  const WriteOutcome copied =
      copyFileAtomically(osFileSystem(), source, dir / "copy.wav", CopyMode::Binary, &stop);
  EXPECT_EQ(copied.error, FileError::Stopped);
  EXPECT_EQ(entries(dir.path()), 1);
}

TEST(AtomicFile, OnlyTheModulesOwnLeftoversAreRemovedAtTheNextStart) {
  TempDir dir;
  for (const char* name :
       {".zarq-a1b2c3d4.tmp", ".zarq-zzzzzzzz.tmp", "save.set", ".zarq-QWERTYUI.tmp",
        ".zarq-a1b2c3d.tmp", "x.zarq-a1b2c3d4.tmp", ".zarq-settings.lock", "song.WAV.copying"}) {
    dir.write(name, "bytes");
  }
  fs::create_directory(dir / ".zarq-folder00.tmp");
  EXPECT_EQ(removeLeftoverTemporaries(osFileSystem(), dir.path(), testing::secondsOn(86400)), 2);
  EXPECT_FALSE(fs::exists(dir / ".zarq-a1b2c3d4.tmp"));
  EXPECT_EQ(entries(dir.path()), 7);
}

#ifndef _WIN32
using testing::asUnprivilegedUser;
using testing::kNobody;

// The folder refuses new files to the user (0555), or takes them but refuses renaming over
// another user's file (a sticky folder, as /tmp); the target's own permissions decide.
TEST(AtomicFile, WhereTheTargetCannotBeReplacedItIsWrittenInPlaceWhereItMayBe) {
  const struct {
    const char* name;
    unsigned folderMode;
    bool targetWritable;
    bool targetExists;
    bool written;
  } cases[] = {
      {"writable target", 0555, true, true, true},
      {"read-only target", 0555, false, true, false},
      {"no target", 0555, true, false, false},
      {"another's writable target, sticky folder", 01777, true, true, true},
      {"another's read-only target, sticky folder", 01777, false, true, false},
  };
  for (const auto& c : cases) {
    TempDir dir;
    const fs::path file = dir / "save.set";
    if (c.targetExists) dir.write("save.set", "old");
    const bool root = ::geteuid() == 0;
    const bool sticky = c.folderMode & 01000;
    // Root's own file is another user's to the unprivileged writer.
    if (c.targetExists && c.targetWritable && root && !sticky) {
      ASSERT_EQ(::chown(file.c_str(), kNobody, kNobody), 0);
    }
    if (c.targetExists && c.targetWritable && sticky) {
      fs::permissions(file, static_cast<fs::perms>(0666));
    }
    if (c.targetExists && !c.targetWritable && !root) fs::permissions(file, fs::perms::owner_read);
    ASSERT_EQ(::chmod(dir.path().c_str(), c.folderMode), 0) << c.name;
    const std::optional<bool> written =
        asUnprivilegedUser([&] { return static_cast<bool>(write(file, "new")); });
    ASSERT_TRUE(written.has_value()) << c.name;
    EXPECT_EQ(*written, c.written) << c.name;
    if (c.targetExists) {
      EXPECT_EQ(contents(file), c.written ? "new" : "old") << c.name;
    }
    ASSERT_EQ(::chmod(dir.path().c_str(), 0700), 0) << c.name;
    EXPECT_EQ(entries(dir.path()), c.targetExists ? 1 : 0) << c.name;
  }
}

// A 64 MB file with 100 kB of data in its middle: the copies hold the same bytes and take
// no more room on the disk than the data, as `du` would show.
TEST(AtomicFile, CopiesKeepTheHolesOfASparseFile) {
  TempDir dir;
  const fs::path source = dir / "sparse.wav";
  constexpr off_t kSize = off_t{64} << 20;
  const std::string data(100'000, 'd');
  {
    std::ofstream out(source, std::ios::binary);
    out.seekp(kSize / 2);
    out << data;
  }
  fs::resize_file(source, kSize);
  for (const CopyMode mode : {CopyMode::Binary, CopyMode::Text}) {
    const fs::path copy = dir / "copy.WAV";
    ASSERT_TRUE(copyFileAtomically(osFileSystem(), source, copy, mode));
    struct stat status;
    ASSERT_EQ(::stat(copy.c_str(), &status), 0);
    EXPECT_EQ(status.st_size, kSize);
    EXPECT_LT(status.st_blocks * 512, 1 << 20);
    EXPECT_EQ(contents(copy), contents(source));
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
