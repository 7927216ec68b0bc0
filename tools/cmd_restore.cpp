// zarq-preset restore: puts an earlier version of a preset back.

#include <charconv>
#include <cstdio>

#include "args.h"
#include "commands.h"
#include "files/atomic_file.h"
#include "files/file_errors.h"
#include "files/preset_file.h"
#include "files/preset_history.h"
#include "history_target.h"
#include "input_files.h"
#include "output.h"

namespace zarq::tool {
namespace {

std::optional<int> versionNumber(const std::string& text) {
  int number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (error != std::errc() || end != text.data() + text.size() || number < 1) return std::nullopt;
  return number;
}

int runRestore(const ParsedArgs& args, FileSystem& files) {
  if (args.positional.empty())
    return usageError("restore needs the number of a version", "restore");
  const std::optional<int> number = versionNumber(args.positional[0]);
  if (!number) {
    return usageError("'" + args.positional[0] + "' is no version number (1, 2, ...)", "restore");
  }
  const std::filesystem::path preset =
      presetNamedBy(files, args.positional.size() > 1 ? &args.positional[1] : nullptr);
  const std::filesystem::path root = presetHistoryRoot();
  std::vector<HistoryVersion> versions;
  if (const FileError error = listHistory(files, root, preset, versions);
      error != FileError::None) {
    return inputError(pathText(preset) + ": its history cannot be read: " + fileErrorWords(error));
  }
  if (*number > static_cast<int>(versions.size())) {
    return inputError(pathText(preset) + ": no version " + std::to_string(*number) +
                      " is kept (it keeps " + std::to_string(versions.size()) +
                      "; see zarq-preset history)");
  }
  const HistoryVersion& version = versions[*number - 1];
  // A damaged version put back would leave a preset that nothing can open where a sound one
  // was.
  if (const PresetRead read = readPresetFile(version.file, files); !read.values) {
    return inputError(pathText(preset) + ": version " + std::to_string(*number) +
                      " is not put back: " + describeFailure(version.file, read));
  }
  FileStatus status;
  files.status(preset, status);
  // What it replaces goes into the history first, as any preset replaced does.
  const WriteOutcome outcome =
      copyFileAtomically(files, version.file, preset, CopyMode::Binary, nullptr, Existing::Replace,
                         historyKeeper(files, root, preset));
  if (!reportWrite(preset, outcome)) return 1;
  std::string said = pathText(preset) + ": version " + std::to_string(*number) + " of " +
                     keptTime(version.keptAt) + " put back";
  if (status.kind == FileStatus::Kind::Regular && outcome.notKept == FileError::None) {
    said += "; the one it replaced is version 1 now";
  }
  return printOut(files, said + "\n") ? 0 : 1;
}

constexpr Example kRestoreExamples[] = {
    {"restore 1", "save.set of the current folder as it was before it was last replaced"},
    {"restore 3 charts/song.set", "the third newest version of a preset back"},
};

}  // namespace

const Command kRestoreCommand{
    "restore",
    "N [DIR|FILE]",
    "put back version N of a preset, as `history` numbers them",
    "Puts version N of a preset's history (1 for the newest, as `history` lists them) back\n"
    "in its place, written as every preset is, whole or not at all. What it replaces is kept\n"
    "in the history first, as version 1, so a restore can itself be undone. DIR stands for\n"
    "its save.set; without either, save.set of the current folder. An editor open in that\n"
    "folder asks at its close before it replaces the preset put back.\n",
    {},
    2,
    ValueKind::File,
    kRestoreExamples,
    runRestore,
};

}  // namespace zarq::tool
