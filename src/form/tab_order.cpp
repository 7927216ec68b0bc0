#include "form/tab_order.h"

#include <algorithm>
#include <cmath>

#include "form/field_table.h"
#include "form/settings_form.h"

namespace zarq {
namespace {

using Kind = ControlRef::Kind;

constexpr float kLineHeight = 20;

// The first field, in the order so far, that the box shows or makes usable; -1 for none.
int firstFollower(const std::vector<ControlRef>& order, int box) {
  for (std::size_t i = 0; i < order.size(); ++i) {
    if (order[i].kind != Kind::Field) continue;
    const FieldRow& row = fieldRow(order[i].index);
    if (row.shownBy == box || row.enabledBy == box) return static_cast<int>(i);
  }
  return -1;
}

// The boxes of a row stay together, left to right, before the first field any of them
// shows or makes usable. What stays unplaced is returned.
std::vector<ControlRef> placeCheckBoxes(const SettingsForm& form, const PageRows& page,
                                        std::vector<ControlRef>& order) {
  std::vector<CheckBoxRow> boxes(page.checkBoxes.begin(), page.checkBoxes.end());
  std::stable_sort(boxes.begin(), boxes.end(), [&](const CheckBoxRow& a, const CheckBoxRow& b) {
    return readsBefore(placeOf(form, {Kind::CheckBox, a.index}),
                       placeOf(form, {Kind::CheckBox, b.index}));
  });
  std::vector<int> anchors;
  for (const CheckBoxRow& box : boxes) anchors.push_back(firstFollower(order, box.index));
  std::vector<ControlRef> unplaced;
  std::vector<std::pair<int, ControlRef>> placed;  // the follower's place, the box
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    int anchor = -1;
    for (std::size_t j = 0; j < boxes.size(); ++j) {
      if (boxes[j].y != boxes[i].y || anchors[j] < 0) continue;
      if (anchor < 0 || anchors[j] < anchor) anchor = anchors[j];
    }
    const ControlRef ref{Kind::CheckBox, boxes[i].index};
    if (anchor < 0) {
      unplaced.push_back(ref);
    } else {
      placed.emplace_back(anchor, ref);
    }
  }
  // From the last follower back, so that earlier places stay where they were counted; boxes
  // before one follower keep their left-to-right order.
  std::stable_sort(placed.begin(), placed.end(),
                   [](const auto& a, const auto& b) { return a.first > b.first; });
  for (std::size_t i = 0; i < placed.size();) {
    std::size_t end = i;
    while (end < placed.size() && placed[end].first == placed[i].first) ++end;
    std::vector<ControlRef> group;
    for (std::size_t k = i; k < end; ++k) group.push_back(placed[k].second);
    order.insert(order.begin() + placed[i].first, group.begin(), group.end());
    i = end;
  }
  return unplaced;
}

// After the last control of the order that reads before it; first when none does.
void placeByReading(const SettingsForm& form, std::vector<ControlRef>& order, ControlRef control) {
  const RectF place = placeOf(form, control);
  auto at = order.end();
  while (at != order.begin() && !readsBefore(placeOf(form, *(at - 1)), place)) --at;
  order.insert(at, control);
}

}  // namespace

bool readsBefore(RectF a, RectF b) {
  const float lineA = std::floor(a.y / kLineHeight), lineB = std::floor(b.y / kLineHeight);
  if (lineA != lineB) return lineA < lineB;
  return a.x < b.x;
}

RectF placeOf(const SettingsForm& form, ControlRef control) {
  const int i = control.index;
  switch (control.kind) {
    case Kind::Field: {
      const TextField& field = form.fields[i];
      return {field.x, field.y, field.width, field.height};
    }
    case Kind::CheckBox: {
      const CheckBox& box = form.checkBoxes[i];
      return {box.x - box.size / 2, box.y - box.size / 2, box.size, box.size};
    }
    case Kind::Option: {
      const OptionPair& pair = form.optionPairs[i / 2];
      if (i % 2 == 0) return {pair.x, pair.y, pair.width1, pair.height};
      return {pair.x + pair.width1 + static_cast<float>(pair.gap), pair.y, pair.width2,
              pair.height};
    }
    case Kind::Slider: {
      // The track and the knob's reach above and below it.
      const Slider& slider = form.sliders[i];
      return {slider.x - slider.width / 2, slider.y - 10, slider.width, 20};
    }
    case Kind::Selector: {
      const FieldLabel& label = form.labels[obtainedTypeSelector().label];
      return {label.x, label.y, 0, label.size};
    }
    case Kind::Arrow: {
      const PageArrow& arrow = form.arrows[i];
      return {arrow.x - 15.0f, arrow.y - 38.0f, 30, 76};
    }
    case Kind::Bubble:
    case Kind::None:
      break;
  }
  return {};
}

std::vector<ControlRef> tabOrder(const SettingsForm& form, int n) {
  const PageRows& page = pageRow(n);
  std::vector<int> slots;
  for (const FieldRow& row : page.fields) slots.push_back(row.slot);
  std::sort(slots.begin(), slots.end());
  std::vector<ControlRef> order;
  for (const int slot : slots) {
    order.push_back({Kind::Field, slot});
    if (const int slider = linkedSlider(slot); slider >= 0) order.push_back({Kind::Slider, slider});
  }
  std::vector<ControlRef> byReading = placeCheckBoxes(form, page, order);
  for (const OptionPairRow& pair : page.optionPairs) {
    byReading.push_back({Kind::Option, 2 * pair.index});
    byReading.push_back({Kind::Option, 2 * pair.index + 1});
  }
  for (std::size_t i = 0; i < page.selectors.size(); ++i) {
    byReading.push_back({Kind::Selector, static_cast<int>(i)});
  }
  std::stable_sort(byReading.begin(), byReading.end(), [&](ControlRef a, ControlRef b) {
    return readsBefore(placeOf(form, a), placeOf(form, b));
  });
  for (const ControlRef control : byReading) placeByReading(form, order, control);
  for (int arrow = 0; arrow < kArrowCount; ++arrow) order.push_back({Kind::Arrow, arrow});
  return order;
}

}  // namespace zarq
