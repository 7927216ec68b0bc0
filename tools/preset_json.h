#pragma once
// A preset as JSON, by the editor's names of its fields:
//   {"version": kPresetVersion, "chartId": "20220924", ..., "recordOpening": true, ...,
//    "backgroundDimSlider": 150, ..., "quality": ["1080P"], "mirror": [], ...,
//    "obtainedType": "无"}
// Texts are strings; check boxes booleans (or the stored byte when it is neither 0 nor 1);
// sliders numbers; each option pair the list of its selected options' captions. A version
// before kPresetVersion holds fewer fields, and only those are printed.
//
// Reading also takes the numbered form of earlier versions of zarq-preset:
//   {"texts": [...], "checkBoxes": [...], "sliders": [...], "optionPairs": [[true, false], ...]}
// where each array's index is the entry's number in the file.

#include <nlohmann/json.hpp>
#include <string>

#include "files/preset_codec.h"

namespace zarq::tool {

// Everything the preset holds, in file order.
nlohmann::ordered_json presetToJson(const PresetValues& values);

// Puts the keys present in `json` over `values`. Missing keys, missing array entries and
// nulls keep what `values` had. Returns an error naming the offending key, or "".
std::string overlayPresetJson(const nlohmann::json& json, PresetValues& values);

// "parse error at line L, column C: ..." without the library's own tag.
std::string jsonParseError(const nlohmann::json::parse_error& error);

// JSON as text; text that is not valid UTF-8 is replaced rather than thrown over.
std::string jsonText(const nlohmann::ordered_json& json, int indent);

}  // namespace zarq::tool
