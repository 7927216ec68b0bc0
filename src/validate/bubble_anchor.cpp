#include "validate/bubble_anchor.h"

#include "form/field_table.h"

namespace zarq {

BubbleAnchor bubbleAnchor(int slot, const TextField& f) {
  switch (fieldRow(slot).bubble) {
    case BubbleAt::BelowCentre:
      return {f.x + f.width * 0.5f, f.y + f.height, Align::Centre};
    case BubbleAt::BelowRight:
      return {f.x + f.width, f.y + f.height, Align::Far};
    case BubbleAt::AboveLeft:
      return {f.x, f.y - 30, Align::Near};
    case BubbleAt::AboveRight:
      return {f.x + f.width, f.y - 30, Align::Far};
    case BubbleAt::BelowLeft:
      break;
  }
  return {f.x, f.y + f.height, Align::Near};
}

}  // namespace zarq
