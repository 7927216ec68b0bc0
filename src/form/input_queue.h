#pragma once
// Input that arrives while long work runs (a copy of hundreds of megabytes, a chart being
// read) waits: it is kept in the order it came and handled once the work is done, so that
// nothing typed or clicked meanwhile is lost or acts on a half-finished form. The window
// events hand every input through here; the windows themselves hold nothing back.

#include <deque>
#include <functional>

namespace zarq {

struct SettingsForm;

class InputQueue {
 public:
  // Handles `input` now, or keeps it while long work runs or earlier input still waits.
  void deliver(SettingsForm& form, std::function<void()> input);
  // Handles what waits, in order; stops where an input starts long work of its own (what
  // came meanwhile is taken up afterwards, from here).
  void replay(SettingsForm& form);
  // At the session's end, the long work told to stop: handles everything that waits, long
  // work or not, so that the form saved holds what was typed before the end.
  void replayAtEnd();
  bool empty() const { return held_.empty(); }

 private:
  void takeNext();

  std::deque<std::function<void()>> held_;
  bool replayPosted_ = false;
};

}  // namespace zarq
