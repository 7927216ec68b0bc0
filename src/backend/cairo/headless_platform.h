#pragma once
// A platform without a display: real text layout and drawing into an off-screen frame, and
// a host that answers every question with "no" and records what it was asked. Used by the
// command-line companion, the tests and the benchmarks.

#include <atomic>
#include <chrono>
#include <string>
#include <vector>

#include "backend/cairo/offscreen_frame.h"
#include "backend/cairo/pango_text.h"
#include "backend/cairo/pixbuf_decoder.h"
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
  MessageAnswer messageBox(TextView text, TextView title, MessageButtons buttons) override;
  std::optional<std::filesystem::path> chooseSaveFile(TextView, TextView) override { return {}; }
  std::optional<std::filesystem::path> chooseOpenFile(TextView, TextView) override { return {}; }
  std::optional<std::filesystem::path> chooseFolder(TextView) override { return {}; }
  ClipboardText clipboardText() override { return {}; }
  void beep() override { ++beeps; }
  void setCaretPos(int x, int y) override {
    caretX = x;
    caretY = y;
  }
  std::int32_t clockMs() override;
  bool isForeground() override { return true; }
  // Without a window there is no loop to run posted work: it is counted and dropped. The
  // tools wait for what they draw instead.
  void postToWindowThread(int, std::function<void()>) override { ++postedTasks; }
  // Without a window there is nothing to keep painting.
  void runLongWork(const std::function<void()>& work, const std::function<void()>&) override {
    work();
  }

  std::vector<RecordedMessage> messages;
  int beeps = 0;
  std::atomic<int> postedTasks = 0;
  int caretX = 0, caretY = 0;

 private:
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

struct HeadlessPlatform {
  PangoText text;
  PixbufDecoder images;
  QuietHost quietHost;
  OffscreenFrame frame{text};
  Platform platform() { return {text, images, quietHost, frame}; }
  Platform platform(Host& host) { return {text, images, host, frame}; }
};

}  // namespace zarq
