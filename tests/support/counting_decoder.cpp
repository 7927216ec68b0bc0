#include "support/counting_decoder.h"

#include <chrono>

namespace zarq::testing {

std::optional<ImageSize> CountingDecoder::probe(const std::filesystem::path& file) {
  return real_.probe(file);
}

std::optional<DecodedPixels> CountingDecoder::decode(const std::filesystem::path& file) {
  return real_.decode(file);
}

bool CountingDecoder::decodeRows(const std::filesystem::path& file, RowSink& sink) {
  ++decodes_;
  {
    std::unique_lock lock(mutex_);
    ++waiting_;
    changed_.notify_all();
    // The sink is polled as a decoder polls it between rows.
    while (holding_ && !sink.cancelled()) changed_.wait_for(lock, std::chrono::milliseconds(1));
    --waiting_;
  }
  if (sink.cancelled()) return false;
  return real_.decodeRows(file, sink);
}

void CountingDecoder::hold() {
  std::lock_guard lock(mutex_);
  holding_ = true;
}

void CountingDecoder::letGo() {
  {
    std::lock_guard lock(mutex_);
    holding_ = false;
  }
  changed_.notify_all();
}

bool CountingDecoder::waitUntilHeld() {
  std::unique_lock lock(mutex_);
  return changed_.wait_for(lock, std::chrono::seconds(10), [&] { return waiting_ > 0; });
}

}  // namespace zarq::testing
