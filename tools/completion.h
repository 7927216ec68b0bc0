#pragma once
// The shell's completion of zarq-preset's command line: commands, options and their values
// (pages, field names). The bash script installed with the program asks for them with
// `zarq-preset __complete WORD...`, the words after the program's name up to the one being
// typed; where nothing comes back, the shell completes a file name.

#include <string>
#include <vector>

#include "args.h"

namespace zarq::tool {

inline constexpr char kCompleteCommand[] = "__complete";

// The words that may stand where the last of `words` is being typed (an empty last word:
// one not begun yet).
std::vector<std::string> completions(const Args& words);

}  // namespace zarq::tool
