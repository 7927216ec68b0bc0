#pragma once
// What a described control answers a screen reader beyond its description: the states it is
// in, the requests it takes, which control holds the focus or lies under a point. Each back end
// translates these answers into its toolkit's words and decides none of them itself.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

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
  Horizontal,   // a slider
  Alert,        // a message
  Selectable,   // one choice of the selector
  Selected,     // the choice chosen
  Unavailable,  // greyed; the last
};
constexpr std::size_t kAccessibleStates =
    static_cast<std::size_t>(AccessibleState::Unavailable) + 1;

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
    case AccessibleState::Selectable:
    case AccessibleState::Selected:
      return false;
    case AccessibleState::Unavailable:
      return !c.enabled;
  }
  return false;
}

// A set of states, as an object a screen reader asks about is in them.
class AccessibleStates {
 public:
  constexpr bool has(AccessibleState state) const { return bits_ >> bit(state) & 1u; }
  constexpr AccessibleStates& set(AccessibleState state, bool on = true) {
    bits_ = on ? bits_ | 1u << bit(state) : bits_ & ~(1u << bit(state));
    return *this;
  }

 private:
  static constexpr unsigned bit(AccessibleState state) { return static_cast<unsigned>(state); }
  std::uint32_t bits_ = 0;
};

// Every state the control is in.
AccessibleStates statesOf(const AccessibleControl& c);
// The page itself: usable and a Tab stop, focused while it holds the keyboard.
AccessibleStates pageStates(bool focused);
// One choice of the selector's: usable and selectable, selected while it is the one chosen.
AccessibleStates choiceStates(bool chosen);

// A back end's word for each role, state or change, in the enum's order: its column of the table
// both back ends fill, which does not compile with a word missing or to spare.
template <typename Enum, std::size_t Count, typename Word>
class Column {
 public:
  template <typename... Words>
  requires(sizeof...(Words) == Count) constexpr explicit Column(Words... words)
      : words_{static_cast<Word>(words)...} {}
  constexpr Word operator[](Enum e) const { return words_[static_cast<std::size_t>(e)]; }
  // Calls `each(value, word)` for every value in order.
  template <typename Each>
  void each(Each each) const {
    for (std::size_t i = 0; i < Count; ++i) each(static_cast<Enum>(i), words_[i]);
  }

 private:
  std::array<Word, Count> words_;
};
template <typename Word>
using RoleColumn = Column<AccessibleRole, kAccessibleRoles, Word>;
template <typename Word>
using StateColumn = Column<AccessibleState, kAccessibleStates, Word>;
template <typename Word>
using ChangeColumn = Column<AccessibleChange, kAccessibleChanges, Word>;

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

// Hands `request` to `sink` unless its control refuses it at once; whether it was taken.
bool offerRequest(const AccessibleControl& c, const ToolRequest& request, const RequestSink& sink);

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

// How the children on view changed from `was` to `now`, as a screen reader is told it:
// `tell(added, place, child)` for each that went at its old place, the last first, then for
// each that came at its new place.
template <typename Child, typename Tell>
void eachChildChange(const std::vector<Child>& was, const std::vector<Child>& now, Tell tell) {
  for (std::size_t i = was.size(); i-- > 0;) {
    if (std::find(now.begin(), now.end(), was[i]) == now.end()) tell(false, i, was[i]);
  }
  for (std::size_t i = 0; i < now.size(); ++i) {
    if (std::find(was.begin(), was.end(), now[i]) == was.end()) tell(true, i, now[i]);
  }
}

// The control's place in whole pixels, covering every pixel it touches.
struct PixelBox {
  int x = 0, y = 0, width = 0, height = 0;
};
PixelBox pixelBox(RectF bounds);

// The state an event turns on or off, where it tells of one.
std::optional<AccessibleState> changedState(const AccessibleEvent& event);

// The selector's choice, or -1 while none of its choices is chosen.
int chosenChoice(const AccessibleControl& c);

// A control's text as a screen reader counts it: in characters, a surrogate pair as one, where
// the control holds UTF-16 units. A place or range outside the text is kept within it.
int characterCount(const AccessibleControl& c);
int caretCharacter(const AccessibleControl& c);
// The selection, [first, second); none while nothing is selected.
std::optional<std::pair<int, int>> selectedCharacters(const AccessibleControl& c);
Text charactersBetween(const AccessibleControl& c, int from, int to);
// The character at `at`, 0 outside the text.
char32_t characterAt(const AccessibleControl& c, int at);
// Characters `from` to `to` (an end below 0: the text's end) become `typed`.
ToolRequest editOfCharacters(const AccessibleControl& c, int from, int to, Text typed);
// `typed` goes in at `at`, or at the nearer end of the text where `at` lies outside it; the
// request, and the character after what went in.
std::pair<ToolRequest, int> insertionAt(const AccessibleControl& c, int at, Text typed);
// Where the text an event removed or inserted lies in `c`, and how many characters it holds.
std::pair<int, int> changedCharacters(const AccessibleControl& c, const AccessibleEvent& event);

}  // namespace zarq
