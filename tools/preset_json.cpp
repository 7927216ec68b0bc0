#include "preset_json.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>
#include <limits>

#include "common/utf.h"

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

}  // namespace

nlohmann::ordered_json presetToJson(const PresetValues& values) {
  nlohmann::ordered_json out = nlohmann::ordered_json::object();
  out["version"] = values.version;
  out["texts"] = nlohmann::ordered_json::array();
  for (const Text& text : values.texts) out["texts"].push_back(toUtf8(text));
  out["checkBoxes"] = values.checkBoxes;
  out["sliders"] = nlohmann::ordered_json::array();
  for (float value : values.sliders) out["sliders"].push_back(floatJson(value));
  out["optionPairs"] = values.optionPairs;
  out["obtainedType"] = values.obtainedType ? nlohmann::ordered_json(toUtf8(*values.obtainedType))
                                            : nlohmann::ordered_json(nullptr);
  return out;
}

std::string overlayPresetJson(const json& object, PresetValues& values) {
  if (!object.is_object()) return "the top level must be an object";
  for (const auto& [key, value] : object.items()) {
    static const char* const known[] = {"version", "texts",       "checkBoxes",
                                        "sliders", "optionPairs", "obtainedType"};
    if (std::find(std::begin(known), std::end(known), key) == std::end(known)) {
      return "unknown key \"" + key + "\"";
    }
  }
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
  return "";
}

}  // namespace zarq::tool
