#include "editor/accessible_page.h"

#include <algorithm>
#include <cmath>

#include "common/numbers.h"
#include "editor/click_actions.h"
#include "editor/editing.h"
#include "editor/focus.h"
#include "editor/keyboard.h"
#include "editor/mouse.h"
#include "editor/pages.h"
#include "editor/window_events.h"
#include "form/field_table.h"
#include "form/render_frame.h"
#include "form/settings_form.h"
#include "form/slider_link.h"
#include "form/tab_order.h"
#include "validate/messages.h"
#include "validate/validation.h"

namespace zarq {
namespace {

using Kind = ControlRef::Kind;
using Role = AccessibleRole;

// A slider's float as the decimal it stands for (0.8, not 0.800000011920929).
double asDecimal(float value) { return std::round(static_cast<double>(value) * 1e6) / 1e6; }

// What activating a control does, as the window's own words would say it.
TextView actionOf(Role role, bool checked) {
  switch (role) {
    case Role::EditableText:
      return u"编辑";
    case Role::CheckBox:
      return checked ? u"取消勾选" : u"勾选";
    case Role::RadioButton:
      return u"选择";
    case Role::ComboBox:
      return u"下一项";
    case Role::PushButton:
      return u"按下";
    case Role::Alert:
      return u"查看";
    case Role::Slider:
      break;
  }
  return {};
}

// The caption, or the one that explains the field, else the page's title; then what tells
// the field apart from the others that caption names ("判定线颜色 R").
Text fieldName(const PageRows& page, const FieldRow& row) {
  const Caption* caption = explainingCaption(row);
  Text name(caption ? caption->text : page.title.caption);
  if (!row.part.empty()) name += Text(u" ") + Text(row.part);
  return name;
}

RectF scaled(RectF r, double scale) {
  const auto f = static_cast<float>(scale);
  return {r.x * f, r.y * f, r.w * f, r.h * f};
}

AccessibleControl describe(SettingsForm& form, const PageRows& page, ControlRef id) {
  AccessibleControl c;
  c.id = id;
  c.bounds = placeOf(form, id);
  const int i = id.index;
  switch (id.kind) {
    case Kind::Field: {
      const FieldRow& row = fieldRow(i);
      const TextField& field = form.fields[i];
      c.role = Role::EditableText;
      c.name = fieldName(page, row);
      c.description = Text(row.help);
      c.value = field.text;
      c.enabled = field.enabled();
      c.caret = field.caret;
      const TextRange selected = field.selection();
      c.selectionStart = selected.empty() ? field.caret : selected.from;
      c.selectionEnd = selected.empty() ? field.caret : selected.to;
      break;
    }
    case Kind::CheckBox: {
      const CheckBoxRow& row = checkBoxRow(i);
      c.role = Role::CheckBox;
      c.name = Text(row.caption.text);
      c.description = Text(row.help);
      c.checked = form.checkBoxes[i].checked();
      c.enabled = form.checkBoxes[i].enabled();
      break;
    }
    case Kind::Option: {
      // "谱面镜像 X": the pair's caption tells apart the options of two pairs that read alike.
      const OptionPairRow& row = optionPairRow(i / 2);
      const OptionPair& pair = form.optionPairs[i / 2];
      const bool first = i % 2 == 0;
      c.role = pair.exclusive ? Role::RadioButton : Role::CheckBox;
      c.value = first ? pair.text1 : pair.text2;
      c.name = Text(row.caption.text) + u" " + c.value;
      c.description = Text(row.help);
      c.checked = first ? pair.selected1() : pair.selected2();
      c.group = {{Kind::Option, i - i % 2}, {Kind::Option, i - i % 2 + 1}};
      break;
    }
    case Kind::Slider: {
      const SliderRow& row = sliderRow(i);
      const Slider& slider = form.sliders[i];
      c.role = Role::Slider;
      c.name = Text(row.caption.text);
      c.description = Text(row.help);
      c.value = form.fields[row.slot].text;
      c.amount = asDecimal(slider.value());
      c.minimum = slider.min;
      c.maximum = slider.max;
      c.step = asDecimal(slider.step);
      c.enabled = slider.enabled();
      break;
    }
    case Kind::Selector: {
      const SelectorRow& row = obtainedTypeSelector();
      c.role = Role::ComboBox;
      c.name = Text(row.caption.text);
      c.description = Text(row.help);
      c.value = form.obtainedType();
      for (const TextView type : obtainedTypes()) c.choices.emplace_back(type);
      c.amount = static_cast<double>(std::find(c.choices.begin(), c.choices.end(), c.value) -
                                     c.choices.begin());
      c.maximum = static_cast<double>(c.choices.size() - 1);
      c.step = 1;
      c.enabled = form.labels[row.label].enabled();
      break;
    }
    case Kind::Arrow:
      // Named after the page it turns to.
      c.role = Role::PushButton;
      c.name = Text(pageRow(pageAfterArrow(form, i)).title.caption);
      break;
    case Kind::Bubble:
    case Kind::None:
      break;
  }
  return c;
}

// A control's reference from the owner a bubble names.
ControlRef ownerOf(const StatusBubble& bubble) {
  switch (bubble.ownerKind) {
    case OwnerKind::TextField:
      return {Kind::Field, bubble.ownerId};
    case OwnerKind::CheckBox:
      return {Kind::CheckBox, bubble.ownerId};
    case OwnerKind::OptionPair:
      return {Kind::Option, 2 * bubble.ownerId};
    case OwnerKind::None:
      break;
  }
  return {};
}

bool sameOwner(ControlRef owner, ControlRef id) {
  if (owner.kind == Kind::Option && id.kind == Kind::Option) return owner.index / 2 == id.index / 2;
  return owner == id;
}

// Each shown message follows the control it hangs on, whose states and description it sets;
// the auto-fill offer is a button.
void addBubbles(SettingsForm& form, std::vector<AccessibleControl>& out) {
  for (int record = 0; record < kBubbleCount; ++record) {
    const StatusBubble& bubble = form.bubbles[record];
    if (!bubble.visible) continue;
    const bool offer = record == kAutoFillRecord;
    AccessibleControl c;
    c.id = {Kind::Bubble, record};
    c.role = offer ? Role::PushButton : Role::Alert;
    c.name = bubble.status;
    c.description = bubble.speech;
    c.bounds = {bubble.boxLeft(form.metrics), bubble.y, bubble.boxWidth(form.metrics),
                bubble.size + 10};
    const ControlRef owner = ownerOf(bubble);
    auto after = out.end();
    for (auto it = out.begin(); it != out.end(); ++it) {
      if (!sameOwner(owner, it->id)) continue;
      after = it + 1;
      if (offer) continue;
      it->errorMessage = c.id;
      it->invalid = bubble.isError;
      it->description = bubble.status + u"\n" + it->description;
    }
    out.insert(after, std::move(c));
  }
}

// "，1 个错误，2 个警告" for the messages the page shows.
Text messageCount(const SettingsForm& form) {
  int errors = 0, warnings = 0;
  for (int record = 0; record < kBubbleCount; ++record) {
    const StatusBubble& bubble = form.bubbles[record];
    if (!bubble.visible || record == kAutoFillRecord) continue;
    ++(bubble.isError ? errors : warnings);
  }
  Text count;
  const auto add = [&count](int n, TextView what) {
    if (n > 0) count += u"，" + intText(n) + u" 个" + Text(what);
  };
  add(errors, u"错误");
  add(warnings, u"警告");
  return count;
}

// A press and a release on the widget (`over` its part), as a click gives it; true when it
// reports a change.
template <typename Widget>
bool clicked(Widget& widget, int over) {
  widget.handle({WidgetInput::Kind::Press, 0, over});
  return widget.handle({WidgetInput::Kind::Release, 0, over}) == WidgetReport::Changed;
}

void setSliderByTool(SettingsForm& form, int slider, double amount) {
  const Slider& s = form.sliders[slider];
  if (!std::isfinite(amount)) return form.host().beep();
  setSliderValue(form, slider, static_cast<float>(std::clamp<double>(amount, s.min, s.max)));
  validateAndCommit(form, linkedSlot(slider));
}

}  // namespace

AccessiblePage describePage(SettingsForm& form) {
  AccessiblePage described;
  described.page = form.currentPage;
  if (form.currentPage < 1 || form.currentPage > kPageCount) return described;
  const PageRows& page = pageRow(form.currentPage);
  described.name = Text(page.title.caption) + messageCount(form);
  described.help = Text(page.title.help);
  std::vector<AccessibleControl>& out = described.controls;
  for (const ControlRef id : tabOrder(form)) out.push_back(describe(form, page, id));
  addBubbles(form, out);
  const ControlRef focused = form.focusedControl();
  for (AccessibleControl& c : out) {
    c.number = controlNumber(c.id);
    c.action = Text(actionOf(c.role, c.checked));
    c.focusable = canTakeFocus(form, c.id) && c.enabled;
    c.focused = c.id == focused;
    c.bounds = scaled(c.bounds, form.windowScale);
  }
  return described;
}

AccessibleSource accessibleSource(SettingsForm& form) {
  return {[&form] { return describePage(form); },
          [&form](const ToolRequest& request) { onToolRequest(form, request); }};
}

void activateControl(SettingsForm& form, ControlRef control) {
  const AccessiblePage page = describePage(form);
  const AccessibleControl* shown = page.find(control);
  if (!shown) return;
  if (!shown->enabled) return form.host().beep();
  requestFrame(form);
  switch (control.kind) {
    case Kind::Field: {
      TextField& field = beginEditing(form, control.index);
      field.clearSelection();
      field.caret = static_cast<std::int16_t>(field.length());
      field.fitText(form.metrics, false);
      break;
    }
    case Kind::CheckBox:
      if (clicked(form.checkBoxes[control.index], 1)) checkBoxToggled(form, control.index);
      return;
    case Kind::Option:
      if (clicked(form.optionPairs[control.index / 2], control.index % 2 == 0 ? 1 : 2)) {
        optionToggled(form, control.index / 2);
      }
      return;
    case Kind::Selector:
      return cycleObtainedType(form);
    case Kind::Arrow:
      return turnPage(form, pageAfterArrow(form, control.index));
    case Kind::Bubble:
      return clickBubble(form, control.index);
    case Kind::Slider:
    case Kind::None:
      break;
  }
}

bool focusByTool(SettingsForm& form, ControlRef control) {
  if (!canTakeFocus(form, control) || form.interactionMode == InteractionMode::SliderDrag) {
    return false;
  }
  focusControl(form, control);
  return true;
}

void editByTool(SettingsForm& form, ControlRef control, int from, int to, TextView text,
                double amount) {
  if (!canTakeFocus(form, control)) return form.host().beep();
  requestFrame(form);
  if (control.kind == Kind::Slider) {
    return setSliderByTool(form, control.index, text.empty() ? amount : leadingDouble(text));
  }
  if (control.kind == Kind::Selector) {
    // The choice at `amount`, as the keys would step to it.
    const std::span<const TextView> types = obtainedTypes();
    const auto now = std::find(types.begin(), types.end(), form.obtainedType()) - types.begin();
    const auto to = static_cast<long>(amount);
    if (to < 0 || to >= static_cast<long>(types.size())) return form.host().beep();
    if (to != now) cycleObtainedType(form, static_cast<int>(to - now));
    return;
  }
  if (control.kind != Kind::Field) return form.host().beep();
  TextField& field = beginEditing(form, control.index);
  const int length = field.length();
  field.anchor = static_cast<std::int16_t>(std::clamp(from, 0, length));
  field.caret = static_cast<std::int16_t>(std::clamp(to, 0, length));
  field.fitText(form.metrics, false);
  // What is replaced goes first, as Backspace takes a selection.
  if (field.anchor != field.caret) handleChar(form, u'\b');
  for (const char16_t unit : text) handleChar(form, unit);
}

}  // namespace zarq
