#pragma once
// A host for headless tests: records every message box and beep, answers questions and
// dialogs from queues, runs a clock the test sets, and keeps work posted to the window's
// thread until the test runs it.

#include <algorithm>
#include <atomic>
#include <deque>
#include <filesystem>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/accessibility.h"
#include "platform/platform.h"
#include "support/counting_decoder.h"
#include "support/headless.h"

namespace zarq::testing {

class ScriptedHost : public Host {
 public:
  using Message = RecordedMessage;

  MessageAnswer messageBox(TextView text, TextView title, MessageButtons buttons) override;
  std::optional<std::filesystem::path> chooseSaveFile(TextView filterName,
                                                      TextView pattern) override;
  std::optional<std::filesystem::path> chooseOpenFile(TextView filterName,
                                                      TextView pattern) override;
  std::optional<std::filesystem::path> chooseFolder(TextView prompt) override;
  ClipboardText clipboardText() override { return clipboard; }
  // Copying fills the clipboard that pasting reads, as the system's does.
  void setClipboardText(TextView text) override {
    clipboard = {ClipboardText::Status::Text, Text(text)};
    ++clipboardWrites;
  }
  void beep() override { ++beeps; }
  void setCaretPos(int x, int y) override {
    caretX = x;
    caretY = y;
  }
  std::int32_t clockMs() override { return now; }
  bool isForeground() override { return foreground; }
  Palette palette() override { return themePalette; }
  int zoomTo(int percent) override {
    zooms.push_back(percent);
    return std::min(percent, zoomRoom);
  }
  void postToWindowThread(int delayMs, std::function<void()> task) override;
  void announce(const AccessibleEvent& event) override { announced.push_back(event); }

  // Runs, in the order they were posted, the posted tasks that are due by `now`, as the
  // window's loop would; returns how many ran.
  int runPosted();
  // Posted tasks not run yet.
  int pendingPosted();
  // Counts the work; the clock moves on by `longWorkMs` and the window paints once before
  // the work is done (unless `paintsDuringLongWork` is off), and `duringLongWork` then looks
  // at that frame.
  void runLongWork(const std::function<void()>& work, const std::function<void()>& paint) override;
  bool longWorkRunning() const override { return longWorkDepth_ > 0; }
  // The watch is kept for the test to fire: folderChanged() says the folder changed.
  void watchFolder(const std::filesystem::path& folder, std::function<void()> changed) override {
    watchedFolder = folder;
    folderWatch_ = std::move(changed);
  }
  void folderChanged() {
    if (folderWatch_) folderWatch_();
  }
  // From here on every question and dialog is answered as closed, whatever the queues hold.
  void dismissDialogs() override { dismissed = true; }

  // Answers for Yes/No and Yes/No/Cancel questions, taken in order; once the queue is empty,
  // "No" (Yes/No) or "Cancel" (Yes/No/Cancel).
  std::deque<MessageAnswer> answers;
  // Results of the file and folder dialogs, taken in order; cancelled once empty.
  std::deque<std::optional<std::filesystem::path>> dialogResults;
  ClipboardText clipboard;
  // Read by the threads that post work too.
  std::atomic<std::int32_t> now = 10'000;
  bool foreground = true;
  std::int32_t longWorkMs = 0;
  bool paintsDuringLongWork = true;
  std::function<void()> duringLongWork;

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
  int longWorks = 0;
  int caretX = -1, caretY = -1;
  std::filesystem::path watchedFolder;
  bool dismissed = false;

 private:
  std::function<void()> folderWatch_;
  int longWorkDepth_ = 0;
  std::optional<std::filesystem::path> nextDialog();

  struct Posted {
    std::int32_t due;
    std::function<void()> task;
  };
  std::mutex postedMutex_;
  std::deque<Posted> posted_;
};

// A headless platform whose host is a ScriptedHost and whose decoder is counted.
struct TestPlatform {
  HeadlessPlatform headless;
  ScriptedHost host;
  CountingDecoder images{headless.images};
  Platform platform() { return {headless.text, images, host, headless.frame}; }
  Platform platform(FileSystem& files) {
    return {headless.text, images, host, headless.frame, files};
  }
};

}  // namespace zarq::testing
