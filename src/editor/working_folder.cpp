#include "editor/working_folder.h"

#include <cstdio>
#include <system_error>

#include "common/paths.h"
#include "common/utf.h"
#include "editor/message_boxes.h"
#include "files/remembered_folder.h"

namespace zarq {
namespace {

constexpr TextView kNotHome =
    u"编辑器会把 save.set、谱面和音乐放进这个文件夹，主文件夹可不行哦 (。-ω-)\n"
    u"请选择录制器所在的文件夹。";

// Absolute, without "." or ".." and without a separator at the end, so that its name is
// the folder's own.
std::filesystem::path cleanFolder(const std::filesystem::path& folder,
                                  const std::filesystem::path& current) {
  std::filesystem::path clean = (current / folder).lexically_normal();
  if (!clean.has_filename() && clean.has_relative_path()) clean = clean.parent_path();
  return clean;
}

bool isFolder(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::is_directory(path, error);
}

bool isHome(const std::filesystem::path& folder, const StartPlaces& places) {
  std::error_code error;
  return !places.home.empty() && std::filesystem::equivalent(folder, places.home, error);
}

std::optional<std::filesystem::path> askForFolder(const StartPlaces& places, Host& host) {
  for (;;) {
    const std::optional<std::filesystem::path> chosen = host.chooseFolder(kWorkingFolderPrompt);
    if (!chosen) return std::nullopt;
    std::filesystem::path folder = cleanFolder(*chosen, places.current);
    if (!isHome(folder, places)) return folder;
    host.messageBox(kNotHome, messageTitle(kWorkingFolderPrompt), MessageButtons::Ok);
  }
}

std::optional<std::filesystem::path> lastFolder(const StartPlaces& places, Host& host) {
  if (places.configHome.empty()) return askForFolder(places, host);
  const std::optional<std::filesystem::path> kept = readRememberedFolder(places.configHome);
  if (kept && isFolder(*kept) && !isHome(*kept, places)) return cleanFolder(*kept, places.current);
  return askForFolder(places, host);
}

}  // namespace

std::optional<std::filesystem::path> chooseWorkingFolder(const EditorCommandLine& line,
                                                         const StartPlaces& places, Host& host) {
  std::optional<std::filesystem::path> folder;
  if (line.folder) {
    folder = cleanFolder(*line.folder, places.current);
  } else if (line.lastFolder) {
    folder = lastFolder(places, host);
  } else {
    folder = cleanFolder(places.current, places.current);
  }
  if (!folder || places.configHome.empty() || isHome(*folder, places)) return folder;
  if (!rememberFolder(places.configHome, *folder)) {
    std::fprintf(stderr, "zarq-settings: cannot keep the folder for the next start in %s\n",
                 toUtf8(textFromPath(rememberedFolderFile(places.configHome))).c_str());
  }
  return folder;
}

Text windowTitle(const std::filesystem::path& folder) {
  Text name = fileNameText(folder);
  if (name.empty()) name = textFromPath(folder);
  // A line break or another control character in a name would garble the title bar.
  for (char16_t& unit : name) {
    if (unit < 0x20 || unit == 0x7F) unit = u'\uFFFD';
  }
  return messageTitle(name);
}

}  // namespace zarq
