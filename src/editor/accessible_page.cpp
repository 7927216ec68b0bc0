#include "editor/accessible_page.h"

#include <algorithm>
#include <cmath>

#include "editor/click_actions.h"
#include "editor/editing.h"
#include "editor/mouse.h"
#include "editor/pages.h"
#include "form/field_table.h"
#include "form/render_frame.h"
#include "form/settings_form.h"
#include "form/tab_order.h"
#include "validate/messages.h"

namespace zarq {
namespace {

using Kind = ControlRef::Kind;

// A slider's float as the decimal it stands for (0.8, not 0.800000011920929).
double asDecimal(float value) { return std::round(static_cast<double>(value) * 1e6) / 1e6; }

// A field is named by its caption, or by the one that explains it, else the page's title.
TextView fieldName(const PageRows& page, const FieldRow& row) {
  if (const Caption* caption = explainingCaption(row)) return caption->text;
  return page.title.caption;
}

AccessibleControl control(Kind kind, int index, AccessibleRole role, TextView name,
                          TextView description, RectF bounds) {
  AccessibleControl c;
  c.id = {kind, index};
  c.role = role;
  c.name = Text(name);
  c.description = Text(description);
  c.bounds = bounds;
  return c;
}

void addFields(SettingsForm& form, const PageRows& page, std::vector<AccessibleControl>& out) {
  for (const FieldRow& row : page.fields) {
    const TextField& field = form.fields[row.slot];
    if (!field.shown()) continue;
    AccessibleControl c =
        control(Kind::Field, row.slot, AccessibleRole::EditableText, fieldName(page, row), row.help,
                {field.x, field.y, field.width, field.height});
    c.value = field.text;
    c.enabled = field.enabled();
    c.caret = field.caret;
    const TextRange selected = field.selection();
    c.selectionStart = selected.empty() ? field.caret : selected.from;
    c.selectionEnd = selected.empty() ? field.caret : selected.to;
    out.push_back(std::move(c));
  }
}

void addCheckBoxes(SettingsForm& form, const PageRows& page, std::vector<AccessibleControl>& out) {
  for (const CheckBoxRow& row : page.checkBoxes) {
    const CheckBox& box = form.checkBoxes[row.index];
    if (!box.shown()) continue;
    const float half = box.size / 2;
    AccessibleControl c =
        control(Kind::CheckBox, row.index, AccessibleRole::CheckBox, row.caption.text, row.help,
                {box.x - half, box.y - half, box.size, box.size});
    c.checked = box.checked();
    c.enabled = box.enabled();
    out.push_back(std::move(c));
  }
}

void addOptions(SettingsForm& form, const PageRows& page, std::vector<AccessibleControl>& out) {
  for (const OptionPairRow& row : page.optionPairs) {
    const OptionPair& pair = form.optionPairs[row.index];
    if (!pair.shown()) continue;
    // "谱面镜像 X": the pair's caption tells apart the options of two pairs that read alike.
    const Text named = Text(row.caption.text) + u" ";
    AccessibleControl first =
        control(Kind::Option, 2 * row.index, AccessibleRole::RadioButton, named + pair.text1,
                row.help, {pair.x, pair.y, pair.width1, pair.height});
    first.value = pair.text1;
    first.checked = pair.selected1();
    AccessibleControl second = control(
        Kind::Option, 2 * row.index + 1, AccessibleRole::RadioButton, named + pair.text2, row.help,
        {pair.x + pair.width1 + static_cast<float>(pair.gap), pair.y, pair.width2, pair.height});
    second.value = pair.text2;
    second.checked = pair.selected2();
    out.push_back(std::move(first));
    out.push_back(std::move(second));
  }
}

void addSliders(SettingsForm& form, const PageRows& page, std::vector<AccessibleControl>& out) {
  for (const SliderRow& row : page.sliders) {
    const Slider& slider = form.sliders[row.index];
    if (!slider.shown()) continue;
    // The track and the knob's reach above and below it.
    constexpr float kReach = 10;
    AccessibleControl c =
        control(Kind::Slider, row.index, AccessibleRole::Slider, row.caption.text, row.help,
                {slider.x - slider.width / 2, slider.y - kReach, slider.width, 2 * kReach});
    c.value = form.fields[row.slot].text;
    c.number = asDecimal(slider.value());
    c.minimum = slider.min;
    c.maximum = slider.max;
    c.step = asDecimal(slider.step);
    c.enabled = slider.enabled();
    out.push_back(std::move(c));
  }
}

void addSelectors(SettingsForm& form, const PageRows& page, std::vector<AccessibleControl>& out) {
  for (const SelectorRow& row : page.selectors) {
    const FieldLabel& label = form.labels[row.label];
    if (!label.shown()) continue;
    const float width = form.metrics.measureTextTight(label.caption, label.size);
    float left = label.x;
    if (label.anchor == Align::Centre) left -= width / 2;
    if (label.anchor == Align::Far) left -= width;
    AccessibleControl c = control(Kind::Selector, 0, AccessibleRole::ComboBox, row.caption.text,
                                  row.help, {left, label.y, width, label.size});
    c.value = label.caption;
    c.enabled = label.enabled();
    out.push_back(std::move(c));
  }
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

// Each shown message follows the control it hangs on, whose states it sets; the auto-fill
// offer is a button.
void addBubbles(SettingsForm& form, std::vector<AccessibleControl>& out) {
  for (int record = 0; record < kBubbleCount; ++record) {
    const StatusBubble& bubble = form.bubbles[record];
    if (!bubble.visible) continue;
    const bool offer = record == kAutoFillRecord;
    const RectF bounds = {bubble.boxLeft(form.metrics), bubble.y, bubble.boxWidth(form.metrics),
                          bubble.size + 10};
    AccessibleControl c =
        control(Kind::Bubble, record, offer ? AccessibleRole::PushButton : AccessibleRole::Alert,
                bubble.status, bubble.speech, bounds);
    const ControlRef owner = ownerOf(bubble);
    auto after = out.end();
    for (auto it = out.begin(); it != out.end(); ++it) {
      if (!sameOwner(owner, it->id)) continue;
      after = it + 1;
      if (offer) continue;
      it->errorMessage = c.id;
      it->invalid = bubble.isError;
    }
    out.insert(after, std::move(c));
  }
}

void addArrows(SettingsForm& form, std::vector<AccessibleControl>& out) {
  for (int i = 0; i < kArrowCount; ++i) {
    const PageArrow& arrow = form.arrows[i];
    // Named after the page it turns to; the area a click hits.
    const PageRows& to = pageRow(pageAfterArrow(form, i));
    out.push_back(control(Kind::Arrow, i, AccessibleRole::PushButton, to.title.caption, {},
                          {arrow.x - 15.0f, arrow.y - 38.0f, 30, 76}));
  }
}

bool readsEarlier(const AccessibleControl& a, const AccessibleControl& b) {
  return readsBefore(a.bounds, b.bounds);
}

}  // namespace

AccessiblePage describePage(SettingsForm& form) {
  AccessiblePage described;
  described.page = form.currentPage;
  if (form.currentPage < 1 || form.currentPage > kPageCount) return described;
  const PageRows& page = pageRow(form.currentPage);
  described.title = Text(page.title.caption);
  described.help = Text(page.title.help);
  std::vector<AccessibleControl>& out = described.controls;
  addFields(form, page, out);
  addCheckBoxes(form, page, out);
  addOptions(form, page, out);
  addSliders(form, page, out);
  addSelectors(form, page, out);
  std::stable_sort(out.begin(), out.end(), readsEarlier);
  addBubbles(form, out);
  addArrows(form, out);
  const ControlRef focused = form.focusedControl();
  for (AccessibleControl& c : out) c.focused = c.id == focused;
  return described;
}

// A press and a release on the widget (`over` its part), as a click gives it; true when it
// reports a change.
template <typename Widget>
bool clicked(Widget& widget, int over) {
  widget.handle({WidgetInput::Kind::Press, 0, over});
  return widget.handle({WidgetInput::Kind::Release, 0, over}) == WidgetReport::Changed;
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
      return showPage(form, pageAfterArrow(form, control.index));
    case Kind::Bubble:
      return clickBubble(form, control.index);
    case Kind::Slider:
    case Kind::None:
      break;
  }
}

}  // namespace zarq
