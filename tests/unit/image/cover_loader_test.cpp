#include "image/cover_loader.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "support/headless.h"
#include "support/image_files.h"
#include "support/temp_dir.h"

namespace zarq {
namespace {

// Decodes only once the test opens the gate, and does not stop when its picture is no longer
// wanted, as a decoder that never polls its sink behaves.
class GatedDecoder final : public ImageDecoder {
 public:
  std::optional<ImageSize> probe(const std::filesystem::path& file) override {
    return real_.probe(file);
  }
  std::optional<DecodedPixels> decode(const std::filesystem::path& file) override {
    return real_.decode(file);
  }
  bool decodeRows(const std::filesystem::path& file, RowSink& sink) override {
    {
      std::unique_lock lock(mutex_);
      ++begun_;
      changed_.notify_all();
      changed_.wait(lock, [&] { return open_; });
    }
    return real_.decodeRows(file, sink);
  }
  void waitForBegun(int count) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return begun_ >= count; });
  }
  void open() {
    {
      std::lock_guard lock(mutex_);
      open_ = true;
    }
    changed_.notify_all();
  }

 private:
  HeadlessPlatform headless_;
  ImageDecoder& real_ = headless_.images;
  std::mutex mutex_;
  std::condition_variable changed_;
  int begun_ = 0;
  bool open_ = false;
};

class CoverLoaderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (auto [name, colour] : {std::pair{"red.png", 0xC04020u}, {"blue.png", 0x2040C0u}}) {
      testing::writeImage(dir / name, testing::makeImage(80, 60, [=](int, int) { return colour; }),
                          testing::ImageFormat::Png);
    }
  }
  testing::TempDir dir;
  GatedDecoder images;
  std::atomic<int> finished = 0;
  CoverLoader loader{images, [this] { ++finished; }};
};

TEST_F(CoverLoaderTest, ANewerRequestDropsTheResultOfTheOneDecodingBeforeIt) {
  loader.request(1, dir / "red.png");
  images.waitForBegun(1);
  loader.request(2, dir / "blue.png");
  EXPECT_FALSE(loader.take());  // nothing has ended yet
  images.open();
  loader.waitUntilDone();
  const std::optional<CoverLoader::Result> result = loader.take();
  ASSERT_TRUE(result);
  EXPECT_EQ(result->ticket, 2u);
  ASSERT_TRUE(result->cover);
  EXPECT_EQ(result->cover->pixels.pixel(480, 360), 0x2040C0u);
  EXPECT_EQ(finished, 1);  // red's decode ended unseen
  EXPECT_FALSE(loader.take());
}

TEST_F(CoverLoaderTest, ACancelledDecodeLeavesNothingToTake) {
  images.open();
  loader.request(1, dir / "missing.png");
  loader.waitUntilDone();
  std::optional<CoverLoader::Result> result = loader.take();
  ASSERT_TRUE(result);
  EXPECT_FALSE(result->cover);  // no picture: a result all the same

  loader.request(2, dir / "red.png");
  loader.cancel();
  loader.waitUntilDone();
  EXPECT_FALSE(loader.take());
}

// Hands out rows of a 2000-row picture slowly (ten seconds in all), asking the sink before
// each, as a decoder of an expensive file does.
class SlowDecoder final : public ImageDecoder {
 public:
  bool stopped = false;
  std::optional<ImageSize> probe(const std::filesystem::path&) override { return {}; }
  std::optional<DecodedPixels> decode(const std::filesystem::path&) override { return {}; }
  bool decodeRows(const std::filesystem::path&, RowSink& sink) override {
    const std::vector<std::uint32_t> row(2000, 0x808080);
    sink.begin(2000, 2000);
    for (int y = 0; y < 2000; ++y) {
      if (sink.cancelled()) {
        stopped = true;
        return false;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
      sink.row(y, row.data());
    }
    return true;
  }
};

TEST(DecodeBudgetTest, ADecodeThatOutrunsItsTimeIsGivenUp) {
  SlowDecoder images;
  EXPECT_FALSE(decodeCover(images, "slow.png", {}, std::chrono::milliseconds(100)));
  EXPECT_TRUE(images.stopped);
}

// A decoder that never asks whether its picture is still wanted holds nothing up: the loader
// goes at once, and its news never reaches a window that is gone.
TEST_F(CoverLoaderTest, GoingAwayNeverWaitsForADecoderThatDoesNotStop) {
  // Outlives the test, as the decode left behind may.
  static GatedDecoder& stuck = *new GatedDecoder;
  static std::atomic<int> told = 0;
  auto doomed = std::make_unique<CoverLoader>(stuck, [] { ++told; });
  doomed->request(1, dir / "red.png");
  stuck.waitForBegun(1);
  // Going takes microseconds; the bound, far below a decode's 20-second budget, catches a wait
  // for the decoder that gives up in the end, and holds however busy the machine.
  const auto start = std::chrono::steady_clock::now();
  doomed.reset();
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
  stuck.open();
  // The decode it left ends on its own thread, and tells no one.
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  EXPECT_EQ(told, 0);
}

// The process then ends with its status there and then, the decoder still stuck. The child
// is forked from a process with no thread of its own yet (no decoder, and death tests run
// first): a thread caught inside malloc at the fork, such as the font library's start-up
// thread, would leave the child's allocator locked for good.
TEST(CoverLoaderDeathTest, TheProcessEndsAtOnceOverADecodeLeftBehind) {
  testing::TempDir dir;
  testing::writeImage(dir / "red.png",
                      testing::makeImage(80, 60, [](int, int) { return 0xC04020u; }),
                      testing::ImageFormat::Png);
  EXPECT_EXIT(
      {
        static GatedDecoder& stuck = *new GatedDecoder;
        auto doomed = std::make_unique<CoverLoader>(stuck, [] {});
        doomed->request(1, dir / "red.png");
        stuck.waitForBegun(1);
        doomed.reset();
        CoverLoader::endProcessIfDecoding(7);
        std::abort();
      },
      ::testing::ExitedWithCode(7), "");
}

}  // namespace
}  // namespace zarq
