#include "editor/chart_import.h"

#include <optional>
#include <system_error>

#include "common/paths.h"
#include "editor/long_work.h"
#include "editor/message_boxes.h"
#include "files/chart_fill.h"
#include "files/chart_scan.h"
#include "files/file_lookup.h"
#include "form/media_file.h"
#include "form/render_frame.h"
#include "form/settings_form.h"
#include "form/slot_text.h"
#include "validate/messages.h"
#include "validate/validation.h"

namespace zarq {
namespace {

constexpr TextView kFolderPrompt = u"打开 Zarq 谱面文件夹";
constexpr TextView kCannotOpenChart = u"Pim酱打不开谱面 ╭(╯^╰)╮";
constexpr TextView kChartNotFound = u"Pim酱找不到谱面 ╭(╯^╰)╮";
constexpr std::size_t kChartIdCapacity = 50;

struct MediaMessages {
  TextView notFound;
  TextView cannotOpen;
};
constexpr MediaMessages kIllustrationMessages{u"Pim酱找不到曲绘 ╭(╯^╰)╮",
                                              u"Pim酱打不开曲绘 ╭(╯^╰)╮"};
constexpr MediaMessages kMusicMessages{u"Pim酱找不到音乐 ╭(╯^╰)╮", u"Pim酱打不开音乐 ╭(╯^╰)╮"};

// The "not found" messages come with Yes and No, and either answer goes on the same way.
void askIgnoringAnswer(SettingsForm& form, TextView text) { ask(form, text, about::chartFolder); }

// Leaves the chart's stripped copy in "runfile.txt", scanning it as it is written; nullopt,
// once the user has been told why, when the chart cannot be read or the copy cannot be made.
// The chart is read once, a block at a time, as long work, so that a chart of any size is
// read in a few blocks' worth of memory while the window keeps painting.
std::optional<ChartValues> scannedChart(SettingsForm& form, const std::filesystem::path& chart,
                                        TextView about) {
  const std::filesystem::path runfile = form.fileInWorkDir("runfile.txt");
  FileSystem& files = form.platform.files;
  WriteOutcome minified;
  std::optional<ChartValues> values;
  runLongWork(form, [&] {
    KeyScan scan;
    minified = minifyChartFile(chart, runfile, files, &scan);
    if (!minified) return;
    values = scannedValues(scan, runfile, Strip::No);
  });
  if (!minified) {
    tellCopyFailure(form, minified, runfile, kCannotOpenChart, about);
  } else if (!values) {
    tell(form, kCannotOpenChart, about);
  }
  return values;
}

void keepScratch(ChartScratch& scratch, const ChartValues& values) {
  if (values.background) scratch.background = *values.background;
  if (values.charter) scratch.charter = *values.charter;
  if (values.composer) scratch.composer = *values.composer;
  if (values.level) scratch.level = *values.level;
  if (values.name) scratch.name = *values.name;
  if (values.song) scratch.song = *values.song;
}

void fillIfPresent(SettingsForm& form, int slot, const std::optional<Text>& value) {
  if (value) setSlotText(form, slot, *value);
}

// Keeps the chart's values and writes the hold tempo.
ChartFill takeChart(SettingsForm& form, const ChartValues& values) {
  keepScratch(form.chartScratch, values);
  ChartFill fill = chartFill(values);
  fillIfPresent(form, slot::holdBpm, fill.holdBpm);
  return fill;
}

// The fields of the opening and chart screens; validated at once when page 2 is on view.
void fillNames(SettingsForm& form, const ChartFill& fill) {
  if (fill.songName) {
    for (int s : {slot::songName, slot::chartSongName, slot::splitNameLine1}) {
      setSlotText(form, s, *fill.songName);
    }
  }
  if (fill.level) {
    setSlotText(form, slot::level, fill.level->level);
    setSlotText(form, slot::difficulty, fill.level->difficulty);
    setSlotText(form, slot::chartLevel, chartLevelLine(*fill.level));
  }
  fillIfPresent(form, slot::composer, fill.composer);
  fillIfPresent(form, slot::charter, fill.charter);
  if (form.currentPage == 2) {
    for (int s : {slot::songName, slot::level, slot::difficulty, slot::composer, slot::charter}) {
      validateAndCommit(form, s, false, true);
    }
  }
}

// The chart ID is the folder's name, also when the path ends in a separator.
Text folderName(const std::filesystem::path& folder) {
  const std::filesystem::path name = folder.filename();
  return name.empty() ? fileNameText(folder.parent_path()) : textFromPath(name);
}

// A value from the chart must not lead the copy out of the two folders.
bool isBareFileName(TextView name) {
  return name.find(u'/') == TextView::npos && name.find(u'\\') == TextView::npos;
}

// The medium "<ID>.<suffix>" in the chart folder, found as the editor finds its own files:
// the suffix is upper case while the files usually are not.
std::optional<std::filesystem::path> findMedium(FileSystem& files,
                                                const std::filesystem::path& folder,
                                                TextView name) {
  if (!isBareFileName(name)) return std::nullopt;
  std::filesystem::path found = findFile(files, folder, name);
  if (!pathExists(found)) return std::nullopt;
  return found;
}

// Sets the suffix field and copies the medium from the chart folder to "<ID>.<suffix>",
// named as the field shows it so that the editor's checks find it.
void importMedium(SettingsForm& form, const std::filesystem::path& folder, const Text& id, int slot,
                  const std::optional<Text>& suffix, const MediaMessages& messages) {
  fillIfPresent(form, slot, suffix);
  const Text name = id + u"." + form.fields[slot].text;
  const std::optional<std::filesystem::path> source = findMedium(form.platform.files, folder, name);
  if (!source) {
    askIgnoringAnswer(form, messages.notFound);
    return;
  }
  const std::filesystem::path copy = form.fileInWorkDir(pathFromText(name));
  const WriteOutcome copied = copyAsLongWork(form, *source, copy, CopyMode::Binary);
  if (!copied) tellCopyFailure(form, copied, copy, messages.cannotOpen, about::chartFolder);
}

// The offer has been taken up: it stays away, as if closed, until the chart ID changes, so
// that a click on it later cannot fill the form over what was typed since.
void withdrawAutoFillOffer(SettingsForm& form) { closeWarning(form, kAutoFillRecord); }

}  // namespace

void autoFillFromChart(SettingsForm& form) {
  const Text chartName = form.fields[slot::chartId].text + u".json";
  const std::optional<ChartValues> values =
      scannedChart(form, namedFile(form, chartName), about::drop);
  if (!values) return;
  const ChartFill fill = takeChart(form, *values);
  fillIfPresent(form, slot::illustrationExt, fill.illustrationExt);
  fillIfPresent(form, slot::audioExt, fill.audioExt);
  if (form.currentPage == 1) {
    validateAndCommit(form, slot::illustrationExt, false, true);
    validateAndCommit(form, slot::audioExt, false, true);
  }
  fillNames(form, fill);
  withdrawAutoFillOffer(form);
  requestFrame(form);
}

void importChartFolder(SettingsForm& form) {
  const std::optional<std::filesystem::path> folder = form.host().chooseFolder(kFolderPrompt);
  if (!folder) return;
  const Text id = folderName(*folder);
  const std::filesystem::path chartName = pathFromText(id + u".json");
  const std::filesystem::path source = findFile(form.platform.files, *folder, id + u".json");
  if (!pathExists(source)) {
    askIgnoringAnswer(form, kChartNotFound);
    return;
  }
  const std::filesystem::path copy = form.fileInWorkDir(chartName);
  if (const WriteOutcome copied = copyAsLongWork(form, source, copy, CopyMode::Text); !copied) {
    tellCopyFailure(form, copied, copy, kCannotOpenChart, about::chartFolder);
    validateAndCommit(form, slot::chartId, false, true);
    return;
  }
  setSlotText(form, slot::chartId, capped(id, kChartIdCapacity));
  const std::optional<ChartValues> values = scannedChart(form, copy, about::chartFolder);
  if (!values) return;
  const ChartFill fill = takeChart(form, *values);
  importMedium(form, *folder, id, slot::illustrationExt, fill.illustrationExt,
               kIllustrationMessages);
  importMedium(form, *folder, id, slot::audioExt, fill.audioExt, kMusicMessages);
  if (form.currentPage == 1) {
    // The suffixes are validated first while the chart ID still counts as changed, and
    // once more after it is committed.
    validateAndCommit(form, slot::chartId, false, true);
    validateAndCommit(form, slot::illustrationExt, false, true);
    validateAndCommit(form, slot::audioExt, false, true);
  }
  fillNames(form, fill);
  withdrawAutoFillOffer(form);
}

}  // namespace zarq
