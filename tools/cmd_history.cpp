// zarq-preset history: the earlier versions of a preset that its history keeps.

#include <cstdio>

#include "args.h"
#include "commands.h"
#include "common/utf.h"
#include "files/file_errors.h"
#include "files/preset_file.h"
#include "files/preset_history.h"
#include "form/form_ids.h"
#include "history_target.h"
#include "output.h"
#include "terminal.h"

namespace zarq::tool {
namespace {

// A text of the preset on one line of the listing.
std::string oneLine(const Text& text) {
  const std::string line = plainLine(toUtf8(text));
  return line.empty() ? "-" : line;
}

int runHistory(const ParsedArgs& args, FileSystem& files) {
  const std::filesystem::path preset =
      presetNamedBy(files, args.positional.empty() ? nullptr : &args.positional[0]);
  std::vector<HistoryVersion> versions;
  if (const FileError error = listHistory(files, presetHistoryRoot(), preset, versions);
      error != FileError::None) {
    return inputError(pathText(preset) + ": its history cannot be read: " + fileErrorWords(error));
  }
  if (versions.empty()) {
    std::fprintf(stderr, "zarq-preset: %s: no earlier version is kept\n", pathText(preset).c_str());
    return 0;
  }
  std::string listing;
  for (const HistoryVersion& version : versions) {
    const PresetRead read = readPresetFile(version.file, files);
    const std::string chartId =
        read.values ? oneLine(read.values->texts[slot::chartId]) : "(no preset)";
    const std::string song = read.values ? oneLine(read.values->texts[slot::songName]) : "-";
    listing += std::to_string(version.number) + "  " + keptTime(version.keptAt) + "  " + chartId +
               "  " + song + "\n";
  }
  return printOut(files, listing) ? 0 : 1;
}

constexpr Example kHistoryExamples[] = {
    {"history", "the versions of save.set in the current folder that saves replaced"},
    {"history charts/song.set", "those of a preset saved with Ctrl+S or made with make"},
};

}  // namespace

const Command kHistoryCommand{
    "history",
    "[DIR|FILE]",
    "list the earlier versions of a preset kept when it was replaced",
    "Lists, newest first, the versions of a preset that the editor or zarq-preset replaced:\n"
    "its number for `restore`, when it was replaced, its chart ID and its song name. Each\n"
    "time a preset is replaced, what it held is kept first in the user's data folder\n"
    "(zarq-settings/history in $XDG_DATA_HOME or ~/.local/share; on Windows in the local\n"
    "application data folder), never beside it: the last 20 versions of each preset. DIR\n"
    "stands for its save.set; without either, save.set of the current folder.\n",
    {},
    1,
    ValueKind::File,
    kHistoryExamples,
    runHistory,
};

}  // namespace zarq::tool
