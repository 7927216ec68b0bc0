#include "platform/accessible_answers.h"

#include <algorithm>
#include <cmath>

#include "common/words.h"

namespace zarq {

bool offerRequest(const AccessibleControl& c, const ToolRequest& request, const RequestSink& sink) {
  if (!acceptsRequest(c, request.kind) || !sink) return false;
  sink(request);
  return true;
}

AccessibleStates statesOf(const AccessibleControl& c) {
  AccessibleStates states;
  for (std::size_t i = 0; i < kAccessibleStates; ++i) {
    const auto state = static_cast<AccessibleState>(i);
    states.set(state, hasState(c, state));
  }
  return states;
}

AccessibleStates pageStates(bool focused) {
  return AccessibleStates{}
      .set(AccessibleState::Enabled)
      .set(AccessibleState::Focusable)
      .set(AccessibleState::Focused, focused);
}

AccessibleStates choiceStates(bool chosen) {
  return AccessibleStates{}
      .set(AccessibleState::Enabled)
      .set(AccessibleState::Selectable)
      .set(AccessibleState::Selected, chosen);
}

PixelBox pixelBox(RectF bounds) {
  return {static_cast<int>(std::floor(bounds.x)), static_cast<int>(std::floor(bounds.y)),
          static_cast<int>(std::ceil(bounds.w)), static_cast<int>(std::ceil(bounds.h))};
}

std::optional<AccessibleState> changedState(const AccessibleEvent& event) {
  switch (event.change) {
    case AccessibleChange::Focus:
      return AccessibleState::Focused;
    case AccessibleChange::Enabled:
      return AccessibleState::Enabled;
    case AccessibleChange::Invalid:
      return AccessibleState::Invalid;
    case AccessibleChange::Checked:
      return AccessibleState::Checked;
    default:
      return std::nullopt;
  }
}

int chosenChoice(const AccessibleControl& c) {
  const int chosen = static_cast<int>(c.amount);
  return chosen >= 0 && chosen < static_cast<int>(c.choices.size()) ? chosen : -1;
}

int characterCount(const AccessibleControl& c) { return characterIndex(c.value, c.value.size()); }

int caretCharacter(const AccessibleControl& c) {
  return characterIndex(c.value, static_cast<std::size_t>(c.caret));
}

std::optional<std::pair<int, int>> selectedCharacters(const AccessibleControl& c) {
  if (c.selectionEnd <= c.selectionStart) return std::nullopt;
  return std::pair{characterIndex(c.value, static_cast<std::size_t>(c.selectionStart)),
                   characterIndex(c.value, static_cast<std::size_t>(c.selectionEnd))};
}

Text charactersBetween(const AccessibleControl& c, int from, int to) {
  const auto [first, last] = unitsOfCharacters(c.value, from, to);
  return c.value.substr(first, last - first);
}

char32_t characterAt(const AccessibleControl& c, int at) {
  if (at < 0 || at >= characterCount(c)) return 0;
  return codePointAt(c.value, unitOfCharacter(c.value, at));
}

ToolRequest editOfCharacters(const AccessibleControl& c, int from, int to, Text typed) {
  const auto [first, last] = unitsOfCharacters(c.value, from, to);
  return {ToolRequest::Kind::Edit, c.id, static_cast<int>(first), static_cast<int>(last),
          std::move(typed),        0};
}

std::pair<ToolRequest, int> insertionAt(const AccessibleControl& c, int at, Text typed) {
  at = std::clamp(at, 0, characterCount(c));
  const int after = at + characterIndex(typed, typed.size());
  return {editOfCharacters(c, at, at, std::move(typed)), after};
}

std::pair<int, int> changedCharacters(const AccessibleControl& c, const AccessibleEvent& event) {
  return {characterIndex(c.value, static_cast<std::size_t>(event.position)),
          characterIndex(event.text, event.text.size())};
}

}  // namespace zarq
