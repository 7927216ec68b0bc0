#pragma once
// A validation message hanging next to its field: a status line in a translucent box, with
// a close mark for warnings. Its longer speech opens in a message box when clicked.

#include <cstdint>

#include "common/text.h"
#include "platform/platform.h"
#include "widgets/text_metrics.h"

namespace zarq {

// A reference to no bubble.
inline constexpr std::int16_t kNoBubble = -1;
// Every validation message is written at this size, in pixels.
inline constexpr float kBubbleFontSize = 20;

enum class OwnerKind : std::int16_t { None = 0, TextField = 1, CheckBox = 2, OptionPair = 7 };

struct StatusBubble {
  float x = 0, y = 0;  // anchor point; y is the top of the box
  float size = 0;      // font size in pixels
  Text speech;         // at most kSpeechCapacity units
  Text status;         // at most kStatusCapacity units
  bool visible = false;
  bool isError = false;  // errors have no close mark and cannot be dismissed
  std::int16_t code = 0;
  OwnerKind ownerKind = OwnerKind::None;
  std::int16_t ownerId = 0;
  Argb colour = 0xFF000000;
  Align anchor = Align::Near;  // which edge or centre of the box x is

  float boxWidth(TextMetrics& metrics) const;
  float boxLeft(TextMetrics& metrics) const;
  // Under high contrast the box is the theme's background, outlined in its foreground.
  // With `focused` (the auto-fill offer has the keyboard), the focus outline around the box.
  void draw(Canvas& canvas, TextMetrics& metrics, const Palette& palette,
            bool focused = false) const;
  bool hitClose(TextMetrics& metrics, int mouseX, int mouseY) const;
  bool hit(TextMetrics& metrics, int mouseX, int mouseY) const;
};

}  // namespace zarq
