#pragma once
// Where a slot's message hangs, as its row says: below its field, or above it on the
// chart-screen mock-up.

#include "draw/text_field.h"
#include "platform/platform.h"

namespace zarq {

struct BubbleAnchor {
  float x = 0, y = 0;
  Align anchor = Align::Near;  // which edge (or the centre) of the bubble x is
};

BubbleAnchor bubbleAnchor(int slot, const TextField& field);

}  // namespace zarq
