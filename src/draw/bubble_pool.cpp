#include "draw/bubble_pool.h"

namespace zarq {

void setBubble(StatusBubble& bubble, const BubbleContent& content) {
  bubble.x = content.x;
  bubble.y = content.y;
  bubble.size = content.size;
  bubble.status = capped(content.status, kStatusCapacity);
  bubble.speech = capped(content.speech, kSpeechCapacity);
  bubble.anchor = content.anchor;
  bubble.code = content.code;
  bubble.ownerKind = content.ownerKind;
  bubble.ownerId = content.ownerId;
  bubble.isError = content.isError;
  bubble.colour = content.colour;
  bubble.visible = true;
}

std::int16_t allocBubble(BubblePool& pool, const BubbleContent& content) {
  for (std::size_t i = 1; i < pool.size(); ++i) {
    if (!pool[i].visible) {
      setBubble(pool[i], content);
      return static_cast<std::int16_t>(i);
    }
  }
  return kNoBubble;
}

}  // namespace zarq
