#pragma once
// Text measured once for every form of a run: each form built for a preset measures the same
// captions and defaults again, and laying text out is most of what building a form costs.
// Results are exactly what the measurer returns.

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/platform.h"

namespace zarq::tool {

class MeasureCache final : public TextMeasurer {
 public:
  explicit MeasureCache(TextMeasurer& measurer) : measurer_(measurer) {}

  float layoutWidth(TextView text, float sizePx) override {
    if (widths_.size() >= kLimit) widths_.clear();
    auto [at, added] = widths_.try_emplace({Text(text), sizePx}, 0.f);
    if (added) at->second = measurer_.layoutWidth(text, sizePx);
    return at->second;
  }
  std::vector<float> caretPositions(TextView text, float sizePx) override {
    if (positions_.size() >= kLimit) positions_.clear();
    auto [at, added] = positions_.try_emplace({Text(text), sizePx});
    if (added) at->second = measurer_.caretPositions(text, sizePx);
    return at->second;
  }

 private:
  static constexpr std::size_t kLimit = 50000;
  TextMeasurer& measurer_;
  std::map<std::pair<Text, float>, float> widths_;
  std::map<std::pair<Text, float>, std::vector<float>> positions_;
};

}  // namespace zarq::tool
