#pragma once
// What a screen reader is told about the page on view: each shown control with its role,
// name, help text, value, place and states, and the changes it listens for. The core
// describes the page once (editor/accessible_page.h); each back end publishes that
// description in its desktop's own accessibility interfaces.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "common/text.h"
#include "platform/platform.h"

namespace zarq {

// Which control: its kind and its index in the form's pool of that kind. An option is
// 2 x its pair's index, + 1 for the second option; an arrow is 0 (left) or 1 (right); a
// bubble is its record.
struct ControlRef {
  enum class Kind : std::uint8_t { None, Field, CheckBox, Option, Slider, Selector, Arrow, Bubble };
  Kind kind = Kind::None;
  int index = 0;
  bool operator==(const ControlRef&) const = default;
  explicit operator bool() const { return kind != Kind::None; }
};

// A number for the control that stays its own whatever comes and goes (1 and up).
constexpr int controlNumber(ControlRef id) {
  return static_cast<int>(id.kind) * 100 + id.index + 1;
}

enum class AccessibleRole : std::uint8_t {
  EditableText,
  CheckBox,     // a check box, or one option of a pair whose options are each on or off
  RadioButton,  // one option of a pair of which exactly one is selected
  Slider,
  ComboBox,    // the obtained-type selector: its value is the type chosen among `choices`
  PushButton,  // a page arrow, the auto-fill offer
  Alert,       // a message hanging on a control; the last
};
constexpr std::size_t kAccessibleRoles = static_cast<std::size_t>(AccessibleRole::Alert) + 1;

struct AccessibleControl {
  ControlRef id;
  int number = 0;  // controlNumber(id)
  AccessibleRole role = AccessibleRole::EditableText;
  Text name;                  // the caption, and what tells it apart from its neighbours
  Text description;           // an error or warning hanging on it first, then its help text
  Text value;                 // a field's text, the selector's type, a slider's field
  Text action;                // what activating it does, in the window's language; empty for none
  std::vector<Text> choices;  // the selector's types
  std::vector<ControlRef> group;  // the two options of a pair, itself among them
  bool checked = false;
  double amount = 0, minimum = 0, maximum = 0, step = 0;  // a slider
  RectF bounds;                                           // in the window's pixels
  bool focusable = false;                                 // a Tab stop, usable now
  bool focused = false;
  bool enabled = true;
  bool invalid = false;     // an error hangs on it
  ControlRef errorMessage;  // the bubble hanging on it, if one does
  // Editable text: the caret and the selection, in UTF-16 units of `value`.
  int caret = 0;
  int selectionStart = 0, selectionEnd = 0;
};

struct AccessiblePage {
  int page = 0;
  // The page's title, and after it how many errors and warnings the page holds: what a
  // screen reader says when the page turns.
  Text name;
  Text help;  // what the title explains: the page and the editor's keys
  std::vector<AccessibleControl> controls;  // in reading order
  const AccessibleControl* find(ControlRef id) const {
    for (const AccessibleControl& control : controls) {
      if (control.id == id) return &control;
    }
    return nullptr;
  }
  const AccessibleControl* withNumber(int number) const {
    for (const AccessibleControl& control : controls) {
      if (control.number == number) return &control;
    }
    return nullptr;
  }
};

// What a screen reader asks of a control.
struct ToolRequest {
  enum class Kind : std::uint8_t {
    Activate,  // what a click on it does
    Focus,     // the focus moves there
    Edit,      // units `from` to `to` of a field become `text`; a slider takes `text` or `amount`
  };
  Kind kind = Kind::Activate;
  ControlRef control;
  int from = 0, to = 0;
  Text text;
  double amount = 0;
};

using RequestSink = std::function<void(const ToolRequest&)>;

// What a back end publishes: the page on view as it is now, and where a screen reader's
// requests go (never run inside the screen reader's call).
struct AccessibleSource {
  std::function<AccessiblePage()> describe;
  RequestSink request;
};

// What changed since the description the screen reader last heard of.
enum class AccessibleChange : std::uint8_t {
  PageChanged,      // another page is on view: every control may differ; its messages are
                    // counted in its name, not told one by one
  ControlsChanged,  // the same page shows other controls (a box showed or hid fields)
  Focus,            // `on`: the control took the focus (with none, the page on view holds
                    // it: no control has it); otherwise it lost it
  Enabled,          // `on`: usable now
  Invalid,          // `on`: an error hangs on it now
  Checked,          // `on`: ticked or selected now
  Name,
  Description,
  Value,         // a slider's number, the selector's type
  TextRemoved,   // `text` was removed at `position`
  TextInserted,  // `text` was inserted at `position`
  Caret,         // the caret moved to `position`
  Selection,
  Bounds,       // it moved or changed its size
  BubbleShown,  // a message appeared, or its text changed; the last
};
constexpr std::size_t kAccessibleChanges =
    static_cast<std::size_t>(AccessibleChange::BubbleShown) + 1;

struct AccessibleEvent {
  AccessibleChange change = AccessibleChange::PageChanged;
  ControlRef control;
  bool on = false;
  int position = 0;
  Text text;
  int page = 0;  // the control's: a page turned away from for the focus leaving it
};

}  // namespace zarq
