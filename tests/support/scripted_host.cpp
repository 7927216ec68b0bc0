#include "support/scripted_host.h"

#include <chrono>

namespace zarq::testing {

MessageAnswer ScriptedHost::messageBox(TextView text, TextView title, MessageButtons buttons) {
  messages.push_back({Text(text), Text(title), buttons});
  // The box runs a loop of its own: what the user does meanwhile comes in it.
  if (!events.empty()) handleEvents(0);
  if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
  if (answers.empty()) return MessageAnswer::Cancel;
  const MessageAnswer answer = answers.front();
  answers.pop_front();
  return answer;
}

std::optional<std::filesystem::path> ScriptedHost::nextDialog() {
  if (!events.empty()) handleEvents(0);
  if (dialogResults.empty()) return std::nullopt;
  auto result = dialogResults.front();
  dialogResults.pop_front();
  return result;
}

std::optional<std::filesystem::path> ScriptedHost::chooseSaveFile(TextView filterName, TextView) {
  dialogPrompts.emplace_back(filterName);
  return nextDialog();
}

std::optional<std::filesystem::path> ScriptedHost::chooseOpenFile(TextView filterName, TextView) {
  dialogPrompts.emplace_back(filterName);
  return nextDialog();
}

std::optional<std::filesystem::path> ScriptedHost::chooseFolder(TextView prompt) {
  dialogPrompts.emplace_back(prompt);
  return nextDialog();
}

bool ScriptedHost::handleEvents(int waitMs) {
  if (!events.empty()) {
    const std::function<void()> event = std::move(events.front());
    events.pop_front();
    event();
    return true;
  }
  if (waitMs == 0) return false;
  // A test that waits for no wake hangs no longer than this.
  std::unique_lock lock(wakeMutex_);
  woken_.wait_for(lock, std::chrono::seconds(10), [this] { return wakePending_; });
  wakePending_ = false;
  now += turnMs;
  return false;
}

void ScriptedHost::wake() {
  {
    const std::lock_guard lock(wakeMutex_);
    wakePending_ = true;
  }
  woken_.notify_all();
}

}  // namespace zarq::testing
