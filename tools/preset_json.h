#pragma once
// A preset as JSON, for people who keep their presets in scripts:
//   {"version": 1005, "texts": [...], "checkBoxes": [...], "sliders": [...],
//    "optionPairs": [[true, false], ...], "obtainedType": "无"}
// Each array's index is the entry's number in the file.

#include <nlohmann/json.hpp>
#include <string>

#include "files/preset_codec.h"

namespace zarq::tool {

// Everything the preset holds, in the groups and order of its version; `obtainedType` is
// null for a version without it. Keys keep this order.
nlohmann::ordered_json presetToJson(const PresetValues& values);

// Puts the keys present in `json` over `values`. Missing keys, missing array entries and
// nulls keep what `values` had. Returns an error naming the offending key, or "".
std::string overlayPresetJson(const nlohmann::json& json, PresetValues& values);

}  // namespace zarq::tool
