#include "files/remembered_zoom.h"

#include <charconv>
#include <cstdint>
#include <span>
#include <string>

#include "files/atomic_file.h"

namespace zarq {
namespace {

// "300\n" and a little room; anything longer is not ours.
constexpr std::size_t kMaxBytes = 16;

}  // namespace

std::filesystem::path rememberedZoomFile(const std::filesystem::path& configHome) {
  return configHome / "zarq-settings" / "zoom";
}

std::optional<int> readRememberedZoom(const std::filesystem::path& configHome) {
  const FileHandle file = openRegularFile(rememberedZoomFile(configHome));
  if (!file) return std::nullopt;
  std::string bytes(kMaxBytes + 1, '\0');
  bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file.get()));
  if (std::ferror(file.get()) || bytes.size() > kMaxBytes) return std::nullopt;
  if (bytes.ends_with('\n')) bytes.pop_back();
  int percent = 0;
  const char* end = bytes.data() + bytes.size();
  const auto [stop, error] = std::from_chars(bytes.data(), end, percent);
  if (bytes.empty() || error != std::errc() || stop != end) return std::nullopt;
  if (percent < kMinZoomPercent || percent > kMaxZoomPercent) return std::nullopt;
  return percent;
}

bool rememberZoom(FileSystem& files, const std::filesystem::path& configHome, int percent) {
  const std::filesystem::path file = rememberedZoomFile(configHome);
  const std::string line = std::to_string(percent) + '\n';
  const auto* data = reinterpret_cast<const std::uint8_t*>(line.data());
  return static_cast<bool>(
      writeFileMakingFolders(files, file, std::span<const std::uint8_t>(data, line.size())));
}

}  // namespace zarq
