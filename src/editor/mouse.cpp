#include "editor/mouse.h"

#include "editor/click_actions.h"
#include "editor/editing.h"
#include "editor/focus.h"
#include "editor/hit_test.h"
#include "editor/keyboard.h"
#include "editor/pages.h"
#include "form/render_frame.h"
#include "form/settings_form.h"
#include "form/slider_link.h"
#include "validate/validation.h"

namespace zarq {
namespace {

bool isWidget(PressKind kind) {
  return kind == PressKind::CheckBox || kind == PressKind::FirstOption ||
         kind == PressKind::SecondOption || kind == PressKind::Slider;
}

void recordPointer(SettingsForm& form, int x, int y) {
  form.mouseX = x;
  form.mouseY = y;
}

void updateArrowHover(SettingsForm& form, const Hit& over) {
  const std::int64_t now = form.host().clockMs();
  const int hovered = over.kind == PressKind::Arrow ? over.index : -1;
  for (int i = 0; i < kArrowCount; ++i) {
    PageArrow& arrow = form.arrows[i];
    if (i == hovered && !arrow.hovered) arrow.setHovered(true, now);
    if (i != hovered && arrow.hovered) arrow.setHovered(false, now);
  }
}

// The field under the pointer takes the keyboard, its caret where the pointer is. Within
// the field that already has it, the selection runs from where the button went down.
void focusByPointer(SettingsForm& form, int slot) {
  const bool alreadyEdited =
      form.interactionMode == InteractionMode::Editing && form.focusedField == slot;
  TextField& field = beginEditing(form, slot);
  field.caretToPointer(form.metrics, form.mouseX);
  if (!alreadyEdited) field.anchor = field.caret;
}

// The widget `pressed` (what a press went down on) hears of the pointer.
WidgetReport tellPressed(SettingsForm& form, const Hit& pressed, WidgetInput::Kind kind, int over) {
  const WidgetInput input{kind, form.mouseX, over};
  switch (pressed.kind) {
    case PressKind::CheckBox:
      return form.checkBoxes[pressed.index].handle(input);
    case PressKind::FirstOption:
    case PressKind::SecondOption:
      return form.optionPairs[pressed.index].handle(input);
    case PressKind::Slider:
      return form.sliders[pressed.index].handle(input);
    default:
      return WidgetReport::Nothing;
  }
}

// Which part of the pressed widget the pointer is over now, as the form's order finds it.
int overPressed(const Hit& pressed, const Hit& now) {
  if (now.index != pressed.index) return 0;
  if (now.kind == PressKind::SecondOption) return pressed.kind == now.kind ? 2 : 0;
  return now.kind == pressed.kind ? 1 : 0;
}

// The control a widget's press went down on, as the focus names it.
ControlRef controlOf(const Hit& hit) {
  using Kind = ControlRef::Kind;
  switch (hit.kind) {
    case PressKind::CheckBox:
      return {Kind::CheckBox, hit.index};
    case PressKind::FirstOption:
      return {Kind::Option, 2 * hit.index};
    case PressKind::SecondOption:
      return {Kind::Option, 2 * hit.index + 1};
    case PressKind::Slider:
      return {Kind::Slider, hit.index};
    default:
      return {};
  }
}

// A clicked check box or option takes the focus, as a native one does, unless a field still
// has the keyboard: an option's click, or a toggle refused, leaves the edited field alone.
void focusClicked(SettingsForm& form, const Hit& pressed) {
  if (form.interactionMode != InteractionMode::Editing) focusControl(form, controlOf(pressed));
}

// What the editor does with a widget's report: a slider's field shows where it is, and the
// drag's end validates it; a check box or an option applies what follows from it.
void react(SettingsForm& form, const Hit& pressed, WidgetReport report) {
  if (report == WidgetReport::Nothing) return;
  // What follows from the widget (a field's text, a message) is no widget's own.
  requestFrame(form);
  switch (pressed.kind) {
    case PressKind::Slider:
      showSliderValue(form, pressed.index);
      if (report == WidgetReport::Released) {
        if (form.interactionMode == InteractionMode::SliderDrag) {
          form.interactionMode = InteractionMode::Idle;
        }
        validateAndCommit(form, linkedSlot(pressed.index));
      }
      return;
    case PressKind::CheckBox:
      checkBoxToggled(form, pressed.index);
      return focusClicked(form, pressed);
    case PressKind::FirstOption:
    case PressKind::SecondOption:
      optionToggled(form, pressed.index);
      return focusClicked(form, pressed);
    default:
      return;
  }
}

// The widget still pressed hears of the pointer, and the editor reacts to what it reports.
void tellAndReact(SettingsForm& form, WidgetInput::Kind kind, int over) {
  if (!form.press.pressed()) return;
  const Hit pressed = *form.press.pressed();
  react(form, pressed, tellPressed(form, pressed, kind, over));
}

// A press and release both on nothing: the edited field, or the control with the focus, lets
// go of the keyboard.
void clickNothing(SettingsForm& form) {
  endEditing(form);
  dropFocus(form);
}

void clickAction(SettingsForm& form, const Hit& hit) {
  switch (hit.kind) {
    case PressKind::CloseMark:
      closeWarning(form, hit.index);
      break;
    case PressKind::Arrow:
      turnPage(form, pageAfterArrow(form, hit.index));
      break;
    case PressKind::Bubble:
      clickBubble(form, hit.index);
      break;
    case PressKind::Label:
      clickLabel(form, hit.index);
      break;
    case PressKind::Field:
      focusByPointer(form, hit.index);
      break;
    case PressKind::CheckBox:
    case PressKind::FirstOption:
    case PressKind::SecondOption:
    case PressKind::Slider:
      break;  // the widget itself takes press, drag and release
    case PressKind::None:
      clickNothing(form);
      break;
  }
  requestFrame(form);
}

void releaseAction(SettingsForm& form) {
  if (!form.press.pressed()) return;
  const Hit pressed = *form.press.pressed();
  if (form.interactionMode == InteractionMode::SliderDrag) {
    tellAndReact(form, WidgetInput::Kind::Release, 1);
    form.press.cancel();
    return;
  }
  const Hit hit = hitTest(form, HitScope::Release);
  // A widget tells its own clicks; for the rest the form does.
  if (isWidget(pressed.kind)) {
    tellAndReact(form, WidgetInput::Kind::Release, overPressed(pressed, hit));
    form.press.cancel();
  } else if (form.press.release(hit)) {
    clickAction(form, hit);
  }
}

}  // namespace

void abandonPress(SettingsForm& form) {
  if (form.interactionMode == InteractionMode::SliderDrag) {
    tellAndReact(form, WidgetInput::Kind::Lost, 0);
  }
  form.press.cancel();
}

int pageAfterArrow(const SettingsForm& form, int arrow) {
  const bool resultRecorded = form.checkBoxes[box::recordResult].checked();
  int page = form.currentPage;
  if (arrow == 0) {
    --page;
    if (!resultRecorded && page == 4) page = 3;
    if (page < 1) page = 6;
  } else {
    ++page;
    if (!resultRecorded && page == 4) page = 5;
    if (page > 6) page = 1;
  }
  return page;
}

void handleMouseMove(SettingsForm& form, int x, int y) {
  recordPointer(form, x, y);
  const Hit over = hitTest(form, HitScope::Move);
  if (form.mouseDown) {
    if (form.interactionMode == InteractionMode::SliderDrag) {
      tellAndReact(form, WidgetInput::Kind::Move, 1);
    } else if (over.kind == PressKind::Field) {
      // Dragging across fields moves the keyboard along, wherever the drag began.
      focusByPointer(form, over.index);
      requestFrame(form);
    } else if (over.kind == PressKind::None) {
      if (form.interactionMode == InteractionMode::Editing) {
        dragStep(form);
      } else {
        requestFrame(form);
      }
    }
  }
  updateArrowHover(form, over);
}

void handlePress(SettingsForm& form, int x, int y) {
  // A drag whose release never came (the button went up while another window was in
  // front) ends at the value it reached before this press is judged.
  abandonPress(form);
  recordPointer(form, x, y);
  const Hit hit = hitTest(form, HitScope::Press);
  form.press.press(hit);
  switch (hit.kind) {
    case PressKind::Arrow:
    case PressKind::None:
      // The field lets go at once; editing itself ends with the release or the page turn.
      releaseKeyboard(form);
      requestFrame(form);
      break;
    case PressKind::Field:
      focusByPointer(form, hit.index);
      form.fields[hit.index].anchor = form.fields[hit.index].caret;
      form.fields[hit.index].lastAutoScrollTime = -500;
      requestFrame(form);
      break;
    case PressKind::Slider:
      // The slider takes the keyboard too, so that the arrow keys go on where the drag ends.
      focusControl(form, controlOf(hit));
      form.interactionMode = InteractionMode::SliderDrag;
      tellPressed(form, hit, WidgetInput::Kind::Press, 1);
      // The field shows where the drag starts.
      react(form, hit, WidgetReport::Changed);
      break;
    case PressKind::CheckBox:
    case PressKind::FirstOption:
    case PressKind::SecondOption:
      tellPressed(form, hit, WidgetInput::Kind::Press, overPressed(hit, hit));
      break;
    default:
      break;  // the rest acts on the release
  }
}

void handleRelease(SettingsForm& form, int x, int y, bool positionGiven) {
  if (positionGiven) recordPointer(form, x, y);
  releaseAction(form);
  // A press that selected nothing leaves no anchor behind for a later Shift key.
  if (form.interactionMode == InteractionMode::Editing) {
    TextField& field = form.fields[form.focusedField];
    if (field.anchor == field.caret) field.clearSelection();
  }
}

}  // namespace zarq
