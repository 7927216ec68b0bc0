#pragma once
// What a described control answers a screen reader beyond its description: the states it is
// in, the requests it takes, which control holds the focus or lies under a point. Each back end
// translates these answers into its toolkit's words and decides none of them itself.

#include <cstdint>

#include "platform/accessibility.h"

namespace zarq {

enum class AccessibleState : std::uint8_t {
  Enabled,
  Focusable,
  Focused,
  Invalid,
  Editable,   // a one-line field
  Checkable,  // a box or an option
  Checked,
  Horizontal,  // a slider
  Alert,       // a message
};

constexpr bool hasState(const AccessibleControl& c, AccessibleState state) {
  using Role = AccessibleRole;
  switch (state) {
    case AccessibleState::Enabled:
      return c.enabled;
    case AccessibleState::Focusable:
      return c.focusable;
    case AccessibleState::Focused:
      return c.focused;
    case AccessibleState::Invalid:
      return c.invalid;
    case AccessibleState::Editable:
      return c.role == Role::EditableText;
    case AccessibleState::Checkable:
      return c.role == Role::CheckBox || c.role == Role::RadioButton;
    case AccessibleState::Checked:
      return c.checked;
    case AccessibleState::Horizontal:
      return c.role == Role::Slider;
    case AccessibleState::Alert:
      return c.role == Role::Alert;
  }
  return false;
}

// Whether a screen reader's request is taken, rather than refused at once: a click on a usable
// control, the focus for a Tab stop, a whole new value for a field or a slider that is one.
constexpr bool acceptsRequest(const AccessibleControl& c, ToolRequest::Kind kind) {
  switch (kind) {
    case ToolRequest::Kind::Activate:
      return c.enabled;
    case ToolRequest::Kind::Focus:
      return c.focusable;
    case ToolRequest::Kind::Edit:
      return c.focusable &&
             (c.role == AccessibleRole::EditableText || c.role == AccessibleRole::Slider);
  }
  return false;
}

inline const AccessibleControl* focusedControl(const AccessiblePage& page) {
  for (const AccessibleControl& c : page.controls) {
    if (c.focused) return &c;
  }
  return nullptr;
}

// The control under the point, in the window's pixels; a message drawn over a control is found
// before it.
inline const AccessibleControl* controlAt(const AccessiblePage& page, float x, float y) {
  const AccessibleControl* found = nullptr;
  for (const AccessibleControl& c : page.controls) {
    const RectF b = c.bounds;
    if (x >= b.x && x < b.x + b.w && y >= b.y && y < b.y + b.h) found = &c;
  }
  return found;
}

}  // namespace zarq
