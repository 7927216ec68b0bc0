#pragma once
// Preset files of the older versions, cut out of a version 1005 file group by group, so
// that tests of old files need no second writer.

#include <cstdint>
#include <vector>

#include "files/preset_codec.h"

namespace zarq::testing {

std::vector<std::uint8_t> olderPresetBytes(const std::vector<std::uint8_t>& full,
                                           const PresetLayout& layout);
// The same bytes with another version number.
std::vector<std::uint8_t> withVersion(std::vector<std::uint8_t> bytes, std::int16_t version);

}  // namespace zarq::testing
