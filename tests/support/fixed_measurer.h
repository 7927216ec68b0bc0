#pragma once
// A measurer with round numbers, for tests whose arithmetic must not depend on a font:
// ASCII units advance half an em, "." a twentieth of one, every other unit a whole em; the
// layout adds the usual 1/6 em at each end.

#include "platform/platform.h"

namespace zarq::testing {

class FixedMeasurer final : public TextMeasurer {
 public:
  float layoutWidth(TextView text, float sizePx) override {
    if (text.empty()) return 0;
    return advance(text, sizePx) + sizePx / 3;
  }
  std::vector<float> caretPositions(TextView text, float sizePx) override {
    std::vector<float> positions{0};
    for (std::size_t i = 0; i < text.size(); ++i) {
      positions.push_back(positions.back() + advance(text.substr(i, 1), sizePx));
    }
    return positions;
  }
  static float advance(TextView text, float sizePx) {
    float width = 0;
    for (char16_t unit : text) {
      if (unit == u'.') {
        width += sizePx / 20;
      } else {
        width += unit < 0x80 ? sizePx / 2 : sizePx;
      }
    }
    return width;
  }
};

}  // namespace zarq::testing
