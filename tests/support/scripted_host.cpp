#include "support/scripted_host.h"

namespace zarq::testing {

MessageAnswer ScriptedHost::messageBox(TextView text, TextView title, MessageButtons buttons) {
  messages.push_back({Text(text), Text(title), buttons});
  if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
  if (answers.empty()) return MessageAnswer::No;
  const MessageAnswer answer = answers.front();
  answers.pop_front();
  return answer;
}

std::optional<std::filesystem::path> ScriptedHost::nextDialog() {
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

}  // namespace zarq::testing
