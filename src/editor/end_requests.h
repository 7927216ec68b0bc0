#pragma once
// What ends the session from outside, and what the same coming again does while the save the
// first one started runs. Ctrl+C pressed again is the user insisting: the save is cut short
// and the form lost. A hang-up or a termination coming again asks for no such thing: a
// closing terminal hangs up on the editor both itself and through its shell, and tools that
// stop a program signal it and its process group; those repeats are ignored. The same on
// every desktop, whether the request is a signal or a console event.

#include <atomic>

namespace zarq {

enum class EndRequest {
  Interrupt,  // Ctrl+C or Ctrl+Break in the terminal or console
  HangUp,     // the terminal or console closed
  Terminate,  // a kill, a logoff or a shutdown
};

enum class EndAction {
  Save,      // the form is saved, then the editor ends
  Ignore,    // the save under way goes on
  CutShort,  // the process ends at once: the form is lost
};

// What `request` does while the save of an earlier one runs.
EndAction repeatedEndAction(EndRequest request);

// Told of each request as it comes, on any thread: the first one saves, each later one does
// what repeatedEndAction says.
class EndRequests {
 public:
  EndAction arrived(EndRequest request);

 private:
  std::atomic<bool> saving_{false};
};

// The line on the standard error when the save is cut short.
inline constexpr char kSaveCutShortLine[] =
    "zarq-settings: Ctrl+C again cut the save short: the form is lost\n";

}  // namespace zarq
