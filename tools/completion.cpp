#include "completion.h"

#include <algorithm>

#include "commands.h"
#include "preset_names.h"

namespace zarq::tool {
namespace {

std::vector<std::string> beginningWith(const std::string& start,
                                       const std::vector<std::string>& words) {
  std::vector<std::string> out;
  for (const std::string& word : words) {
    if (word.rfind(start, 0) == 0) out.push_back(word);
  }
  return out;
}

// A comma-separated list completes its last name; names already in it are not offered again.
std::vector<std::string> fieldCompletions(const std::string& typed) {
  const std::size_t comma = typed.rfind(',');
  const std::string done = comma == std::string::npos ? "" : typed.substr(0, comma + 1);
  const std::string partial = typed.substr(done.size());
  std::vector<std::string> out;
  for (const std::string& key : beginningWith(partial, presetKeys())) {
    if (("," + done).find("," + key + ",") == std::string::npos) out.push_back(done + key);
  }
  return out;
}

std::vector<std::string> valueCompletions(const Option& option, const std::string& typed) {
  if (option.value == ValueKind::Page) return beginningWith(typed, {"1", "2", "3", "4", "5", "6"});
  if (option.value == ValueKind::Fields) return fieldCompletions(typed);
  return {};  // a file, a folder or a number: the shell's own completion
}

const Option* optionNamed(const Command& command, std::string_view name) {
  for (const Option& option : command.options) {
    if (name == option.name || (option.shortName && name == option.shortName)) return &option;
  }
  return nullptr;
}

std::vector<std::string> commandNames() {
  std::vector<std::string> names;
  for (const Command* c : commands()) names.push_back(c->name);
  return names;
}

std::vector<std::string> commandWordCompletions(const Command& command, const Args& before,
                                                const std::string& typed) {
  if (std::find(before.begin() + 1, before.end(), "--") != before.end()) return {};
  if (before.size() > 1) {
    const Option* previous = optionNamed(command, before.back());
    if (previous && previous->value != ValueKind::None) return valueCompletions(*previous, typed);
  }
  if (typed.rfind("--", 0) == 0 && typed.find('=') != std::string::npos) {
    const std::string name = typed.substr(0, typed.find('='));
    const Option* option = optionNamed(command, name);
    if (!option || option->value == ValueKind::None) return {};
    std::vector<std::string> out;
    for (const std::string& value : valueCompletions(*option, typed.substr(name.size() + 1))) {
      out.push_back(name + "=" + value);
    }
    return out;
  }
  if (typed.rfind("-", 0) == 0) {
    std::vector<std::string> names{kHelpOption.name};
    for (const Option& option : command.options) names.push_back(option.name);
    return beginningWith(typed, names);
  }
  return {};
}

}  // namespace

std::vector<std::string> completions(const Args& words) {
  const std::string typed = words.empty() ? "" : words.back();
  const Args before(words.begin(), words.empty() ? words.end() : words.end() - 1);
  if (before.empty()) {
    if (typed.rfind("-", 0) == 0)
      return beginningWith(typed, {"--help", "--help-all", "--version"});
    std::vector<std::string> names = commandNames();
    names.push_back("help");
    return beginningWith(typed, names);
  }
  if (before[0] == "help")
    return before.size() == 1 ? beginningWith(typed, commandNames()) : Args{};
  const Command* command = commandNamed(before[0]);
  return command ? commandWordCompletions(*command, before, typed) : Args{};
}

}  // namespace zarq::tool
