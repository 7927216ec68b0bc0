#pragma once
// Where every result of zarq-preset goes: a file, written as the editor writes its own
// (files/atomic_file.h), or standard output; every failure is told on the standard error.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>

#include "files/atomic_file.h"
#include "platform/file_system.h"

namespace zarq::tool {

// Writes `bytes` to `file` ("-": standard output). On failure prints
// "zarq-preset: FILE: 无法写入文件！: REASON" and returns false; the file is then as it was.
bool writeOutput(FileSystem& files, const std::filesystem::path& file,
                 std::span<const std::uint8_t> bytes);
// writeOutput for a preset: one it replaces is first kept in its history
// (files/preset_history.h), and a line on the standard error says so when that failed.
bool writePreset(FileSystem& files, const std::filesystem::path& file,
                 std::span<const std::uint8_t> bytes);
// Whether writing `output` would replace the file `input` names ("-": the file standard
// input reads, if it is one): song.json -o song.json, x.set made into its own folder.
bool replacesInput(FileSystem& files, const std::filesystem::path& input,
                   const std::filesystem::path& output);
// Says how a write to `file` went: a failure as writeOutput does (false), and a preset
// replaced whose history could not keep it as a warning.
bool reportWrite(const std::filesystem::path& file, const WriteOutcome& outcome);
// True, with a message saying how to write it elsewhere, when binary output is to go to
// `file` and that is standard output on a terminal.
bool binaryToTerminal(const std::filesystem::path& file);
// Prints text on standard output; false, with a message on the standard error, when it
// cannot be written there.
bool printOut(FileSystem& files, std::string_view text);

}  // namespace zarq::tool
