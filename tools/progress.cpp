#include "progress.h"

#include <cstdio>

#include "terminal.h"

namespace zarq::tool {
namespace {

constexpr auto kQuietFor = std::chrono::seconds(1);
constexpr auto kRedrawEvery = std::chrono::milliseconds(100);

// Whether a progress line is on the terminal.
bool lineShown = false;

}  // namespace

void wipeProgress() {
  if (!lineShown) return;
  // Back to the line's start, the line cleared.
  std::fputs("\r\033[K", stderr);
  std::fflush(stderr);
  lineShown = false;
}

Progress::Progress(std::string done, std::size_t total)
    : done_(std::move(done)),
      total_(total),
      terminal_(standardErrorIsTerminal()),
      start_(std::chrono::steady_clock::now()) {}

Progress::~Progress() { wipeProgress(); }

void Progress::step() {
  ++count_;
  if (!terminal_ || count_ >= total_) return;
  const auto now = std::chrono::steady_clock::now();
  if (now - start_ < kQuietFor || (lineShown && now - drawn_ < kRedrawEvery)) return;
  std::fprintf(stderr, "\rzarq-preset: %s %zu of %zu", done_.c_str(), count_, total_);
  std::fflush(stderr);
  lineShown = true;
  drawn_ = now;
}

}  // namespace zarq::tool
