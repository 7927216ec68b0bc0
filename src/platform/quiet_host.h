#pragma once
// A host for programs without a screen (the command-line companion, tests, benchmarks): it
// answers every question with "no" (a three-way one with "cancel"), cancels every dialog and
// records what it was asked. The same on every platform, so the tools behave alike wherever they
// run.

#include <atomic>
#include <functional>
#include <vector>

#include "platform/platform.h"

namespace zarq {

// A message box as a host without a screen records it.
struct RecordedMessage {
  Text text;
  Text title;
  MessageButtons buttons;
};

class QuietHost : public Host {
 public:
  MessageAnswer messageBox(TextView text, TextView title, MessageButtons buttons) override {
    messages.push_back({Text(text), Text(title), buttons});
    switch (buttons) {
      case MessageButtons::Ok:
        return MessageAnswer::Ok;
      case MessageButtons::YesNo:
        return MessageAnswer::No;
      case MessageButtons::YesNoCancel:
        return MessageAnswer::Cancel;
    }
    return MessageAnswer::Ok;
  }
  std::optional<std::filesystem::path> chooseSaveFile(TextView, TextView) override { return {}; }
  std::optional<std::filesystem::path> chooseOpenFile(TextView, TextView) override { return {}; }
  std::optional<std::filesystem::path> chooseFolder(TextView) override { return {}; }
  ClipboardText clipboardText() override { return {}; }
  void setClipboardText(TextView) override {}
  void beep() override { ++beeps; }
  void setCaretPos(int x, int y, int) override {
    caretX = x;
    caretY = y;
  }
  bool isForeground() override { return true; }
  // Without a window there is no loop to run posted work: it is counted and dropped. The
  // tools wait for what they draw instead.
  void postToWindowThread(int, std::function<void()>) override { ++postedTasks; }
  // Without a window there is nothing to keep painting.
  void runLongWork(const std::function<void()>& work, const std::function<void()>&) override {
    work();
  }
  bool longWorkRunning() const override { return false; }
  bool watchFolder(const std::filesystem::path&, std::function<void()>) override { return true; }

  std::vector<RecordedMessage> messages;
  int beeps = 0;
  std::atomic<int> postedTasks = 0;
  int caretX = 0, caretY = 0;
};

}  // namespace zarq
