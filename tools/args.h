#pragma once
// A small command-line parser: options that take a value, flags, and positional arguments.

#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "commands.h"

namespace zarq::tool {

struct ParsedArgs {
  std::map<std::string, std::string> values;
  std::set<std::string> flags;
  std::vector<std::string> positional;
  std::string error;  // empty when the arguments were understood

  bool has(const std::string& option) const { return values.count(option) || flags.count(option); }
  std::string value(const std::string& option, const std::string& fallback = {}) const {
    const auto found = values.find(option);
    return found == values.end() ? fallback : found->second;
  }
};

ParsedArgs parseArgs(const Args& args, const std::set<std::string>& valued,
                     const std::set<std::string>& flags, std::size_t maxPositional);

// A file or folder named on the command line, whose arguments are UTF-8 on every platform.
std::filesystem::path pathArg(const std::string& utf8);
// A path as UTF-8, for messages.
std::string pathText(const std::filesystem::path& path);

// A file or folder named on the command line, whose arguments are UTF-8 on every platform.
std::filesystem::path pathArg(const std::string& utf8);
// A path as UTF-8, for messages and JSON.
std::string pathText(const std::filesystem::path& path);

// A page number 1 to 6, or nullopt.
std::optional<int> parsePage(const std::string& text);

}  // namespace zarq::tool
