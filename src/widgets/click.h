#pragma once
// A click is a press and a release on the same thing: the press remembers what it went down
// on, and the release is a click only when it comes up over that again. Every widget, and the
// form for what is no widget, tells clicks so.

#include <optional>
#include <utility>

namespace zarq {

template <typename Target>
class Click {
 public:
  void press(const Target& on) { pressed_ = on; }
  // The press ends; true when `over` is what it went down on.
  bool release(const Target& over) {
    const std::optional<Target> was = std::exchange(pressed_, std::nullopt);
    return was && *was == over;
  }
  // The press ends without a release (the button came up elsewhere).
  void cancel() { pressed_.reset(); }
  // What the press that is still down went down on.
  const std::optional<Target>& pressed() const { return pressed_; }

 private:
  std::optional<Target> pressed_;
};

}  // namespace zarq
