#include "input_files.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <limits>
#include <set>
#include <system_error>

#include "args.h"
#include "commands.h"
#include "common/utf.h"
#include "files/file_errors.h"

namespace zarq::tool {
namespace {

namespace fs = std::filesystem;

// What a damaged preset's "读取失败！(ERROR n)" means.
std::string damageWords(PresetError damage) {
  switch (damage) {
    case PresetError::None:
      break;
    case PresetError::Signature:
      return "it does not begin with the preset signature, so it is no preset (or is damaged)";
    case PresetError::VersionMissing:
      return "the file ends before the version number";
    case PresetError::UnknownVersion:
      return "its version number is not one the editor knows (" +
             std::to_string(kOldestPresetVersion) + " to " + std::to_string(kPresetVersion) + ")";
    case PresetError::TextSlot:
      return "a text slot is cut short (the file ends in the middle of the texts)";
    case PresetError::CheckBox:
      return "a check-box byte is missing (the file ends in the middle of the check boxes)";
    case PresetError::Slider:
      return "a slider value is cut short (the file ends in the middle of the sliders)";
    case PresetError::FirstOptionFlag:
      return "the first flag of an option pair is missing (the file ends in the middle of the "
             "options)";
    case PresetError::SecondOptionFlag:
      return "the second flag of an option pair is missing (the file ends in the middle of the "
             "options)";
    case PresetError::Trailer:
      return "the obtained-type caption at the end is cut short";
  }
  return {};
}

bool isSetFile(const fs::path& path) { return path.extension() == ".set"; }

// What tells two names of one file apart from two files: "out" and "./out/" are one folder.
fs::path identityOf(const fs::path& path) {
  if (path == "-") return path;
  std::error_code error;
  fs::path canonical = fs::weakly_canonical(path, error);
  return error ? fs::absolute(path, error).lexically_normal() : canonical;
}

}  // namespace

std::vector<fs::path> presetInputs(const std::vector<std::string>& args, bool& incomplete) {
  std::vector<fs::path> inputs;
  // A file or folder named twice, however spelt, is read once, where it was first named.
  std::set<fs::path> named;
  for (const std::string& given : args) {
    const fs::path arg = pathArg(given);
    if (!named.insert(identityOf(arg)).second) continue;
    std::error_code error;
    if (!fs::is_directory(arg, error)) {
      inputs.push_back(arg);
      continue;
    }
    std::vector<fs::path> presets;
    // A folder that cannot be listed, or stops being listable half-way, is a failure of its
    // own: left out in silence, its presets would look checked.
    fs::directory_iterator entries(arg, error);
    for (; !error && entries != fs::directory_iterator(); entries.increment(error)) {
      const fs::directory_entry& entry = *entries;
      if (!isSetFile(entry.path())) continue;
      // Only files count in a folder: a pipe would wait for ever, a device never end.
      std::error_code ignored;
      if (entry.is_regular_file(ignored)) {
        presets.push_back(entry.path());
      } else if (!entry.is_directory(ignored)) {
        inputError(pathText(entry.path()) + ": skipped: not a regular file");
      }
    }
    if (error) {
      inputError(pathText(arg) + ": cannot be listed: " + error.message());
      incomplete = true;
    }
    std::sort(presets.begin(), presets.end());
    inputs.insert(inputs.end(), presets.begin(), presets.end());
  }
  return inputs;
}

PresetInput readPresetInput(const fs::path& file) {
  std::error_code error;
  // Standard input and pipes (the shell's <(...) hands them out) are read as the streams
  // they are, as asked; the editor's own reads refuse them.
  if (file != "-" && !fs::is_fifo(fs::status(file, error))) {
    const PresetRead read = readPresetFile(file);
    if (!read.values) return {std::nullopt, describeFailure(file, read)};
    return {read.values, ""};
  }
  // A stream is read no further than the longest preset: whatever comes after it says that
  // this is no preset, however much more there is.
  std::string why;
  const std::optional<std::string> bytes = readWholeFile(file, why, maxPresetSize() + 1);
  if (!bytes) return {std::nullopt, pathText(file) + ": " + toUtf8(u"无法读取文件！") + ": " + why};
  if (bytes->size() > maxPresetSize()) {
    return {std::nullopt, pathText(file) + ": too long: a preset has at most " +
                              std::to_string(maxPresetSize()) + " bytes"};
  }
  const PresetRead read =
      readPresetBytes({reinterpret_cast<const std::uint8_t*>(bytes->data()), bytes->size()});
  if (!read.values) return {std::nullopt, describeFailure(file, read)};
  return {read.values, ""};
}

std::string unreadableBecause(const fs::path& file) {
  std::error_code error;
  const fs::file_status status = fs::status(file, error);
  // A loop of links or a folder that cannot be searched is something else than a missing file.
  if (error && error != std::errc::no_such_file_or_directory) return error.message();
  if (!fs::exists(status)) return "no such file";
  if (fs::is_directory(status)) return "is a folder, not a file";
  std::ifstream in(file, std::ios::binary);
  if (!in.is_open()) return errno ? std::strerror(errno) : "cannot be opened";
  return "cannot be read";
}

std::string describeFailure(const fs::path& file, const PresetRead& read) {
  const std::string message = toUtf8(read.failure);
  std::string meaning;
  if (read.damage != PresetError::None) {
    std::error_code error;
    meaning =
        read.damage == PresetError::Signature && file != "-" && fs::file_size(file, error) == 0
            ? "the file is empty"
            : damageWords(read.damage);
  } else if (read.error != FileError::None && read.error != FileError::NotFound &&
             read.error != FileError::NotRegular) {
    meaning = fileErrorWords(read.error);
  } else if (std::error_code error; read.error == FileError::NotRegular &&
                                    !fs::is_directory(file, error) &&
                                    (!error || error == std::errc::no_such_file_or_directory)) {
    // A device ("NUL", "CON" on Windows), which the standard library finds nowhere.
    meaning = fileErrorWords(read.error);
  } else {
    meaning = unreadableBecause(file);
  }
  return pathText(file) + ": " + message + ": " + meaning;
}

std::optional<std::string> readWholeFile(const fs::path& file, std::string& why,
                                         std::size_t limit) {
  std::string bytes;
  const auto readFrom = [&](std::istream& in) {
    char block[1 << 16];
    while (bytes.size() < limit && in.read(block, sizeof block).gcount() > 0) {
      bytes.append(block, static_cast<std::size_t>(in.gcount()));
    }
    if (bytes.size() > limit) bytes.resize(limit);
    return !in.bad();
  };
  if (file == "-") {
    // A closed standard input reads as nothing at all, which must not pass for empty input.
    if (readFrom(std::cin) && !std::ferror(stdin)) return bytes;
    why = "cannot be read";
    return std::nullopt;
  }
  std::error_code error;
  const fs::file_status status = fs::status(file, error);
  // Pipes are read as a stream (the shell's <(...) hands them out); folders and devices
  // are no input.
  if (!fs::exists(status) || fs::is_directory(status) || fs::is_block_file(status) ||
      fs::is_character_file(status) || fs::is_socket(status)) {
    why = fs::exists(status) && !fs::is_directory(status) ? "is a device, not a file"
                                                          : unreadableBecause(file);
    return std::nullopt;
  }
  std::ifstream in(file, std::ios::binary);
  if (!in.is_open()) {
    why = unreadableBecause(file);
    return std::nullopt;
  }
  if (readFrom(in)) return bytes;
  why = "cannot be read";
  return std::nullopt;
}

}  // namespace zarq::tool
