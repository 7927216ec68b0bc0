#include "editor/window_loop.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <limits>
#include <memory>
#include <thread>
#include <utility>

#include "editor/window_events.h"
#include "editor/zoom.h"
#include "form/settings_form.h"

namespace zarq {
namespace {

// How often the window shows a fresh frame while long work runs.
constexpr std::int64_t kLongWorkPaintMs = 50;
// How long an ending session waits for stopped long work: a copy stops within a block, and
// a session's end does not wait for more.
constexpr auto kLongWorkStop = std::chrono::seconds(1);
// How long a window without a new frame keeps the last one.
constexpr int kFrameRestMs = 1000;

}  // namespace

MessageAnswer answerOf(MessageButtons buttons, MessageAnswer pressed) {
  switch (buttons) {
    case MessageButtons::Ok:
      return MessageAnswer::Ok;
    case MessageButtons::YesNo:
      return pressed == MessageAnswer::Yes ? MessageAnswer::Yes : MessageAnswer::No;
    case MessageButtons::YesNoCancel:
      break;
  }
  return pressed == MessageAnswer::Yes || pressed == MessageAnswer::No ? pressed
                                                                       : MessageAnswer::Cancel;
}

template <typename Dialog>
auto WindowLoop::modal(Dialog dialog) {
  ++modalDepth_;
  const auto result = dialog();
  --modalDepth_;
  return result;
}

// Once the session ends nobody will answer: every box and dialog counts as closed unshown.
MessageAnswer WindowLoop::messageBox(TextView text, TextView title, MessageButtons buttons) {
  if (ending_) return answerOf(buttons, MessageAnswer::Cancel);
  return answerOf(buttons, modal([&] { return desktop_.messageBox(text, title, buttons); }));
}

std::optional<std::filesystem::path> WindowLoop::chooseSaveFile(TextView filterName,
                                                                TextView pattern) {
  if (ending_) return std::nullopt;
  return modal([&] { return desktop_.chooseSaveFile(filterName, pattern); });
}

std::optional<std::filesystem::path> WindowLoop::chooseOpenFile(TextView filterName,
                                                                TextView pattern) {
  if (ending_) return std::nullopt;
  return modal([&] { return desktop_.chooseOpenFile(filterName, pattern); });
}

std::optional<std::filesystem::path> WindowLoop::chooseFolder(TextView prompt) {
  if (ending_) return std::nullopt;
  return modal([&] { return desktop_.chooseFolder(prompt); });
}

// Every frame reports the caret; the input method hears only of moves.
void WindowLoop::setCaretPos(int x, int y, int height) {
  if (caret_ == std::pair(x, y)) return;
  caret_ = std::pair(x, y);
  const auto scaled = [this](int v) { return static_cast<int>(std::lround(v * scale_)); };
  desktop_.setCaretPos(scaled(x), scaled(y), scaled(height));
}

double WindowLoop::fit(SettingsForm& form, const ScreenRoom& room, std::optional<int> zoomPercent) {
  room_ = room;
  zoomPercent_ = zoomPercent.value_or(zoomPercent_);
  const double scale = formScale(room.textScale, zoomPercent_, room.clientWidth, room.clientHeight,
                                 room.width, room.height);
  if (scale == scale_) return scale;
  scale_ = scale;
  caret_.reset();
  showAtScale(form, scale);
  return scale;
}

int WindowLoop::shownZoom() const { return zarq::shownZoom(room_.textScale, zoomPercent_, scale_); }

// A desktop may go on reporting the pointer outside the window while the button is held.
bool WindowLoop::inClientArea(int x, int y) const {
  return x >= 0 && y >= 0 && x < room_.clientWidth && y < room_.clientHeight;
}

void WindowLoop::pointerMoved(SettingsForm& form, double windowX, double windowY) {
  const int x = formPixel(windowX), y = formPixel(windowY);
  if (!inClientArea(x, y)) return;
  pointerInside_ = true;
  onMouseMove(form, x, y);
}

void WindowLoop::buttonDown(SettingsForm& form, double windowX, double windowY) {
  pointerInside_ = true;
  onButtonDown(form, formPixel(windowX), formPixel(windowY));
}

void WindowLoop::buttonUp(SettingsForm& form, double windowX, double windowY) {
  const int x = formPixel(windowX), y = formPixel(windowY);
  if (pointerInside_ && inClientArea(x, y)) onButtonUp(form, x, y);
}

void WindowLoop::pointerLeft(SettingsForm& form) {
  if (!std::exchange(pointerInside_, false)) return;
  onMouseLeave(form);
}

// Handled once the drop has ended, so that the questions the files raise do not hold up the
// program they were dragged from.
void WindowLoop::drop(SettingsForm& form, std::vector<std::filesystem::path> paths) {
  if (modalRunning() || paths.empty()) return;
  postToWindowThread(0, [&form, paths = std::move(paths)] { onDrop(form, paths); });
}

void WindowLoop::postToWindowThread(int delayMs, std::function<void()> task) {
  {
    const std::lock_guard lock(postedMutex_);
    posted_.push_back({desktop_.clockMs() + std::max(delayMs, 0), std::move(task)});
  }
  desktop_.wake();
}

int WindowLoop::runPosted() {
  int ran = 0;
  // A dialog's loop, or the one that keeps the window going during long work, is no turn of
  // the window's loop: the work waits until it is over.
  while (!modalRunning() && !longWorkRunning()) {
    std::function<void()> task;
    {
      const std::lock_guard lock(postedMutex_);
      const std::int64_t now = desktop_.clockMs();
      const auto due = std::find_if(posted_.begin(), posted_.end(),
                                    [now](const Posted& p) { return p.due <= now; });
      if (due == posted_.end()) break;
      task = std::move(due->task);
      posted_.erase(due);
    }
    task();
    ++ran;
  }
  return ran;
}

std::optional<int> WindowLoop::nextPostedInMs() {
  const std::lock_guard lock(postedMutex_);
  if (posted_.empty()) return std::nullopt;
  const auto next =
      std::min_element(posted_.begin(), posted_.end(),
                       [](const Posted& a, const Posted& b) { return a.due < b.due; });
  const std::int64_t left = std::max<std::int64_t>(next->due - desktop_.clockMs(), 0);
  return static_cast<int>(std::min<std::int64_t>(left, std::numeric_limits<int>::max()));
}

void WindowLoop::runLongWork(const std::function<void()>& work,
                             const std::function<void()>& paint) {
  std::atomic<bool> done = false;
  const std::atomic<bool>* outer = std::exchange(longWorkDone_, &done);
  ++longWorkDepth_;
  std::thread worker([&] {
    work();
    done = true;
    desktop_.wake();
  });
  // The window's events go on being handled, so it repaints and keeps its place on the
  // desktop; the input among them waits (form/input_queue.h).
  std::int64_t painted = clockMs();
  do {
    desktop_.handleEvents(kLongWorkPaintMs);
    if (clockMs() - painted >= kLongWorkPaintMs) {
      paint();
      painted = clockMs();
    }
  } while (!done);
  worker.join();
  --longWorkDepth_;
  longWorkDone_ = outer;
}

void WindowLoop::stopLongWork(SettingsForm& form) {
  form.stopLongWork = true;
  const auto giveUp = std::chrono::steady_clock::now() + kLongWorkStop;
  while (longWorkDone_ && !*longWorkDone_ && std::chrono::steady_clock::now() < giveUp) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

int WindowLoop::run(SettingsForm& form) {
  bool animated = false;
  while (!gone_) {
    // Events waiting come first; posted work runs once none does, as a desktop's idle work
    // would: what the user typed before the session's end is in the form it saves.
    if (desktop_.handleEvents(0)) continue;
    runPosted();
    if (gone_) break;
    // While something animates, a frame each turn and only a look at the events; the frame
    // after the last one shows everything at rest, however long the frames before took.
    const bool animating = animationRunning(form);
    if (animating || animated) onPaint(form);
    animated = animating;
    // Otherwise a wait for the next event or the next posted work.
    if (!animating) desktop_.handleEvents(nextPostedInMs().value_or(Desktop::kWaitForever));
  }
  return exitStatus(form);
}

void WindowLoop::shortcut(SettingsForm& form, ShortcutAction action) {
  if (const Command* command = std::get_if<Command>(&action)) {
    onCommand(form, *command);
  } else {
    closeBox(form);
  }
}

void WindowLoop::closeBox(SettingsForm& form) {
  // A message box answers first, as the window it belongs to takes no input meanwhile; the
  // close is not forgotten but asked for again once the box and what opened it are done.
  if (modalRunning()) {
    // Once, and not at all when it is the close's own question that is open.
    if (closeWaiting_ || closing_) return;
    closeWaiting_ = true;
    postToWindowThread(0, [this, &form, alive = std::weak_ptr<const bool>(form.lifeline)] {
      closeWaiting_ = false;
      if (alive.lock()) closeBox(form);
    });
    return;
  }
  form.heldInput.deliver(form, [this, &form] {
    if (ending_ || gone_) return;
    closing_ = true;
    const bool close = onCloseRequested(form);
    closing_ = false;
    showChanges(form);
    if (close) desktop_.closeWindow();
  });
}

void WindowLoop::endSession(SettingsForm& form, int signal) {
  if (ending_ || gone_) return;
  ending_ = true;
  signal_ = signal;
  // The copy or scan under way stops at its next block, so that the save comes at once.
  form.stopLongWork = true;
  // The session will not wait for an answer, so none is waited for: a question left open
  // would lose the form when the session kills the editor. The action that asked goes on as
  // if the box were closed, and posted work runs only once it is over.
  desktop_.closeDialogs();
  postToWindowThread(0, [this, &form, alive = std::weak_ptr<const bool>(form.lifeline)] {
    if (!alive.lock() || gone_) return;
    // What the user typed before the end is part of the form that is saved.
    form.heldInput.replay(form);
    saved_ = onSessionEnd(form, fallbackFolder());
    desktop_.closeWindow();
  });
}

void WindowLoop::saveNow(SettingsForm& form, const char* cause, bool heldInput) {
  ending_ = true;
  stopLongWork(form);
  // The process ends once the form is saved: nobody answers any more, and what was typed
  // before the end is part of the form, as in endSession.
  if (heldInput) form.heldInput.replayAtEnd();
  saved_ = onSessionEnd(form, fallbackFolder(), cause);
}

std::optional<int> WindowLoop::endSessionNow(SettingsForm& form) {
  if (gone_) return std::nullopt;
  saveNow(form, nullptr, true);
  folderLock_.reset();
  return exitStatus(form);
}

int WindowLoop::displayGone(SettingsForm& form) {
  // Once the window is gone the form has been saved, or the user chose otherwise.
  // Input held back is not handled: without a display it could not draw what it does.
  if (!gone_) saveNow(form, "the display went away", false);
  folderLock_.reset();
  return exitStatus(form);
}

int WindowLoop::exitStatus(const SettingsForm& form) const {
  return zarq::exitStatus(form, ending_ ? std::optional(saved_) : std::nullopt, signal_);
}

void WindowLoop::framePresented(std::function<void()> letGo) {
  letGoFrame_ = std::move(letGo);
  framePresentedMs_ = clockMs();
  if (!std::exchange(frameRestPosted_, true)) restFrameIn(kFrameRestMs);
}

// One rest waits at a time, however many frames an animation shows meanwhile; as posted work
// it never lets a frame go that a dialog or long work may still be showing.
void WindowLoop::restFrameIn(int delayMs) {
  postToWindowThread(delayMs, [this] {
    const std::int64_t left = framePresentedMs_ + kFrameRestMs - clockMs();
    if (left > 0) return restFrameIn(static_cast<int>(left));
    frameRestPosted_ = false;
    if (!gone_) letGoFrame_();
  });
}

void WindowLoop::windowGone() {
  desktop_.onAnnounce(nullptr);
  desktop_.onZoom(nullptr);
  gone_ = true;
}

}  // namespace zarq
