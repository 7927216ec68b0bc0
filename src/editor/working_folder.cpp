#include "editor/working_folder.h"

#include <cstdio>
#include <system_error>

#include "common/paths.h"
#include "common/utf.h"
#include "editor/message_boxes.h"
#include "files/remembered_folder.h"

namespace zarq {
namespace {

constexpr TextView kNotAUserFolder =
    u"编辑器会把 save.set、谱面和音乐放进这个文件夹，主文件夹、桌面和文档可不行哦 (。-ω-)\n"
    u"请选择录制器所在的文件夹。";
constexpr TextView kCannotEnter = u"Pim酱进不去这个文件夹 ╭(╯^╰)╮\n请选择另一个文件夹。";

// Without "." or ".." and without a separator at the end, so that its name is the folder's
// own, and so that the Windows build's equivalent() finds the folder (a name ending in a
// separator is equivalent to nothing there).
std::filesystem::path cleanFolder(const std::filesystem::path& folder,
                                  const std::filesystem::path& current = {}) {
  std::filesystem::path clean = (current / folder).lexically_normal();
  if (!clean.has_filename() && clean.has_relative_path()) clean = clean.parent_path();
  return clean;
}

bool same(const std::filesystem::path& a, const std::filesystem::path& b) {
  std::error_code error;
  return !a.empty() && !b.empty() &&
         std::filesystem::equivalent(cleanFolder(a), cleanFolder(b), error);
}

// The home folder, the desktop or the documents folder: the user's own files lie there.
bool isUserFolder(const std::filesystem::path& folder, const StartPlaces& places) {
  if (same(folder, places.home)) return true;
  for (const std::filesystem::path& userFolder : places.userFolders) {
    if (same(folder, userFolder)) return true;
  }
  return false;
}

// Makes `folder` the current one: a folder that cannot be entered cannot be worked in.
std::error_code enter(const std::filesystem::path& folder) {
  std::error_code error;
  std::filesystem::current_path(folder, error);
  return error;
}

std::optional<std::filesystem::path> askForFolder(const StartPlaces& places, Host& host) {
  for (;;) {
    const std::optional<std::filesystem::path> chosen = host.chooseFolder(kWorkingFolderPrompt);
    if (!chosen) return std::nullopt;
    std::filesystem::path folder = cleanFolder(*chosen, places.current);
    const TextView refusal = isUserFolder(folder, places) ? kNotAUserFolder
                             : enter(folder)              ? kCannotEnter
                                                          : TextView();
    if (refusal.empty()) return folder;
    host.messageBox(refusal, messageTitle(kWorkingFolderPrompt), MessageButtons::Ok);
  }
}

std::optional<std::filesystem::path> lastFolder(const StartPlaces& places, Host& host) {
  if (!places.configHome.empty()) {
    if (const std::optional<std::filesystem::path> kept = readRememberedFolder(places.configHome)) {
      const std::filesystem::path folder = cleanFolder(*kept, places.current);
      if (!isUserFolder(folder, places) && !enter(folder)) return folder;
    }
  }
  return askForFolder(places, host);
}

}  // namespace

WorkingFolder enterWorkingFolder(const EditorCommandLine& line, const StartPlaces& places,
                                 Host& host) {
  WorkingFolder result;
  const bool installedStart = !line.folder && same(places.programFolder, places.installFolder);
  if (line.lastFolder || installedStart) {
    result.folder = lastFolder(places, host);
  } else {
    const std::filesystem::path& start =
        places.programFolder.empty() ? places.current : places.programFolder;
    const std::filesystem::path folder =
        cleanFolder(line.folder ? *line.folder : start, places.current);
    if (const std::error_code error = enter(folder)) {
      result.problem = "cannot work in " + toUtf8(textFromPath(folder)) + ": " + error.message();
      return result;
    }
    result.folder = folder;
  }
  result.keep =
      result.folder && !places.configHome.empty() && !isUserFolder(*result.folder, places);
  return result;
}

void keepWorkingFolder(const WorkingFolder& work, const StartPlaces& places, FileSystem& files) {
  if (!work.keep || rememberFolder(files, places.configHome, *work.folder)) return;
  std::fprintf(stderr, "zarq-settings: cannot keep the folder for the next start in %s\n",
               toUtf8(textFromPath(rememberedFolderFile(places.configHome))).c_str());
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
