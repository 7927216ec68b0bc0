#include "files/remembered_folder.h"

#include <cstdint>
#include <span>
#include <string>
#include <system_error>

#include "common/paths.h"
#include "common/utf.h"
#include "files/atomic_file.h"
#include "platform/file_system.h"

namespace zarq {
namespace {

// No path is longer; anything larger is not ours.
constexpr std::size_t kMaxBytes = 64 * 1024;

// The file holds the path and a line break. On Linux the path's bytes are kept as they are
// (a folder's name need not be UTF-8); on Windows its UTF-16 name is kept as UTF-8.
std::string bytesOfPath(const std::filesystem::path& path) {
#ifdef _WIN32
  return toUtf8(textFromPath(path));
#else
  return path.native();
#endif
}

std::filesystem::path pathOfBytes(const std::string& bytes) {
#ifdef _WIN32
  return pathFromText(fromUtf8(bytes));
#else
  return std::filesystem::path(bytes);
#endif
}

// The file's bytes, or nothing when it cannot be read or is larger than any path.
std::optional<std::string> keptBytes(const std::filesystem::path& file) {
  const FileHandle handle = openRegularFile(file);
  if (!handle) return std::nullopt;
  std::string bytes(kMaxBytes + 1, '\0');
  bytes.resize(std::fread(bytes.data(), 1, bytes.size(), handle.get()));
  if (std::ferror(handle.get()) || bytes.size() > kMaxBytes) return std::nullopt;
  return bytes;
}

}  // namespace

std::filesystem::path rememberedFolderFile(const std::filesystem::path& configHome) {
  return configHome / "zarq-settings" / "last-folder";
}

std::optional<std::filesystem::path> readRememberedFolder(const std::filesystem::path& configHome) {
  std::optional<std::string> kept = keptBytes(rememberedFolderFile(configHome));
  if (!kept) return std::nullopt;
  std::string& bytes = *kept;
  // A line end as any editor writes it: Notepad ends the line with CR LF, and may begin
  // the file with a byte order mark.
  if (bytes.ends_with('\n')) bytes.pop_back();
  if (bytes.ends_with('\r')) bytes.pop_back();
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.erase(0, 3);
  if (bytes.empty() || bytes.find('\0') != std::string::npos) return std::nullopt;
  std::filesystem::path folder = pathOfBytes(bytes);
  if (!folder.is_absolute()) return std::nullopt;
  return folder;
}

bool rememberFolder(FileSystem& files, const std::filesystem::path& configHome,
                    const std::filesystem::path& folder) {
  const std::filesystem::path file = rememberedFolderFile(configHome);
  const std::string line = bytesOfPath(folder) + '\n';
  // Most starts are in the folder of the last one: the file stays as it is, and the start
  // waits for no disk.
  if (keptBytes(file) == line) return true;
  const auto* data = reinterpret_cast<const std::uint8_t*>(line.data());
  return static_cast<bool>(
      writeFileMakingFolders(files, file, std::span<const std::uint8_t>(data, line.size())));
}

}  // namespace zarq
