#pragma once
// Where a slot's message hangs: below its field, except on the chart-screen mock-up, where
// the song name and the difficulty line carry theirs above.

#include "draw/text_field.h"
#include "platform/platform.h"

namespace zarq {

struct BubbleAnchor {
  float x = 0, y = 0;
  Align anchor = Align::Near;  // which edge (or the centre) of the bubble x is
};

BubbleAnchor bubbleAnchor(int slot, const TextField& field);

}  // namespace zarq
