#include "widgets/text_metrics.h"

#include <cstring>

namespace zarq {
namespace {

constexpr std::size_t kCacheLimit = 20000;

std::u16string cacheKey(TextView text, float sizePx) {
  char16_t size[2];
  static_assert(sizeof size == sizeof sizePx);
  std::memcpy(size, &sizePx, sizeof sizePx);
  std::u16string key(size, 2);
  key.append(text);
  return key;
}

}  // namespace

float TextMetrics::measureText(TextView text, float sizePx) {
  if (text.empty()) return 0;
  std::u16string key = cacheKey(text, sizePx);
  if (auto found = cache_.find(key); found != cache_.end()) return found->second;
  const float width = measurer_.layoutWidth(text, sizePx);
  if (cache_.size() >= kCacheLimit) cache_.clear();
  cache_.emplace(std::move(key), width);
  return width;
}

float TextMetrics::measureTextTight(TextView text, float sizePx) {
  if (text.empty()) return 0;
  std::u16string withO = u"o";
  withO.append(text);
  return measureText(withO, sizePx) - measureText(u"o", sizePx);
}

}  // namespace zarq

namespace zarq {

const std::vector<float>& TextMetrics::caretPositions(TextView text, float sizePx) {
  std::u16string key = cacheKey(text, sizePx);
  if (auto found = positions_.find(key); found != positions_.end()) return found->second;
  if (positions_.size() >= kCacheLimit) positions_.clear();
  return positions_.emplace(std::move(key), measurer_.caretPositions(text, sizePx)).first->second;
}

}  // namespace zarq
