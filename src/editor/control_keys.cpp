#include "editor/control_keys.h"

#include "editor/accessible_page.h"
#include "editor/click_actions.h"
#include "editor/focus.h"
#include "editor/message_boxes.h"
#include "editor/mouse.h"
#include "editor/pages.h"
#include "form/field_table.h"
#include "form/render_frame.h"
#include "form/settings_form.h"
#include "form/slider_link.h"
#include "validate/validation.h"

namespace zarq {
namespace {

using Kind = ControlRef::Kind;

bool activates(Key key) { return key == Key::Space || key == Key::Enter; }

// The arrow keys step back (Left, Up) or on (Right, Down) through options and choices; 0 for
// any other key.
int arrowStep(Key key) {
  if (key == Key::Left || key == Key::Up) return -1;
  if (key == Key::Right || key == Key::Down) return 1;
  return 0;
}

// An arrow moves the focus to the pair's other option, and in a pair that holds exactly one,
// selects it, as in a group of radio buttons.
bool optionArrow(SettingsForm& form, ControlRef focus) {
  const int pair = focus.index / 2;
  const ControlRef other{Kind::Option, focus.index % 2 == 0 ? focus.index + 1 : focus.index - 1};
  form.focus = other;
  OptionPair& options = form.optionPairs[pair];
  const bool otherSelected = other.index % 2 == 0 ? options.selected1 : options.selected2;
  if (options.exclusive && !otherSelected &&
      options.handle({WidgetInput::Kind::Key, 0, 1 + other.index % 2, Key::Space}) ==
          WidgetReport::Changed) {
    optionToggled(form, pair);
  }
  return true;
}

// The caption whose click explains the control; the page's title for what has none.
int helpLabel(const SettingsForm& form, ControlRef control) {
  switch (control.kind) {
    case Kind::Field:
      if (const Caption* caption = explainingCaption(fieldRow(control.index))) {
        return caption->label;
      }
      break;
    case Kind::CheckBox:
      return checkBoxRow(control.index).caption.label;
    case Kind::Option:
      return optionPairRow(control.index / 2).caption.label;
    case Kind::Slider:
      return sliderRow(control.index).caption.label;
    case Kind::Selector:
      return obtainedTypeSelector().caption.label;
    case Kind::Bubble:
      // The auto-fill offer: the help of the field it hangs on, which tells of charts.
      return helpLabel(form, {Kind::Field, form.bubbles[control.index].ownerId});
    case Kind::Arrow:
    case Kind::None:
      break;
  }
  return pageRow(form.currentPage).title.label;
}

// A check box, an option or a slider takes the key as it takes the pointer; the editor
// follows its report as it follows a click's or a drag's.
bool widgetKey(SettingsForm& form, ControlRef focus, Key key) {
  const int i = focus.index;
  switch (focus.kind) {
    case Kind::CheckBox:
      if (form.checkBoxes[i].handle({WidgetInput::Kind::Key, 0, 1, key}) != WidgetReport::Changed) {
        return false;
      }
      checkBoxToggled(form, i);
      return true;
    case Kind::Option:
      if (arrowStep(key) != 0) return optionArrow(form, focus);
      if (form.optionPairs[i / 2].handle({WidgetInput::Kind::Key, 0, 1 + i % 2, key}) !=
          WidgetReport::Changed) {
        return false;
      }
      optionToggled(form, i / 2);
      return true;
    case Kind::Slider:
      if (form.sliders[i].handle({WidgetInput::Kind::Key, 0, 0, key}) != WidgetReport::Changed) {
        return false;
      }
      showSliderValue(form, i);
      validateAndCommit(form, linkedSlot(i), false, true);
      return true;
    default:
      return false;
  }
}

}  // namespace

bool isHelpKey(const KeyStroke& stroke) {
  return stroke.key == Key::F1 || stroke.key == Key::Menu ||
         (stroke.key == Key::F10 && stroke.shift && !stroke.ctrl);
}

void showFocusedHelp(SettingsForm& form) {
  // A message box over a drag would leave the pointer's button to it.
  if (form.interactionMode == InteractionMode::SliderDrag) return;
  if (form.currentPage < 1 || form.currentPage > kPageCount) return;
  const ControlRef focused = form.focusedControl();
  const int label = helpLabel(form, focused);
  const AccessiblePage page = describePage(form);
  const AccessibleControl* described = page.find(focused);
  if (!described || !described->errorMessage) {
    clickLabel(form, label);
  } else {
    // The message hanging on the control first: what is wrong matters more than what it is.
    const StatusBubble& message = form.bubbles[described->errorMessage.index];
    const FieldLabel& caption = form.labels[label];
    tell(form, message.status + u"\n" + message.speech + u"\n\n" + caption.helpText,
         caption.caption);
  }
  requestFrame(form);
}

bool handleControlKey(SettingsForm& form, const KeyStroke& stroke, bool repeat) {
  const ControlRef focus = form.focus;
  if (form.interactionMode != InteractionMode::Idle || !canTakeFocus(form, focus)) return false;
  // Only a slider moves on while its key is held.
  if (repeat && focus.kind != Kind::Slider) return false;
  if (stroke.ctrl) return false;
  switch (focus.kind) {
    case Kind::Selector:
      if (activates(stroke.key)) {
        cycleObtainedType(form);
      } else if (const int step = arrowStep(stroke.key)) {
        cycleObtainedType(form, step);
      } else {
        return false;
      }
      break;
    case Kind::Arrow:
      if (!activates(stroke.key)) return false;
      turnPage(form, pageAfterArrow(form, focus.index));
      break;
    case Kind::Bubble:
      if (!activates(stroke.key)) return false;
      clickBubble(form, focus.index);
      break;
    default:
      if (!widgetKey(form, focus, stroke.key)) return false;
      break;
  }
  requestFrame(form);
  return true;
}

}  // namespace zarq
