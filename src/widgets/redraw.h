#pragma once
// A widget's mark that what a frame shows of it changed. Every setter of a widget's state goes
// through `set`, so that no action can change a widget and forget the frame: the window's
// event ends with a frame when any widget is marked, and drawing the frame takes the marks.

namespace zarq {

class Redraw {
 public:
  // Sets `member` to `value`; true, and marked, when that changed it.
  template <typename T, typename V>
  bool set(T& member, const V& value) {
    if (member == value) return false;
    member = value;
    due_ = true;
    return true;
  }
  void mark() { due_ = true; }
  bool due() const { return due_; }
  void clear() { due_ = false; }

 private:
  bool due_ = false;
};

}  // namespace zarq
