// A folder's listing kept between keys: every name is found as a fresh listing finds it, after
// any change made between two keys, and one validation lists the folder at most once.

#include "files/kept_listing.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <vector>

#include "common/utf.h"
#include "files/atomic_file.h"
#include "files/file_lookup.h"
#include "platform/forwarding_file_system.h"
#include "support/form_fixture.h"
#include "validate/validation.h"

namespace zarq {
namespace {

// The system's file system, counting listings, with the time of one folder as the test sets
// it: moved on by each change made through here, or, as within one step of a file system's
// clock, left as it was.
class ScriptedFolder final : public ForwardingFileSystem {
 public:
  explicit ScriptedFolder(std::filesystem::path folder)
      : ForwardingFileSystem(osFileSystem()), folder_(std::move(folder)) {}

  FileError status(const std::filesystem::path& path, FileStatus& status) override {
    const FileError error = ForwardingFileSystem::status(path, status);
    if (path == folder_) status.modifiedNs = folderTimeNs;
    return error;
  }
  FileError list(const std::filesystem::path& folder,
                 std::vector<std::filesystem::path>& names) override {
    ++lists;
    return ForwardingFileSystem::list(folder, names);
  }

  std::int64_t folderTimeNs = 0;
  bool changesMoveTime = true;
  int lists = 0;

 private:
  void changing() override {
    if (changesMoveTime) ++folderTimeNs;
  }
  std::filesystem::path folder_;
};

std::int64_t secondsFromNowNs(int seconds) {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             (std::chrono::system_clock::now() + std::chrono::seconds(seconds)).time_since_epoch())
      .count();
}

struct Change {
  enum { None, Add, Remove, Rename } kind;
  const char* name;
  const char* to;
};

TEST(KeptListing, FindsWhatAFreshListingFindsAfterEveryChangeBetweenTwoKeys) {
  const Change changes[] = {
      {Change::None, "", ""},           {Change::Add, "Missing.PNG", ""},
      {Change::Remove, "Song.PNG", ""}, {Change::Rename, "cover.jpg", "COVER2.jpg"},
      {Change::Remove, "TWIN.OGG", ""}, {Change::Add, "song.PNG", ""},
  };
  const TextView asked[] = {u"song.png", u"cover.JPG", u"cover2.JPG", u"missing.png", u"twin.ogg"};
  // A folder last changed an hour ago whose time moves with each change, and one changed a
  // moment ago whose time stays put.
  for (const bool settled : {true, false}) {
    SCOPED_TRACE(settled ? "settled folder" : "folder changed a moment ago");
    const testing::TempDir dir;
    for (const char* name : {"Song.PNG", "cover.jpg", "twin.ogg", "TWIN.OGG"}) dir.write(name, "x");
    ScriptedFolder files(dir.path());
    files.folderTimeNs = secondsFromNowNs(settled ? -3600 : 0);
    files.changesMoveTime = settled;
    KeptListing kept;
    for (const Change& change : changes) {
      SCOPED_TRACE(change.name);
      const std::vector<std::uint8_t> bytes = {'x'};
      switch (change.kind) {
        case Change::None:
          break;
        case Change::Add:
          ASSERT_TRUE(writeFileAtomically(files, dir / change.name, bytes));
          break;
        case Change::Remove:
          ASSERT_EQ(files.remove(dir / change.name), FileError::None);
          break;
        case Change::Rename:
          ASSERT_EQ(files.renameNew(dir / change.name, dir / change.to), FileError::None);
          break;
      }
      for (const TextView name : asked) {
        EXPECT_EQ(findFile(files, dir.path(), name, kept),
                  findFile(osFileSystem(), dir.path(), name))
            << toUtf8(name);
      }
    }
    // Nothing changed since: only the folder changed a moment ago is listed again.
    const int listed = files.lists;
    for (const TextView name : asked) findFile(files, dir.path(), name, kept);
    EXPECT_EQ(files.lists == listed, settled);
  }
}

TEST(KeptListing, NoticesAFileGoneWhereTheFolderKeepsItsTime) {
  const testing::TempDir dir;
  dir.write("Song.PNG", "x");
  ScriptedFolder files(dir.path());
  files.folderTimeNs = secondsFromNowNs(-3600);
  files.changesMoveTime = false;
  KeptListing kept;
  EXPECT_EQ(findFile(files, dir.path(), u"song.png", kept),
            findFile(osFileSystem(), dir.path(), u"song.png"));
  ASSERT_EQ(files.renameNew(dir / "Song.PNG", dir / "Other.png"), FileError::None);
  EXPECT_EQ(findFile(files, dir.path(), u"song.png", kept),
            findFile(osFileSystem(), dir.path(), u"song.png"));
}

class KeptListingForm : public testing::FormTest {
 protected:
  void SetUp() override {}
};

TEST_F(KeptListingForm, AChartIdKeyListsTheFolderOnce) {
  for (const char* name : {"Song.JSON", "Song.OGG", "SONG.png", "song.PNG"}) dir.write(name, "{}");
  ScriptedFolder files(dir.path());
  // Changed a moment ago: nothing listed before the key may serve it.
  files.folderTimeNs = secondsFromNowNs(0);
  form = std::make_unique<SettingsForm>(platform.platform(files), dir.path());
  onWindowCreate(*form);
  for (const TextView id : {u"song", u"songs", u"SONG"}) {
    files.lists = 0;
    field(slot::chartId).setText(Text(id));
    validateAndCommit(*form, slot::chartId);
    EXPECT_EQ(files.lists, 1) << toUtf8(id);
  }
}

}  // namespace
}  // namespace zarq
