// zarq-preset dump: presets as JSON on standard output.

#include <algorithm>
#include <filesystem>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "args.h"
#include "commands.h"
#include "input_files.h"
#include "nearest_word.h"
#include "output.h"
#include "preset_json.h"
#include "preset_names.h"
#include "progress.h"

namespace zarq::tool {
namespace {

// The names of a comma-separated --fields list; what is no field is refused, naming the
// nearest one.
std::optional<std::vector<std::string>> fieldList(const std::string& list) {
  const std::vector<std::string> known = presetKeys();
  std::vector<std::string> names;
  std::size_t start = 0;
  while (start <= list.size()) {
    const std::size_t comma = std::min(list.find(',', start), list.size());
    const std::string name = list.substr(start, comma - start);
    start = comma + 1;
    if (std::find(known.begin(), known.end(), name) != known.end()) {
      names.push_back(name);
      continue;
    }
    const std::optional<std::string> near = nearestWord(name, known);
    usageError(
        "no field is called \"" + name + "\"" + (near ? "; did you mean \"" + *near + "\"?" : ""),
        "dump");
    return std::nullopt;
  }
  return names;
}

nlohmann::ordered_json onlyFields(const nlohmann::ordered_json& preset,
                                  const std::optional<std::vector<std::string>>& fields) {
  if (!fields) return preset;
  nlohmann::ordered_json kept = nlohmann::ordered_json::object();
  for (const std::string& name : *fields) {
    if (preset.contains(name)) kept[name] = preset[name];
  }
  return kept;
}

int runDump(const ParsedArgs& parsed, FileSystem& files) {
  if (parsed.positional.empty()) return usageError("dump needs a FILE.set or a folder", "dump");
  std::optional<std::vector<std::string>> fields;
  if (parsed.has("--fields")) {
    fields = fieldList(parsed.value("--fields"));
    if (!fields) return 2;
  }

  // One file prints the preset itself; anything more, one line per input.
  std::error_code error;
  const bool oneFile = parsed.positional.size() == 1 &&
                       !std::filesystem::is_directory(pathArg(parsed.positional[0]), error);
  bool failed = false;
  const std::vector<std::filesystem::path> inputs = presetInputs(parsed.positional, failed);
  if (inputs.empty()) {
    return failed ? 1 : inputError("no .set files in " + pathText(pathArg(parsed.positional[0])));
  }
  Progress progress("read", inputs.size());
  for (const std::filesystem::path& input : inputs) {
    const PresetInput read = readPresetInput(input);
    std::string line;
    if (!read.values) {
      failed = true;
      inputError(read.problem);
      if (!oneFile) line = jsonText({{"input", pathText(input)}, {"error", read.problem}}, -1);
    } else {
      const nlohmann::ordered_json preset = onlyFields(presetToJson(*read.values), fields);
      line = oneFile ? jsonText(preset, 2)
                     : jsonText({{"input", pathText(input)}, {"preset", preset}}, -1);
    }
    if (!line.empty() && !printOut(files, line + "\n")) return 1;
    progress.step();
  }
  return failed ? 1 : 0;
}

constexpr Option kDumpOptions[] = {
    {"--fields", nullptr, ValueKind::Fields, "NAME,...", "print only these fields"},
};

constexpr Example kDumpExamples[] = {
    {"dump save.set", "the form saved in the current folder, as JSON"},
    {"dump --fields=chartId,songName charts/",
     "two fields of every preset in charts/, a line each"},
};

}  // namespace

const Command kDumpCommand{
    "dump",
    "[--fields NAME,...] FILE.set|FOLDER|-...",
    "print presets as JSON, by the editor's field names",
    "Prints a preset (- for standard input) as JSON by the names of the editor's fields\n"
    "(the words `make` reads); --fields keeps only the fields named.\n"
    "With several inputs, or a folder (which stands for the .set files in it), prints one\n"
    "JSON document per line: {\"input\": FILE, \"preset\": {...}}, or {\"input\": FILE,\n"
    "\"error\": MESSAGE} for a file that cannot be read. Exits 1 if any input failed.\n",
    kDumpOptions,
    std::numeric_limits<std::size_t>::max(),
    ValueKind::File,
    kDumpExamples,
    runDump,
};

}  // namespace zarq::tool
