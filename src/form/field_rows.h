#pragma once
// The shape of the form's tables: one row per text field, check box, slider and option pair,
// holding everything that says what the control is. Each page's rows are in its own header
// (page_basic.h ... page_ui_text.h); form/field_table.h collects them by index. Only the
// validation rules, keyed by slot, live elsewhere (validate/).

#include <cstdint>
#include <span>

#include "common/text.h"
#include "form/form_ids.h"
#include "form/form_layout.h"
#include "platform/platform.h"

namespace zarq {

// What a control's availability or visibility follows: a check box's index, or these.
inline constexpr int kAlways = -1;
inline constexpr int kObtainedTypeChosen = -2;  // the result page's selector reads other than "无"

inline constexpr int kNoLabel = -1;
inline constexpr Argb kCaptionWhite = 0xFFFFFFFF;

// Where a field's message hangs, relative to the field.
enum class BubbleAt : std::uint8_t { BelowLeft, BelowCentre, BelowRight, AboveLeft, AboveRight };

// What may be typed into a field, besides the capacity that holds for all.
enum Filter : unsigned {
  kAnyText = 0,
  kNumber = 1,   // digits and "." ("。" becomes ".")
  kInteger = 2,  // with kNumber: digits only
  kRatio = 4,    // digits and ":" ("：" becomes ":")
  kSuffix = 8,   // A-Z and digits; a-z become capitals
};

// A field's place: its left, top, width and height.
struct Box {
  Coord x{}, y{}, width{}, height{};
};

// The label that names a control; clicking it opens the row's help text.
struct Caption {
  int label = kNoLabel;  // its entry in the label pool
  TextView text{};
  Coord x{};  // the end or centre `anchor` says
  float y = 0;
  float size = 0;
  Align anchor = Align::Near;
  Argb colour = kCaptionWhite;
};

// A copy of `row` with one member changed: the step of the rows' fluent setters. Defined
// before the rows: clang takes a member template defined after its first use as undefined in
// a constant expression.
template <typename Row, typename T>
constexpr Row rowWith(Row row, T Row::*member, T value) {
  row.*member = value;
  return row;
}

struct FieldRow {
  int slot = -1;
  const char* name = "";  // zarq-preset's word for it
  int page = 0;           // filled in by the table; 0 for a slot no page shows
  Box place{};
  TextView value{};  // the default, before the fixed ending
  Align alignment = Align::Near;
  unsigned filters = kAnyText;
  TextView fixedEnding{};   // a unit the text always ends in; never typed after nor removed
  TextView deleteLeaves{};  // what Delete leaves before the caret (and the fixed ending)
  BubbleAt bubble = BubbleAt::BelowLeft;
  int shownBy = kAlways;    // a box that shows the field while ticked
  int enabledBy = kAlways;  // a box (or the selector) that makes it usable
  Caption caption{};        // none for a field that a neighbour's caption explains
  TextView help{};          // what its caption, or the one that explains it, says
  // Tells it apart from the other fields one caption names ("R" of a colour's three): a
  // screen reader names it by the caption and this.
  TextView part{};

  // The same row with one more property, so that a table reads row by row.
  constexpr FieldRow filtered(unsigned f) const { return rowWith(*this, &FieldRow::filters, f); }
  constexpr FieldRow endingIn(TextView e) const {
    return rowWith(*this, &FieldRow::fixedEnding, e);
  }
  constexpr FieldRow deleteLeaving(TextView t) const {
    return rowWith(*this, &FieldRow::deleteLeaves, t);
  }
  constexpr FieldRow bubbleAt(BubbleAt b) const { return rowWith(*this, &FieldRow::bubble, b); }
  constexpr FieldRow shownWhile(int box) const { return rowWith(*this, &FieldRow::shownBy, box); }
  constexpr FieldRow usableWhile(int source) const {
    return rowWith(*this, &FieldRow::enabledBy, source);
  }
  constexpr FieldRow captioned(int label, TextView text, Coord x, float y, float size, Align anchor,
                               Argb colour = kCaptionWhite) const {
    return rowWith(*this, &FieldRow::caption, Caption{label, text, x, y, size, anchor, colour});
  }
  constexpr FieldRow explained(TextView h) const { return rowWith(*this, &FieldRow::help, h); }
  constexpr FieldRow partNamed(TextView p) const { return rowWith(*this, &FieldRow::part, p); }
};

// A text field: its slot, zarq-preset's name, its place, its default and alignment.
constexpr FieldRow field(int slot, const char* name, Box place, TextView value,
                         Align alignment = Align::Near) {
  FieldRow row;
  row.slot = slot;
  row.name = name;
  row.place = place;
  row.value = value;
  row.alignment = alignment;
  return row;
}

struct CheckBoxRow {
  int index = -1;
  const char* name = "";
  int page = 0;
  Coord x{};  // centre
  float y = 0;
  float size = 0;
  bool checked = false;
  int enabledBy = kAlways;
  Caption caption{};
  TextView help{};

  constexpr CheckBoxRow usableWhile(int source) const {
    CheckBoxRow row = *this;
    row.enabledBy = source;
    return row;
  }
  constexpr CheckBoxRow captioned(int label, TextView text, Coord x, float y, float size,
                                  Align anchor, Argb colour = kCaptionWhite) const {
    CheckBoxRow row = *this;
    row.caption = {label, text, x, y, size, anchor, colour};
    return row;
  }
  constexpr CheckBoxRow explained(TextView h) const {
    CheckBoxRow row = *this;
    row.help = h;
    return row;
  }
};

// A check box: its index, zarq-preset's name, its centre and side, ticked at start or not.
constexpr CheckBoxRow checkBox(int index, const char* name, Coord x, float y, float size,
                               bool checked) {
  CheckBoxRow row;
  row.index = index;
  row.name = name;
  row.x = x;
  row.y = y;
  row.size = size;
  row.checked = checked;
  return row;
}

// A slider mirrors its value in a text field (`slot`); zarq-preset names it after the field.
struct SliderRow {
  int index = -1;
  int slot = -1;
  int page = 0;
  float x = 0, y = 0, width = 0;  // the centre and length of the track
  std::int16_t min = 0, max = 0;
  float step = 1;
  float value = 0;
  bool integerOnly = false;
  int enabledBy = kAlways;
  Caption caption{};
  TextView help{};
};

struct OptionPairRow {
  int index = -1;
  const char* name = "";
  int page = 0;
  float x = 0, y = 0, height = 0;
  TextView first{}, second{};  // the options' captions, also zarq-preset's words for them
  bool firstSelected = false, secondSelected = false;
  bool exclusive = false;  // exactly one of the two is selected
  std::int16_t gap = 0;
  Caption caption{};
  TextView help{};
};

// The caption on the result page whose text is the obtained type; clicking it moves to the
// next type. It explains nothing about its caption: its help text is its own.
struct SelectorRow {
  int page = 0;
  Caption caption{};  // the box's caption, left of the selector
  TextView help{};
  int label = kNoLabel;  // the selector itself
  Coord x{};
  float y = 0, size = 0;
  TextView value{};  // the type at start
  TextView selectorHelp{};
};

// Every page's title sits centred at the top; its help text ends with the editor's keys.
struct TitleRow {
  int label = kNoLabel;
  TextView caption{};
  TextView help{};
};

// One page: its title and the rows of the controls it shows.
struct PageRows {
  int number = 0;
  TitleRow title{};
  std::span<const FieldRow> fields{};
  std::span<const CheckBoxRow> checkBoxes{};
  std::span<const SliderRow> sliders{};
  std::span<const OptionPairRow> optionPairs{};
  std::span<const SelectorRow> selectors{};
};

}  // namespace zarq
