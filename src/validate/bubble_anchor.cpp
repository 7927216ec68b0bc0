#include "validate/bubble_anchor.h"

#include "form/form_ids.h"

namespace zarq {
namespace {

enum class Point { BelowCentre, BelowLeft, BelowRight, AboveLeft, AboveRight };

Point pointOf(int slot) {
  if (slot <= slot::resultVolume) return Point::BelowCentre;  // page 1
  switch (slot) {
    case slot::chartSongName:
      return Point::AboveLeft;
    case slot::chartLevel:
      return Point::AboveRight;
    case slot::chartFullScore:
    case slot::noteSize:
    case slot::chartDuration:
      return Point::BelowRight;
    case slot::originalScore:
    case slot::addedScore:
    case slot::resultFullScore:
      return Point::BelowCentre;
    default:
      return Point::BelowLeft;  // pages 2, 4 and 5
  }
}

}  // namespace

BubbleAnchor bubbleAnchor(int slot, const TextField& f) {
  switch (pointOf(slot)) {
    case Point::BelowCentre:
      return {f.x + f.width * 0.5f, f.y + f.height, Align::Centre};
    case Point::BelowRight:
      return {f.x + f.width, f.y + f.height, Align::Far};
    case Point::AboveLeft:
      return {f.x, f.y - 30, Align::Near};
    case Point::AboveRight:
      return {f.x + f.width, f.y - 30, Align::Far};
    case Point::BelowLeft:
      break;
  }
  return {f.x, f.y + f.height, Align::Near};
}

}  // namespace zarq
