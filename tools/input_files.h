#pragma once
// The files a command is given: folders stand for the presets in them, and a file that
// cannot be read is described in plain words after the editor's own message.

#include <filesystem>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "files/preset_file.h"

namespace zarq::tool {

// Each argument as it is, except that a folder stands for its ".set" files in name order
// (not its subfolders): only regular files, or links to them; each other entry of that name
// is skipped with a line on the standard error. Empty when a folder holds none. A folder
// that cannot be listed is named on the standard error and sets `incomplete`. A file or folder
// named twice, however spelt, counts once, where it was first named.
std::vector<std::filesystem::path> presetInputs(const std::vector<std::string>& args,
                                                bool& incomplete);

// A preset named on the command line, read: its values, or why not in plain words, the
// problem starting with the file's name.
struct PresetInput {
  std::optional<PresetValues> values;
  std::string problem;
};
// readPresetFile, with "-" for standard input; standard input and a pipe are read no further
// than the longest preset, and one that goes on is refused as too long.
PresetInput readPresetInput(const std::filesystem::path& file);

// "FILE: " then the editor's message of a failed read, then what it means, e.g.
// "a.set: 读取失败！(ERROR 4): a text slot is cut short (the file ends in the middle of the
// texts)".
std::string describeFailure(const std::filesystem::path& file, const PresetRead& read);

// Why a file cannot be opened for reading, in plain words: "no such file", "is a folder",
// "permission denied", ...
std::string unreadableBecause(const std::filesystem::path& file);

// The content of a file ("-": standard input), at most `limit` bytes of it; nullopt with
// `why` set when it cannot be read. A folder or a device is refused before it is opened.
std::optional<std::string> readWholeFile(
    const std::filesystem::path& file, std::string& why,
    std::size_t limit = std::numeric_limits<std::size_t>::max());

}  // namespace zarq::tool
