#include "image/cover_loader.h"

#include <system_error>

namespace zarq {

CoverLoader::CoverLoader(ImageDecoder& images, std::function<void()> finished)
    : images_(images), finished_(std::move(finished)) {}

CoverLoader::~CoverLoader() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
    wanted_ = 0;
  }
  changed_.notify_all();
  if (thread_.joinable()) thread_.join();
}

void CoverLoader::request(std::uint64_t ticket, std::filesystem::path file) {
  {
    std::lock_guard lock(mutex_);
    wanted_ = ticket;
    file_ = std::move(file);
    done_.reset();
    if (!thread_.joinable()) {
      try {
        thread_ = std::thread([this] { run(); });
      } catch (const std::system_error&) {
        // No thread to be had: the picture is decoded here, and the window waits for it.
        done_ = Result{ticket, decodeCover(images_, file_)};
        ended_ = ticket;
      }
    }
  }
  changed_.notify_all();
}

void CoverLoader::cancel() {
  {
    std::lock_guard lock(mutex_);
    wanted_ = 0;
    done_.reset();
  }
  changed_.notify_all();
}

std::optional<CoverLoader::Result> CoverLoader::take() {
  std::lock_guard lock(mutex_);
  if (!done_ || done_->ticket != wanted_) return std::nullopt;
  std::optional<Result> result = std::move(done_);
  done_.reset();
  return result;
}

void CoverLoader::waitUntilDone() {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [&] { return wanted_ == 0 || ended_ == wanted_; });
}

void CoverLoader::run() {
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [&] { return stopping_ || (wanted_ != 0 && ended_ != wanted_); });
    if (stopping_) return;
    const std::uint64_t ticket = wanted_;
    const std::filesystem::path file = file_;
    lock.unlock();
    std::optional<Cover> cover =
        decodeCover(images_, file, [&] { return wanted_.load() != ticket; });
    lock.lock();
    // A newer request or a cancel came meanwhile: this result is nobody's.
    if (wanted_ != ticket) continue;
    done_ = Result{ticket, std::move(cover)};
    // Told before anyone waiting is woken, so that a waiter finds the news already sent.
    lock.unlock();
    finished_();
    lock.lock();
    ended_ = ticket;
    changed_.notify_all();
  }
}

}  // namespace zarq
