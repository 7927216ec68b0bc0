#include "form/field_table.h"

#include <array>
#include <cstddef>

#include "form/page_basic.h"
#include "form/page_chart.h"
#include "form/page_opening.h"
#include "form/page_other.h"
#include "form/page_result.h"
#include "form/page_ui_text.h"

namespace zarq {
namespace {

constexpr PageRows kPages[] = {kBasicPage,  kOpeningPage, kChartPage,
                               kResultPage, kOtherPage,   kUiTextPage};
static_assert(std::size(kPages) == kPageCount);

// Every label of the pool names one thing of one page, and every caption's label is one of
// the pool: a label that is missing, out of range or given twice fails the build here.
constexpr bool eachLabelOnce() {
  std::array<int, kLabelCount> uses{};
  bool inPool = true;
  const auto use = [&](int label) {
    if (label == kNoLabel) return;
    if (label < 0 || label >= kLabelCount) {
      inPool = false;
      return;
    }
    ++uses[label];
  };
  for (const PageRows& page : kPages) {
    use(page.title.label);
    for (const FieldRow& row : page.fields) use(row.caption.label);
    for (const CheckBoxRow& row : page.checkBoxes) use(row.caption.label);
    for (const SliderRow& row : page.sliders) use(row.caption.label);
    for (const OptionPairRow& row : page.optionPairs) use(row.caption.label);
    for (const SelectorRow& row : page.selectors) {
      use(row.caption.label);
      use(row.label);
    }
  }
  for (int n : uses) inPool = inPool && n == 1;
  return inPool;
}
static_assert(eachLabelOnce());

// A text the preset stores that no page shows.
constexpr FieldRow kOutputPath = {.slot = slot::outputPath, .name = "outputPath"};

template <typename Row>
constexpr std::size_t rowCount(std::span<const Row> PageRows::*rows) {
  std::size_t count = 0;
  for (const PageRows& page : kPages) count += (page.*rows).size();
  return count;
}

// The pages' rows by index, each told its page. An index given twice or out of range
// fails the build here; one left out leaves a row whose index is -1.
template <typename Row, std::size_t N>
constexpr std::array<Row, N> byIndex(std::span<const Row> PageRows::*rows, auto index) {
  std::array<Row, N> table{};
  for (const PageRows& page : kPages) {
    for (Row row : page.*rows) {
      row.page = page.number;
      table.at(index(row)) = row;
    }
  }
  return table;
}

template <typename Row, std::size_t N>
constexpr bool everyIndexOnce(const std::array<Row, N>& table, auto index) {
  for (std::size_t i = 0; i < N; ++i) {
    if (index(table[i]) != static_cast<int>(i)) return false;
  }
  return true;
}

constexpr auto slotOf = [](const FieldRow& row) { return row.slot; };
constexpr auto indexOf = [](const auto& row) { return row.index; };

constexpr std::array<FieldRow, kFieldCount> collectFields() {
  auto table = byIndex<FieldRow, kFieldCount>(&PageRows::fields, slotOf);
  table.at(kOutputPath.slot) = kOutputPath;
  return table;
}

constexpr auto kFields = collectFields();
constexpr auto kCheckBoxes = byIndex<CheckBoxRow, kCheckBoxCount>(&PageRows::checkBoxes, indexOf);
constexpr auto kSliders = byIndex<SliderRow, kSliderCount>(&PageRows::sliders, indexOf);
constexpr auto kOptionPairs =
    byIndex<OptionPairRow, kOptionPairCount>(&PageRows::optionPairs, indexOf);

// The table holds exactly what the newest preset stores, each entry once.
static_assert(rowCount(&PageRows::fields) + 1 == kNewestPresetLayout.textSlots);
static_assert(rowCount(&PageRows::checkBoxes) == kNewestPresetLayout.checkBoxes);
static_assert(rowCount(&PageRows::sliders) == kPresetSliderCount);
static_assert(rowCount(&PageRows::optionPairs) == kPresetOptionPairCount);
static_assert(everyIndexOnce(kFields, slotOf));
static_assert(everyIndexOnce(kCheckBoxes, indexOf));
static_assert(everyIndexOnce(kSliders, indexOf));
static_assert(everyIndexOnce(kOptionPairs, indexOf));

}  // namespace

std::span<const FieldRow> fieldRows() { return kFields; }
const FieldRow& fieldRow(int slot) { return kFields.at(static_cast<std::size_t>(slot)); }
std::span<const CheckBoxRow> checkBoxRows() { return kCheckBoxes; }
const CheckBoxRow& checkBoxRow(int index) {
  return kCheckBoxes.at(static_cast<std::size_t>(index));
}
std::span<const SliderRow> sliderRows() { return kSliders; }
const SliderRow& sliderRow(int index) { return kSliders.at(static_cast<std::size_t>(index)); }
std::span<const OptionPairRow> optionPairRows() { return kOptionPairs; }
const OptionPairRow& optionPairRow(int index) {
  return kOptionPairs.at(static_cast<std::size_t>(index));
}
std::span<const PageRows> pageRows() { return kPages; }
const PageRows& pageRow(int page) { return kPages[static_cast<std::size_t>(page - 1)]; }

const SelectorRow& obtainedTypeSelector() { return kResultSelectors[0]; }

int linkedSlot(int slider) { return sliderRow(slider).slot; }

int linkedSlider(int slot) {
  for (const SliderRow& row : kSliders) {
    if (row.slot == slot) return row.index;
  }
  return -1;
}

const Caption* explainingCaption(const FieldRow& row) {
  const auto named = [](const Caption& caption) {
    return caption.label == kNoLabel ? nullptr : &caption;
  };
  if (const Caption* own = named(row.caption)) return own;
  if (const int slider = linkedSlider(row.slot); slider >= 0) return &sliderRow(slider).caption;
  // The table's row knows its page; a page's own rows do not.
  const int onPage = fieldRow(row.slot).page;
  if (onPage < 1) return nullptr;
  const PageRows& page = pageRow(onPage);
  const Caption* before = nullptr;
  for (const FieldRow& other : page.fields) {
    if (other.slot == row.slot) break;
    if (other.help == row.help && named(other.caption)) before = &other.caption;
  }
  if (before) return before;
  for (const CheckBoxRow& box : page.checkBoxes) {
    if (box.help == row.help) return &box.caption;
  }
  for (const OptionPairRow& pair : page.optionPairs) {
    if (pair.help == row.help) return &pair.caption;
  }
  for (const SelectorRow& selector : page.selectors) {
    if (selector.help == row.help) return &selector.caption;
  }
  return nullptr;
}

bool followsObtainedType(const FieldRow& row) {
  if (row.enabledBy == kObtainedTypeChosen) return true;
  return row.shownBy >= 0 && checkBoxRow(row.shownBy).enabledBy == kObtainedTypeChosen;
}

}  // namespace zarq
