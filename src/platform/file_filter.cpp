#include "platform/file_filter.h"

#include <algorithm>

namespace zarq {
namespace {

std::string globFor(std::string_view pattern) {
  if (pattern == "*.*") return "*";
  std::string glob;
  for (const char c : pattern) {
    // ASCII's cases, not the C library's: in Turkish its upper case of "i" is no "I".
    const char lower = static_cast<char>(c | 0x20);
    if (lower >= 'a' && lower <= 'z') {
      glob += '[';
      glob += lower;
      glob += static_cast<char>(lower - 0x20);
      glob += ']';
    } else {
      glob += c;
    }
  }
  return glob;
}

}  // namespace

std::vector<std::string> globsForFilterPattern(std::string_view pattern) {
  std::vector<std::string> globs;
  while (!pattern.empty()) {
    const std::size_t end = std::min(pattern.find(';'), pattern.size());
    if (end > 0) globs.push_back(globFor(pattern.substr(0, end)));
    pattern.remove_prefix(std::min(end + 1, pattern.size()));
  }
  return globs;
}

std::string_view mimeTypeForFilterPattern(std::string_view pattern) {
  // Presets, as data/org.zarqradoziro.Settings.mime.xml tells the desktop.
  return pattern == "*.set" ? "application/x-zarq-preset" : "";
}

}  // namespace zarq
