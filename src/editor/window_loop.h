#pragma once
// The editor's window loop, the same on every desktop. A desktop's window feeds it what
// happens to the window (its events come through turns of the desktop's loop, the close box,
// the end of the session, the window gone) and provides only primitives (platform/desktop.h);
// the rules are kept here once:
// - work posted from any thread runs on the window's thread between two turns, in the order it
//   falls due, never while a message box, a dialog or long work runs a loop of its own;
// - long work runs on a thread of its own while the window goes on handling events and shows a
//   fresh frame now and then;
// - once the session ends every message box and dialog, open or to come, counts as closed: a
//   question as No, or Cancel where it offers one;
// - a question closed without an answer counts the same way, whatever the desktop reports;
// - the input method hears of the caret only when it moved, in the window's pixels;
// - the window shows the form at the desktop's text size times the user's zoom, as far as the
//   screen holds it;
// - the pointer counts only inside the window: a leave is told once, and a release after it is
//   none (the leave counted as the release); it is told in the window's pixels, and the form
//   hears of the pixel of its own that lies there;
// - files dropped on the window are taken once the drop has ended, never while a message box
//   is open; the window's close asked for meanwhile comes after the box, once;
// - the loop draws a frame a turn while something animates, and otherwise waits for events;
// - an idle window keeps no frame: its memory goes a second after the last one was shown, once
//   no message box, dialog or long work runs (drawing one anew on the next expose costs a few
//   milliseconds, keeping it megabytes of shared memory all the while).

#include <atomic>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "editor/closing.h"
#include "editor/window_scale.h"
#include "platform/accessibility.h"
#include "platform/desktop.h"
#include "platform/folder_lock.h"
#include "platform/forwarding_services.h"
#include "platform/platform.h"
#include "platform/shortcuts.h"

namespace zarq {

struct SettingsForm;

// Where a window may show the form, as its desktop measures it: the desktop's text size (1 at
// its default), the client area in the form's pixels and the most room the client area may
// take, in the desktop's pixels.
struct ScreenRoom {
  double textScale = 1;
  double clientWidth = kFrameWidth;
  double clientHeight = kFrameHeight;
  double width = 0;
  double height = 0;
};

// What a question's answer counts as: the button pressed, or for a box closed without one
// (reported as Cancel) No where the question offers no Cancel.
MessageAnswer answerOf(MessageButtons buttons, MessageAnswer pressed);

class WindowLoop final : public ForwardingServices<Host> {
 public:
  explicit WindowLoop(Desktop& desktop) : ForwardingServices(desktop), desktop_(desktop) {}
  WindowLoop(const WindowLoop&) = delete;
  WindowLoop& operator=(const WindowLoop&) = delete;

  MessageAnswer messageBox(TextView text, TextView title, MessageButtons buttons) override;
  std::optional<std::filesystem::path> chooseSaveFile(TextView filterName,
                                                      TextView pattern) override;
  std::optional<std::filesystem::path> chooseOpenFile(TextView filterName,
                                                      TextView pattern) override;
  std::optional<std::filesystem::path> chooseFolder(TextView prompt) override;
  // In the window's pixels, and only when the caret moved.
  void setCaretPos(int x, int y, int height) override;
  void postToWindowThread(int delayMs, std::function<void()> task) override;
  void runLongWork(const std::function<void()>& work, const std::function<void()>& paint) override;
  bool longWorkRunning() const override { return longWorkDepth_ > 0; }

  // Turns the window of `form` until it is gone; returns the process's exit status, which
  // says what became of the form (exitStatus in editor/closing.h).
  int run(SettingsForm& form);
  // Runs the posted work that is due unless a message box, a dialog or long work runs;
  // returns how many ran.
  int runPosted();
  // True while a message box or dialog runs: the window takes no input then.
  bool modalRunning() const { return modalDepth_ > 0; }
  bool sessionEnding() const { return ending_; }
  // The caret was made anew: the next frame places it again.
  void placeCaretAgain() { caret_.reset(); }
  // The window's pixels per pixel of the form in `room` at `zoomPercent` (from here on; by
  // default the zoom asked for last). A new scale places the caret again and tells screen
  // readers where the controls are now.
  double fit(SettingsForm& form, const ScreenRoom& room, std::optional<int> zoomPercent = {});
  // The zoom the last fit shows: less than asked where the screen had no room for more.
  int shownZoom() const;
  // The window's pixels per pixel of the form, as the last fit found it.
  double scale() const { return scale_; }

  // What happens to the window:
  // A shortcut's action: its command, or closing as the close box does.
  void shortcut(SettingsForm& form, ShortcutAction action);
  // The user closes the window (the close box, Ctrl+Q, Ctrl+W): the form is saved, or the
  // user chose what becomes of it (editor/closing.h), and the window closes. Asked for while
  // a message box or a dialog is open, it comes once they are closed; ignored once the
  // session ends.
  void closeBox(SettingsForm& form);
  // The session ends with no one to ask (`signal`, or 0 for the console or the desktop's
  // session): a copy or scan under way stops, its new file removed, and none starts any more;
  // every message box and dialog open now or later is answered as if closed, so that the
  // action that asked ends; then the input still waiting is handled, the form is saved with
  // no one asked (onSessionEnd) and the window closes. A second call changes nothing.
  void endSession(SettingsForm& form, int signal);
  // The process ends once this returns: long work under way is stopped and the form is saved
  // at once, with no one asked. The exit status, or nothing when the window is already gone.
  std::optional<int> endSessionNow(SettingsForm& form);
  // The display went away (its server ended or crashed, the remote session dropped): nothing
  // can be shown or asked any more, and the process ends once this returns. The form is saved
  // as endSessionNow does, and stderr says where; returns the exit status.
  int displayGone(SettingsForm& form);
  // Holds the folder's lock while the loop lasts. Where the process ends at once (endSessionNow,
  // displayGone), the lock is let go after the save, so that its file goes with the editor.
  void holdFolderLock(std::unique_ptr<FolderLock> lock) { folderLock_ = std::move(lock); }
  // The pointer, in the window's pixels.
  void pointerMoved(SettingsForm& form, double x, double y);
  void buttonDown(SettingsForm& form, double x, double y);
  void buttonUp(SettingsForm& form, double x, double y);
  void pointerEntered() { pointerInside_ = true; }
  void pointerLeft(SettingsForm& form);
  void drop(SettingsForm& form, std::vector<std::filesystem::path> paths);
  // A frame was shown; `letGo` gives its memory back once the window has rested.
  void framePresented(std::function<void()> letGo);
  // The window was destroyed: the loop ends, and the desktop has no window to tell of the
  // page's changes or the user's zoom.
  void windowGone();

 private:
  // Runs a message box or dialog, which runs a loop of its own.
  template <typename Dialog>
  auto modal(Dialog dialog);
  // Milliseconds until the next posted work falls due; nothing when none waits.
  std::optional<int> nextPostedInMs();
  // Lets the frame go `delayMs` from now unless another is shown meanwhile.
  void restFrameIn(int delayMs);
  // Stops the long work under way and gives it a moment to remove what it began writing.
  void stopLongWork(SettingsForm& form);
  // Saves the form at once, `cause` (or nothing) said on stderr first; with `heldInput`, the
  // input that waited for the stopped long work is taken into it first.
  void saveNow(SettingsForm& form, const char* cause, bool heldInput);
  int exitStatus(const SettingsForm& form) const;
  bool inClientArea(int x, int y) const;
  int formPixel(double windowPixel) const { return formCoordinate(windowPixel, scale_); }

  struct Posted {
    std::int64_t due;
    std::function<void()> task;
  };

  Desktop& desktop_;
  std::mutex postedMutex_;  // guards posted_: other threads post
  std::deque<Posted> posted_;
  int modalDepth_ = 0;
  int longWorkDepth_ = 0;
  const std::atomic<bool>* longWorkDone_ = nullptr;  // the innermost long work's end
  std::optional<std::pair<int, int>> caret_;
  ScreenRoom room_;
  int zoomPercent_ = 100;
  double scale_ = 1;
  bool pointerInside_ = false;
  bool ending_ = false;
  bool gone_ = false;
  bool closeWaiting_ = false;  // a close asked for during a box or dialog waits its turn
  bool closing_ = false;       // the close is under way, its questions perhaps open
  int signal_ = 0;
  SessionEndSave saved_;
  std::function<void()> letGoFrame_;
  std::unique_ptr<FolderLock> folderLock_;
  std::int64_t framePresentedMs_ = 0;
  bool frameRestPosted_ = false;
};

}  // namespace zarq
