#pragma once
// The editor's dialog filters are written as on Windows ("*.set", "*.png;*.jpg", "*.*"):
// matched without regard to case, ";" between patterns, and "*.*" meaning every file. A desktop
// whose dialogs take case-sensitive shell globs, one each, is given these.

#include <string>
#include <string_view>
#include <vector>

namespace zarq {

// The shell globs that together match what `pattern` matches in a Windows file dialog.
std::vector<std::string> globsForFilterPattern(std::string_view pattern);
// The file type the desktop knows the files of `pattern` by, so that a filter also shows
// them under another name; empty for none.
std::string_view mimeTypeForFilterPattern(std::string_view pattern);

}  // namespace zarq
