#pragma once
// The editor's dialog filters are written as on Windows ("*.set", "*.*"): matched without
// regard to case, and "*.*" meaning every file. GTK's patterns are case-sensitive globs.

#include <string>
#include <string_view>

namespace zarq::gtk {

// The GTK glob that matches what `pattern` matches in a Windows file dialog.
std::string globForFilterPattern(std::string_view pattern);
// The file type the desktop knows the files of `pattern` by, so that a filter also shows
// them under another name; empty for none.
std::string_view mimeTypeForFilterPattern(std::string_view pattern);

}  // namespace zarq::gtk
