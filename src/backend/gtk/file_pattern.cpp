#include "backend/gtk/file_pattern.h"

#include <cctype>

namespace zarq::gtk {

std::string globForFilterPattern(std::string_view pattern) {
  if (pattern == "*.*") return "*";
  std::string glob;
  for (const char c : pattern) {
    const auto u = static_cast<unsigned char>(c);
    if (std::isalpha(u) && u < 0x80) {
      glob += '[';
      glob += static_cast<char>(std::tolower(u));
      glob += static_cast<char>(std::toupper(u));
      glob += ']';
    } else {
      glob += c;
    }
  }
  return glob;
}

std::string_view mimeTypeForFilterPattern(std::string_view pattern) {
  // Presets, as data/org.zarqradoziro.Settings.mime.xml tells the desktop.
  return pattern == "*.set" ? "application/x-zarq-preset" : "";
}

}  // namespace zarq::gtk
