#include "form/key_tracker.h"

namespace zarq {

bool KeyTracker::press(KeyCode code, const KeyStroke& stroke) {
  return !down_.try_emplace(code, stroke).second;
}

KeyStroke KeyTracker::release(KeyCode code, const KeyStroke& now) {
  const auto down = down_.find(code);
  if (down == down_.end()) return now;
  const KeyStroke stroke = down->second;
  down_.erase(down);
  return stroke;
}

}  // namespace zarq
