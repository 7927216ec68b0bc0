#pragma once
// A small mark in the bottom-right corner of the window saying that work the window is
// waiting for (a picture being decoded, files being copied) is under way. It shows only once
// the work has taken longer than kBusyMarkDelayMs, so that quick work never flickers it.

#include <cstdint>

#include "platform/platform.h"

namespace zarq {

struct SettingsForm;

inline constexpr std::int64_t kBusyMarkDelayMs = 150;

class BusyMark {
 public:
  // Work began at `nowMs`. Works may overlap; each begin is matched by one end.
  void begin(std::int64_t nowMs);
  void end();
  bool busy() const { return works_ > 0; }
  // Whether a frame drawn at `nowMs` shows the mark: the mark has been busy without a break
  // for at least kBusyMarkDelayMs.
  bool shownAt(std::int64_t nowMs) const;
  // Draws the mark when a frame at `nowMs` shows it.
  void draw(Canvas& canvas, std::int64_t nowMs, const Palette& palette) const;

 private:
  int works_ = 0;
  std::int64_t since_ = 0;
};

// Work on the form's mark; the first begin also asks for a frame when the mark becomes due,
// so that it appears even if nothing else is drawn meanwhile.
void beginBusyWork(SettingsForm& form);
void endBusyWork(SettingsForm& form);

}  // namespace zarq
