// Damaged and unusual presets read from memory, at every length and in every odd form a
// file can take.

#include <gtest/gtest.h>

#include <functional>

#include "common/numbers.h"
#include "editor/pages.h"
#include "editor/preset_actions.h"
#include "form/form_preset.h"
#include "support/form_fixture.h"
#include "support/preset_bytes.h"

namespace zarq {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Every value away from the defaults, so that anything a failed load let through shows.
PresetValues unusualValues() {
  PresetValues v;
  for (int slot = 0; slot < kFieldCount; ++slot) v.texts.push_back(u"值" + intText(slot));
  v.checkBoxes = {0, 1, 0, 1, 0, 1, 0, 1, 0};
  v.sliders = {200, 33, 0.3f, 1.7f, 0.1f};
  v.optionPairs = {{{false, true}, {true, true}, {false, false}}};
  v.obtainedType = u"曲绘";
  return v;
}

// Writes `units` scrambled copies of `plain` at `offset`: a buffer without a terminator.
void writeUnits(Bytes& bytes, std::size_t offset, std::size_t units, char16_t plain) {
  for (std::size_t i = 0; i < units; ++i) {
    const auto unit = static_cast<char16_t>(plain ^ scrambleKey[i % kScrambleKeyLength]);
    bytes[offset + 2 * i] = static_cast<std::uint8_t>(unit & 0xFF);
    bytes[offset + 2 * i + 1] = static_cast<std::uint8_t>(unit >> 8);
  }
}

class PresetSweepTest : public testing::FormTest {
 protected:
  // What a load may change: the stored values, the page and where and whether each control
  // is shown and enabled.
  struct State {
    Bytes values;
    int page;
    std::vector<float> places;
    std::vector<bool> flags;
    bool operator==(const State&) const = default;
  };
  State state() const {
    State s{encodePreset(presetFromForm(*form)), form->currentPage, {}, {}};
    auto add = [&](const auto& pool) {
      for (const auto& item : pool) {
        s.places.push_back(item.x);
        s.flags.push_back(item.shown());
        s.flags.push_back(item.enabled());
      }
    };
    add(form->fields);
    add(form->checkBoxes);
    add(form->labels);
    add(form->sliders);
    return s;
  }
  // The one message shown since the last call.
  Text takeMessage() {
    auto& messages = platform.host.messages;
    const Text text = messages.size() == 1
                          ? messages[0].text
                          : u"(" + intText(static_cast<int>(messages.size())) + u" messages)";
    messages.clear();
    return text;
  }
};

// A file of the version written, cut short anywhere fails at the group the cut falls in.
TEST_F(PresetSweepTest, EveryTruncationIsRefusedWithItsGroupsErrorAndChangesNothing) {
  // clang-format off
  const struct {
    std::size_t below;  // lengths from the previous row's up to this one
    int error;
  } groups[] = {
      {16, 1},                    // signature
      {18, 2},                    // version
      {26'018, 4},                // 65 text slots
      {26'027, 5},                // 9 check boxes
      {26'047, 6},                // 5 sliders
      {26'048, 7}, {26'049, 8},   // option pair 0
      {26'050, 7}, {26'051, 8},   // option pair 1
      {26'052, 7}, {26'053, 8},   // option pair 2
      {26'153, 9},                // trailer
  };
  // clang-format on
  const Bytes full = encodePreset(unusualValues());
  ASSERT_EQ(full.size(), 26'153u);
  showPage(*form, 4);
  const State before = state();
  std::size_t length = 0;
  int checked = 0;
  for (const auto& group : groups) {
    const Text expected = u"读取失败！(ERROR " + intText(group.error) + u")";
    for (; length < group.below; ++length) {
      ASSERT_FALSE(loadPresetBytes(*form, std::span(full).first(length), false)) << length;
      ASSERT_EQ(takeMessage(), expected) << length;
      ASSERT_TRUE(state() == before) << length;
      ++checked;
    }
  }
  EXPECT_EQ(checked, 26'153);
  EXPECT_TRUE(loadPresetBytes(*form, full, false));
  EXPECT_EQ(takeMessage(), u"加载预设成功！");
  EXPECT_FALSE(state() == before);
}

// Files the editor never writes but a reader meets: every one loads, and what it holds ends
// up in the form as the cases say.
TEST_F(PresetSweepTest, UnterminatedSlotsOddFlagsAndExtraBytesLoad) {
  const Bytes sound = encodePreset(unusualValues());
  constexpr std::size_t kBoxes = 26'018, kOptions = 26'047, kTrailer = 26'053;
  const auto slotAt = [](int slot) { return std::size_t{18} + 400 * slot; };
  const struct {
    const char* name;
    std::function<void(Bytes&)> damage;
    std::function<void(const SettingsForm&)> expect;
  } cases[] = {
      {"a text slot without its terminator keeps 199 units",
       [&](Bytes& b) { writeUnits(b, slotAt(slot::songName), 200, u'歌'); },
       [](const SettingsForm& f) { EXPECT_EQ(f.fields[slot::songName].text, Text(199, u'歌')); }},
      {"every slot without one",
       [&](Bytes& b) {
         for (int s = 0; s < kFieldCount; ++s) writeUnits(b, slotAt(s), 200, u'7');
       },
       [](const SettingsForm& f) {
         for (int s = 0; s < kFieldCount; ++s) {
           // An interactive load keeps the form's own output path.
           if (s == slot::outputPath) continue;
           const TextField& field = f.fields[s];
           EXPECT_EQ(field.length(), 199) << s;
           EXPECT_LE(field.caret, field.length());
           EXPECT_LE(field.visibleText.size(), 99u);
         }
       }},
      {"a trailer without one keeps 49 units",
       [&](Bytes& b) { writeUnits(b, kTrailer, 50, u'图'); },
       [](const SettingsForm& f) {
         EXPECT_EQ(f.labels[label::obtainedType].caption, Text(49, u'图'));
       }},
      {"check-box bytes other than 0 and 1 count as ticked",
       [&](Bytes& b) {
         for (int i = 0; i < kCheckBoxCount; ++i)
           b[kBoxes + i] = static_cast<std::uint8_t>(2 + 31 * i);
       },
       [](const SettingsForm& f) {
         for (const CheckBox& box : f.checkBoxes) EXPECT_TRUE(box.checked());
       }},
      {"option flags both set, both clear or not 1",
       [&](Bytes& b) {
         const std::uint8_t flags[] = {0xFF, 0x80, 0, 0, 2, 0};
         std::copy(std::begin(flags), std::end(flags), b.begin() + kOptions);
       },
       [](const SettingsForm& f) {
         EXPECT_TRUE(f.optionPairs[0].selected1() && f.optionPairs[0].selected2());
         EXPECT_TRUE(!f.optionPairs[1].selected1() && !f.optionPairs[1].selected2());
         EXPECT_TRUE(f.optionPairs[2].selected1() && !f.optionPairs[2].selected2());
       }},
      {"one extra byte", [](Bytes& b) { b.push_back(0); },
       [](const SettingsForm& f) { EXPECT_EQ(f.fields[slot::songName].text, u"值8"); }},
      {"a megabyte of extra bytes", [](Bytes& b) { b.insert(b.end(), 1 << 20, 0xFF); },
       [](const SettingsForm& f) { EXPECT_EQ(f.labels[label::obtainedType].caption, u"曲绘"); }},
      {"an older version followed by the groups of a later one",
       [&](Bytes& b) {
         Bytes older = testing::olderPresetBytes(sound, kPresetLayouts[0]);
         older.insert(older.end(), sound.begin() + 18, sound.end());
         b = std::move(older);
       },
       [](const SettingsForm& f) {
         EXPECT_EQ(f.fields[slot::chartId].text, u"值0");
         // Slot 43 is not in a 1001 file: the bytes after it are not read as its text.
         EXPECT_NE(f.fields[slot::obtainedText].text, u"值43");
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    build();
    Bytes bytes = sound;
    c.damage(bytes);
    ASSERT_TRUE(loadPresetBytes(*form, bytes, false));
    EXPECT_EQ(takeMessage(), u"加载预设成功！");
    c.expect(*form);
    // Saving writes a sound file again, which reads back as what the form holds.
    const Bytes saved = encodePreset(presetFromForm(*form));
    EXPECT_EQ(saved.size(), 26'153u);
    ASSERT_TRUE(loadPresetBytes(*form, saved, true));
    EXPECT_EQ(encodePreset(presetFromForm(*form)), saved);
  }
}

}  // namespace
}  // namespace zarq
