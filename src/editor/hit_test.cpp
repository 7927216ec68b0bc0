#include "editor/hit_test.h"

namespace zarq {
namespace {

Hit hit(PressKind kind, int index) { return {kind, static_cast<std::int16_t>(index)}; }

}  // namespace

Hit hitTest(SettingsForm& form, HitScope scope) {
  const int x = form.mouseX, y = form.mouseY;
  TextMetrics& metrics = form.metrics;
  const bool onlyArrowsAndFields = scope == HitScope::Move;

  if (!onlyArrowsAndFields) {
    for (int i = 0; i < kBubbleCount; ++i) {
      if (form.bubbles[i].hitClose(metrics, x, y)) return hit(PressKind::CloseMark, i);
    }
  }
  for (int i = 0; i < kArrowCount; ++i) {
    if (form.arrows[i].hit(x, y)) return hit(PressKind::Arrow, i);
  }
  if (!onlyArrowsAndFields) {
    // Later bubbles are drawn on top, so they are tested first.
    for (int i = kBubbleCount - 1; i >= 0; --i) {
      if (form.bubbles[i].hit(metrics, x, y)) return hit(PressKind::Bubble, i);
    }
    for (int i = 0; i < kLabelCount; ++i) {
      if (form.labels[i].hit(metrics, x, y)) return hit(PressKind::Label, i);
    }
  }
  for (int i = 0; i < kFieldCount; ++i) {
    const TextField& field = form.fields[i];
    if (field.shown() && field.enabled() && field.contains(x, y)) return hit(PressKind::Field, i);
  }
  if (onlyArrowsAndFields) return {};

  for (int i = 0; i < kCheckBoxCount; ++i) {
    if (form.checkBoxes[i].hit(x, y)) return hit(PressKind::CheckBox, i);
  }
  for (int i = 0; i < kOptionPairCount; ++i) {
    if (form.optionPairs[i].hitFirst(x, y)) return hit(PressKind::FirstOption, i);
  }
  for (int i = 0; i < kOptionPairCount; ++i) {
    if (form.optionPairs[i].hitSecond(x, y)) return hit(PressKind::SecondOption, i);
  }
  if (scope == HitScope::Press) {
    for (int i = 0; i < kSliderCount; ++i) {
      if (form.sliders[i].hit(x, y)) return hit(PressKind::Slider, i);
    }
  }
  return {};
}

}  // namespace zarq
