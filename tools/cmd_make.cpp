// zarq-preset make: a preset file from JSON, every missing value taken from a fresh form.

#include <cstdint>
#include <limits>
#include <optional>
#include <random>
#include <set>
#include <string_view>
#include <utility>

#include "args.h"
#include "commands.h"
#include "editor/preset_actions.h"
#include "form/form_preset.h"
#include "form/slider_link.h"
#include "headless_editor.h"
#include "input_files.h"
#include "output.h"
#include "preset_json.h"
#include "preset_names.h"
#include "progress.h"

namespace zarq::tool {
namespace {

namespace fs = std::filesystem;

// The fresh form's folder is one that is not there: nothing lying around (a "save.set", a
// chart) can change the defaults, and nothing has to be made for it.
fs::path nowhere() {
  std::random_device seed;
  std::error_code ec;
  const fs::path temporary = fs::temp_directory_path(ec);
  return (ec ? fs::path() : temporary) /
         ("zarq-preset-none-" + std::to_string(seed()) + "-" + std::to_string(seed()));
}

bool given(const nlohmann::json& json, std::string_view name, const char* group,
           std::size_t index) {
  const auto named = json.find(std::string(name));
  if (named != json.end() && !named->is_null()) return true;
  const auto numbered = json.find(group);
  return numbered != json.end() && numbered->is_array() && index < numbered->size() &&
         !(*numbered)[index].is_null();
}

// The sliders of page 1 and their fields move together, as in the editor: a field given
// alone carries its slider along, a slider given alone its field.
void keepSlidersWithFields(SettingsForm& form, const nlohmann::json& json) {
  for (int slider = 0; slider < kSliderCount; ++slider) {
    const int slot = linkedSlot(slider);
    const bool field = given(json, textName(slot), "texts", slot);
    const bool value = given(json, sliderName(slider), "sliders", slider);
    if (field && !value) sliderFollowsField(form, slot);
    if (value && !field) showSliderValue(form, slider);
  }
}

// What a number too large for a double (1e999) is the value of: JSON's reader stops at it
// before any key can be checked.
std::string outOfRangeNumber(const std::string& text) {
  struct Finder : nlohmann::json::json_sax_t {
    std::string lastKey, token;
    bool null() override { return true; }
    bool boolean(bool) override { return true; }
    bool number_integer(number_integer_t) override { return true; }
    bool number_unsigned(number_unsigned_t) override { return true; }
    bool number_float(number_float_t, const string_t&) override { return true; }
    bool string(string_t&) override { return true; }
    bool binary(binary_t&) override { return true; }
    bool start_object(std::size_t) override { return true; }
    bool key(string_t& name) override {
      lastKey = name;
      return true;
    }
    bool end_object() override { return true; }
    bool start_array(std::size_t) override { return true; }
    bool end_array() override { return true; }
    bool parse_error(std::size_t, const std::string& last,
                     const nlohmann::json::exception&) override {
      token = last;
      return false;
    }
  } finder;
  nlohmann::json::sax_parse(text, &finder);
  const std::string value = finder.token.empty() ? "a number" : finder.token;
  if (finder.lastKey.empty()) return value + " is too large a number";
  return jsonText(finder.lastKey, -1) + " has a bad value: " + value + " is too large a number";
}

// Far more than any preset's JSON, even indented: a preset holds some 60 short texts.
constexpr std::size_t kMostJsonBytes = std::size_t{256} << 20;
constexpr int kDeepestJson = 16;

// One preset from one JSON file; false, once the reason is told, when it cannot be made.
bool makeOne(ToolPlatform& platform, const fs::path& in, const fs::path& output,
             FileSystem& files) {
  const std::string input = pathText(in);
  if (replacesInput(files, in, output)) {
    inputError(input + ": not made: it would replace its own input");
    return false;
  }
  std::string why;
  const std::optional<std::string> text = readWholeFile(in, why, kMostJsonBytes + 1);
  if (!text) {
    inputError(input + ": " + why);
    return false;
  }
  // An endless stream (`yes | zarq-preset make -`) would be kept whole until memory ran out.
  if (text->size() > kMostJsonBytes) {
    inputError(input + ": too long: the JSON of a preset has at most 256 MB");
    return false;
  }
  // What PowerShell's > and Notepad's "Unicode" save: the reader would only point at a byte.
  if (const std::string_view head = std::string_view(*text).substr(0, 4);
      head.starts_with("\xFF\xFE") || head.starts_with("\xFE\xFF") ||
      head.find('\0') != std::string_view::npos) {
    inputError(input + ": not JSON in UTF-8: it is UTF-16 or UTF-32; save it as UTF-8");
    return false;
  }
  nlohmann::json json;
  // JSON's reader keeps the last of two equal keys without a word; which of the two was
  // meant nobody can tell, so the preset is not made.
  std::set<std::string> keys;
  std::string repeated;
  struct TooDeep {};
  const auto noteRepeats = [&](int depth, nlohmann::json::parse_event_t event,
                               nlohmann::json& parsed) {
    // Each level of nesting costs the reader far more memory than the byte that opens it.
    if (depth > kDeepestJson) throw TooDeep{};
    if (event == nlohmann::json::parse_event_t::key && depth == 1 && repeated.empty() &&
        !keys.insert(parsed.get<std::string>()).second) {
      repeated = parsed.get<std::string>();
    }
    return true;
  };
  try {
    json = nlohmann::json::parse(*text, noteRepeats);
  } catch (const TooDeep&) {
    inputError(input + ": nested deeper than " + std::to_string(kDeepestJson) +
               " levels, far deeper than a preset");
    return false;
  } catch (const nlohmann::json::parse_error& error) {
    inputError(input + ": not JSON: " + jsonParseError(error));
    return false;
  } catch (const nlohmann::json::out_of_range&) {
    inputError(input + ": " + outOfRangeNumber(*text));
    return false;
  }

  if (!repeated.empty()) {
    inputError(input + ": " + jsonText(repeated, -1) + " is given twice");
    return false;
  }

  HeadlessEditor editor(platform, nowhere());
  PresetValues values = presetFromForm(editor.form);
  const std::string problem = overlayPresetJson(json, values);
  if (!problem.empty()) {
    inputError(input + ": " + problem);
    return false;
  }
  applyPreset(editor.form, values, true);
  keepSlidersWithFields(editor.form, json);
  const std::vector<std::uint8_t> bytes = encodePreset(presetFromForm(editor.form));
  return writePreset(files, output, bytes);
}

// Where each of several inputs goes in the folder `folder`: its name with ".set" for its
// suffix; nullopt, once told why, when one has no name or two would be written to one file.
std::optional<std::vector<fs::path>> outputsIn(const fs::path& folder,
                                               const std::vector<std::string>& inputs) {
  std::vector<fs::path> outputs;
  std::set<fs::path> taken;
  for (const std::string& arg : inputs) {
    const fs::path in = pathArg(arg);
    if (in == "-") {
      usageError(
          "standard input has no name to give its preset in a folder: make it alone "
          "with -o FILE",
          "make");
      return std::nullopt;
    }
    const fs::path out = folder / fs::path(in.filename()).replace_extension(".set");
    if (!taken.insert(out).second) {
      usageError("two inputs would both be written to " + pathText(out), "make");
      return std::nullopt;
    }
    outputs.push_back(out);
  }
  return outputs;
}

// -o names a folder when it ends in a separator or is one.
bool namesFolder(const std::string& arg) {
  std::error_code error;
  return arg.ends_with('/') || arg.ends_with(fs::path::preferred_separator) ||
         fs::is_directory(pathArg(arg), error);
}

int runMake(const ParsedArgs& parsed, FileSystem& files) {
  if (parsed.positional.empty() || !parsed.has("--output")) {
    return usageError("make needs IN.json and -o OUT.set", "make");
  }
  const std::string outputArg = parsed.value("--output");
  ToolPlatform platform(osFileSystem());
  if (parsed.positional.size() == 1 && !namesFolder(outputArg)) {
    const fs::path output = pathArg(outputArg);
    if (binaryToTerminal(output)) return 2;
    return makeOne(platform, pathArg(parsed.positional[0]), output, files) ? 0 : 1;
  }
  if (!namesFolder(outputArg)) {
    return usageError("several inputs need a folder to go to: -o DIR/", "make");
  }
  const std::optional<std::vector<fs::path>> outputs =
      outputsIn(pathArg(outputArg), parsed.positional);
  if (!outputs) return 2;
  bool failed = false;
  Progress progress("made", outputs->size());
  // Names that differ only in case (a.json, A.json) are one file on Windows and on many
  // disks elsewhere, as are names joined by a link: the second would replace the first.
  std::vector<std::pair<FileStatus, std::string>> made;  // each file made, and its input
  const auto madeFrom = [&made](const FileStatus& output) -> const std::string* {
    for (const auto& [file, input] : made) {
      if (file.sameFileAs(output)) return &input;
    }
    return nullptr;
  };
  for (std::size_t i = 0; i < outputs->size(); ++i) {
    const fs::path& output = (*outputs)[i];
    const fs::path in = pathArg(parsed.positional[i]);
    FileStatus status;
    files.resolvedStatus(output, status);
    if (const std::string* earlier = madeFrom(status)) {
      inputError(pathText(in) + ": not made: " + pathText(output) + " is the file " + *earlier +
                 " was made into");
      failed = true;
    } else if (!makeOne(platform, in, output, files)) {
      failed = true;
    } else if (FileStatus written; files.resolvedStatus(output, written) == FileError::None) {
      made.emplace_back(written, pathText(in));
    }
    progress.step();
  }
  return failed ? 1 : 0;
}

constexpr Option kMakeOptions[] = {
    {"--output", "-o", ValueKind::File, "OUT.set",
     "the preset to write; - for standard output; DIR/ for a folder of them"},
};

constexpr Example kMakeExamples[] = {
    {"make song.json -o song.set", "a preset of the fields in song.json, the rest the defaults"},
    {"import chart.json | zarq-preset make - -o save.set",
     "the form as the auto-fill fills it from chart.json"},
    {"make songs/*.json -o presets/", "a preset in presets/ for each JSON file in songs/"},
};

}  // namespace

std::string makeExample() {
  ToolPlatform platform(osFileSystem());
  HeadlessEditor editor(platform, nowhere());
  return jsonText(presetToJson(presetFromForm(editor.form)), 2);
}

const Command kMakeCommand{
    "make",
    "IN.json -o OUT.set | IN.json... -o DIR/",
    "write a preset from JSON; what is missing keeps the defaults",
    "Writes a preset from a JSON object by the editor's field names, as `dump` prints it or\n"
    "as `import` prints what a chart fills in. Every field left out keeps the editor's\n"
    "default; unknown names (with the nearest field's name), values of the wrong type,\n"
    "texts longer than 199 UTF-16 units and a key given twice are refused, naming the key.\n"
    "A field of page 1 given without its slider carries the slider along, and the other way\n"
    "round, as in the editor.\n"
    "The numbered form of earlier versions (\"texts\", \"checkBoxes\", \"sliders\",\n"
    "\"optionPairs\" arrays by file order) is read too. IN.json may be - for standard input;\n"
    "the preset is written to standard output (-o -) only when that is no terminal. Given\n"
    "several inputs, or a folder for -o (DIR/), writes each input's preset into that folder\n"
    "under the input's name with .set for its suffix, and exits 1 if any failed. A preset it\n"
    "replaces is kept in its history first (see `history`).\n",
    kMakeOptions,
    std::numeric_limits<std::size_t>::max(),
    ValueKind::File,
    kMakeExamples,
    runMake,
};

}  // namespace zarq::tool
