#include "form/tab_order.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "form/field_table.h"
#include "form/settings_form.h"

namespace zarq {
namespace {

using Kind = ControlRef::Kind;

// What is read as one: a control, or the two options of a pair.
struct Unit {
  std::vector<ControlRef> controls;
  RectF place;
};
using Units = std::vector<Unit>;

float right(RectF r) { return r.x + r.w; }
float bottom(RectF r) { return r.y + r.h; }

// The units split where nothing spans the space between them: across y into rows (`across`
// false) or across x into columns; each part in order of its start.
std::vector<Units> split(Units units, bool acrossX) {
  const auto start = [acrossX](const Unit& u) { return acrossX ? u.place.x : u.place.y; };
  const auto end = [acrossX](const Unit& u) { return acrossX ? right(u.place) : bottom(u.place); };
  std::stable_sort(units.begin(), units.end(),
                   [&](const Unit& a, const Unit& b) { return start(a) < start(b); });
  std::vector<Units> parts;
  float reach = -std::numeric_limits<float>::infinity();
  for (Unit& unit : units) {
    if (parts.empty() || start(unit) > reach) parts.emplace_back();
    reach = std::max(reach, end(unit));
    parts.back().push_back(std::move(unit));
  }
  return parts;
}

RectF extent(const Units& units) {
  float left = std::numeric_limits<float>::infinity(), top = left;
  float r = -left, b = -left;
  for (const Unit& u : units) {
    left = std::min(left, u.place.x);
    top = std::min(top, u.place.y);
    r = std::max(r, right(u.place));
    b = std::max(b, bottom(u.place));
  }
  return {left, top, r - left, b - top};
}

// The narrowest space between neighbouring columns.
float gutter(const std::vector<Units>& columns) {
  float narrowest = std::numeric_limits<float>::infinity();
  for (std::size_t i = 1; i < columns.size(); ++i) {
    narrowest = std::min(narrowest, extent(columns[i]).x - right(extent(columns[i - 1])));
  }
  return narrowest;
}

Units joined(Units a, const Units& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// The rows above and the row below stand in the same columns: together they split into as
// many as the one with more, and the row lies nearer to those above than the columns lie to
// each other, so the eye reads down the columns.
bool carriesColumnsOn(const Units& above, const Units& row) {
  const std::vector<Units> together = split(joined(above, row), true);
  const std::size_t most = std::max(split(above, true).size(), split(row, true).size());
  return together.size() >= 2 && together.size() == most &&
         extent(row).y - bottom(extent(above)) < gutter(together);
}

// Same line (tops within 20 pixels of each other's line), then left to right: the order of
// units that overlap both ways.
bool readsBefore(const Unit& a, const Unit& b) {
  constexpr float kLineHeight = 20;
  const float lineA = std::floor(a.place.y / kLineHeight);
  const float lineB = std::floor(b.place.y / kLineHeight);
  if (lineA != lineB) return lineA < lineB;
  return a.place.x < b.place.x;
}

void read(Units units, std::vector<ControlRef>& out);

void readColumns(const Units& units, std::vector<ControlRef>& out) {
  std::vector<Units> columns = split(units, true);
  if (columns.size() > 1) {
    for (Units& column : columns) read(std::move(column), out);
    return;
  }
  std::stable_sort(columns.front().begin(), columns.front().end(), readsBefore);
  for (const Unit& unit : columns.front()) {
    out.insert(out.end(), unit.controls.begin(), unit.controls.end());
  }
}

void read(Units units, std::vector<ControlRef>& out) {
  const std::vector<Units> rows = split(std::move(units), false);
  if (rows.size() == 1) return readColumns(rows.front(), out);
  for (std::size_t i = 0; i < rows.size();) {
    Units block = rows[i];
    std::size_t next = i + 1;
    while (next < rows.size() && carriesColumnsOn(block, rows[next])) {
      block = joined(std::move(block), rows[next++]);
    }
    if (next == i + 1) {
      read(std::move(block), out);
    } else {
      readColumns(block, out);
    }
    i = next;
  }
}

RectF around(RectF a, RectF b) {
  const float left = std::min(a.x, b.x), top = std::min(a.y, b.y);
  return {left, top, std::max(right(a), right(b)) - left, std::max(bottom(a), bottom(b)) - top};
}

}  // namespace

RectF placeOf(SettingsForm& form, ControlRef control) {
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
    case Kind::Selector:
      return form.labels[obtainedTypeSelector().label].textBounds(form.metrics);
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

std::vector<ControlRef> tabOrder(SettingsForm& form) {
  std::vector<ControlRef> order;
  if (form.currentPage < 1 || form.currentPage > kPageCount) return order;
  const PageRows& page = pageRow(form.currentPage);
  Units units;
  const auto add = [&](Kind kind, int index) {
    units.push_back({{{kind, index}}, placeOf(form, {kind, index})});
  };
  for (const FieldRow& row : page.fields) {
    if (form.fields[row.slot].shown) add(Kind::Field, row.slot);
  }
  for (const CheckBoxRow& row : page.checkBoxes) {
    if (form.checkBoxes[row.index].shown) add(Kind::CheckBox, row.index);
  }
  for (const SliderRow& row : page.sliders) {
    if (form.sliders[row.index].shown) add(Kind::Slider, row.index);
  }
  for (const SelectorRow& row : page.selectors) {
    if (form.labels[row.label].shown) add(Kind::Selector, 0);
  }
  for (const OptionPairRow& row : page.optionPairs) {
    if (!form.optionPairs[row.index].shown) continue;
    const ControlRef first{Kind::Option, 2 * row.index}, second{Kind::Option, 2 * row.index + 1};
    units.push_back({{first, second}, around(placeOf(form, first), placeOf(form, second))});
  }
  read(std::move(units), order);
  for (int arrow = 0; arrow < kArrowCount; ++arrow) order.push_back({Kind::Arrow, arrow});
  return order;
}

}  // namespace zarq
