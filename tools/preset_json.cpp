#include "preset_json.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>
#include <limits>

#include "common/utf.h"
#include "nearest_word.h"
#include "preset_names.h"

namespace zarq::tool {
namespace {

using nlohmann::json;

// The shortest decimal that reads back as the same float, so 0.8 shows as 0.8.
nlohmann::ordered_json floatJson(float value) {
  if (!std::isfinite(value)) return nullptr;
  char digits[32];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  double shortest = 0;
  std::from_chars(digits, end, shortest);
  return shortest;
}

// A text that fits its buffer: no terminator inside, and room for the one after it.
std::string storedText(const json& value, std::size_t capacity, Text& out) {
  if (!value.is_string()) return "must be a string or null";
  const Text text = fromUtf8(value.get_ref<const std::string&>());
  if (text.find(u'\0') != Text::npos) return "must not contain NUL";
  if (text.size() > capacity) {
    return "is longer than " + std::to_string(capacity) + " UTF-16 units";
  }
  out = text;
  return "";
}

std::string checkBoxByte(const json& value, std::uint8_t& out) {
  if (value.is_boolean()) {
    out = value.get<bool>() ? 1 : 0;
    return "";
  }
  if (!value.is_number_integer() || value.get<long long>() < 0 || value.get<long long>() > 255) {
    return "must be a byte from 0 to 255, a boolean or null";
  }
  out = static_cast<std::uint8_t>(value.get<long long>());
  return "";
}

std::string sliderValue(const json& value, float& out) {
  if (!value.is_number()) return "must be a number or null";
  const double number = value.get<double>();
  if (std::fabs(number) > std::numeric_limits<float>::max()) return "is out of range for a float";
  out = static_cast<float>(number);
  return "";
}

std::string optionPair(const json& value, std::array<bool, 2>& out) {
  if (!value.is_array() || value.size() != 2 || !value[0].is_boolean() || !value[1].is_boolean()) {
    return "must be a pair of booleans or null";
  }
  out = {value[0].get<bool>(), value[1].get<bool>()};
  return "";
}

// The selected options of a pair by their captions, e.g. ["1080P"] or ["X", "Y"]; the
// numbered form's pair of booleans is taken too.
std::string selectedOptions(const json& value, const OptionPairName& pair,
                            std::array<bool, 2>& out) {
  if (value.is_array() && value.size() == 2 && value[0].is_boolean()) {
    return optionPair(value, out);
  }
  const std::string expected = "must be a list of \"" + std::string(pair.options[0]) + "\" and \"" +
                               std::string(pair.options[1]) + "\"";
  if (!value.is_array() || value.size() > 2) return expected;
  std::array<bool, 2> selected{false, false};
  for (const json& option : value) {
    if (!option.is_string()) return expected;
    const std::string& caption = option.get_ref<const std::string&>();
    if (caption == pair.options[0]) {
      selected[0] = true;
    } else if (caption == pair.options[1]) {
      selected[1] = true;
    } else {
      return expected;
    }
  }
  out = selected;
  return "";
}

// A key of the named form: the text, check box, slider or option pair of that name.
// nullopt when no field has the name.
std::optional<std::string> overlayNamed(const std::string& key, const json& value,
                                        PresetValues& values) {
  const auto named = [&](const std::string& problem) -> std::optional<std::string> {
    return problem.empty() ? "" : "\"" + key + "\" " + problem;
  };
  if (value.is_null()) {
    const bool known =
        slotNamed(key) || checkBoxNamed(key) || sliderNamed(key) || optionPairNamed(key);
    return known ? std::optional<std::string>("") : std::nullopt;
  }
  if (const auto slot = slotNamed(key)) {
    if (values.texts.size() <= *slot) values.texts.resize(*slot + 1);
    return named(storedText(value, kTextSlotUnits - 1, values.texts[*slot]));
  }
  if (const auto box = checkBoxNamed(key)) {
    if (values.checkBoxes.size() <= *box) values.checkBoxes.resize(*box + 1);
    return named(checkBoxByte(value, values.checkBoxes[*box]));
  }
  if (const auto slider = sliderNamed(key)) {
    return named(sliderValue(value, values.sliders[*slider]));
  }
  if (const auto pair = optionPairNamed(key)) {
    const OptionPairName names = optionPairName(static_cast<int>(*pair));
    return named(selectedOptions(value, names, values.optionPairs[*pair]));
  }
  return std::nullopt;
}

// Applies `read` to each non-null entry of the array `key`, growing `target` as needed.
template <typename Container, typename Read>
std::string overlayArray(const json& object, const char* key, std::size_t limit, Container& target,
                         Read read) {
  const auto found = object.find(key);
  if (found == object.end() || found->is_null()) return "";
  if (!found->is_array() || found->size() > limit) {
    return "\"" + std::string(key) + "\" must be an array of at most " + std::to_string(limit) +
           " entries";
  }
  for (std::size_t i = 0; i < found->size(); ++i) {
    const json& entry = (*found)[i];
    if (entry.is_null()) continue;
    if constexpr (requires { target.resize(limit); }) {
      if (target.size() <= i) target.resize(i + 1);
    }
    const std::string problem = read(entry, target[i]);
    if (!problem.empty())
      return "\"" + std::string(key) + "[" + std::to_string(i) + "]\" " + problem;
  }
  return "";
}

std::string overlayCaption(const json& object, std::optional<Text>& caption) {
  const auto found = object.find("obtainedType");
  if (found == object.end() || found->is_null()) return "";
  Text read;
  const std::string problem = storedText(*found, kTrailerUnits - 1, read);
  if (!problem.empty()) return "\"obtainedType\" " + problem;
  caption = read;
  return "";
}

// Names the nearest key of either form.
std::string unknownKey(const std::string& key) {
  std::vector<std::string> keys = presetKeys();
  keys.insert(keys.end(), {"texts", "checkBoxes", "sliders", "optionPairs"});
  const std::optional<std::string> near = nearestWord(key, keys);
  // Quoted as JSON, so that a control character in it reaches no terminal.
  return "unknown key " + jsonText(key, -1) + (near ? " (did you mean \"" + *near + "\"?)" : "");
}

}  // namespace

nlohmann::ordered_json presetToJson(const PresetValues& values) {
  nlohmann::ordered_json out = nlohmann::ordered_json::object();
  out["version"] = values.version;
  for (std::size_t i = 0; i < values.texts.size(); ++i) {
    const std::string name = textName(static_cast<int>(i));
    if (!name.empty()) out[name] = toUtf8(values.texts[i]);
  }
  for (std::size_t i = 0; i < values.checkBoxes.size(); ++i) {
    const std::string name = checkBoxName(static_cast<int>(i));
    const std::uint8_t stored = values.checkBoxes[i];
    if (name.empty()) continue;
    out[name] = stored <= 1 ? nlohmann::ordered_json(stored == 1) : nlohmann::ordered_json(stored);
  }
  for (std::size_t i = 0; i < kPresetSliderCount; ++i) {
    out[sliderName(static_cast<int>(i))] = floatJson(values.sliders[i]);
  }
  for (std::size_t i = 0; i < kPresetOptionPairCount; ++i) {
    const OptionPairName names = optionPairName(static_cast<int>(i));
    nlohmann::ordered_json selected = nlohmann::ordered_json::array();
    for (int option = 0; option < 2; ++option) {
      if (values.optionPairs[i][option]) selected.push_back(names.options[option]);
    }
    out[names.name] = selected;
  }
  if (values.obtainedType) out["obtainedType"] = toUtf8(*values.obtainedType);
  return out;
}

std::string jsonParseError(const nlohmann::json::parse_error& error) {
  const std::string what = error.what();
  const std::size_t tagEnd = what.find("] ");
  return tagEnd == std::string::npos ? what : what.substr(tagEnd + 2);
}

std::string jsonText(const nlohmann::ordered_json& json, int indent) {
  return json.dump(indent, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

std::string overlayPresetJson(const json& object, PresetValues& values) {
  if (!object.is_object()) {
    return "not a preset: the top level must be an object, found " +
           std::string(object.type_name());
  }
  static const char* const numbered[] = {"version", "texts",       "checkBoxes",
                                         "sliders", "optionPairs", "obtainedType"};
  if (object.contains("version") && !object["version"].is_number_integer()) {
    return "\"version\" must be an integer";
  }
  const PresetLayout& newest = *presetLayout(kPresetVersion);
  const auto text = [](const json& v, Text& out) { return storedText(v, kTextSlotUnits - 1, out); };
  // Every group is read, and the first problem in file order is the one reported.
  const std::string problems[] = {
      overlayArray(object, "texts", newest.textSlots, values.texts, text),
      overlayArray(object, "checkBoxes", newest.checkBoxes, values.checkBoxes, checkBoxByte),
      overlayArray(object, "sliders", kPresetSliderCount, values.sliders, sliderValue),
      overlayArray(object, "optionPairs", kPresetOptionPairCount, values.optionPairs, optionPair),
      overlayCaption(object, values.obtainedType),
  };
  for (const std::string& problem : problems) {
    if (!problem.empty()) return problem;
  }
  // The named form goes over the numbered one, key by key in the object's order.
  for (const auto& [key, value] : object.items()) {
    if (std::find(std::begin(numbered), std::end(numbered), key) != std::end(numbered)) continue;
    const std::optional<std::string> problem = overlayNamed(key, value, values);
    if (!problem) return unknownKey(key);
    if (!problem->empty()) return *problem;
  }
  return "";
}

}  // namespace zarq::tool
