#pragma once
// The pool of validation messages. Record 0 is reserved for the auto-fill offer and is
// never handed out; rules take records 1 to 49.

#include <array>

#include "draw/status_bubble.h"
#include "form/form_ids.h"
#include "form/text_field.h"

namespace zarq {

using BubblePool = std::array<StatusBubble, kBubbleCount>;

struct BubbleContent {
  TextView status;
  TextView speech;
  float x = 0, y = 0;
  float size = 20;
  Align anchor = Align::Near;
  std::int16_t code = 0;
  OwnerKind ownerKind = OwnerKind::TextField;
  std::int16_t ownerId = 0;
  bool isError = false;
  Argb colour = 0xFF000000;
};

// Fills the bubble and makes it visible; texts are cut to the bubble's capacities.
void setBubble(StatusBubble& bubble, const BubbleContent& content);
// The first free record from 1 upwards, filled; kNoBubble when all 49 are in use.
std::int16_t allocBubble(BubblePool& pool, const BubbleContent& content);

}  // namespace zarq
