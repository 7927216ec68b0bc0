// zarq-preset import: what the editor's auto-fill would write into the form for a chart.

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <nlohmann/json.hpp>
#include <optional>

#include "args.h"
#include "commands.h"
#include "common/utf.h"
#include "files/chart_fill.h"
#include "files/chart_scan.h"

namespace zarq::tool {
namespace {

void put(nlohmann::ordered_json& out, const char* name, const std::optional<Text>& value) {
  if (value) out[name] = toUtf8(*value);
}

}  // namespace

int runImport(const Args& args) {
  const ParsedArgs parsed = parseArgs(args, {}, {}, 1);
  if (!parsed.error.empty()) return usageError(parsed.error);
  if (parsed.positional.empty()) return usageError("import needs a chart file");
  const std::filesystem::path chart = pathArg(parsed.positional[0]);
  const std::optional<std::string> bytes = readChartFile(chart);
  if (!bytes) {
    std::fprintf(stderr, "zarq-preset: %s: %s\n", pathText(chart).c_str(),
                 "Pim酱打不开谱面 ╭(╯^╰)╮");
    return 1;
  }

  // Only the fields the auto-fill writes: a key the chart lacks leaves its fields as they are.
  const ChartFill fill = chartFillFromBytes(*bytes);
  nlohmann::ordered_json out = nlohmann::ordered_json::object();
  put(out, "holdBpm", fill.holdBpm);
  put(out, "illustrationExt", fill.illustrationExt);
  put(out, "audioExt", fill.audioExt);
  put(out, "songName", fill.songName);
  put(out, "composer", fill.composer);
  put(out, "charter", fill.charter);
  if (fill.level) {
    out["difficulty"] = toUtf8(fill.level->difficulty);
    out["level"] = toUtf8(fill.level->level);
    out["chartLevel"] = toUtf8(chartLevelLine(*fill.level));
  }
  std::cout << out.dump(2) << '\n';
  return 0;
}

}  // namespace zarq::tool
