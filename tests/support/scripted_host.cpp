#include "support/scripted_host.h"

#include <algorithm>

namespace zarq::testing {

MessageAnswer ScriptedHost::messageBox(TextView text, TextView title, MessageButtons buttons) {
  messages.push_back({Text(text), Text(title), buttons});
  if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
  if (answers.empty() || dismissed) {
    return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Cancel;
  }
  const MessageAnswer answer = answers.front();
  answers.pop_front();
  return answer;
}

std::optional<std::filesystem::path> ScriptedHost::nextDialog() {
  if (dialogResults.empty() || dismissed) return std::nullopt;
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

void ScriptedHost::postToWindowThread(int delayMs, std::function<void()> task) {
  std::lock_guard lock(postedMutex_);
  posted_.push_back({now + delayMs, std::move(task)});
}

int ScriptedHost::runPosted() {
  int ran = 0;
  for (;;) {
    std::function<void()> task;
    {
      std::lock_guard lock(postedMutex_);
      const auto due = std::find_if(posted_.begin(), posted_.end(),
                                    [&](const Posted& p) { return p.due <= now; });
      if (due == posted_.end()) return ran;
      task = std::move(due->task);
      posted_.erase(due);
    }
    task();
    ++ran;
  }
}

int ScriptedHost::pendingPosted() {
  std::lock_guard lock(postedMutex_);
  return static_cast<int>(posted_.size());
}

void ScriptedHost::runLongWork(const std::function<void()>& work,
                               const std::function<void()>& paint) {
  ++longWorks;
  now += longWorkMs;
  ++longWorkDepth_;
  if (paintsDuringLongWork) paint();
  if (duringLongWork) duringLongWork();
  work();
  --longWorkDepth_;
}

}  // namespace zarq::testing
