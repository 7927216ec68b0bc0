#include "form/busy_mark.h"

#include "form/render_frame.h"
#include "form/settings_form.h"
#include "widgets/colours.h"

namespace zarq {
namespace {

// Inside the 944 x 681 the window shows, clear of every page's controls.
constexpr float kCentreX = 916, kCentreY = 653;
constexpr float kDiscRadius = 14, kRingRadius = 8;

}  // namespace

void BusyMark::begin(std::int64_t nowMs) {
  if (works_++ == 0) since_ = nowMs;
}

void BusyMark::end() {
  if (works_ > 0) --works_;
}

bool BusyMark::shownAt(std::int64_t nowMs) const {
  return busy() && nowMs - since_ >= kBusyMarkDelayMs;
}

void BusyMark::draw(Canvas& canvas, std::int64_t nowMs, const Palette& palette) const {
  if (!shownAt(nowMs)) return;
  // A dark disc keeps the ring visible on a bright illustration; the ring's gap turns with
  // time, so each new frame shows the work going on.
  canvas.fillEllipse(
      {kCentreX - kDiscRadius, kCentreY - kDiscRadius, 2 * kDiscRadius, 2 * kDiscRadius},
      shadeOf(palette, 0xA0000000));
  Path ring;
  const float start = static_cast<float>((nowMs / 4) % 360);
  ring.addArc(kCentreX - kRingRadius, kCentreY - kRingRadius, 2 * kRingRadius, 2 * kRingRadius,
              start, 270);
  canvas.strokePath(
      ring, {.colour = inkOf(palette, kWhite), .width = 3, .roundCaps = true, .roundJoins = true});
}

void beginBusyWork(SettingsForm& form) {
  const bool first = !form.busyMark.busy();
  form.busyMark.begin(form.host().clockMs());
  if (first) renderFrameLater(form, kBusyMarkDelayMs);
}

void endBusyWork(SettingsForm& form) { form.busyMark.end(); }

}  // namespace zarq
