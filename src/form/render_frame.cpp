#include "form/render_frame.h"

#include <memory>

#include "form/preview.h"
#include "form/settings_form.h"
#include "widgets/colours.h"
#include "widgets/rounded_rect.h"

namespace zarq {
namespace {

// Every widget that marks its own changes (widgets/redraw.h).
template <typename Visit>
void forEachWidget(SettingsForm& form, Visit visit) {
  for (TextField& w : form.fields) visit(w.redraw);
  for (FieldLabel& w : form.labels) visit(w.redraw);
  for (CheckBox& w : form.checkBoxes) visit(w.redraw);
  for (Slider& w : form.sliders) visit(w.redraw);
  for (OptionPair& w : form.optionPairs) visit(w.redraw);
}

// The illustration behind the page under a black layer whose opacity is the dim setting
// (its low 8 bits); fully black above 255 or without an illustration. Under high contrast
// the page lies on the theme's background alone.
void drawBackground(SettingsForm& form, Canvas& canvas, const Palette& palette) {
  if (palette.highContrast) {
    canvas.fillRect({0, 0, kFrameWidth, kFrameHeight}, shadeOf(palette, kBlack));
    return;
  }
  const std::optional<int> alpha = previewDimAlpha(form);
  const Image* picture = alpha ? dimmedPreviewPicture(form, *alpha) : nullptr;
  if (!picture) {
    canvas.fillRect({0, 0, kFrameWidth, kFrameHeight}, kBlack);
    return;
  }
  PixelView view = picture->view();
  view.opaque = true;
  canvas.drawPixels(view, {0, 0, kFrameWidth, kFrameHeight});
}

// The chart screen of page 3: its frame, the bar left of the song name, the pause button.
void drawChartMockUp(SettingsForm& form, Canvas& canvas, const Palette& palette) {
  const Pen white{.colour = inkOf(palette, kWhite), .width = 4, .roundJoins = true};
  drawRoundedRect(canvas, white, 172, 140, 600, 400, 10);
  if (form.checkBoxes[box::nameBar].checked()) canvas.strokeLine(193, 505, 193, 525, white);
  Pen pause{0x75000000, 4.62f};
  if (form.checkBoxes[box::pauseShadow].checked() && !palette.highContrast) {
    canvas.strokeLine(194.28f, 157.38f, 194.28f, 173.58f, pause);
    canvas.strokeLine(203.4f, 157.38f, 203.4f, 173.58f, pause);
  }
  pause.colour = white.colour;
  canvas.strokeLine(192.28f, 156.38f, 192.28f, 172.58f, pause);
  canvas.strokeLine(201.4f, 156.38f, 201.4f, 172.58f, pause);
}

// "+" and "=" between the three score fields of page 4.
void drawScoreSum(Canvas& canvas, const Palette& palette) {
  canvas.drawText(u"+", 24, {377, 333, 30, 30}, Align::Near, inkOf(palette, kWhite));
  canvas.drawText(u"=", 24, {523, 333, 30, 30}, Align::Near, inkOf(palette, kWhite));
}

}  // namespace

void renderFrame(SettingsForm& form) {
  form.frameDue = false;
  forEachWidget(form, [](Redraw& redraw) { redraw.clear(); });
  updatePreview(form);
  Canvas& canvas = form.platform.frames.beginFrame();
  TextMetrics& metrics = form.metrics;
  const Palette palette = form.host().palette();

  drawBackground(form, canvas, palette);
  if (form.currentPage == 3) drawChartMockUp(form, canvas, palette);
  if (form.currentPage == 4 && form.checkBoxes[box::scoreIncrease].checked()) {
    drawScoreSum(canvas, palette);
  }

  const bool editing = form.interactionMode == InteractionMode::Editing;
  // Each widget draws its focus outline; a text field's is its own frame.
  const ControlRef focus = form.focusedControl();
  const auto focused = [&focus](ControlRef::Kind kind, int index) {
    return focus.kind == kind && focus.index == index;
  };
  using Kind = ControlRef::Kind;
  for (int slot = 0; slot < kFieldCount; ++slot) {
    const TextField& field = form.fields[slot];
    const bool composingHere = editing && slot == form.focusedField;
    if (field.shown())
      field.draw(canvas, metrics, form.host(), palette, composingHere ? form.composing : u"");
  }
  for (int i = 0; i < kCheckBoxCount; ++i) {
    const CheckBox& box = form.checkBoxes[i];
    if (box.shown()) box.draw(canvas, palette, focused(Kind::CheckBox, i));
  }
  for (int i = 0; i < kLabelCount; ++i) {
    const FieldLabel& label = form.labels[i];
    const bool selector = i == label::obtainedType && focus.kind == Kind::Selector;
    if (label.shown()) label.draw(canvas, metrics, palette, selector);
  }
  for (int i = 0; i < kSliderCount; ++i) {
    const Slider& slider = form.sliders[i];
    if (slider.shown()) slider.draw(canvas, metrics, palette, focused(Kind::Slider, i));
  }
  for (int i = 0; i < kOptionPairCount; ++i) {
    const OptionPair& pair = form.optionPairs[i];
    const int option = focus.kind == Kind::Option && focus.index / 2 == i ? 1 + focus.index % 2 : 0;
    if (pair.shown()) pair.draw(canvas, metrics, palette, option);
  }
  for (int i = 0; i < kBubbleCount; ++i) {
    const StatusBubble& bubble = form.bubbles[i];
    if (bubble.visible) bubble.draw(canvas, metrics, palette, focused(Kind::Bubble, i));
  }
  const std::int64_t now = form.host().clockMs();
  form.arrows[0].draw(canvas, false, now, palette, focused(Kind::Arrow, 0));
  form.arrows[1].draw(canvas, true, now, palette, focused(Kind::Arrow, 1));
  form.busyMark.draw(canvas, now, palette);

  form.platform.frames.present();
}

void requestFrame(SettingsForm& form) { form.frameDue = true; }

bool frameOwed(SettingsForm& form) {
  bool owed = form.frameDue;
  forEachWidget(form, [&owed](const Redraw& redraw) { owed = owed || redraw.due(); });
  return owed;
}

void renderFrameLater(SettingsForm& form, int delayMs) {
  form.host().postToWindowThread(delayMs,
                                 [&form, alive = std::weak_ptr<const bool>(form.lifeline)] {
                                   if (alive.lock()) renderFrame(form);
                                 });
}

}  // namespace zarq
