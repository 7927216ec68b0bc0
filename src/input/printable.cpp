#include "input/printable.h"

namespace zarq {

bool isPrintableUnit(char16_t unit) {
  if (unit < 0x20) return false;                       // C0 controls
  if (unit >= 0x7F && unit <= 0x9F) return false;      // DEL and C1 controls
  if (unit == 0x2028 || unit == 0x2029) return false;  // line and paragraph separators
  if (unit >= 0xFDD0 && unit <= 0xFDEF) return false;  // noncharacters
  if (unit == 0xFFFE || unit == 0xFFFF) return false;
  return true;
}

}  // namespace zarq
