#include "files/preset_file.h"

#include "common/numbers.h"
#include "files/file_access.h"
#include "files/preset_history.h"

namespace zarq {
namespace {

Text readFailure(PresetError error) {
  return u"读取失败！(ERROR " + intText(static_cast<int>(error)) + u")";
}

}  // namespace

PresetRead readPresetFile(const std::filesystem::path& path, FileSystem& files) {
  PresetRead read;
  read.failure = u"无法读取文件！";
  // A pipe, a folder or a device of that name is no preset, and must not hold the editor up;
  // nothing after the largest version is ever read.
  std::vector<std::uint8_t> bytes;
  read.error = readFileHead(files, path, maxPresetSize(), bytes);
  if (read.error != FileError::None) return read;
  return readPresetBytes(bytes);
}

PresetRead readPresetBytes(std::span<const std::uint8_t> bytes) {
  PresetRead read;
  PresetDecoded decoded = decodePreset(bytes);
  if (decoded.error != PresetError::None) {
    read.damage = decoded.error;
    read.failure = readFailure(decoded.error);
    return read;
  }
  read.values = std::move(decoded.values);
  return read;
}

WriteOutcome writePresetFile(const std::filesystem::path& path, const PresetValues& values,
                             FileSystem& files, const std::filesystem::path& historyRoot) {
  return writeFileAtomically(files, path, encodePreset(values), Existing::Replace,
                             historyKeeper(files, historyRoot, path));
}

}  // namespace zarq
