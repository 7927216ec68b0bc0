// zarq-preset import: what the editor's auto-fill would write into the form for a chart.

#include <cstdio>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <optional>

#include "args.h"
#include "commands.h"
#include "common/utf.h"
#include "files/chart_fill.h"
#include "files/chart_scan.h"
#include "input_files.h"
#include "output.h"
#include "preset_json.h"

namespace zarq::tool {
namespace {

void put(nlohmann::ordered_json& out, const char* name, const std::optional<Text>& value) {
  if (value) out[name] = toUtf8(*value);
}

bool foundAnything(const ChartValues& v) {
  return v.meanBpm || v.background || v.charter || v.composer || v.level || v.name || v.song;
}

// Why the bytes are no chart, or "" when they are one: JSON, an object, and with the
// chart's version key or any of the keys the auto-fill reads.
std::string notAChart(const std::string& bytes, const ChartValues& values) {
  nlohmann::json json;
  try {
    json = nlohmann::json::parse(bytes);
  } catch (const nlohmann::json::parse_error& error) {
    return "not a chart: it is not JSON (" + jsonParseError(error) + ")";
  }
  if (!json.is_object()) {
    return "not a chart: its JSON is " + std::string(json.type_name()) + ", not an object";
  }
  if (!json.contains("ZarqVersion") && !foundAnything(values)) {
    return "not a chart: it has no \"ZarqVersion\" and none of the keys a chart fills in "
           "(\"bpm\", \"name\", \"level\", \"composer\", \"charter\", \"background\", \"song\")";
  }
  return "";
}

}  // namespace

int runImport(const Args& args, FileSystem& files) {
  const ParsedArgs parsed = parseArgs(args, {}, {}, 1);
  if (!parsed.error.empty()) return usageError(parsed.error);
  if (parsed.positional.empty()) return usageError("import needs a chart file");
  const std::filesystem::path chart = pathArg(parsed.positional[0]);
  const std::optional<std::string> bytes = readChartFile(chart);
  if (!bytes) {
    return inputError(pathText(chart) + ": " + toUtf8(u"Pim酱打不开谱面 ╭(╯^╰)╮") + ": " +
                      unreadableBecause(chart));
  }
  const ChartValues values = scanChart(minifyChart(*bytes));
  const std::string problem = notAChart(*bytes, values);
  if (!problem.empty()) return inputError(pathText(chart) + ": " + problem);

  // Only the fields the auto-fill writes: a key the chart lacks leaves its fields as they are.
  const ChartFill fill = chartFill(values);
  nlohmann::ordered_json out = nlohmann::ordered_json::object();
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

}  // namespace zarq::tool
