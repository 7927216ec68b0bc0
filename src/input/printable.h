#pragma once
// Which typed UTF-16 units may enter a field. Control characters never do; every other unit
// of the basic plane does, surrogate halves included, because a character beyond it arrives
// as two units, one call each.

namespace zarq {

bool isPrintableUnit(char16_t unit);

}  // namespace zarq
