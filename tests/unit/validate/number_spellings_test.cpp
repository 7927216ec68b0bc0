// Spellings of numbers that typing never produces but a preset or `make` can bring: each
// field kind must read them as the recorder would and report what is out of range.

#include <gtest/gtest.h>

#include "form/slider_link.h"
#include "validation_fixture.h"

namespace zarq {
namespace {

class NumberSpellingsTest : public testing::ValidationTest {};

TEST_F(NumberSpellingsTest, OddSpellingsInEveryNumberFieldKind) {
  const struct {
    int page, slot;
    const char16_t* text;
    const char16_t* status;
  } cases[] = {
      // A slot mirrored by a slider: the slider takes the text's number, as a preset loads.
      {1, slot::musicVolume, u"nan", u"错误：音量不能大于5！"},
      {1, slot::musicVolume, u"inf", u"错误：音量不能大于5！"},
      {1, slot::musicVolume, u"1e999", u"错误：音量不能大于5！"},
      {1, slot::musicVolume, u"1e-999", u""},
      {1, slot::musicVolume, u"-0", u""},
      {1, slot::musicVolume, u" 5", u""},
      {1, slot::musicVolume, u"５", u""},
      {1, slot::hitSoundVolume, u"nan", u"错误：音量不能大于5！"},
      {1, slot::backgroundDim, u"nan", u"警告：曲绘暗化不宜小于123！"},  // whole numbers: 0
      // A real number read from the text itself.
      {3, slot::noteSize, u"nan", u"错误：音符大小应大于100！"},
      {3, slot::noteSize, u"-inf", u"错误：音符大小应大于100！"},
      {3, slot::noteSize, u"1e999", u"错误：音符大小应小于300！"},
      {3, slot::noteSize, u" 200", u""},
      {3, slot::chartDuration, u"nan", u"警告：时长太短！"},
      {5, slot::scaleX, u"nan", u"错误：X轴缩放应小于一百！"},
      {5, slot::scaleX, u"1e999", u"错误：X轴缩放应小于一百！"},
      {5, slot::scaleX, u"-0", u"错误：X轴缩放不能为0！"},
      {5, slot::scaleX, u"５", u"错误：X轴缩放不能为0！"},
      {5, slot::holdBpm, u"nan", u"错误：长条BPM应小于四百！"},
      // An integer: only its leading digits count.
      {5, slot::judgeLineColorR, u"nan", u""},
      {5, slot::judgeLineColorR, u"２５６", u""},
      {3, slot::chartFullScore, u"nan", u"错误：满分分数不能为0！"},
      {3, slot::chartFullScore, u"1e7", u"警告：满分分数应为7位数！"},
  };
  for (const auto& c : cases) {
    onPage(c.page);
    field(c.slot).setText(c.text);
    if (c.page == 1) sliderFollowsField(*form, c.slot);
    field(c.slot).committedText = u"\t";
    validateAndCommit(*form, c.slot);
    EXPECT_MESSAGE(messageOf(c.slot), c.status)
        << "slot " << c.slot << " with \"" << toUtf8(c.text) << "\"";
  }
}

}  // namespace
}  // namespace zarq
