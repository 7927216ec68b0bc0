#pragma once
// The editor's names of what a preset stores, the words of zarq-preset's JSON: text slots,
// check boxes, sliders and option pairs in file order.

#include <array>
#include <optional>
#include <string_view>

#include "files/preset_codec.h"

namespace zarq::tool {

inline constexpr std::size_t kTextSlotCount = 65;
inline constexpr std::size_t kCheckBoxSlotCount = 9;

extern const std::array<std::string_view, kTextSlotCount> kTextNames;
extern const std::array<std::string_view, kCheckBoxSlotCount> kCheckBoxNames;
// Sliders are named after the field they follow, with "Slider" after it.
extern const std::array<std::string_view, kPresetSliderCount> kSliderNames;

struct OptionPairName {
  std::string_view name;
  std::array<std::string_view, 2> options;  // the first and the second option's caption
};
extern const std::array<OptionPairName, kPresetOptionPairCount> kOptionPairNames;

// The index of `name` in `names`, or nullopt.
template <std::size_t N>
std::optional<std::size_t> indexOf(const std::array<std::string_view, N>& names,
                                   std::string_view name) {
  for (std::size_t i = 0; i < N; ++i) {
    if (names[i] == name) return i;
  }
  return std::nullopt;
}

}  // namespace zarq::tool
