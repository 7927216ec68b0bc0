#pragma once
// The files a command is given: folders stand for the presets in them, and a file that
// cannot be read is described in plain words after the editor's own message.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "files/preset_file.h"

namespace zarq::tool {

// Each argument as it is, except that a folder stands for its ".set" files in name order
// (not its subfolders). Empty when a folder holds none.
std::vector<std::filesystem::path> presetInputs(const std::vector<std::string>& args);

// readPresetFile, with "-" for standard input.
PresetRead readPresetInput(const std::filesystem::path& file);

// "FILE: " then the editor's message of a failed read, then what it means, e.g.
// "a.set: 读取失败！(ERROR 4): a text slot is cut short (the file ends in the middle of the
// texts)".
std::string describeFailure(const std::filesystem::path& file, const PresetRead& read);

// Why a file cannot be opened for reading, in plain words: "no such file", "is a folder",
// "permission denied", ...
std::string unreadableBecause(const std::filesystem::path& file);

// The whole content of a file ("-": standard input); nullopt with `why` set when it cannot
// be read. A folder or a device is refused before it is opened.
std::optional<std::string> readWholeFile(const std::filesystem::path& file, std::string& why);

// Writes bytes to a file, or to standard output for "-"; false with `why` set on failure.
bool writeOutput(const std::filesystem::path& file, const std::string& bytes, std::string& why);

}  // namespace zarq::tool
