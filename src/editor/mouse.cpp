#include "editor/mouse.h"

#include "editor/click_actions.h"
#include "editor/editing.h"
#include "editor/hit_test.h"
#include "editor/keyboard.h"
#include "editor/pages.h"
#include "form/render_frame.h"
#include "form/settings_form.h"
#include "form/slider_link.h"
#include "validate/validation.h"

namespace zarq {
namespace {

void recordPointer(SettingsForm& form, int x, int y) {
  form.mouseX = x;
  form.mouseY = y;
}

void updateArrowHover(SettingsForm& form, const Hit& over) {
  const std::int32_t now = form.host().clockMs();
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
  if (form.interactionMode == InteractionMode::Editing && form.focusedField != slot) {
    unfocusField(form, form.focusedField);
  }
  form.interactionMode = InteractionMode::Editing;
  form.focusedField = static_cast<std::int16_t>(slot);
  TextField& field = form.fields[slot];
  field.caret =
      static_cast<std::int16_t>(field.scroll + field.caretFromPointer(form.metrics, form.mouseX));
  field.fitText(form.metrics, false);
  field.focused = true;
  if (!alreadyEdited) field.anchor = field.caret;
}

// The slider follows the pointer and its field shows the new value, not yet validated.
void dragSlider(SettingsForm& form, int index) {
  setSliderValue(form, index, form.sliders[index].valueAt(form.mouseX));
}

// The drag ends: the value is validated.
void endSliderDrag(SettingsForm& form) {
  form.interactionMode = InteractionMode::Idle;
  validateAndCommit(form, linkedSlot(form.pressIndex), false, true);
}

void releaseSlider(SettingsForm& form) {
  dragSlider(form, form.pressIndex);
  endSliderDrag(form);
  renderFrame(form);
}

// A press and release both on nothing: the edited field lets go of the keyboard.
void clickNothing(SettingsForm& form) { endEditing(form); }

void clickAction(SettingsForm& form, const Hit& hit) {
  switch (hit.kind) {
    case PressKind::CloseMark:
      closeWarning(form, hit.index);
      break;
    case PressKind::Arrow:
      showPage(form, pageAfterArrow(form, hit.index));
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
      clickCheckBox(form, hit.index);
      break;
    case PressKind::FirstOption:
      clickOption(form, hit.index, true);
      break;
    case PressKind::SecondOption:
      clickOption(form, hit.index, false);
      break;
    case PressKind::Slider:
      break;  // a slider acts on press, drag and release instead
    case PressKind::None:
      clickNothing(form);
      break;
  }
  renderFrame(form);
}

void releaseAction(SettingsForm& form) {
  if (!form.pressOpen) return;
  form.pressOpen = false;
  if (form.interactionMode == InteractionMode::SliderDrag) return releaseSlider(form);
  const Hit hit = hitTest(form, HitScope::Release);
  // A click is a press and a release on the same element; anything else does nothing.
  if (hit != Hit{form.pressKind, form.pressIndex}) return;
  clickAction(form, hit);
}

}  // namespace

int pageAfterArrow(const SettingsForm& form, int arrow) {
  const bool resultRecorded = form.checkBoxes[box::recordResult].checked;
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
      dragSlider(form, form.pressIndex);
      renderFrame(form);
    } else if (over.kind == PressKind::Field) {
      // Dragging across fields moves the keyboard along, wherever the drag began.
      focusByPointer(form, over.index);
      renderFrame(form);
    } else if (over.kind == PressKind::None) {
      if (form.interactionMode == InteractionMode::Editing) {
        dragStep(form);
      } else {
        renderFrame(form);
      }
    }
  }
  updateArrowHover(form, over);
}

void handlePress(SettingsForm& form, int x, int y) {
  // A drag whose release never came (the button went up while another window was in
  // front) ends at the value it reached before this press is judged.
  if (form.interactionMode == InteractionMode::SliderDrag) endSliderDrag(form);
  recordPointer(form, x, y);
  const Hit hit = hitTest(form, HitScope::Press);
  form.pressKind = hit.kind;
  form.pressIndex = hit.index;
  form.pressOpen = true;
  switch (hit.kind) {
    case PressKind::Arrow:
    case PressKind::None:
      // The field lets go at once; editing itself ends with the release or the page turn.
      releaseKeyboard(form);
      renderFrame(form);
      break;
    case PressKind::Field:
      focusByPointer(form, hit.index);
      form.fields[hit.index].anchor = form.fields[hit.index].caret;
      form.fields[hit.index].lastAutoScrollTime = -500;
      renderFrame(form);
      break;
    case PressKind::Slider:
      releaseKeyboard(form);
      form.interactionMode = InteractionMode::SliderDrag;
      dragSlider(form, hit.index);
      renderFrame(form);
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
