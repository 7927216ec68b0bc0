// zarq-preset make: a preset file from JSON, every missing value taken from a fresh form.

#include <optional>
#include <random>

#include "args.h"
#include "commands.h"
#include "common/utf.h"
#include "editor/preset_actions.h"
#include "files/preset_file.h"
#include "form/form_preset.h"
#include "form/slider_link.h"
#include "headless_editor.h"
#include "input_files.h"
#include "preset_json.h"
#include "preset_names.h"

namespace zarq::tool {
namespace {

namespace fs = std::filesystem;

// A folder of its own for the fresh form, so that no "save.set" lying around changes the
// defaults; removed again afterwards.
class EmptyFolder {
 public:
  EmptyFolder() {
    std::random_device seed;
    std::error_code ec;
    for (int attempt = 0; attempt < 16 && path_.empty(); ++attempt) {
      const fs::path candidate =
          fs::temp_directory_path(ec) / ("zarq-preset-" + std::to_string(seed()));
      if (!ec && fs::create_directory(candidate, ec)) path_ = candidate;
    }
  }
  ~EmptyFolder() {
    std::error_code ec;
    if (!path_.empty()) fs::remove_all(path_, ec);
  }
  EmptyFolder(const EmptyFolder&) = delete;
  EmptyFolder& operator=(const EmptyFolder&) = delete;

  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

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

// The form of a fresh editor, as a preset.
std::optional<PresetValues> defaultPreset() {
  const EmptyFolder folder;
  if (folder.path().empty()) return std::nullopt;
  HeadlessEditor editor(folder.path());
  return presetFromForm(editor.form);
}

}  // namespace

std::string makeExample() {
  const std::optional<PresetValues> defaults = defaultPreset();
  return defaults ? jsonText(presetToJson(*defaults), 2) : "(no temporary folder for the form)";
}

int runMake(const Args& args) {
  const ParsedArgs parsed = parseArgs(args, {"-o"}, {}, 1);
  if (!parsed.error.empty()) return usageError(parsed.error);
  if (parsed.positional.size() != 1 || !parsed.has("-o")) {
    return usageError("make needs IN.json and -o OUT.set");
  }
  const std::string input = parsed.positional[0];
  const fs::path output = pathArg(parsed.value("-o"));

  std::string why;
  const std::optional<std::string> text = readWholeFile(pathArg(input), why);
  if (!text) return inputError(input + ": " + why);
  nlohmann::json json;
  try {
    json = nlohmann::json::parse(*text);
  } catch (const nlohmann::json::parse_error& error) {
    return inputError(input + ": not JSON: " + jsonParseError(error));
  }

  const EmptyFolder folder;
  if (folder.path().empty()) return inputError("cannot create a temporary folder");
  HeadlessEditor editor(folder.path());
  PresetValues values = presetFromForm(editor.form);
  const std::string problem = overlayPresetJson(json, values);
  if (!problem.empty()) return inputError(input + ": " + problem);
  applyPreset(editor.form, values, true);
  keepSlidersWithFields(editor.form, json);
  if (output == "-") {
    const std::vector<std::uint8_t> bytes = encodePreset(presetFromForm(editor.form));
    if (!writeOutput(output, std::string(bytes.begin(), bytes.end()), why)) {
      return inputError(why);
    }
    return 0;
  }
  if (!savePreset(editor.form, output, true)) {
    return inputError(pathText(output) + ": " + toUtf8(u"无法写入文件！") +
                      ": the file cannot be written there (no such folder, or no permission)");
  }
  return 0;
}

}  // namespace zarq::tool
