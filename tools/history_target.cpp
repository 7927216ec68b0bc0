#include "history_target.h"

#include <ctime>

#include "args.h"

namespace zarq::tool {

std::filesystem::path presetNamedBy(FileSystem& files, const std::string* operand) {
  if (!operand) return "save.set";
  const std::filesystem::path named = pathArg(*operand);
  FileStatus status;
  if (files.resolvedStatus(named, status) == FileError::None &&
      status.kind == FileStatus::Kind::Folder) {
    return named / "save.set";
  }
  return named;
}

std::string keptTime(std::int64_t seconds) {
  const std::time_t time = static_cast<std::time_t>(seconds);
  char text[32] = "?";
  if (const std::tm* local = std::localtime(&time)) {
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", local);
  }
  return text;
}

}  // namespace zarq::tool
