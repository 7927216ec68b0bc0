#pragma once
// zarq-preset's words for what a preset stores, read from the form's rows: text slots, check
// boxes, sliders and option pairs, each numbered in file order.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zarq::tool {

// "" for an index no row has.
std::string textName(int slot);
std::string checkBoxName(int box);
// A slider is named after the field it follows, with "Slider" after it.
std::string sliderName(int slider);

struct OptionPairName {
  std::string name;
  std::array<std::string, 2> options;  // the first and the second option's caption
};
OptionPairName optionPairName(int pair);

// Every key of a preset's JSON, in file order: "version", the texts, check boxes, sliders
// and option pairs by name, and "obtainedType".
std::vector<std::string> presetKeys();

// The index of the entry called `name`, or nullopt.
std::optional<std::size_t> slotNamed(std::string_view name);
std::optional<std::size_t> checkBoxNamed(std::string_view name);
std::optional<std::size_t> sliderNamed(std::string_view name);
std::optional<std::size_t> optionPairNamed(std::string_view name);

}  // namespace zarq::tool
