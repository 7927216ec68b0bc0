#include "editor/click_actions.h"

#include <gtest/gtest.h>

#include "common/utf.h"
#include "form/form_builder.h"
#include "input_fixture.h"

namespace zarq {
namespace {

class ClickActionsTest : public testing::InputTest {
 protected:
  Text obtainedContent() const { return form->fields[slot::obtainedContent].text; }
};

TEST_F(ClickActionsTest, CaptionOpensItsHelpTextTitledWithTheCaption) {
  clickLabel(label::chartId);
  ASSERT_EQ(host().messages.size(), 1u);
  EXPECT_EQ(host().messages[0].text, form->labels[label::chartId].helpText);
  EXPECT_EQ(host().messages[0].title, u"Zarq Radoziro 设置填写器 - 谱面ID");
  EXPECT_EQ(host().messages[0].buttons, MessageButtons::Ok);
}

// A user who clicks any page's title learns the commands: saving, opening, the pages, paste
// and the files that may be dropped.
TEST_F(ClickActionsTest, EveryPageTitleTellsTheCommands) {
  const int titles[] = {label::titleBasic,  label::titleOpening, label::titleChart,
                        label::titleResult, label::titleOther,   label::titleUiText};
  const TextView commands[] = {u"Ctrl+S", u"Ctrl+O", u"Ctrl+Shift+O", u"Ctrl+1", u"Ctrl+6",
                               u"Ctrl+V", u".set",   u".json",        u"头像"};
  for (int page = 1; page <= kPageCount; ++page) {
    showPage(*form, page);
    host().messages.clear();
    clickLabel(titles[page - 1]);
    ASSERT_EQ(host().messages.size(), 1u) << page;
    const Text& help = host().messages[0].text;
    EXPECT_EQ(help, form->labels[titles[page - 1]].helpText) << page;
    for (const TextView command : commands) {
      EXPECT_NE(help.find(command), Text::npos) << page << " lacks " << toUtf8(command);
    }
  }
  // Other captions keep to their field.
  EXPECT_EQ(form->labels[label::chartId].helpText.find(u"Ctrl+S"), Text::npos);
}

TEST_F(ClickActionsTest, BubbleOpensItsSpeechAndTheAutoFillOfferAsksYesOrNo) {
  const int record = attachMessage(slot::illustrationExt, true, u"错误：测试");
  const StatusBubble& error = form->bubbles[record];
  click(error.boxLeft(form->metrics) + 5, error.y + 5);
  attachFieldMessage(*form, slot::chartId,
                     {.status = u"点击此处自动填写！",
                      .speech = u"要Pim酱帮你填嘛(。-ω-)",
                      .x = 472,
                      .y = 600,
                      .anchor = Align::Centre,
                      .code = 8},
                     true);
  click(472, 605);
  ASSERT_EQ(host().messages.size(), 2u);
  EXPECT_EQ(host().messages[0].title, u"Zarq Radoziro 设置填写器 - 错误：测试");
  EXPECT_EQ(host().messages[0].text, u"测试");
  EXPECT_EQ(host().messages[0].buttons, MessageButtons::Ok);
  EXPECT_EQ(host().messages[1].title, u"Zarq Radoziro 设置填写器 - 点击此处自动填写！");
  EXPECT_EQ(host().messages[1].buttons, MessageButtons::YesNo);
}

TEST_F(ClickActionsTest, ClosedWarningStaysClosedUntilTheTextChanges) {
  showPage(*form, 5);
  const int record = field(slot::holdBpm).bubble;  // "0" lies outside the usual tempo range
  ASSERT_NE(record, kNoBubble);
  const StatusBubble& warning = form->bubbles[record];
  const Text status = warning.status;
  click(warning.boxLeft(form->metrics) + warning.boxWidth(form->metrics) - 10, warning.y + 10);
  EXPECT_FALSE(warning.visible);
  EXPECT_TRUE(host().messages.empty());
  editAtEnd(slot::holdBpm);
  type(u"a");  // refused: the text stays, and so does the silence
  EXPECT_EQ(visibleStatuses(), std::vector<Text>{});
  type(u"0");
  EXPECT_EQ(visibleStatuses(), std::vector<Text>{status});
}

TEST_F(ClickActionsTest, RecordPartsAndStoryboardAxesNeedOneTicked) {
  auto with = [](std::vector<Text> statuses, TextView added) {
    statuses.emplace_back(added);
    return statuses;
  };
  const auto page1 = visibleStatuses();  // the chart ID's own messages
  clickBox(box::recordOpening);
  clickBox(box::recordChart);
  EXPECT_EQ(visibleStatuses(), page1);
  clickBox(box::recordResult);
  EXPECT_EQ(visibleStatuses(), with(page1, u"错误：请至少选择一项！"));
  clickBox(box::recordChart);
  EXPECT_EQ(visibleStatuses(), page1);

  showPage(*form, 5);
  const auto page5 = visibleStatuses();
  clickOption(pair::storyboardScaleRef, true);
  clickOption(pair::storyboardScaleRef, false);
  EXPECT_EQ(visibleStatuses(), with(page5, u"错误：至少选择一项！"));
  clickOption(pair::storyboardScaleRef, false);
  EXPECT_EQ(visibleStatuses(), page5);
}

TEST_F(ClickActionsTest, UntickingARecordedPartRestoresAndGreysItsVolumes) {
  for (int i : {sliderId::dim, sliderId::resultVolume}) {
    const Slider& slider = form->sliders[i];
    click(slider.x + slider.width / 2, slider.y);  // to the maximum
  }
  edit(slot::musicVolume, u"1.5", 3);
  type(u"\b");
  clickBox(box::recordChart);
  EXPECT_FALSE(editing(slot::musicVolume));
  clickBox(box::recordResult);
  const struct {
    int slider, label;
    float value;
    const char16_t* text;
  } cases[] = {
      {sliderId::dim, label::backgroundDim, 150, u"150"},
      {sliderId::hitSoundVolume, label::hitSoundVolume, 1.0f, u"1.0"},
      {sliderId::musicVolume, label::musicVolume, 0.8f, u"0.8"},
      {sliderId::resultVolume, label::resultVolume, 0.8f, u"0.8"},
  };
  for (const auto& c : cases) {
    const int slot = c.slider + slot::backgroundDim;
    EXPECT_FLOAT_EQ(form->sliders[c.slider].value(), c.value) << slot;
    EXPECT_EQ(field(slot).text, c.text);
    EXPECT_EQ(field(slot).committedText, c.text);
    EXPECT_FALSE(form->sliders[c.slider].enabled() || field(slot).enabled() ||
                 form->labels[c.label].enabled())
        << slot;
  }
  EXPECT_TRUE(field(slot::backgroundBlur).enabled());
  clickBox(box::recordChart);
  clickBox(box::recordResult);
  for (const auto& c : cases) EXPECT_TRUE(form->sliders[c.slider].enabled());
}

TEST_F(ClickActionsTest, BoxesOfTheChartAndResultPagesMoveAndShowTheirFields) {
  showPage(*form, 3);
  clickBox(box::nameBar);
  EXPECT_FLOAT_EQ(field(slot::chartSongName).x, 197);
  clickBox(box::nameBar);
  EXPECT_FLOAT_EQ(field(slot::chartSongName).x, 185);

  showPage(*form, 4);
  const int scores[] = {slot::originalScore, slot::addedScore, slot::resultFullScore};
  clickBox(box::scoreIncrease);
  EXPECT_FLOAT_EQ(form->checkBoxes[box::scoreIncrease].x, 688);
  for (int slot : scores) EXPECT_TRUE(field(slot).shown());
  std::vector<int> records;
  for (int slot : scores) records.push_back(attachMessage(slot, true));
  clickBox(box::scoreIncrease);
  EXPECT_FLOAT_EQ(form->checkBoxes[box::scoreIncrease].x, 270);
  for (int slot : scores) EXPECT_FALSE(field(slot).shown());
  for (int slot : scores) EXPECT_EQ(field(slot).bubble, kNoBubble);
  for (int record : records) EXPECT_FALSE(form->bubbles[record].visible);

  clickBox(box::songNameSplit);
  EXPECT_TRUE(field(slot::splitNameLine1).enabled() && field(slot::splitNameLine2).shown());
  clickBox(box::songNameSplit);
  EXPECT_FALSE(field(slot::splitNameLine1).enabled() || field(slot::splitNameLine2).shown());
  EXPECT_EQ(field(slot::splitNameLine2).bubble, kNoBubble);
}

// The join never loses text: lines that do not fit in one field together keep the box ticked.
TEST_F(ClickActionsTest, UntickingObtainedSplitJoinsTheLinesOrIsRefusedWhenTheyDoNotFit) {
  const struct {
    Text line1, line2;
    bool joins;
  } cases[] = {
      {u"abc", u"def", true},
      {Text(150, u'a'), Text(49, u'b'), true},   // 199 units: a full field
      {Text(150, u'a'), Text(50, u'b'), false},  // 200
      {Text(199, u'a'), Text(199, u'b'), false},
  };
  for (const auto& c : cases) {
    build();
    showPage(*form, 4);
    clickLabel(label::obtainedType);
    clickBox(box::obtainedSplit);
    EXPECT_TRUE(field(slot::obtainedContentLine2).shown());
    field(slot::obtainedContent).setText(c.line1);
    field(slot::obtainedContentLine2).setText(c.line2);
    const int beeps = host().beeps;
    clickBox(box::obtainedSplit);
    EXPECT_EQ(form->checkBoxes[box::obtainedSplit].checked(), !c.joins);
    EXPECT_EQ(host().beeps - beeps, c.joins ? 0 : 1);
    EXPECT_EQ(obtainedContent(), c.joins ? c.line1 + c.line2 : c.line1);
    EXPECT_EQ(field(slot::obtainedContentLine2).text, c.joins ? Text() : c.line2);
    EXPECT_EQ(field(slot::obtainedContentLine2).shown(), !c.joins);
  }
}

TEST_F(ClickActionsTest, ObtainedTypeSelectorCyclesAndWritesItsContent) {
  showPage(*form, 4);
  field(slot::songName).setText(u"Song");
  field(slot::level).setText(u"15");
  const struct {
    const char16_t* caption;
    const char16_t* content;
  } cycle[] = {
      {u"Data", u"1.25 MB"}, {u"曲绘", u"Song(New illustration)"},
      {u"文件", u"Song"},    {u"头像", u"[Song](New avatar)"},
      {u"无", u""},
  };
  const float x = form->labels[label::obtainedType].x;
  for (const auto& c : cycle) {
    clickLabel(label::obtainedType);
    EXPECT_EQ(form->obtainedType(), c.caption);
    EXPECT_EQ(obtainedContent(), c.content) << form->obtainedType().size();
    EXPECT_FLOAT_EQ(form->labels[label::obtainedType].x, x);
    EXPECT_TRUE(form->labels[label::obtainedType].shown());
    if (form->obtainedType() == u"Data") clickBox(box::obtainedSplit);
  }
  EXPECT_FALSE(field(slot::obtainedContent).enabled());
  EXPECT_FALSE(form->checkBoxes[box::obtainedSplit].checked());
  EXPECT_FALSE(form->checkBoxes[box::obtainedSplit].enabled());
  EXPECT_FALSE(form->labels[label::obtainedSplit].enabled());
  EXPECT_FALSE(field(slot::obtainedContentLine2).shown());
  EXPECT_TRUE(host().messages.empty());  // the selector has no help text to show
}

TEST_F(ClickActionsTest, DataSizeFollowsTheLevel) {
  const struct {
    const char16_t* level;
    const char16_t* size;
  } cases[] = {
      {u"1", u"256 KB"},   {u"7", u"512 KB"},    {u"12", u"768 KB"},
      {u"13", u"1.00 MB"}, {u"15", u"1.25 MB"},  {u"16", u"1.50 MB"},
      {u"17", u"2.00 MB"}, {u"18", u"11.45 MB"}, {u"", u"11.45 MB"},
  };
  showPage(*form, 4);
  for (const auto& c : cases) {
    field(slot::level).setText(c.level);
    placeObtainedTypeSelector(*form, u"无");
    form->labels[label::obtainedType].setShown(true);
    clickLabel(label::obtainedType);
    EXPECT_EQ(obtainedContent(), c.size) << TextView(c.level).size();
  }
}

TEST_F(ClickActionsTest, QualityKeepsOneOptionMirrorTogglesEachAndTheKeyboardStays) {
  showPage(*form, 2);
  editAtEnd(slot::songName);
  const OptionPair& quality = form->optionPairs[pair::quality];
  clickOption(pair::quality, false);
  EXPECT_TRUE(!quality.selected1() && quality.selected2());
  clickOption(pair::quality, false);
  EXPECT_TRUE(quality.selected1() && !quality.selected2());
  clickOption(pair::quality, true);
  EXPECT_TRUE(!quality.selected1() && quality.selected2());
  EXPECT_TRUE(editing(slot::songName));

  showPage(*form, 5);
  const OptionPair& mirror = form->optionPairs[pair::mirror];
  clickOption(pair::mirror, true);
  clickOption(pair::mirror, false);
  EXPECT_TRUE(mirror.selected1() && mirror.selected2());
  clickOption(pair::mirror, true);
  EXPECT_TRUE(!mirror.selected1() && mirror.selected2());
}

}  // namespace
}  // namespace zarq
