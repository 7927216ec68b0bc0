#include "editor/focus.h"

#include <algorithm>

#include "editor/editing.h"
#include "form/render_frame.h"
#include "form/settings_form.h"
#include "form/tab_order.h"
#include "validate/messages.h"

namespace zarq {
namespace {

using Kind = ControlRef::Kind;

bool hasOffer(const SettingsForm& form) {
  const StatusBubble& offer = form.bubbles[kAutoFillRecord];
  return offer.visible && offer.ownerKind == OwnerKind::TextField;
}

// The second option of an exclusive pair stops Tab while it is the one selected.
bool pairStopsAtSecond(const SettingsForm& form, ControlRef second) {
  const OptionPair& pair = form.optionPairs[second.index / 2];
  return pair.exclusive && pair.selected2 && !pair.selected1;
}

}  // namespace

bool canTakeFocus(const SettingsForm& form, ControlRef control) {
  const int i = control.index;
  switch (control.kind) {
    case Kind::Field:
      return i >= 0 && i < kFieldCount && form.fields[i].shown && form.fields[i].enabled;
    case Kind::CheckBox:
      return i >= 0 && i < kCheckBoxCount && form.checkBoxes[i].shown && form.checkBoxes[i].enabled;
    case Kind::Option:
      return i >= 0 && i < 2 * kOptionPairCount && form.optionPairs[i / 2].shown;
    case Kind::Slider:
      return i >= 0 && i < kSliderCount && form.sliders[i].shown && form.sliders[i].enabled;
    case Kind::Selector: {
      const FieldLabel& label = form.labels[label::obtainedType];
      return i == 0 && label.shown && label.enabled;
    }
    case Kind::Arrow:
      return i >= 0 && i < kArrowCount;
    case Kind::Bubble:
      return i == kAutoFillRecord && hasOffer(form);
    case Kind::None:
      break;
  }
  return false;
}

std::vector<ControlRef> focusCycle(SettingsForm& form) {
  std::vector<ControlRef> cycle;
  for (const ControlRef control : tabOrder(form)) {
    if (!canTakeFocus(form, control)) continue;
    if (control.kind == Kind::Option && !cycle.empty() && cycle.back().kind == Kind::Option &&
        cycle.back().index / 2 == control.index / 2) {
      if (control == form.focus ||
          (form.focus != cycle.back() && pairStopsAtSecond(form, control))) {
        cycle.back() = control;
      }
      continue;
    }
    cycle.push_back(control);
  }
  if (hasOffer(form)) {
    const ControlRef owner{Kind::Field, form.bubbles[kAutoFillRecord].ownerId};
    auto at = std::find(cycle.begin(), cycle.end(), owner);
    // Without its field on view, before the arrows.
    at = at == cycle.end() ? cycle.end() - kArrowCount : at + 1;
    cycle.insert(at, {Kind::Bubble, kAutoFillRecord});
  }
  return cycle;
}

void moveFocus(SettingsForm& form, int direction) {
  // The pointer holds a slider: the drag ends first.
  if (form.interactionMode == InteractionMode::SliderDrag) return;
  requestFrame(form);
  const std::vector<ControlRef> cycle = focusCycle(form);
  if (cycle.empty()) return;
  const auto at = std::find(cycle.begin(), cycle.end(), form.focusedControl());
  const int count = static_cast<int>(cycle.size());
  int next = direction > 0 ? 0 : count - 1;
  if (at != cycle.end()) next = (static_cast<int>(at - cycle.begin()) + direction + count) % count;
  focusControl(form, cycle[static_cast<std::size_t>(next)]);
}

void focusControl(SettingsForm& form, ControlRef control) {
  requestFrame(form);
  if (control.kind == Kind::Field) {
    releaseKeyboard(form);
    beginEditing(form, control.index).selectAll(form.metrics);
    return;
  }
  endEditing(form);
  form.focus = control;
}

void dropFocus(SettingsForm& form) {
  if (form.focus) requestFrame(form);
  form.focus = {};
}

void dropFocusIfGone(SettingsForm& form) {
  if (form.focus && !canTakeFocus(form, form.focus)) dropFocus(form);
}

}  // namespace zarq
