#include "editor/pages.h"

#include "editor/editing.h"
#include "editor/focus.h"
#include "editor/mouse.h"
#include "form/control_dependencies.h"
#include "form/field_table.h"
#include "form/form_builder.h"
#include "form/settings_form.h"
#include "form/slider_link.h"
#include "validate/messages.h"
#include "validate/validation.h"

namespace zarq {
namespace {

constexpr std::int32_t kArrowDuration = 200;

void resetInteraction(SettingsForm& form) {
  form.interactionMode = InteractionMode::Idle;
  form.focusedField = 0;
  form.mouseX = 0;
  form.mouseY = 0;
  form.currentPage = 1;
  const std::int32_t arrowX[kArrowCount] = {85, 859};
  for (int i = 0; i < kArrowCount; ++i) {
    PageArrow& arrow = form.arrows[i];
    arrow = PageArrow{};
    arrow.x = arrowX[i];
    arrow.y = 340;
    arrow.duration = kArrowDuration;
    arrow.maxScale = 1.2;
  }
}

void showAndValidate(SettingsForm& form, int slot) {
  form.fields[slot].setShown(true);
  validateAndCommit(form, slot, {.derive = false});
}

void hideEverything(SettingsForm& form) {
  for (TextField& field : form.fields) {
    field.setShown(false);
    // Every slot counts as changed, so the page's rules run again and closed warnings
    // come back.
    field.committedText.assign(1, u'\t');
  }
  for (CheckBox& box : form.checkBoxes) box.setShown(false);
  for (FieldLabel& label : form.labels) label.setShown(false);
  for (Slider& slider : form.sliders) slider.setShown(false);
  for (OptionPair& pair : form.optionPairs) pair.setShown(false);
  releaseAllMessages(form);
}

void showCaption(SettingsForm& form, const Caption& caption) {
  if (caption.label != kNoLabel) form.labels[caption.label].setShown(true);
}

// The page's fields in slot order, each checked as it is shown; a field whose box is clear
// stays hidden.
void showFields(SettingsForm& form, const PageRows& page) {
  for (const FieldRow& row : fieldRows()) {
    if (row.page != page.number || followsObtainedType(row)) continue;
    if (row.shownBy != kAlways && !sourceHolds(form, row.shownBy)) continue;
    showAndValidate(form, row.slot);
  }
}

void showControls(SettingsForm& form, const PageRows& page) {
  form.labels[page.title.label].setShown(true);
  for (const FieldRow& row : page.fields) showCaption(form, row.caption);
  for (const CheckBoxRow& row : page.checkBoxes) {
    form.checkBoxes[row.index].setShown(true);
    showCaption(form, row.caption);
  }
  for (const SliderRow& row : page.sliders) {
    form.sliders[row.index].setShown(true);
    showCaption(form, row.caption);
  }
  for (const OptionPairRow& row : page.optionPairs) {
    form.optionPairs[row.index].setShown(true);
    showCaption(form, row.caption);
  }
  for (const SelectorRow& row : page.selectors) {
    showCaption(form, row.caption);
    form.labels[row.label].setShown(true);
  }
}

// The obtained content is shown always, checked only while a type is chosen; its second
// line while it is split.
void showObtainedFields(SettingsForm& form) {
  form.fields[slot::obtainedContent].setShown(true);
  if (sourceHolds(form, kObtainedTypeChosen)) {
    validateField(form, slot::obtainedContent, {.derive = false});
    commit(form, slot::obtainedContent);
  }
  if (form.checkBoxes[box::obtainedSplit].checked()) {
    form.fields[slot::obtainedContentLine2].setShown(true);
    validateField(form, slot::obtainedContentLine2, {.forced = true});
    validateAndCommit(form, slot::obtainedContent);
    commit(form, slot::obtainedContentLine2);
  }
  checkLongSongName(form);
}

// What each page checks once its controls are shown.
using PageCheck = void (*)(SettingsForm&);
constexpr PageCheck kPageChecks[kPageCount] = {
    checkRecordParts, nullptr, nullptr, showObtainedFields, checkStoryboardScaleRef, nullptr,
};

}  // namespace

void buildForm(SettingsForm& form) {
  resetInteraction(form);
  form.layout = measureLayout(form.metrics);

  const PageRows& basic = pageRow(1);
  placeFields(form, basic);
  for (const FieldRow& row : basic.fields) form.fields[row.slot].setShown(true);
  // The linked slots are still empty, equal to their committed text, and so skipped here.
  for (int slot = 0; slot < kFieldCount; ++slot) {
    if (form.fields[slot].shown()) validateAndCommit(form, slot);
  }
  placeControls(form, basic);
  showControls(form, basic);
  for (int i = 0; i < kSliderCount; ++i) showSliderValue(form, i);

  for (const PageRows& page : pageRows().subspan(1)) {
    placeFields(form, page);
    placeControls(form, page);
  }
  // What starts unusable: whatever follows a clear box or the selector's "无".
  for (const CheckBoxRow& row : checkBoxRows()) {
    enableFollowers(form, row.index, sourceHolds(form, row.index));
  }
  enableFollowers(form, kObtainedTypeChosen, sourceHolds(form, kObtainedTypeChosen));
}

void turnPage(SettingsForm& form, int n) {
  showPage(form, n);
  const std::vector<ControlRef> cycle = focusCycle(form);
  if (!cycle.empty()) focusControl(form, cycle.front());
}

void showPage(SettingsForm& form, int n) {
  abandonPress(form);
  // No field of the page left keeps the keyboard, whatever took it since an arrow was pressed.
  endEditing(form);
  // The controls of another page are others: nothing has the focus there.
  if (n != form.currentPage) form.focus = {};
  form.currentPage = static_cast<std::int16_t>(n);
  hideEverything(form);
  if (n < 1 || n > kPageCount) return;
  const PageRows& page = pageRow(n);
  showFields(form, page);
  showControls(form, page);
  if (const PageCheck check = kPageChecks[n - 1]) check(form);
}

}  // namespace zarq
