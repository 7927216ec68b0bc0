#include "input_files.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <system_error>

#include "args.h"
#include "common/utf.h"

namespace zarq::tool {
namespace {

namespace fs = std::filesystem;

// What each "读取失败！(ERROR n)" means, n from 1.
constexpr const char* kReadErrors[] = {
    "it does not begin with the preset signature, so it is no preset (or is damaged)",
    "the file ends before the version number",
    "its version number is not one the editor knows (1001 to 1005)",
    "a text slot is cut short (the file ends in the middle of the texts)",
    "a check-box byte is missing (the file ends in the middle of the check boxes)",
    "a slider value is cut short (the file ends in the middle of the sliders)",
    "the first flag of an option pair is missing (the file ends in the middle of the options)",
    "the second flag of an option pair is missing (the file ends in the middle of the options)",
    "the obtained-type caption at the end is cut short",
};

bool isSetFile(const fs::path& path) { return path.extension() == ".set"; }

}  // namespace

std::vector<fs::path> presetInputs(const std::vector<std::string>& args) {
  std::vector<fs::path> inputs;
  for (const std::string& utf8 : args) {
    const fs::path arg = pathArg(utf8);
    std::error_code error;
    if (!fs::is_directory(arg, error)) {
      inputs.push_back(arg);
      continue;
    }
    std::vector<fs::path> presets;
    for (const fs::directory_entry& entry : fs::directory_iterator(arg, error)) {
      std::error_code ignored;
      if (isSetFile(entry.path()) && !entry.is_directory(ignored)) presets.push_back(entry.path());
    }
    std::sort(presets.begin(), presets.end());
    inputs.insert(inputs.end(), presets.begin(), presets.end());
  }
  return inputs;
}

PresetRead readPresetInput(const fs::path& file) {
  std::error_code error;
  // Standard input and pipes (the shell's <(...) hands them out) are read as the streams
  // they are, as asked; the editor's own reads refuse them.
  if (file != "-" && !fs::is_fifo(fs::status(file, error))) return readPresetFile(file);
  std::string why;
  const std::optional<std::string> bytes = readWholeFile(file, why);
  if (!bytes) return PresetRead{std::nullopt, u"无法读取文件！"};
  return readPresetBytes({reinterpret_cast<const std::uint8_t*>(bytes->data()), bytes->size()});
}

std::string unreadableBecause(const fs::path& file) {
  std::error_code error;
  const fs::file_status status = fs::status(file, error);
  if (!fs::exists(status)) return "no such file";
  if (fs::is_directory(status)) return "is a folder, not a file";
  std::ifstream in(file, std::ios::binary);
  if (!in.is_open()) return errno ? std::strerror(errno) : "cannot be opened";
  return "cannot be read";
}

std::string describeFailure(const fs::path& file, const PresetRead& read) {
  const std::string message = toUtf8(read.failure);
  std::string meaning;
  int number = 0;
  if (std::sscanf(message.c_str(), "读取失败！(ERROR %d)", &number) == 1 && number >= 1 &&
      number <= static_cast<int>(std::size(kReadErrors))) {
    std::error_code error;
    meaning = number == 1 && file != "-" && fs::file_size(file, error) == 0
                  ? "the file is empty"
                  : kReadErrors[number - 1];
  } else {
    meaning = unreadableBecause(file);
  }
  return pathText(file) + ": " + message + ": " + meaning;
}

std::optional<std::string> readWholeFile(const fs::path& file, std::string& why) {
  if (file == "-") {
    return std::string(std::istreambuf_iterator<char>(std::cin), {});
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
  std::string bytes{std::istreambuf_iterator<char>(in), {}};
  if (in.bad()) {
    why = "cannot be read";
    return std::nullopt;
  }
  return bytes;
}

bool writeOutput(const fs::path& file, const std::string& bytes, std::string& why) {
  if (file == "-") {
    std::cout.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    std::cout.flush();
    if (!std::cout) why = "cannot write to standard output";
    return static_cast<bool>(std::cout);
  }
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  if (!out.is_open()) {
    why = "cannot be written: " + std::string(std::strerror(errno));
    return false;
  }
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) {
    why = "cannot be written";
    std::error_code ignored;
    fs::remove(file, ignored);
    return false;
  }
  return true;
}

}  // namespace zarq::tool
