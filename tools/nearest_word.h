#pragma once
// The word a user most likely meant, for "did you mean ...?" after a typo in a command, an
// option or a field name.

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zarq::tool {

// The one candidate that begins with `word`, else the one nearest to it: fewest
// single-character edits (a swap of two neighbours counts as one, case is ignored), few
// enough to be a typo of it. nullopt when none is near.
std::optional<std::string> nearestWord(std::string_view word,
                                       std::span<const std::string> candidates);

}  // namespace zarq::tool
