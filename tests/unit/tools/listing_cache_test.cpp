// The listings zarq-preset check keeps: a file the form names is found in them as in a fresh
// listing, whatever the case of its name, until something written through them changes the
// folder.

#include "tools/listing_cache.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "files/atomic_file.h"
#include "files/file_lookup.h"
#include "support/temp_dir.h"

namespace zarq {
namespace {

TEST(ListingCacheTest, FindsWhatTheFileSystemFindsUntilAWriteMakesItLookAgain) {
  const testing::TempDir dir;
  dir.write("Song.PNG", "x");
  dir.write("cover.jpg", "x");
  tool::ListingCache cache(osFileSystem());
  for (const Text name : {u"SONG.png", u"Cover.JPG", u"avatar.png", u"cover.jpg"}) {
    EXPECT_EQ(findFile(cache, dir.path(), name), findFile(osFileSystem(), dir.path(), name));
  }

  const std::vector<std::uint8_t> bytes = {'x'};
  ASSERT_TRUE(writeFileAtomically(cache, dir / "Avatar.PNG", bytes));
  EXPECT_EQ(findFile(cache, dir.path(), u"avatar.png"),
            findFile(osFileSystem(), dir.path(), u"avatar.png"));

  std::vector<std::filesystem::path> names;
  EXPECT_EQ(cache.listIgnoringCase(dir / "gone", u"a.png", names), FileError::NotFound);
}

}  // namespace
}  // namespace zarq
