#pragma once
// The display going away (its X server ending or crashing, an ssh -X or VNC session dropped,
// a logout that closes it before any signal comes) ends the session like a signal: Xlib's
// default, and GDK's, is to exit at once with nothing saved. The form is saved first, then
// the process ends with the status `saveAndGo` gives, without running exit handlers that
// would talk to the display.

#include <functional>

namespace zarq::gtk {

class DisplayLoss {
 public:
  explicit DisplayLoss(std::function<int()> saveAndGo);
  ~DisplayLoss();
  DisplayLoss(const DisplayLoss&) = delete;
  DisplayLoss& operator=(const DisplayLoss&) = delete;

 private:
  unsigned long closedHandler_ = 0;
};

}  // namespace zarq::gtk
