#include "editor/chart_import.h"

#include <cstdint>
#include <optional>
#include <system_error>

#include "common/paths.h"
#include "common/printable.h"
#include "editor/long_work.h"
#include "editor/message_boxes.h"
#include "editor/preset_actions.h"
#include "files/chart_fill.h"
#include "files/chart_scan.h"
#include "files/file_access.h"
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
// Charts run to a few megabytes; no recorder reads one this large.
constexpr std::uintmax_t kLargestChart = std::uintmax_t{256} << 20;
constexpr TextView kChartTooLarge =
    u"这个谱面超过 256 MB 啦，录制器读不了这么大的谱面，Pim酱就不复制了 ╭(╯^╰)╮";
constexpr TextView kIdShortenedBefore = u"谱面文件夹的名字太长啦，Pim酱只取了前50个字当谱面ID：\n";
constexpr TextView kIdShortenedAfter = u"\n谱面、曲绘和音乐都用这个名字复制过来哦 (。-ω-)";

struct MediaMessages {
  TextView what;
  TextView notFound;
  TextView cannotOpen;
};
constexpr MediaMessages kIllustrationMessages{u"曲绘", u"Pim酱找不到曲绘 ╭(╯^╰)╮",
                                              u"Pim酱打不开曲绘 ╭(╯^╰)╮"};
constexpr MediaMessages kMusicMessages{u"音乐", u"Pim酱找不到音乐 ╭(╯^╰)╮",
                                       u"Pim酱打不开音乐 ╭(╯^╰)╮"};

// The "not found" messages come with Yes and No, and either answer goes on the same way.
void askIgnoringAnswer(SettingsForm& form, TextView text) { ask(form, text, about::chartFolder); }

// Leaves the chart's stripped copy in "runfile.txt", scanning it as it is written; nullopt,
// once the user has been told why, when the chart cannot be read or the copy cannot be made.
// The chart is read once, a block at a time, as long work, so that a chart of any size is
// read in a few blocks' worth of memory while the window keeps painting.
std::optional<ChartValues> scannedChart(SettingsForm& form, const std::filesystem::path& chart,
                                        TextView about) {
  if (refuseHugeChart(form, chart, about)) return std::nullopt;
  const std::filesystem::path runfile = form.fileInWorkDir(kRunFile);
  FileSystem& files = form.platform.files;
  WriteOutcome minified;
  std::optional<ChartValues> values;
  runLongWork(form, [&] {
    KeyScan scan;
    minified = minifyChartFile(chart, runfile, files, &scan, &form.stopLongWork);
    if (!minified) return;
    values = scannedValues(scan, runfile, Strip::No, &form.stopLongWork);
  });
  // "runfile.txt" is made anew from the chart at every auto-fill: a folder not pushed to the
  // disk costs nothing worth a word here.
  if (!minified) {
    tellCopyOutcome(form, minified, runfile, kCannotOpenChart, about);
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
      validateAndCommit(form, s);
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
  if (!fileExists(files, found)) return std::nullopt;
  return found;
}

// The chart folder's files are named after the whole folder name; their copies after the
// chart ID, which may be shorter.
struct ChartNames {
  Text inFolder;
  Text id;
};

// Sets the suffix field and copies the medium from the chart folder to "<ID>.<suffix>",
// named as the fields show it so that the editor's checks find it.
void importMedium(SettingsForm& form, const std::filesystem::path& folder, const ChartNames& names,
                  int slot, const std::optional<Text>& suffix, const MediaMessages& messages) {
  fillIfPresent(form, slot, suffix);
  const Text dotSuffix = u"." + form.fields[slot].text;
  const std::optional<std::filesystem::path> source =
      findMedium(form.platform.files, folder, names.inFolder + dotSuffix);
  if (!source) {
    askIgnoringAnswer(form, messages.notFound);
    return;
  }
  const std::filesystem::path copy = form.fileInWorkDir(pathFromText(names.id + dotSuffix));
  // A chart "save" whose music is "x.set" names "save.SET": where case does not count, the
  // form the editor keeps, which no medium replaces.
  if (isSaveSet(form, copy)) {
    tell(form,
         fileNameText(copy) + u" 就是编辑器自己的 save.set，Pim酱不会用" + Text(messages.what) +
             u"替换它 ╭(╯^╰)╮",
         about::chartFolder);
    return;
  }
  const WriteOutcome copied = copyAsLongWork(form, *source, copy, CopyMode::Binary);
  tellCopyOutcome(form, copied, copy, messages.cannotOpen, about::chartFolder);
}

// The offer has been taken up: it stays away, as if closed, until the chart ID changes, so
// that a click on it later cannot fill the form over what was typed since.
void withdrawAutoFillOffer(SettingsForm& form) { closeWarning(form, kAutoFillRecord); }

}  // namespace

bool refuseHugeChart(SettingsForm& form, const std::filesystem::path& chart, TextView about) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(chart, error);
  if (error || size <= kLargestChart) return false;
  tell(form, kChartTooLarge, about);
  return true;
}

void autoFillFromChart(SettingsForm& form) {
  const Text chartName = form.fields[slot::chartId].text + u".json";
  const std::optional<ChartValues> values =
      scannedChart(form, namedFile(form, chartName), about::drop);
  if (!values) return;
  const ChartFill fill = takeChart(form, *values);
  fillIfPresent(form, slot::illustrationExt, fill.illustrationExt);
  fillIfPresent(form, slot::audioExt, fill.audioExt);
  if (form.currentPage == 1) {
    validateAndCommit(form, slot::illustrationExt);
    validateAndCommit(form, slot::audioExt);
  }
  fillNames(form, fill);
  withdrawAutoFillOffer(form);
  requestFrame(form);
}

void importChartFolder(SettingsForm& form) {
  const std::optional<std::filesystem::path> folder = form.host().chooseFolder(kFolderPrompt);
  if (!folder) return;
  const Text inFolder = folderName(*folder);
  if (!isTypable(inFolder)) {
    tell(form, kCannotOpenChart, about::chartFolder);
    return;
  }
  // Everything is copied under the chart ID the form will hold, so that its checks find
  // what was just copied.
  const ChartNames names{inFolder, capped(inFolder, kChartIdCapacity)};
  const std::filesystem::path source =
      findFile(form.platform.files, *folder, names.inFolder + u".json");
  if (!fileExists(form.platform.files, source)) {
    askIgnoringAnswer(form, kChartNotFound);
    return;
  }
  if (refuseHugeChart(form, source, about::chartFolder)) return;
  const std::filesystem::path copy = form.fileInWorkDir(pathFromText(names.id + u".json"));
  const WriteOutcome copied = copyAsLongWork(form, source, copy, CopyMode::Text);
  tellCopyOutcome(form, copied, copy, kCannotOpenChart, about::chartFolder);
  if (!copied) {
    validateAndCommit(form, slot::chartId);
    return;
  }
  setSlotText(form, slot::chartId, names.id);
  if (names.id != names.inFolder) {
    tell(form, Text(kIdShortenedBefore) + names.id + Text(kIdShortenedAfter), about::chartFolder);
  }
  const std::optional<ChartValues> values = scannedChart(form, copy, about::chartFolder);
  if (!values) {
    // The chart is here under its ID all the same: its check speaks of it, not of the last.
    validateAndCommit(form, slot::chartId);
    return;
  }
  const ChartFill fill = takeChart(form, *values);
  importMedium(form, *folder, names, slot::illustrationExt, fill.illustrationExt,
               kIllustrationMessages);
  importMedium(form, *folder, names, slot::audioExt, fill.audioExt, kMusicMessages);
  if (form.currentPage == 1) {
    // The suffixes are validated first while the chart ID still counts as changed, and
    // once more after it is committed.
    validateAndCommit(form, slot::chartId);
    validateAndCommit(form, slot::illustrationExt);
    validateAndCommit(form, slot::audioExt);
  }
  fillNames(form, fill);
  withdrawAutoFillOffer(form);
}

}  // namespace zarq
