#pragma once
// A desktop for headless tests, under the editor's own window loop: records every message box
// and beep, answers questions and dialogs from queues and runs a clock the test sets. Posted
// work waits until the test runs it (loop.runPosted()); a turn of events during long work runs
// the next of `events`, else waits for a wake.

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <filesystem>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "editor/window_loop.h"
#include "platform/accessibility.h"
#include "platform/desktop.h"
#include "support/counting_decoder.h"
#include "support/headless.h"

namespace zarq::testing {

class ScriptedHost : public Desktop {
 public:
  using Message = RecordedMessage;

  // Answers from `answers`, "Cancel" (closed) once it is empty; the next of `events` happens
  // while it is open.
  MessageAnswer messageBox(TextView text, TextView title, MessageButtons buttons) override;
  std::optional<std::filesystem::path> chooseSaveFile(TextView filterName,
                                                      TextView pattern) override;
  std::optional<std::filesystem::path> chooseOpenFile(TextView filterName,
                                                      TextView pattern) override;
  std::optional<std::filesystem::path> chooseFolder(TextView prompt) override;
  void closeDialogs() override { ++dialogsClosed; }
  ClipboardText clipboardText() override { return clipboard; }
  // Copying fills the clipboard that pasting reads, as the system's does.
  void setClipboardText(TextView text) override {
    clipboard = {ClipboardText::Status::Text, Text(text)};
    ++clipboardWrites;
  }
  void beep() override { ++beeps; }
  void setCaretPos(int x, int y, int) override {
    caretX = x;
    caretY = y;
  }
  void dropComposition() override { ++compositionsDropped; }
  std::int64_t clockMs() override { return now; }
  bool isForeground() override { return foreground; }
  Palette palette() override { return themePalette; }
  int zoomTo(int percent) override {
    zooms.push_back(percent);
    return std::min(percent, zoomRoom);
  }
  void announce(const AccessibleEvent& event) override { announced.push_back(event); }
  // The watch is kept for the test to fire: folderChanged() says the folder changed.
  bool watchFolder(const std::filesystem::path& folder, std::function<void()> changed) override {
    watchedFolder = folder;
    folderWatch_ = std::move(changed);
    return watchGranted;
  }
  void folderChanged() {
    if (folderWatch_) folderWatch_();
  }
  // Runs the next of `events`; without one, and unless `waitMs` is 0, waits for a wake (the
  // end of long work) and moves the clock on by `turnMs`.
  bool handleEvents(int waitMs) override;
  void wake() override;
  void closeWindow() override { ++windowsClosed; }

  // Answers for Yes/No and Yes/No/Cancel questions, taken in order.
  std::deque<MessageAnswer> answers;
  // Results of the file and folder dialogs, taken in order; cancelled once empty. The next
  // of `events` happens while one is open, as for a message box.
  std::deque<std::optional<std::filesystem::path>> dialogResults;
  // What the user does while long work, a message box or a dialog runs, a turn each.
  std::deque<std::function<void()>> events;
  ClipboardText clipboard;
  // Read by the threads that post work too.
  std::atomic<std::int64_t> now = 10'000;
  bool foreground = true;
  std::int64_t turnMs = 0;

  // The desktop's colours the frames are drawn in.
  Palette themePalette;
  // Every zoom the window was asked to show, in order, and the largest the screen holds.
  std::vector<int> zooms;
  int zoomRoom = 1000;

  std::vector<Message> messages;
  std::vector<AccessibleEvent> announced;  // what screen readers were told, in order
  std::vector<Text> dialogPrompts;         // filter names or folder prompts, in order
  int beeps = 0;
  int clipboardWrites = 0;
  int caretX = -1, caretY = -1;
  int compositionsDropped = 0;
  int dialogsClosed = 0;
  int windowsClosed = 0;
  std::filesystem::path watchedFolder;
  bool watchGranted = true;  // false: the system grants no watch

 private:
  std::function<void()> folderWatch_;
  std::optional<std::filesystem::path> nextDialog();

  std::mutex wakeMutex_;
  std::condition_variable woken_;
  bool wakePending_ = false;
};

// A headless platform whose host is the window loop over a ScriptedHost and whose decoder is
// counted.
struct TestPlatform {
  HeadlessPlatform headless;
  ScriptedHost host;
  WindowLoop loop{host};
  CountingDecoder images{headless.images};
  Platform platform() { return {headless.text, images, loop, headless.frame}; }
  Platform platform(FileSystem& files) {
    return {headless.text, images, loop, headless.frame, files};
  }
};

}  // namespace zarq::testing
