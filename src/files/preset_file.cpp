#include "files/preset_file.h"

#include <cstdio>

#include "common/numbers.h"
#include "platform/file_system.h"

namespace zarq {
namespace {

Text readFailure(int error) { return u"读取失败！(ERROR " + intText(error) + u")"; }

}  // namespace

PresetRead readPresetFile(const std::filesystem::path& path) {
  PresetRead read;
  // A pipe, a folder or a device of that name is no preset, and must not hold the editor up.
  const FileHandle in = openRegularFile(path);
  if (!in) {
    read.failure = u"无法读取文件！";
    return read;
  }
  // Nothing after the largest version is ever read, however long the file is.
  std::vector<std::uint8_t> bytes(maxPresetSize());
  bytes.resize(std::fread(bytes.data(), 1, bytes.size(), in.get()));
  if (std::ferror(in.get())) {
    read.failure = u"无法读取文件！";
    return read;
  }
  return readPresetBytes(bytes);
}

PresetRead readPresetBytes(std::span<const std::uint8_t> bytes) {
  PresetRead read;
  PresetDecoded decoded = decodePreset(bytes);
  if (decoded.error != 0) {
    read.failure = readFailure(decoded.error);
    return read;
  }
  read.values = std::move(decoded.values);
  return read;
}

bool writePresetFile(const std::filesystem::path& path, const PresetValues& values,
                     FileOutput& output) {
  return writeFileAtomically(path, encodePreset(values), output);
}

}  // namespace zarq
