#pragma once
// Where a slot's message hangs, as its row says: below its field, or above it on the
// chart-screen mock-up.

#include "platform/platform.h"
#include "widgets/text_field.h"

namespace zarq {

struct BubbleAnchor {
  float x = 0, y = 0;
  Align anchor = Align::Near;  // which edge (or the centre) of the bubble x is
};

BubbleAnchor bubbleAnchor(int slot, const TextField& field);

}  // namespace zarq
