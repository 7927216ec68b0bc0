#pragma once
// A host for headless tests: records every message box and beep, answers questions and
// dialogs from queues, and runs a clock the test sets.

#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "backend/cairo/headless_platform.h"
#include "platform/platform.h"

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
  void beep() override { ++beeps; }
  void setCaretPos(int x, int y) override {
    caretX = x;
    caretY = y;
  }
  std::int32_t clockMs() override { return now; }
  bool isForeground() override { return foreground; }

  // Answers for Yes/No questions, taken in order; "No" once the queue is empty.
  std::deque<MessageAnswer> answers;
  // Results of the file and folder dialogs, taken in order; cancelled once empty.
  std::deque<std::optional<std::filesystem::path>> dialogResults;
  ClipboardText clipboard;
  std::int32_t now = 10'000;
  bool foreground = true;

  std::vector<Message> messages;
  std::vector<Text> dialogPrompts;  // filter names or folder prompts, in order
  int beeps = 0;
  int caretX = -1, caretY = -1;

 private:
  std::optional<std::filesystem::path> nextDialog();
};

// A headless platform whose host is a ScriptedHost.
struct TestPlatform {
  HeadlessPlatform headless;
  ScriptedHost host;
  Platform platform() { return headless.platform(host); }
};

}  // namespace zarq::testing
