#include "progress.h"

#include <cstdio>

#include "terminal.h"

namespace zarq::tool {
namespace {

constexpr auto kQuietFor = std::chrono::seconds(1);
constexpr auto kRedrawEvery = std::chrono::milliseconds(100);

// The width of the progress line on the terminal; 0 when none is shown.
int lineWidth = 0;

}  // namespace

void wipeProgress() {
  if (lineWidth == 0) return;
  // Blanks over the line and back to its start: a Windows console may not know the escape
  // that clears a line.
  std::fprintf(stderr, "\r%*s\r", lineWidth, "");
  std::fflush(stderr);
  lineWidth = 0;
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
  if (now - start_ < kQuietFor || (lineWidth > 0 && now - drawn_ < kRedrawEvery)) return;
  char line[128];
  const int length =
      std::snprintf(line, sizeof line, "zarq-preset: %s %zu of %zu", done_.c_str(), count_, total_);
  // A line as wide as the terminal would wrap, and the wipe, which goes back only to the
  // start of its last row, would leave the rows above it behind.
  const int columns = standardErrorColumns();
  if (length <= 0 || static_cast<std::size_t>(length) >= sizeof line ||
      (columns > 0 && length >= columns)) {
    wipeProgress();
    return;
  }
  std::fprintf(stderr, "\r%s", line);
  std::fflush(stderr);
  lineWidth = length;
  drawn_ = now;
}

}  // namespace zarq::tool
