// zarq-preset import: what the editor's auto-fill would write into the form for a chart.

#include <cstdio>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "args.h"
#include "commands.h"
#include "common/paths.h"
#include "common/utf.h"
#include "files/chart_fill.h"
#include "files/chart_scan.h"
#include "input_files.h"
#include "output.h"
#include "preset_json.h"

namespace zarq::tool {
namespace {

// A chart from a pipe is read once, stripped as it comes, and held: at most this much of it.
constexpr std::size_t kMaxPipedChart = std::size_t{64} << 20;

void put(nlohmann::ordered_json& out, const char* name, const std::optional<Text>& value) {
  if (value) out[name] = toUtf8(*value);
}

// The values of a chart read from a pipe or standard input; `why` says what went wrong.
std::optional<ChartValues> scanPipe(std::FILE* in, std::string& why) {
  ChartMinifier minifier;
  std::string stripped;
  std::vector<char> block(ChartStream::kBlockSize);
  while (const std::size_t n = std::fread(block.data(), 1, block.size(), in)) {
    minifier.feed(std::string_view(block.data(), n), stripped);
    if (stripped.size() > kMaxPipedChart) {
      why = "too long to be read from a pipe (over 64 MiB without its blanks); name it as a file";
      return std::nullopt;
    }
  }
  if (std::ferror(in)) {
    why = "cannot be read";
    return std::nullopt;
  }
  return scanChart(stripped);
}

// The chart's values as the editor's auto-fill reads them, from a regular file a block at a
// time, or from a pipe or standard input once; nullopt with `why` set when there are none.
std::optional<ChartValues> scanInput(const std::filesystem::path& chart, std::string& why) {
  if (chart == "-") return scanPipe(stdin, why);
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(chart, error);
  if (std::filesystem::is_fifo(status)) {
    std::FILE* in = std::fopen(chart.string().c_str(), "rb");
    if (!in) {
      why = unreadableBecause(chart);
      return std::nullopt;
    }
    std::optional<ChartValues> values = scanPipe(in, why);
    std::fclose(in);
    return values;
  }
  std::optional<ChartValues> values = scanChartFile(chart, Strip::Yes);
  if (!values) {
    const bool device =
        std::filesystem::is_block_file(status) || std::filesystem::is_character_file(status);
    why = device ? "is a device, not a file" : unreadableBecause(chart);
  }
  return values;
}

int runImport(const ParsedArgs& parsed, FileSystem& files) {
  if (parsed.positional.empty()) return usageError("import needs a chart file", "import");
  const std::filesystem::path chart = pathArg(parsed.positional[0]);
  std::string why;
  const std::optional<ChartValues> values = scanInput(chart, why);
  if (!values) {
    return inputError(pathText(chart) + ": " + toUtf8(u"Pim酱打不开谱面 ╭(╯^╰)╮") + ": " + why);
  }
  // The editor's verdict: a file it fills nothing from is no chart.
  const ChartFill fill = chartFill(*values);
  if (!fillsAnything(fill)) {
    return inputError(pathText(chart) +
                      ": not a chart: the auto-fill finds nothing in it (no \"name\", \"level\", "
                      "\"composer\", \"charter\", \"background\" or \"song\", and no \"bpm\" "
                      "entries with a mean above 0)");
  }

  // The chart ID a drop of the chart gives, then only the fields the auto-fill writes: a key
  // the chart lacks leaves its fields as they are.
  nlohmann::ordered_json out = nlohmann::ordered_json::object();
  if (chart != "-") put(out, "chartId", chartIdFromFileName(fileNameText(chart)));
  put(out, "holdBpm", fill.holdBpm);
  put(out, "illustrationExt", fill.illustrationExt);
  put(out, "audioExt", fill.audioExt);
  put(out, "songName", fill.songName);
  put(out, "chartSongName", fill.songName);
  put(out, "splitNameLine1", fill.songName);
  put(out, "composer", fill.composer);
  put(out, "charter", fill.charter);
  if (fill.level) {
    out["difficulty"] = toUtf8(fill.level->difficulty);
    out["level"] = toUtf8(fill.level->level);
    out["chartLevel"] = toUtf8(chartLevelLine(*fill.level));
  }
  return printOut(files, jsonText(out, 2) + "\n") ? 0 : 1;
}

constexpr Example kImportExamples[] = {
    {"import charts/song.json", "what the auto-fill takes from the chart, as JSON"},
    {"import song.json | zarq-preset make - -o song.set", "a preset filled from the chart"},
};

}  // namespace

const Command kImportCommand{
    "import",
    "CHART.json",
    "print as JSON what the editor's auto-fill would take from a chart",
    "Prints, by the editor's field names, what the auto-fill writes into the form for a\n"
    "chart, after the chart ID that dropping the chart on the editor gives (its file name\n"
    "without .json; none for standard input, a name not ending in .json or one with a line\n"
    "end or a tab in it); `make` reads the object as it is. The chart is read as the\n"
    "editor reads it: a few keys are looked for in its bytes, so a chart that is not\n"
    "strict JSON serves as\n"
    "well. A file the auto-fill finds nothing in is refused with exit code 1. CHART.json\n"
    "may be - for standard input, or a pipe.\n",
    {},
    1,
    ValueKind::File,
    kImportExamples,
    runImport,
};

}  // namespace zarq::tool
