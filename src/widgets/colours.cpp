#include "widgets/colours.h"

#include <algorithm>
#include <cstdlib>

namespace zarq {
namespace {

int channel(Argb c, int shift) { return static_cast<int>((c >> shift) & 0xFF); }

// The largest difference of one colour channel: a cheap stand-in for how far apart two
// colours look, enough to tell a theme's grey from its black or white.
int distance(Argb a, Argb b) {
  int most = 0;
  for (const int shift : {0, 8, 16})
    most = std::max(most, std::abs(channel(a, shift) - channel(b, shift)));
  return most;
}

Argb halfway(Argb a, Argb b) {
  Argb mixed = 0xFF000000;
  for (const int shift : {0, 8, 16}) {
    mixed |= static_cast<Argb>((channel(a, shift) + channel(b, shift)) / 2) << shift;
  }
  return mixed;
}

// Below this a disabled text would pass for an enabled one, or vanish into the background.
constexpr int kDistinct = 64;

}  // namespace

Argb inkOf(const Palette& palette, Argb own, bool enabled) {
  if (!palette.highContrast) return enabled ? own : kDisabledColour;
  if (enabled) return palette.foreground;
  const Argb disabled = palette.disabled | 0xFF000000;
  if (distance(disabled, palette.foreground) >= kDistinct &&
      distance(disabled, palette.background) >= kDistinct) {
    return disabled;
  }
  return halfway(palette.foreground, palette.background);
}

Argb bubbleFillOf(const Palette& palette) {
  return palette.highContrast ? (palette.background | 0xFF000000) : 0x96FFFFFF;
}

Argb shadeOf(const Palette& palette, Argb own) {
  return palette.highContrast ? (palette.background | 0xFF000000) : own;
}

}  // namespace zarq
