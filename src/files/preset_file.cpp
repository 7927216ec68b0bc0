#include "files/preset_file.h"

#include <fstream>
#include <system_error>

#include "common/numbers.h"

namespace zarq {
namespace {

Text readFailure(int error) { return u"读取失败！(ERROR " + printfText("%d", error) + u")"; }

}  // namespace

PresetRead readPresetFile(const std::filesystem::path& path) {
  PresetRead read;
  std::error_code ec;
  std::ifstream in;
  if (!std::filesystem::is_directory(path, ec)) in.open(path, std::ios::binary);
  if (!in.is_open()) {
    read.failure = u"无法读取文件！";
    return read;
  }
  // Nothing after the largest version is ever read, however long the file is.
  std::vector<std::uint8_t> bytes(maxPresetSize());
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (in.bad()) {
    read.failure = u"无法读取文件！";
    return read;
  }
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  in.close();
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
