#include "files/preset_codec.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace zarq {
namespace {

constexpr std::size_t kHeaderSize = presetSignature.size() + 2;

class ByteWriter {
 public:
  explicit ByteWriter(std::size_t capacity) { bytes_.reserve(capacity); }

  void bytes(std::span<const std::uint8_t> data) {
    bytes_.insert(bytes_.end(), data.begin(), data.end());
  }
  void u8(std::uint8_t value) { bytes_.push_back(value); }
  void u16(std::uint16_t value) {
    u8(static_cast<std::uint8_t>(value & 0xFF));
    u8(static_cast<std::uint8_t>(value >> 8));
  }
  void f32(float value) {
    const auto bits = std::bit_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) u8(static_cast<std::uint8_t>(bits >> shift));
  }
  // The text, its terminator and zeros up to `units`, scrambled.
  void scrambled(TextView text, std::size_t units) {
    std::vector<char16_t> buffer(units, u'\0');
    const Text kept = capped(text, units - 1);
    std::copy(kept.begin(), kept.end(), buffer.begin());
    scrambleText(buffer.data(), buffer.data(), units);
    for (char16_t unit : buffer) u16(unit);
  }

  std::vector<std::uint8_t> take() { return std::move(bytes_); }

 private:
  std::vector<std::uint8_t> bytes_;
};

// Reads forward through the file; every read says whether the bytes were there.
class ByteReader {
 public:
  explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  bool has(std::size_t count) const { return bytes_.size() - pos_ >= count; }
  std::span<const std::uint8_t> take(std::size_t count) {
    const auto part = bytes_.subspan(pos_, count);
    pos_ += count;
    return part;
  }
  std::uint8_t u8() { return take(1)[0]; }
  std::uint16_t u16() {
    const auto b = take(2);
    return static_cast<std::uint16_t>(b[0] | (b[1] << 8));
  }
  float f32() {
    const auto b = take(4);
    const std::uint32_t bits = static_cast<std::uint32_t>(b[0]) | (b[1] << 8) | (b[2] << 16) |
                               (static_cast<std::uint32_t>(b[3]) << 24);
    return std::bit_cast<float>(bits);
  }
  // The text up to its terminator; a buffer without one keeps all but its last unit (or
  // its last character), as the editor's own buffers always end in a terminator.
  Text scrambled(std::size_t units) {
    std::vector<char16_t> buffer(units);
    for (char16_t& unit : buffer) unit = u16();
    scrambleText(buffer.data(), buffer.data(), units);
    const auto end = std::find(buffer.begin(), buffer.end(), u'\0');
    return capped(TextView(buffer.data(), static_cast<std::size_t>(end - buffer.begin())),
                  units - 1);
  }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t pos_ = 0;
};

PresetDecoded failed(PresetError error) {
  PresetDecoded result;
  result.error = error;
  return result;
}

}  // namespace

bool PresetValues::operator==(const PresetValues& other) const {
  return version == other.version && texts == other.texts && checkBoxes == other.checkBoxes &&
         std::memcmp(sliders.data(), other.sliders.data(), sizeof sliders) == 0 &&
         optionPairs == other.optionPairs && obtainedType == other.obtainedType;
}

std::size_t PresetLayout::size() const {
  return kHeaderSize + textSlots * kTextSlotUnits * 2 + checkBoxes + kPresetSliderCount * 4 +
         kPresetOptionPairCount * 2 + (hasTrailer ? kTrailerUnits * 2 : 0);
}

const PresetLayout* presetLayout(std::int16_t version) {
  for (const PresetLayout& layout : kPresetLayouts) {
    if (layout.version == version) return &layout;
  }
  return nullptr;
}

std::size_t maxPresetSize() {
  std::size_t largest = 0;
  for (const PresetLayout& layout : kPresetLayouts) largest = std::max(largest, layout.size());
  return largest;
}

void scrambleText(const char16_t* source, char16_t* destination, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    destination[i] = static_cast<char16_t>(source[i] ^ scrambleKey[i % kScrambleKeyLength]);
  }
}

std::vector<std::uint8_t> encodePreset(const PresetValues& values) {
  const PresetLayout& layout = *presetLayout(kPresetVersion);
  ByteWriter out(layout.size());
  out.bytes(presetSignature);
  out.u16(static_cast<std::uint16_t>(kPresetVersion));
  for (int slot = 0; slot < layout.textSlots; ++slot) {
    out.scrambled(slot < std::ssize(values.texts) ? TextView(values.texts[slot]) : TextView(),
                  kTextSlotUnits);
  }
  for (int box = 0; box < layout.checkBoxes; ++box) {
    out.u8(box < std::ssize(values.checkBoxes) ? values.checkBoxes[box] : 0);
  }
  for (float value : values.sliders) out.f32(value);
  for (const auto& pair : values.optionPairs) {
    out.u8(pair[0] ? 1 : 0);
    out.u8(pair[1] ? 1 : 0);
  }
  out.scrambled(values.obtainedType.value_or(Text()), kTrailerUnits);
  return out.take();
}

PresetDecoded decodePreset(std::span<const std::uint8_t> bytes) {
  ByteReader in(bytes);
  if (!in.has(presetSignature.size())) return failed(PresetError::Signature);
  const auto signature = in.take(presetSignature.size());
  if (!std::equal(signature.begin(), signature.end(), presetSignature.begin()))
    return failed(PresetError::Signature);
  if (!in.has(2)) return failed(PresetError::VersionMissing);
  const auto version = static_cast<std::int16_t>(in.u16());
  const PresetLayout* layout = presetLayout(version);
  if (!layout) return failed(PresetError::UnknownVersion);

  PresetDecoded result;
  PresetValues& v = result.values;
  v.version = version;
  for (int slot = 0; slot < layout->textSlots; ++slot) {
    if (!in.has(kTextSlotUnits * 2)) return failed(PresetError::TextSlot);
    v.texts.push_back(in.scrambled(kTextSlotUnits));
  }
  for (int box = 0; box < layout->checkBoxes; ++box) {
    if (!in.has(1)) return failed(PresetError::CheckBox);
    v.checkBoxes.push_back(in.u8());
  }
  for (float& value : v.sliders) {
    if (!in.has(4)) return failed(PresetError::Slider);
    value = in.f32();
  }
  for (auto& pair : v.optionPairs) {
    if (!in.has(1)) return failed(PresetError::FirstOptionFlag);
    pair[0] = in.u8() != 0;
    if (!in.has(1)) return failed(PresetError::SecondOptionFlag);
    pair[1] = in.u8() != 0;
  }
  if (layout->hasTrailer) {
    if (!in.has(kTrailerUnits * 2)) return failed(PresetError::Trailer);
    v.obtainedType = in.scrambled(kTrailerUnits);
  }
  return result;
}

}  // namespace zarq
