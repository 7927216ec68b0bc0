#include "input/mouse.h"

#include "form/pages.h"
#include "form/render_frame.h"
#include "form/settings_form.h"
#include "input/keyboard.h"

namespace zarq {
namespace {

int arrowAt(const SettingsForm& form) {
  for (int i = 0; i < kArrowCount; ++i) {
    if (form.arrows[i].hit(form.mouseX, form.mouseY)) return i;
  }
  return -1;
}

void updateArrowHover(SettingsForm& form, int over) {
  const std::int32_t now = form.host().clockMs();
  for (int i = 0; i < kArrowCount; ++i) {
    PageArrow& arrow = form.arrows[i];
    if (i == over && !arrow.hovered) arrow.setHovered(true, now);
    if (i != over && arrow.hovered) arrow.setHovered(false, now);
  }
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
  form.mouseX = x;
  form.mouseY = y;
  updateArrowHover(form, arrowAt(form));
}

void handlePress(SettingsForm& form, int x, int y) {
  form.mouseX = x;
  form.mouseY = y;
  const int arrow = arrowAt(form);
  form.pressKind = arrow >= 0 ? PressKind::Arrow : PressKind::None;
  form.pressIndex = static_cast<std::int16_t>(arrow >= 0 ? arrow : 0);
  if (form.interactionMode == InteractionMode::Editing) unfocusField(form, form.focusedField);
  renderFrame(form);
}

void handleRelease(SettingsForm& form, int x, int y, bool positionGiven) {
  if (positionGiven) {
    form.mouseX = x;
    form.mouseY = y;
  }
  if (form.pressKind != PressKind::Arrow) return;
  if (arrowAt(form) != form.pressIndex) return;
  showPage(form, pageAfterArrow(form, form.pressIndex));
  renderFrame(form);
}

}  // namespace zarq
