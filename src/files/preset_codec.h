#pragma once
// The bytes of a ".set" preset, without the form or the file system: five versions, each
// appending fields to the end of its groups. All numbers little-endian, no padding.

#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <optional>
#include <span>
#include <vector>

#include "common/text.h"

namespace zarq {

inline constexpr std::array<std::uint8_t, 16> presetSignature = {
    'k', '7', '#', 'Q', 'w', '2', '!', 'm', 'T', '9', 'x', 'L', '4', '%', 't', 'Z'};
inline constexpr char16_t scrambleKey[] = u"青石小桥流水声";
inline constexpr std::size_t kScrambleKeyLength = 7;

inline constexpr std::size_t kTextSlotUnits = 200;  // a field's buffer, terminator included
inline constexpr std::size_t kTrailerUnits = 50;    // the obtained-type caption's buffer
inline constexpr std::size_t kPresetSliderCount = 5;
inline constexpr std::size_t kPresetOptionPairCount = 3;

// What one version holds.
struct PresetLayout {
  std::int16_t version;
  int textSlots;
  int checkBoxes;
  bool hasTrailer;

  std::size_t size() const;
};

// clang-format off
inline constexpr PresetLayout kPresetLayouts[] = {
    // version  text slots  check boxes  trailer
    {1001,      43,         7,           false},
    {1002,      46,         8,           true},
    {1003,      61,         8,           true},
    {1004,      63,         9,           true},
    {1005,      65,         9,           true},
};
// clang-format on

inline constexpr std::int16_t kOldestPresetVersion = std::begin(kPresetLayouts)->version;
inline constexpr std::int16_t kPresetVersion = std::prev(std::end(kPresetLayouts))->version;

// nullptr for a version the editor does not know.
const PresetLayout* presetLayout(std::int16_t version);
// The size of the largest version; nothing after it is ever read.
std::size_t maxPresetSize();

// destination[i] = source[i] XOR key[i mod 7]; its own inverse. The buffers may be the same.
void scrambleText(const char16_t* source, char16_t* destination, std::size_t count);

// Everything a preset stores, as many of each group as its version holds.
struct PresetValues {
  std::int16_t version = kPresetVersion;
  std::vector<Text> texts;
  std::vector<std::uint8_t> checkBoxes;  // as stored; non-zero counts as ticked
  std::array<float, kPresetSliderCount> sliders{};
  std::array<std::array<bool, 2>, kPresetOptionPairCount> optionPairs{};
  std::optional<Text> obtainedType;  // absent before 1002

  // Sliders compare as they are stored, bit for bit: one that is not a number (a preset may
  // hold one) equals itself, so that a form holding it is still the same form.
  bool operator==(const PresetValues& other) const;
};

// The first group of a preset that is wrong or cut short; the value is the number the
// editor's "读取失败！(ERROR n)" shows.
enum class PresetError : std::uint8_t {
  None = 0,
  Signature = 1,
  VersionMissing = 2,
  UnknownVersion = 3,
  TextSlot = 4,
  CheckBox = 5,
  Slider = 6,
  FirstOptionFlag = 7,
  SecondOptionFlag = 8,
  Trailer = 9,
};

struct PresetDecoded {
  PresetValues values;
  PresetError error = PresetError::None;  // `values` is meaningless unless None
};

// Always kPresetVersion, whatever `values.version` says: entries beyond the given ones are
// written empty or clear, and texts longer than a field's capacity are cut to it.
std::vector<std::uint8_t> encodePreset(const PresetValues& values);
// Any version from kOldestPresetVersion to kPresetVersion; bytes after the version's last
// group are ignored.
PresetDecoded decodePreset(std::span<const std::uint8_t> bytes);

}  // namespace zarq
