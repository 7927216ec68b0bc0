#include "backend/gtk/uri_list.h"

#include <gtest/gtest.h>

namespace zarq::gtk {
namespace {

using std::filesystem::path;

TEST(UriListTest, DroppedUrisBecomeLocalPathsInOrder) {
  const char* const uris[] = {
      "file:///tmp/a%20b.set",
      "http://example.invalid/chart.json",  // not a file
      "file:///home/u/%E8%B0%B1%E9%9D%A2/x.json",
      "file://localhost/srv/c.png",
      "file://elsewhere.invalid/d.png",  // a file of another machine
      nullptr,
  };
  const std::vector<path> expected = {"/tmp/a b.set", "/home/u/谱面/x.json", "/srv/c.png"};
  EXPECT_EQ(localPathsFromUris(uris), expected);
  EXPECT_TRUE(localPathsFromUris(nullptr).empty());
}

}  // namespace
}  // namespace zarq::gtk
