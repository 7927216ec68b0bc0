#pragma once
// The keys that are down, as the window reports them by the key's own code. A key acts with
// the modifiers held when it went down, whichever is let go first; a key reported down again
// before it came up is the keyboard's auto-repeat.

#include <cstdint>
#include <map>

#include "platform/platform.h"

namespace zarq {

// The window's number for a physical key (a hardware key code, a virtual key).
using KeyCode = std::uint32_t;

class KeyTracker {
 public:
  // The key went down with `stroke`; true when it was down already (a repeat).
  bool press(KeyCode code, const KeyStroke& stroke);
  // The key came up: the stroke it went down with, or `now` when its press was never seen.
  KeyStroke release(KeyCode code, const KeyStroke& now);
  bool isDown(KeyCode code) const { return down_.contains(code); }
  // Another window took the keyboard: keys let go meanwhile are never reported.
  void clear() { down_.clear(); }

 private:
  std::map<KeyCode, KeyStroke> down_;
};

}  // namespace zarq
