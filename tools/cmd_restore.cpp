// zarq-preset restore: puts an earlier version of a preset back.

#include <charconv>
#include <cstdio>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "args.h"
#include "commands.h"
#include "files/atomic_file.h"
#include "files/file_access.h"
#include "files/file_errors.h"
#include "files/preset_codec.h"
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
  const std::string notPutBack =
      pathText(preset) + ": version " + std::to_string(*number) + " is not put back: ";
  // Read before the history takes the preset it replaces, which may forget this version;
  // read as a preset is, so that a pipe or a device of a version's name is refused, not
  // waited on.
  std::vector<std::uint8_t> kept;
  if (const FileError unread = readFileHead(files, version.file, maxPresetSize(), kept);
      unread != FileError::None) {
    return inputError(notPutBack + fileErrorWords(unread));
  }
  const std::span<const std::uint8_t> bytes{kept};
  // A damaged version put back would leave a preset that nothing can open where a sound one
  // was.
  if (const PresetRead read = readPresetBytes(bytes); !read.values) {
    return inputError(notPutBack + describeFailure(version.file, read));
  }
  FileStatus status;
  files.status(preset, status);
  // The preset it replaces is newer than anything in its history: where the history cannot
  // keep it, putting an old one back would lose it.
  if (status.kind == FileStatus::Kind::Regular) {
    // One that may not be replaced is said so before its history takes a copy, which would
    // push the version asked for down the list for nothing.
    if (const FileError error = files.checkWritable(preset); error != FileError::None) {
      return reportWrite(preset, WriteOutcome{error}) ? 0 : 1;
    }
    if (const FileError notKept = keepInHistory(files, root, preset); notKept != FileError::None) {
      return inputError(notPutBack + "the preset it would replace could not be kept in its " +
                        "history first: " + fileErrorWords(notKept));
    }
  }
  if (!reportWrite(preset, writeFileAtomically(files, preset, bytes))) return 1;
  std::string said = pathText(preset) + ": version " + std::to_string(*number) + " of " +
                     keptTime(version.keptAt) + " put back";
  if (status.kind == FileStatus::Kind::Regular) said += "; the one it replaced is version 1 now";
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
    "in the history first, as version 1, so a restore can itself be undone; where it cannot\n"
    "be kept, nothing is put back. DIR stands for its save.set; without either, save.set of\n"
    "the current folder. An editor open in that folder asks at its close before it replaces\n"
    "the preset put back.\n",
    {},
    2,
    ValueKind::File,
    kRestoreExamples,
    runRestore,
};

}  // namespace zarq::tool
