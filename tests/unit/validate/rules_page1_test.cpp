#include <gtest/gtest.h>

#include <charconv>
#include <chrono>
#include <filesystem>

#include "common/numbers.h"
#include "editor/pages.h"
#include "validation_fixture.h"

namespace zarq {
namespace {

class ChartIdRulesTest : public testing::ValidationTest {};

TEST_F(ChartIdRulesTest, ChartFileAndVersion) {
  const struct {
    const char* content;  // nullptr: no chart file
    const char16_t* status;
  } cases[] = {
      {nullptr, u"错误：未找到 c0.json！"},
      {"{}", u"错误：谱面格式错误！"},
      {"{\"zarqversion\":130}", u"错误：谱面格式错误！"},
      {"{ZarqVersion:130}", u"错误：谱面格式错误！"},
      {"{\"ZarqVersion\" :130}", u"错误：谱面格式错误！"},
      {"{\"ZarqVersion\":104}", u"错误：Zarq版本过低！"},
      {"{\"ZarqVersion\":104.4}", u"错误：Zarq版本过低！"},
      {"{\"ZarqVersion\":\"130\"}", u"错误：Zarq版本过低！"},
      {"{\"ZarqVersion\" : 100}", u"错误：Zarq版本过低！"},
      {"{\"ZarqVersion\":104.5}", u"点击此处自动填写！"},
      {"{\"ZarqVersion\":105}", u"点击此处自动填写！"},
      {"{\"ZarqVersion\":130}", u"点击此处自动填写！"},
      {"{\"ZarqVersion\" : 120}", u"点击此处自动填写！"},
      // Blanks after the colon, as most JSON writers put them, still give the version.
      {"{\"ZarqVersion\": 130}", u"点击此处自动填写！"},
      {"{\n\t\"ZarqVersion\":\t 118,\n}", u"点击此处自动填写！"},
      {"{\"ZarqVersion\":131}", u"警告：Zarq版本过高！"},
      {"{\"ZarqVersion\": 131}", u"警告：Zarq版本过高！"},
  };
  int n = 0;
  for (const auto& c : cases) {
    const std::string id = "c" + std::to_string(n++);
    if (c.content) dir.write(id + ".json", c.content);
    edit(slot::chartId, fromUtf8(id));
    EXPECT_MESSAGE(messageOf(slot::chartId), c.status) << id << " " << (c.content ? c.content : "");
  }
}

// A large chart is read again only once it changed: given other bytes of the same size at the
// same time, it is taken for the one read before, which shows that it was not read again. A
// small one is read every time.
TEST_F(ChartIdRulesTest, ALargeChartIsReadAgainOnlyOnceItChanged) {
  const auto hourAgo = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
  const auto second = std::chrono::seconds(1);
  // The chart's first bytes, the rest a hole of the file up to `size`.
  const auto writeChart = [&](const char* name, const char* head, std::uintmax_t size, auto time) {
    dir.write(name, head);
    std::filesystem::resize_file(dir / name, size);
    std::filesystem::last_write_time(dir / name, time);
  };
  writeChart("small.json", "{\"ZarqVersion\":120}", 20, hourAgo);
  expectMessages(slot::chartId, {{u"small", u"点击此处自动填写！"}});
  writeChart("small.json", "{\"ZarqVersion\":100}", 20, hourAgo);
  expectMessages(slot::chartId, {{u"small", u"错误：Zarq版本过低！"}});

  constexpr std::uintmax_t kLarge = 16 << 20;
  writeChart("song.json", "{\"ZarqVersion\":120}", kLarge, hourAgo);
  expectMessages(slot::chartId, {{u"song", u"点击此处自动填写！"}});
  writeChart("song.json", "{\"ZarqVersion\":100}", kLarge, hourAgo);
  expectMessages(slot::chartId, {{u"song", u"点击此处自动填写！"}});
  std::filesystem::last_write_time(dir / "song.json", hourAgo + second);
  expectMessages(slot::chartId, {{u"song", u"错误：Zarq版本过低！"}});
  // Another file put in its place, of the same size and time.
  writeChart("other.json", "{\"ZarqVersion\":131}", kLarge, hourAgo + second);
  std::filesystem::rename(dir / "other.json", dir / "song.json");
  expectMessages(slot::chartId, {{u"song", u"警告：Zarq版本过高！"}});
}

TEST_F(ChartIdRulesTest, EmptyLongAndUnopenableIds) {
  std::filesystem::create_directory(dir / "folder.json");
  expectMessages(slot::chartId, {
                                    {u"", u"错误：请拖入谱面，或输入ID！"},
                                    {u"012345678901234567890123456789012345678901234567890",
                                     u"错误：谱面ID过长！"},
                                    {u"folder", u"错误：无法打开谱面！"},
                                });
}

TEST_F(ChartIdRulesTest, TheAutoFillPromptLivesInRecordZero) {
  dir.write("song.json", "{\"ZarqVersion\":120}");
  edit(slot::chartId, u"song");
  ASSERT_EQ(field(slot::chartId).bubble, 0);
  const StatusBubble& prompt = form->bubbles[0];
  EXPECT_TRUE(prompt.visible);
  EXPECT_FALSE(prompt.isError);
  EXPECT_EQ(prompt.code, 8);
  EXPECT_EQ(prompt.ownerKind, OwnerKind::TextField);
  EXPECT_EQ(prompt.ownerId, 0);
  EXPECT_EQ(prompt.anchor, Align::Centre);
  EXPECT_EQ(prompt.speech, u"要Pim酱帮你填嘛(。-ω-)");
}

TEST_F(ChartIdRulesTest, VersionWarningThenPromptThenNothing) {
  dir.write("new.json", "{\"ZarqVersion\":131}");
  edit(slot::chartId, u"new");
  EXPECT_MESSAGE(messageOf(slot::chartId), u"警告：Zarq版本过高！");
  closeMessageOf(slot::chartId);
  EXPECT_MESSAGE(messageOf(slot::chartId), u"点击此处自动填写！");
  closeMessageOf(slot::chartId);
  EXPECT_EQ(field(slot::chartId).bubble, kNoBubble);
  EXPECT_FALSE(form->bubbles[0].visible);
  // A new chart ID offers the auto-fill again.
  dir.write("new2.json", "{\"ZarqVersion\":110}");
  edit(slot::chartId, u"new2");
  EXPECT_MESSAGE(messageOf(slot::chartId), u"点击此处自动填写！");
}

TEST_F(ChartIdRulesTest, AMissingChartIsNamedAndALongIdShortenedToFit) {
  edit(slot::chartId, u"short");
  EXPECT_MESSAGE(messageOf(slot::chartId), u"错误：未找到 short.json！");

  const Text id = u"AVeryLongChartIdentifierThatCannotPossiblyFitBelow";
  edit(slot::chartId, id);
  const Text status = messageOf(slot::chartId);
  ASSERT_TRUE(status.starts_with(u"错误：未找到 AVery")) << toUtf8(status);
  EXPECT_TRUE(status.ends_with(u"….json！")) << toUtf8(status);
  EXPECT_LE(form->metrics.measureTextTight(status, 20) + 4, 1.5f * field(slot::chartId).width);
  // One more unit would not have fitted.
  const std::size_t kept = status.size() - Text(u"错误：未找到 ").size() - Text(u"….json！").size();
  const Text longer = u"错误：未找到 " + id.substr(0, kept + 1) + u"….json！";
  EXPECT_GT(form->metrics.measureTextTight(longer, 20) + 4, 1.5f * field(slot::chartId).width);
}

class MediaRulesTest : public testing::ValidationTest {
 protected:
  void SetUp() override {
    ValidationTest::SetUp();
    dir.write("song.json", "{\"ZarqVersion\":120}");
    edit(slot::chartId, u"song");
  }
};

TEST_F(MediaRulesTest, IllustrationSuffix) {
  writePng("song.png", 300, 200);
  writePng("song.small", 300, 199);
  writePng("song.thin", 199, 300);
  dir.write("song.txt", "not an image");
  std::filesystem::create_directory(dir / "song.dir");
  expectMessages(slot::illustrationExt, {
                                            {u"png", u""},
                                            {u"small", u"警告：曲绘尺寸过小！"},
                                            {u"thin", u"警告：曲绘尺寸过小！"},
                                            {u"txt", u"错误：无法加载曲绘！"},
                                            {u"dir", u"错误：无法加载曲绘！"},
                                            {u"jpg", u"错误：未找到 song.jpg！"},
                                            {u"", u"错误：曲绘后缀不能为空！"},
                                            {u"jpeg2k", u"错误：曲绘后缀过长！"},
                                        });
}

TEST_F(MediaRulesTest, AudioSuffix) {
  dir.write("song.ogg", "any bytes");
  expectMessages(slot::audioExt, {
                                     {u"ogg", u""},
                                     {u"mp3", u"错误：未找到 song.mp3！"},
                                     {u"", u"错误：音频后缀不能为空！"},
                                     {u"abcdef", u"错误：音频后缀过长！"},
                                 });
}

TEST_F(MediaRulesTest, AMissingMediaFileWithALongChartIdKeepsItsSuffix) {
  const Text id(60, u'x');
  field(slot::chartId).setText(id);
  validateAndCommit(*form, slot::chartId);
  const Text status = messageOf(slot::illustrationExt);
  EXPECT_TRUE(status.ends_with(u"…." + field(slot::illustrationExt).text + u"！"))
      << toUtf8(status);
  EXPECT_LE(form->metrics.measureTextTight(status, 20) + 4, 2 * field(slot::illustrationExt).width);
}

TEST_F(MediaRulesTest, ChangingTheChartIdRevalidatesBothSuffixes) {
  writePng("song.PNG", 400, 400);
  dir.write("song.MP3", "audio");
  edit(slot::chartId, u"other");
  EXPECT_MESSAGE(messageOf(slot::illustrationExt), u"错误：未找到 other.PNG！");
  EXPECT_MESSAGE(messageOf(slot::audioExt), u"错误：未找到 other.MP3！");
  edit(slot::chartId, u"song");
  EXPECT_MESSAGE(messageOf(slot::illustrationExt), u"");
  EXPECT_MESSAGE(messageOf(slot::audioExt), u"");
}

class SliderRulesTest : public testing::ValidationTest {
 protected:
  // Moves the slider and revalidates its linked slot, as a drag does.
  void slide(int slot, float value) {
    form->sliders[slot - slot::backgroundDim].setValue(value);
    field(slot).committedText = u"\t";
    char digits[32];
    const char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    edit(slot, Text(static_cast<const char*>(digits), end));
  }
};

TEST_F(SliderRulesTest, EachSliderAgainstItsRange) {
  const struct {
    int slot;
    float value;
    const char16_t* status;
  } cases[] = {
      {slot::backgroundDim, 123, u""},
      {slot::backgroundDim, 254, u""},
      {slot::backgroundDim, 122, u"警告：曲绘暗化不宜小于123！"},
      {slot::backgroundDim, 255, u"警告：255会导致谱面背景全黑！"},
      {slot::backgroundDim, 256, u"错误：曲绘暗化应在0至255之间！"},
      {slot::backgroundDim, -1, u"错误：曲绘暗化应在0至255之间！"},
      {slot::backgroundBlur, 0, u"警告：0会导致曲绘没有模糊！"},
      {slot::backgroundBlur, 1, u""},
      {slot::backgroundBlur, 200, u""},
      {slot::backgroundBlur, 201, u"错误：曲绘模糊不能大于200！"},
      {slot::hitSoundVolume, 0, u""},
      {slot::hitSoundVolume, 1, u""},
      {slot::hitSoundVolume, 0.5f, u"警告：不建议调整音效音量！"},
      {slot::hitSoundVolume, 5.1f, u"错误：音量不能大于5！"},
      {slot::musicVolume, 5, u""},
      {slot::musicVolume, 5.1f, u"错误：音量不能大于5！"},
      {slot::resultVolume, 0.8f, u""},
      {slot::resultVolume, 0.805f, u""},
      {slot::resultVolume, 0.9f, u"警告：不建议调整结算音量！"},
      {slot::resultVolume, 6, u"错误：音量不能大于5！"},
  };
  for (const auto& c : cases) {
    slide(c.slot, c.value);
    EXPECT_MESSAGE(messageOf(c.slot), c.status) << c.slot << " at " << c.value;
  }
}

class RecordPartsTest : public testing::ValidationTest {};

TEST_F(RecordPartsTest, NothingToRecordIsAnErrorUnderTheMiddleBox) {
  for (int box : {box::recordOpening, box::recordChart, box::recordResult}) {
    form->checkBoxes[box].setChecked(false);
  }
  showPage(*form, 1);
  ASSERT_NE(form->recordPartsBubble, kNoBubble);
  const StatusBubble& b = form->bubbles[form->recordPartsBubble];
  const CheckBox& middle = form->checkBoxes[box::recordChart];
  EXPECT_TRUE(b.visible);
  EXPECT_TRUE(b.isError);
  EXPECT_EQ(b.status, u"错误：请至少选择一项！");
  EXPECT_EQ(b.ownerKind, OwnerKind::CheckBox);
  EXPECT_EQ(b.ownerId, box::recordChart);
  EXPECT_EQ(b.anchor, Align::Centre);
  EXPECT_FLOAT_EQ(b.x, middle.x);
  EXPECT_FLOAT_EQ(b.y, middle.y + middle.size / 2);

  const std::int16_t record = form->recordPartsBubble;
  form->checkBoxes[box::recordResult].setChecked(true);
  checkRecordParts(*form);
  EXPECT_EQ(form->recordPartsBubble, kNoBubble);
  EXPECT_FALSE(form->bubbles[record].visible);
}

}  // namespace
}  // namespace zarq
