#include "editor/accessible_events.h"

#include <algorithm>
#include <cstddef>
#include <utility>

#include "common/text.h"
#include "editor/accessible_page.h"
#include "form/settings_form.h"
#include "platform/accessible_answers.h"

namespace zarq {
namespace {

using Change = AccessibleChange;

AccessibleEvent event(Change change, ControlRef control, bool on = false, int position = 0,
                      Text text = {}) {
  return {change, control, on, position, std::move(text), 0};
}

// One edit that turns `was` into `now`: what went and what came at one place, on whole
// characters.
void textEdit(const AccessibleControl& was, const AccessibleControl& now,
              std::vector<AccessibleEvent>& out) {
  const Text& a = was.value;
  const Text& b = now.value;
  std::size_t head = 0;
  while (head < a.size() && head < b.size() && a[head] == b[head]) ++head;
  if (head > 0 && isHighSurrogate(a[head - 1])) --head;
  std::size_t tail = 0;
  while (tail < a.size() - head && tail < b.size() - head &&
         a[a.size() - 1 - tail] == b[b.size() - 1 - tail]) {
    ++tail;
  }
  if (tail > 0 && isLowSurrogate(a[a.size() - tail])) --tail;
  const int at = static_cast<int>(head);
  if (a.size() > head + tail) {
    out.push_back(
        event(Change::TextRemoved, now.id, false, at, a.substr(head, a.size() - head - tail)));
  }
  if (b.size() > head + tail) {
    out.push_back(
        event(Change::TextInserted, now.id, false, at, b.substr(head, b.size() - head - tail)));
  }
}

bool sameBounds(RectF a, RectF b) { return a.x == b.x && a.y == b.y && a.w == b.w && a.h == b.h; }

// A message hanging on the focused control is heard in that control's description, which
// changes with it: told as a message too, it would be said twice.
bool heardInFocus(const AccessiblePage& page, ControlRef message) {
  return std::any_of(
      page.controls.begin(), page.controls.end(),
      [message](const AccessibleControl& c) { return c.focused && c.errorMessage == message; });
}

void controlChanges(const AccessiblePage& page, const AccessibleControl& was,
                    const AccessibleControl& now, std::vector<AccessibleEvent>& out) {
  const ControlRef id = now.id;
  if (was.name != now.name) {
    if (id.kind != ControlRef::Kind::Bubble) {
      out.push_back(event(Change::Name, id));
    } else if (!heardInFocus(page, id)) {
      out.push_back(event(Change::BubbleShown, id));
    }
  }
  // What was typed is heard before what it changed.
  if (now.role == AccessibleRole::EditableText && was.value != now.value) textEdit(was, now, out);
  if (was.description != now.description ||
      (was.errorMessage != now.errorMessage && was.invalid == now.invalid)) {
    out.push_back(event(Change::Description, id));
  }
  if (was.enabled != now.enabled) out.push_back(event(Change::Enabled, id, now.enabled));
  if (was.invalid != now.invalid) out.push_back(event(Change::Invalid, id, now.invalid));
  if (!sameBounds(was.bounds, now.bounds)) out.push_back(event(Change::Bounds, id));
  if (was.checked != now.checked) out.push_back(event(Change::Checked, id, now.checked));
  if (now.role == AccessibleRole::EditableText) {
    // Only the field that keeps the focus has a caret worth telling: the one that takes it
    // is heard whole, with its selection, and the one that left is no longer followed.
    if (!was.focused || !now.focused) return;
    if (was.caret != now.caret) out.push_back(event(Change::Caret, id, false, now.caret));
    if (was.selectionStart != now.selectionStart || was.selectionEnd != now.selectionEnd) {
      out.push_back(event(Change::Selection, id));
    }
  } else if (was.value != now.value || was.amount != now.amount) {
    out.push_back(event(Change::Value, id));
  }
}

bool sameControls(const AccessiblePage& was, const AccessiblePage& now) {
  return std::equal(
      was.controls.begin(), was.controls.end(), now.controls.begin(), now.controls.end(),
      [](const AccessibleControl& a, const AccessibleControl& b) { return a.id == b.id; });
}

}  // namespace

std::vector<AccessibleEvent> accessibleChanges(const AccessiblePage& was,
                                               const AccessiblePage& now) {
  std::vector<AccessibleEvent> out;
  for (const AccessibleControl& old : was.controls) {
    const AccessibleControl* still = now.find(old.id);
    if (old.focused && (!still || !still->focused)) {
      out.push_back(event(Change::Focus, old.id, false));
      out.back().page = was.page;
    }
  }
  const std::size_t onNow = out.size();
  // The focus let go of every control of the page (Escape): the page holds it, so that a
  // screen reader says where the keyboard is rather than still follow the control left.
  if (onNow > 0 && was.page == now.page && now.page > 0 && !focusedControl(now)) {
    out.push_back(event(Change::Focus, {}, true));
  }
  if (was.page != now.page) {
    out.push_back(event(Change::PageChanged, {}));
  } else if (!sameControls(was, now)) {
    out.push_back(event(Change::ControlsChanged, {}));
  }
  if (was.page == now.page && was.name != now.name) out.push_back(event(Change::Name, {}));
  AccessibleEvent arrived = event(Change::Focus, {}, true);
  // Another page's controls are others, even where they share a reference.
  const AccessiblePage none;
  const AccessiblePage& before = was.page == now.page ? was : none;
  for (const AccessibleControl& control : now.controls) {
    const AccessibleControl* old = before.find(control.id);
    if (old) controlChanges(now, *old, control, out);
    // A new page's messages are counted in its name, not read out one after the other.
    if (!old && control.id.kind == ControlRef::Kind::Bubble && &before == &was &&
        !heardInFocus(now, control.id)) {
      out.push_back(event(Change::BubbleShown, control.id));
    }
    if (control.focused && (!old || !old->focused)) arrived.control = control.id;
  }
  if (arrived.control) out.push_back(arrived);
  for (std::size_t i = onNow; i < out.size(); ++i) out[i].page = now.page;
  return out;
}

void announceChanges(SettingsForm& form) {
  AccessiblePage now = describePage(form);
  for (const AccessibleEvent& event : accessibleChanges(form.announced, now)) {
    form.host().announce(event);
  }
  form.announced = std::move(now);
  // With no control focused, the page itself holds the keyboard the window took back.
  const AccessiblePage& page = form.announced;
  if (std::exchange(form.focusToRetell, false) && page.page > 0 && !focusedControl(page)) {
    form.host().announce({Change::Focus, {}, true, 0, {}, page.page});
  }
}

void retellFocus(SettingsForm& form) {
  for (AccessibleControl& control : form.announced.controls) control.focused = false;
  form.focusToRetell = true;
  // Work under way (an import, an auto-fill) announces when it is done, the focus after what
  // the work changed: told now, the control would be heard, then its changes said again.
  if (!form.busyMark.busy()) announceChanges(form);
}

}  // namespace zarq
