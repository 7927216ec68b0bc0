#include "preset_names.h"

#include "common/utf.h"
#include "form/field_table.h"

namespace zarq::tool {
namespace {

bool within(int index, std::size_t count) {
  return index >= 0 && static_cast<std::size_t>(index) < count;
}

template <typename Name>
std::optional<std::size_t> find(std::string_view name, std::size_t count, Name nameOf) {
  for (std::size_t i = 0; i < count; ++i) {
    if (nameOf(static_cast<int>(i)) == name) return i;
  }
  return std::nullopt;
}

}  // namespace

std::string textName(int slot) {
  return within(slot, fieldRows().size()) ? fieldRow(slot).name : "";
}

std::string checkBoxName(int box) {
  return within(box, checkBoxRows().size()) ? checkBoxRow(box).name : "";
}

std::string sliderName(int slider) {
  return within(slider, sliderRows().size()) ? textName(linkedSlot(slider)) + "Slider" : "";
}

OptionPairName optionPairName(int pair) {
  if (!within(pair, optionPairRows().size())) return {};
  const OptionPairRow& row = optionPairRow(pair);
  return {row.name, {toUtf8(row.first), toUtf8(row.second)}};
}

std::vector<std::string> presetKeys() {
  std::vector<std::string> keys{"version"};
  for (std::size_t i = 0; i < fieldRows().size(); ++i)
    keys.push_back(textName(static_cast<int>(i)));
  for (std::size_t i = 0; i < checkBoxRows().size(); ++i) {
    keys.push_back(checkBoxName(static_cast<int>(i)));
  }
  for (std::size_t i = 0; i < sliderRows().size(); ++i)
    keys.push_back(sliderName(static_cast<int>(i)));
  for (std::size_t i = 0; i < optionPairRows().size(); ++i) {
    keys.push_back(optionPairName(static_cast<int>(i)).name);
  }
  keys.push_back("obtainedType");
  std::erase(keys, "");
  return keys;
}

std::optional<std::size_t> slotNamed(std::string_view name) {
  return find(name, fieldRows().size(), textName);
}

std::optional<std::size_t> checkBoxNamed(std::string_view name) {
  return find(name, checkBoxRows().size(), checkBoxName);
}

std::optional<std::size_t> sliderNamed(std::string_view name) {
  return find(name, sliderRows().size(), sliderName);
}

std::optional<std::size_t> optionPairNamed(std::string_view name) {
  return find(name, optionPairRows().size(), [](int i) { return optionPairName(i).name; });
}

}  // namespace zarq::tool
