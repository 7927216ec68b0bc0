#include "files/preset_codec.h"

#include <gtest/gtest.h>

#include <bit>

#include "support/preset_bytes.h"

namespace zarq {
namespace {

PresetValues sampleValues() {
  PresetValues v;
  for (int slot = 0; slot < 65; ++slot) v.texts.push_back(u"槽" + Text(slot % 7 + 1, u'x'));
  v.texts[3].clear();
  v.texts[64] = Text(199, u'满');
  v.checkBoxes = {1, 0, 1, 0, 1, 0, 1, 0, 7};
  v.sliders = {150, 80, 1.0f, 0.8f, -0.0f};
  v.optionPairs = {{{true, false}, {false, false}, {true, true}}};
  v.obtainedType = u"曲绘";
  return v;
}

void expectSameValues(const PresetValues& a, const PresetValues& b) {
  EXPECT_EQ(a.version, b.version);
  EXPECT_EQ(a.texts, b.texts);
  EXPECT_EQ(a.checkBoxes, b.checkBoxes);
  for (std::size_t i = 0; i < a.sliders.size(); ++i) {
    EXPECT_EQ(std::bit_cast<std::uint32_t>(a.sliders[i]),
              std::bit_cast<std::uint32_t>(b.sliders[i]));
  }
  EXPECT_EQ(a.optionPairs, b.optionPairs);
  EXPECT_EQ(a.obtainedType, b.obtainedType);
}

char16_t unitAt(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
  return static_cast<char16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

TEST(PresetCodec, VersionSizesMatchTheFormat) {
  const std::pair<std::int16_t, std::size_t> sizes[] = {
      {1001, 17'251}, {1002, 18'552}, {1003, 24'552}, {1004, 25'353}, {1005, 26'153}};
  for (const auto& [version, size] : sizes)
    EXPECT_EQ(presetLayout(version)->size(), size) << version;
  EXPECT_EQ(presetLayout(1000), nullptr);
  EXPECT_EQ(presetLayout(1006), nullptr);
  EXPECT_EQ(kPresetVersion, 1005);
  EXPECT_EQ(maxPresetSize(), 26'153u);
}

TEST(PresetCodec, SaveWritesSignatureVersionAndScrambledEmptySlots) {
  const std::vector<std::uint8_t> bytes = encodePreset(sampleValues());
  ASSERT_EQ(bytes.size(), 26'153u);
  EXPECT_TRUE(std::equal(presetSignature.begin(), presetSignature.end(), bytes.begin()));
  EXPECT_EQ(bytes[16], 0xED);
  EXPECT_EQ(bytes[17], 0x03);
  // Slot 3 is empty: its terminator and the zeros after it come out as the key itself.
  const std::size_t slot3 = 18 + 3 * 400;
  for (std::size_t i = 0; i < 200; ++i) EXPECT_EQ(unitAt(bytes, slot3 + 2 * i), scrambleKey[i % 7]);
  // The key restarts for every slot: "槽" at the start of slot 1 is XORed with the first unit.
  EXPECT_EQ(unitAt(bytes, 18 + 400), static_cast<char16_t>(u'槽' ^ scrambleKey[0]));
  EXPECT_EQ(bytes[26'018 + 8], 7);
}

TEST(PresetCodec, DecodeReadsBackEveryValueAndIgnoresTrailingBytes) {
  std::vector<std::uint8_t> bytes = encodePreset(sampleValues());
  expectSameValues(decodePreset(bytes).values, sampleValues());
  bytes.insert(bytes.end(), 300, 0xAB);
  const PresetDecoded decoded = decodePreset(bytes);
  EXPECT_EQ(decoded.error, PresetError::None);
  expectSameValues(decoded.values, sampleValues());
}

TEST(PresetCodec, BuffersWithoutTerminatorKeepAllButTheirLastUnit) {
  std::vector<std::uint8_t> bytes = encodePreset(sampleValues());
  auto fill = [&](std::size_t offset, std::size_t units, char16_t plain) {
    for (std::size_t i = 0; i < units; ++i) {
      const auto unit = static_cast<char16_t>(plain ^ scrambleKey[i % 7]);
      bytes[offset + 2 * i] = unit & 0xFF;
      bytes[offset + 2 * i + 1] = unit >> 8;
    }
  };
  fill(18, 200, u'A');
  fill(26'053, 50, u'B');
  // Slot 1 ends in a surrogate pair across the cut: the whole character goes.
  fill(18 + 400, 198, u'C');
  // (fill scrambles each from key unit 0; these two sit at units 198 and 199)
  fill(18 + 400 + 396, 1, static_cast<char16_t>(0xD83D ^ scrambleKey[198 % 7] ^ scrambleKey[0]));
  fill(18 + 400 + 398, 1, static_cast<char16_t>(0xDE00 ^ scrambleKey[199 % 7] ^ scrambleKey[0]));
  const PresetDecoded decoded = decodePreset(bytes);
  EXPECT_EQ(decoded.values.texts[0], Text(199, u'A'));
  EXPECT_EQ(decoded.values.texts[1], Text(198, u'C'));
  EXPECT_EQ(decoded.values.obtainedType, Text(49, u'B'));
}

// A file of the version written, cut short or damaged, fails at the group that lacks its bytes.
TEST(PresetCodec, DamagedFilesReportTheGroupThatFails) {
  const std::vector<std::uint8_t> full = encodePreset(sampleValues());
  using enum PresetError;
  // clang-format off
  const std::pair<std::size_t, PresetError> cuts[] = {
      {0, Signature},       {15, Signature},       {16, VersionMissing},     {17, VersionMissing},
      {18, TextSlot},       {20'000, TextSlot},    {26'017, TextSlot},       {26'018, CheckBox},
      {26'026, CheckBox},   {26'027, Slider},      {26'046, Slider},         {26'047, FirstOptionFlag},
      {26'048, SecondOptionFlag}, {26'051, FirstOptionFlag}, {26'052, SecondOptionFlag},
      {26'053, Trailer},    {26'152, Trailer},     {26'153, None}};
  // clang-format on
  for (const auto& [length, error] : cuts) {
    EXPECT_EQ(decodePreset(std::span(full).first(length)).error, error) << length;
  }
  for (std::int16_t version : {1000, 1006, -1005, 0}) {
    EXPECT_EQ(decodePreset(testing::withVersion(full, version)).error, UnknownVersion) << version;
  }
  std::vector<std::uint8_t> wrongSignature = full;
  wrongSignature[15] = 'z';
  EXPECT_EQ(decodePreset(wrongSignature).error, Signature);
}

}  // namespace
}  // namespace zarq
