#include "support/preset_bytes.h"

namespace zarq::testing {

std::vector<std::uint8_t> olderPresetBytes(const std::vector<std::uint8_t>& full,
                                           const PresetLayout& layout) {
  constexpr std::ptrdiff_t texts = 18, boxes = 26'018, sliders = 26'027, trailer = 26'053;
  std::vector<std::uint8_t> bytes(full.begin(), full.begin() + texts);
  bytes.insert(bytes.end(), full.begin() + texts, full.begin() + texts + 400 * layout.textSlots);
  bytes.insert(bytes.end(), full.begin() + boxes, full.begin() + boxes + layout.checkBoxes);
  bytes.insert(bytes.end(), full.begin() + sliders, full.begin() + trailer);
  if (layout.hasTrailer) bytes.insert(bytes.end(), full.begin() + trailer, full.end());
  return withVersion(std::move(bytes), layout.version);
}

std::vector<std::uint8_t> withVersion(std::vector<std::uint8_t> bytes, std::int16_t version) {
  bytes[16] = static_cast<std::uint8_t>(version & 0xFF);
  bytes[17] = static_cast<std::uint8_t>((version >> 8) & 0xFF);
  return bytes;
}

}  // namespace zarq::testing
