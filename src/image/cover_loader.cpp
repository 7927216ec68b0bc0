#include "image/cover_loader.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <system_error>
#include <thread>

namespace zarq {
namespace {

// How long a loader going away waits for its thread to notice: long enough for an idle
// thread or a decoder that polls, never long enough for one that does not.
constexpr auto kParting = std::chrono::milliseconds(200);

// Threads of loaders gone, still decoding.
std::atomic<int> abandonedDecodes = 0;

}  // namespace

struct CoverLoader::Shared {
  Shared(ImageDecoder& images, std::function<void()> finished)
      : images(images), finished(std::move(finished)) {}
  ImageDecoder& images;
  std::function<void()> finished;
  std::mutex mutex;
  std::condition_variable changed;
  // The ticket asked for last, 0 when nothing is; changed under the mutex, and read without
  // it by the decode that polls whether it is still wanted.
  std::atomic<std::uint64_t> wanted = 0;
  std::filesystem::path file;
  std::uint64_t ended = 0;  // the ticket whose decode ended last
  std::optional<Result> done;
  bool stopping = false;
  bool telling = false;      // `finished` is being called
  bool threadEnded = false;  // the thread is past its last look at the loader
  bool abandoned = false;
  std::thread thread;
};

CoverLoader::CoverLoader(ImageDecoder& images, std::function<void()> finished)
    : shared_(std::make_shared<Shared>(images, std::move(finished))) {}

CoverLoader::~CoverLoader() {
  Shared& s = *shared_;
  std::unique_lock lock(s.mutex);
  s.stopping = true;
  s.wanted = 0;
  s.changed.notify_all();
  // The news of a decode being told reaches the window before the window is gone.
  s.changed.wait(lock, [&] { return !s.telling; });
  if (!s.thread.joinable()) return;
  if (s.changed.wait_for(lock, kParting, [&] { return s.threadEnded; })) {
    lock.unlock();
    s.thread.join();
    return;
  }
  // A decoder that does not poll: it is left to end on its own.
  s.abandoned = true;
  ++abandonedDecodes;
  s.thread.detach();
}

void CoverLoader::request(std::uint64_t ticket, std::filesystem::path file) {
  Shared& s = *shared_;
  {
    std::lock_guard lock(s.mutex);
    s.wanted = ticket;
    s.file = std::move(file);
    s.done.reset();
    if (!s.thread.joinable()) {
      try {
        s.thread = std::thread([shared = shared_] { run(shared); });
      } catch (const std::system_error&) {
        // No thread to be had: the picture is decoded here, and the window waits for it.
        s.done = Result{ticket, decodeCover(s.images, s.file)};
        s.ended = ticket;
      }
    }
  }
  s.changed.notify_all();
}

void CoverLoader::cancel() {
  Shared& s = *shared_;
  {
    std::lock_guard lock(s.mutex);
    s.wanted = 0;
    s.done.reset();
  }
  s.changed.notify_all();
}

std::optional<CoverLoader::Result> CoverLoader::take() {
  Shared& s = *shared_;
  std::lock_guard lock(s.mutex);
  if (!s.done || s.done->ticket != s.wanted) return std::nullopt;
  std::optional<Result> result = std::move(s.done);
  s.done.reset();
  return result;
}

void CoverLoader::waitUntilDone() {
  Shared& s = *shared_;
  std::unique_lock lock(s.mutex);
  s.changed.wait(lock, [&] { return s.wanted == 0 || s.ended == s.wanted; });
}

void CoverLoader::run(const std::shared_ptr<Shared>& shared) {
  Shared& s = *shared;
  std::unique_lock lock(s.mutex);
  for (;;) {
    s.changed.wait(lock, [&] { return s.stopping || (s.wanted != 0 && s.ended != s.wanted); });
    if (s.stopping) break;
    const std::uint64_t ticket = s.wanted;
    const std::filesystem::path file = s.file;
    lock.unlock();
    std::optional<Cover> cover =
        decodeCover(s.images, file, [&] { return s.wanted.load() != ticket; });
    lock.lock();
    // A newer request or a cancel came meanwhile, or the loader is going: this result is
    // nobody's.
    if (s.wanted != ticket || s.stopping) continue;
    s.done = Result{ticket, std::move(cover)};
    // Told before anyone waiting is woken, so that a waiter finds the news already sent.
    s.telling = true;
    lock.unlock();
    s.finished();
    lock.lock();
    s.telling = false;
    s.ended = ticket;
    s.changed.notify_all();
  }
  s.threadEnded = true;
  s.changed.notify_all();
  if (s.abandoned) --abandonedDecodes;
}

void CoverLoader::endProcessIfDecoding(int status) {
  if (abandonedDecodes == 0) return;
  std::fflush(nullptr);
  std::_Exit(status);
}

}  // namespace zarq
