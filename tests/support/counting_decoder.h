#pragma once
// The real decoder, counted: how many pictures were decoded, and, when the test holds them,
// decodes that wait until it lets them go, so that what happens meanwhile can be seen.

#include <atomic>
#include <condition_variable>
#include <mutex>

#include "platform/platform.h"

namespace zarq::testing {

class CountingDecoder final : public ImageDecoder {
 public:
  explicit CountingDecoder(ImageDecoder& real) : real_(real) {}

  std::optional<ImageSize> probe(const std::filesystem::path& file) override;
  std::optional<DecodedPixels> decode(const std::filesystem::path& file) override;
  // Counted; while decodes are held, it waits until they are let go or its sink gives up.
  bool decodeRows(const std::filesystem::path& file, RowSink& sink) override;

  // Pictures decoded (or begun) through decodeRows.
  int decodes() const { return decodes_; }
  void hold();
  void letGo();
  // Waits until a held decode has begun, and says whether one has.
  bool waitUntilHeld();

 private:
  ImageDecoder& real_;
  std::atomic<int> decodes_ = 0;
  std::mutex mutex_;
  std::condition_variable changed_;
  bool holding_ = false;
  int waiting_ = 0;
};

}  // namespace zarq::testing
