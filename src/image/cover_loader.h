#pragma once
// Decodes pictures into covers on a thread of its own, so that the window never waits for
// a decode. One picture at a time: a new request stops the decode in progress, whose result
// is then dropped.

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

#include "image/background_preview.h"
#include "platform/platform.h"

namespace zarq {

class CoverLoader {
 public:
  // `finished` is called on the loader's thread each time a requested decode has ended, its
  // result ready to be taken.
  CoverLoader(ImageDecoder& images, std::function<void()> finished);
  ~CoverLoader();
  CoverLoader(const CoverLoader&) = delete;
  CoverLoader& operator=(const CoverLoader&) = delete;

  // Decodes `file` under `ticket`, instead of anything asked before.
  void request(std::uint64_t ticket, std::filesystem::path file);
  // Nothing is wanted any more: a decode in progress stops and its result is dropped.
  void cancel();

  struct Result {
    std::uint64_t ticket = 0;
    std::optional<Cover> cover;  // nullopt: no loadable picture
  };
  // The result of the last request once its decode has ended; nothing before that, after a
  // cancel, or when it has been taken already.
  std::optional<Result> take();
  // Waits until the last request's decode has ended (at once when nothing is asked).
  void waitUntilDone();

 private:
  void run();

  ImageDecoder& images_;
  std::function<void()> finished_;
  std::mutex mutex_;
  std::condition_variable changed_;
  // The ticket asked for last, 0 when nothing is; changed under the mutex, and read without
  // it by the decode that polls whether it is still wanted.
  std::atomic<std::uint64_t> wanted_ = 0;
  std::filesystem::path file_;
  std::uint64_t ended_ = 0;  // the ticket whose decode ended last
  std::optional<Result> done_;
  bool stopping_ = false;
  std::thread thread_;
};

}  // namespace zarq
