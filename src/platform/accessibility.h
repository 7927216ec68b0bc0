#pragma once
// What a screen reader is told about the page on view: each shown control with its role,
// name, help text, value, place and states, and the changes it listens for. The core
// describes the page once (form/accessible_page.h); each back end publishes that
// description in its desktop's own accessibility interfaces.

#include <cstdint>
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

enum class AccessibleRole : std::uint8_t {
  EditableText,
  CheckBox,
  RadioButton,  // one option of an option pair
  Slider,
  ComboBox,    // the obtained-type selector: its value is the type chosen
  PushButton,  // a page arrow, the auto-fill offer
  Alert,       // a message hanging on a control
};

struct AccessibleControl {
  ControlRef id;
  AccessibleRole role = AccessibleRole::EditableText;
  Text name;         // the caption
  Text description;  // the help text
  Text value;        // a field's text, the selector's type, an option's or a slider's value
  bool checked = false;
  double number = 0, minimum = 0, maximum = 0, step = 0;  // a slider
  RectF bounds;                                           // in the frame
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
  Text title;  // the page's title caption
  Text help;   // what the title explains: the page and the editor's keys
  std::vector<AccessibleControl> controls;  // in reading order
  const AccessibleControl* find(ControlRef id) const {
    for (const AccessibleControl& control : controls) {
      if (control.id == id) return &control;
    }
    return nullptr;
  }
};

// What changed since the description the screen reader last heard of.
enum class AccessibleChange : std::uint8_t {
  PageChanged,      // another page is on view: every control may differ
  ControlsChanged,  // the same page shows other controls (a box showed or hid fields)
  Focus,            // `on`: the control took the focus; otherwise it lost it
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
  BubbleShown,  // a message appeared, or its text changed
};

struct AccessibleEvent {
  AccessibleChange change = AccessibleChange::PageChanged;
  ControlRef control;
  bool on = false;
  int position = 0;
  Text text;
};

}  // namespace zarq
