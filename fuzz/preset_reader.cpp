// Any bytes as a preset: the reader refuses them with one of its errors or reads values that
// fit the form, and what it read is written and read back unchanged.

#include <bit>
#include <span>

#include "files/preset_codec.h"
#include "files/preset_file.h"
#include "require.h"
#include "targets.h"

namespace zarq::fuzz {
namespace {

bool fitsInBuffer(TextView text, std::size_t units) {
  // The terminator takes a unit of the buffer, and the text ends at the first one.
  return text.size() < units && text.find(u'\0') == TextView::npos;
}

void expectSoundValues(const PresetValues& v, std::size_t size) {
  const PresetLayout* layout = presetLayout(v.version);
  require(layout != nullptr, "a preset read has a known version");
  require(size >= layout->size(), "a preset read is at least as long as its version");
  require(static_cast<int>(v.texts.size()) == layout->textSlots, "one text per slot");
  require(static_cast<int>(v.checkBoxes.size()) == layout->checkBoxes, "one byte per box");
  for (const Text& text : v.texts) {
    require(fitsInBuffer(text, kTextSlotUnits), "a slot's text fits a field");
  }
  require(v.obtainedType.has_value() == layout->hasTrailer, "a trailer exactly from 1002");
  if (v.obtainedType) {
    require(fitsInBuffer(*v.obtainedType, kTrailerUnits), "the trailer fits its caption");
  }
}

}  // namespace

void presetReader(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  const PresetDecoded decoded = decodePreset(bytes);
  const PresetRead read = readPresetBytes(bytes);
  require(read.damage == decoded.error, "the file reader names the codec's error");
  require(read.values.has_value() == (decoded.error == PresetError::None),
          "the file reader agrees");
  if (decoded.error != PresetError::None) {
    require(!read.failure.empty(), "a refusal says why");
    return;
  }
  expectSoundValues(decoded.values, size);
  // One byte fewer than the version needs is always refused.
  const std::size_t needed = presetLayout(decoded.values.version)->size();
  require(decodePreset(bytes.first(needed - 1)).error != PresetError::None,
          "a preset cut short is refused");

  // Written as the newest version and read again, every value comes back.
  const std::vector<std::uint8_t> written = encodePreset(decoded.values);
  require(written.size() == presetLayout(kPresetVersion)->size(),
          "a save is the size of the newest version");
  const PresetDecoded again = decodePreset(written);
  require(again.error == PresetError::None, "a saved preset reads back");
  for (std::size_t slot = 0; slot < again.values.texts.size(); ++slot) {
    const Text expected = slot < decoded.values.texts.size() ? decoded.values.texts[slot] : Text();
    require(again.values.texts[slot] == expected, "a saved text reads back unchanged");
  }
  for (std::size_t box = 0; box < decoded.values.checkBoxes.size(); ++box) {
    require(again.values.checkBoxes[box] == decoded.values.checkBoxes[box],
            "a check-box byte is saved as read");
  }
  for (std::size_t i = 0; i < kPresetSliderCount; ++i) {
    require(std::bit_cast<std::uint32_t>(again.values.sliders[i]) ==
                std::bit_cast<std::uint32_t>(decoded.values.sliders[i]),
            "a slider value is saved bit for bit");
  }
  require(again.values.optionPairs == decoded.values.optionPairs, "options read back");
  require(
      again.values.obtainedType.value_or(Text()) == decoded.values.obtainedType.value_or(Text()),
      "the obtained type reads back");
}

}  // namespace zarq::fuzz
