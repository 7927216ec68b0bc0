#pragma once
// The editor's two ways of measuring text, with a cache keyed on (text, size) so that a
// frame does not lay out the same captions again and again. Results are exactly what the
// measurer returns.

#include <string>
#include <unordered_map>
#include <vector>

#include "platform/platform.h"

namespace zarq {

// The one font family of the editor; back ends fall back to installed CJK families.
inline constexpr char16_t kUiFontFamily[] = u"Source Han Sans & Saira Hybrid";

class TextMetrics {
 public:
  explicit TextMetrics(TextMeasurer& measurer) : measurer_(measurer) {}

  // Width of the laid-out line: advance plus the blank margin at both ends, trailing
  // spaces included.
  float measureText(TextView text, float sizePx);
  // Width of the text alone: measureText("o" + text) - measureText("o"); 0 for "".
  float measureTextTight(TextView text, float sizePx);
  // Caret positions along one line of the text (see TextMeasurer::caretPositions); what a
  // field uses to fit and place its caret, so a long text is laid out once, not once per
  // character.
  const std::vector<float>& caretPositions(TextView text, float sizePx);

 private:
  TextMeasurer& measurer_;
  std::unordered_map<std::u16string, float> cache_;
  std::unordered_map<std::u16string, std::vector<float>> positions_;
};

}  // namespace zarq
