#pragma once
// Whether standard output is a terminal, where a preset's or a picture's bytes would only
// garble the screen; whether the standard error is one, where progress can be shown, and
// how wide; and text that a terminal shows without acting on it.

#include <filesystem>
#include <string>

#include "platform/file_system.h"

namespace zarq::tool {

bool standardOutputIsTerminal();
// Whether `file` is a link to the very file standard output is (/dev/stdout, /dev/fd/1): a
// name for standard output rather than a file of its own.
bool linksToStandardOutput(const std::filesystem::path& file);
// Whether standard input reads the file `status` describes (`make - -o x.json < x.json`).
bool standardInputIs(const FileStatus& status);
bool standardErrorIsTerminal();
// UTF-8 text as one line that a terminal only shows: a text of a preset may carry a tab, a
// line break or an escape sequence, so every control character (C0, DEL, C1) is a blank.
std::string plainLine(std::string text);
// The width of the terminal the standard error is, in columns; 0 when unknown.
int standardErrorColumns();

}  // namespace zarq::tool
