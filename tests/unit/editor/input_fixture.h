#pragma once
// A fresh form driven as the window drives it: pointer events through the window-event
// table, characters and released keys one by one.

#include "editor/pages.h"
#include "editor/window_events.h"
#include "support/form_fixture.h"
#include "validate/messages.h"

namespace zarq::testing {

class InputTest : public FormTest {
 protected:
  ScriptedHost& host() { return platform.host; }
  WindowLoop& loop() { return platform.loop; }
  int frames() const { return platform.headless.frame.framesPresented(); }

  void press(float x, float y) { onButtonDown(*form, static_cast<int>(x), static_cast<int>(y)); }
  void release(float x, float y) { onButtonUp(*form, static_cast<int>(x), static_cast<int>(y)); }
  void move(float x, float y) { onMouseMove(*form, static_cast<int>(x), static_cast<int>(y)); }
  void click(float x, float y) {
    press(x, y);
    release(x, y);
  }
  void clickBox(int index) { click(form->checkBoxes[index].x, form->checkBoxes[index].y); }
  // A point on the caption's text, whatever its anchor.
  void clickLabel(int index) {
    const FieldLabel& label = form->labels[index];
    const float dx = label.anchor == Align::Near ? 2.f : label.anchor == Align::Far ? -2.f : 0.f;
    click(label.x + dx, label.y + label.size / 2);
  }
  void clickOption(int pair, bool first) {
    const OptionPair& p = form->optionPairs[pair];
    const float x = first ? p.x + p.width1 / 2 : p.x + p.width1 + p.gap + p.width2 / 2;
    click(x, p.y + p.height / 2);
  }
  // Everything that can show on the pages: the boxes that show fields ticked, a type chosen.
  void showEverything() {
    showPage(*form, 4);
    clickBox(box::scoreIncrease);
    clickBox(box::songNameSplit);
    clickLabel(label::obtainedType);
    clickBox(box::obtainedSplit);
  }
  // A press and release on a field at `dx` pixels from its left edge.
  void clickField(int slot, float dx) {
    const TextField& f = field(slot);
    click(f.x + dx, f.y + f.height / 2);
  }
  // The keyboard in the field with the caret at the end of its (short) text.
  void editAtEnd(int slot) { clickField(slot, field(slot).width - 1); }
  // The field holds `text` and has the keyboard with the caret at `caret`.
  void edit(int slot, TextView text, int caret) {
    field(slot).setText(text);
    field(slot).fitText(form->metrics, true);
    editAtEnd(slot);
    field(slot).caret = static_cast<std::int16_t>(caret);
    field(slot).fitText(form->metrics, true);
  }
  void type(TextView units) {
    for (char16_t unit : units) onChar(*form, unit);
  }
  void key(KeyStroke k) { onKeyUp(*form, k); }
  void command(Command c) { onCommand(*form, c); }
  bool editing(int slot) const {
    return form->interactionMode == InteractionMode::Editing && form->focusedField == slot &&
           form->fields[slot].focused;
  }
  // Attaches a visible message to a field as validation would.
  int attachMessage(int slot, bool isError, TextView status = u"错误：测试") {
    attachFieldMessage(*form, slot,
                       {.status = status,
                        .speech = u"测试",
                        .x = field(slot).x,
                        .y = field(slot).y + field(slot).height,
                        .ownerId = static_cast<std::int16_t>(slot),
                        .isError = isError},
                       false);
    return field(slot).bubble;
  }
};

}  // namespace zarq::testing
