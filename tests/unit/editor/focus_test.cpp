// The keyboard's focus, driven through the window's events: Tab walks round every usable
// control of the page in the order it reads, the focused control takes its keys as it takes a
// click, F1 explains it as its caption does, and Escape lets go of it.

#include "editor/focus.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>

#include "common/utf.h"
#include "editor/accessible_page.h"
#include "form/field_table.h"
#include "form/tab_order.h"
#include "input_fixture.h"
#include "support/sample_chart.h"

namespace zarq {
namespace {

using Kind = ControlRef::Kind;

class FocusTest : public testing::InputTest {
 protected:
  void tab() { type(u"\t"); }
  void escape() { type(u"\x1b"); }
  void keyUp(Key k, bool shift = false) { onKeyUp(*form, KeyStroke{k, shift}); }
  ControlRef focused() const { return form->focusedControl(); }
  // Tab from nothing until `control` has the focus.
  void focusOn(ControlRef control) {
    escape();
    escape();
    for (std::size_t i = 0; i <= focusCycle(*form).size() && focused() != control; ++i) tab();
    ASSERT_EQ(focused(), control);
  }
  std::size_t steps() const { return form->history.undo.size(); }
};

// What Tab stops at on the page, by name, a slider marked so.
std::vector<std::string> stopsOf(SettingsForm& form) {
  const AccessiblePage page = describePage(form);
  std::vector<std::string> names;
  for (const ControlRef stop : focusCycle(form)) {
    const AccessibleControl* c = page.find(stop);
    names.push_back(toUtf8(c->name) + (c->role == AccessibleRole::Slider ? " slider" : ""));
  }
  return names;
}

TEST_F(FocusTest, TabReadsThePageByColumnTopToBottomAndComesRound) {
  using Stops = std::vector<std::string>;
  const Stops arrows = {"UI文本设置", "开场动画设置"};
  const struct {
    int page;
    Stops stops;  // the arrows last
  } everything[] = {
      {1,
       {"谱面ID", "开场", "谱面", "结算", "曲绘", "音乐", "背景暗化 slider", "背景暗化",
        "背景模糊 slider", "背景模糊", "音效音量 slider", "音效音量", "音乐音量 slider", "音乐音量",
        "结算音量 slider", "结算音量"}},
      {2,
       {"曲名", "等级", "上标", "下标", "难度", "曲师", "谱师", "画师", "Tip", "比例", "帧率",
        "画质 1080P"}},
      {3,
       {"谱面动画设置 分数", "谱面动画设置 曲名", "谱面动画设置 难度等级", "暂停后方阴影",
        "曲名左侧竖条", "音符大小", "谱面时长"}},
      {4,
       {"头像", "玩家名", "RKS", "课题", "分数增加 原分数", "分数增加 增加分数", "分数增加 满分",
        "分数增加", "已获得框 文字", "已获得框", "分行", "已获得框 内容", "分行 第二行", "曲名分行",
        "曲名分行 第一行", "曲名分行 第二行"}},
      {5,
       {"判定线厚度", "判定线长度", "X轴缩放", "Y轴缩放", "谱面镜像 X", "长条BPM",
        "故事版缩放参考 X", "暂停UI缩放", "判定线颜色 R", "判定线颜色 G", "判定线颜色 B",
        "打击特效颜色 R", "打击特效颜色 G", "打击特效颜色 B", "文本表达式", "曲名竖条UI缩放"}},
      {6,
       {"同步中", "Loading", "NEW BEST", "Accuracy", "Perfect", "Bad", "Early", "已同步", "COMBO",
        "Max Combo", "准度", "Good", "Miss", "Late", "备注信息"}},
  };
  showEverything();
  for (const auto& c : everything) {
    SCOPED_TRACE(::testing::Message() << "page " << c.page);
    showPage(*form, c.page);
    Stops stops = stopsOf(*form);
    ASSERT_GE(stops.size(), 2u);
    stops.resize(stops.size() - 2);
    EXPECT_EQ(stops, c.stops);
    // Tab from nothing takes them in turn and comes round to the first.
    const std::vector<ControlRef> cycle = focusCycle(*form);
    escape();
    escape();
    for (const ControlRef stop : cycle) {
      tab();
      EXPECT_EQ(focused(), stop);
    }
    tab();
    EXPECT_EQ(focused(), cycle.front());
  }
  // A box that greys fields takes them out of the round, not out of their place.
  showPage(*form, 1);
  clickBox(box::recordChart);
  const Stops greyed = stopsOf(*form);
  EXPECT_EQ(std::find(greyed.begin(), greyed.end(), "背景暗化"), greyed.end());
  EXPECT_EQ(greyed[6], "背景模糊 slider");
}

// Tab reaches a field with its whole text selected, as a native field does: typing replaces it.
TEST_F(FocusTest, TabSelectsAFieldsText) {
  tab();
  EXPECT_TRUE(editing(slot::chartId));
  EXPECT_EQ(field(slot::chartId).selection().from, 0);
  EXPECT_EQ(field(slot::chartId).selection().to, field(slot::chartId).length());
  type(u"x");
  EXPECT_EQ(field(slot::chartId).text, u"x");
}

TEST_F(FocusTest, ShiftTabFromNothingTakesTheLastAndEscapeLetsGoOfAnyControl) {
  command(Command::PreviousField);
  EXPECT_EQ(focused(), (ControlRef{Kind::Arrow, 1}));
  command(Command::PreviousField);
  EXPECT_EQ(focused(), (ControlRef{Kind::Arrow, 0}));
  const int before = frames();
  escape();
  EXPECT_FALSE(focused());
  EXPECT_EQ(frames(), before + 1);  // the outline goes
  EXPECT_EQ(form->currentPage, 1);
  tab();
  EXPECT_TRUE(editing(slot::chartId));
  // A field left by Escape, as always; the next Tab starts from the page's first control.
  tab();
  escape();
  EXPECT_FALSE(focused());
  tab();
  EXPECT_TRUE(editing(slot::chartId));
  // A click on nothing lets go of a control as of a field.
  focusOn({Kind::CheckBox, box::recordChart});
  click(900, 20);
  EXPECT_FALSE(focused());
}

TEST_F(FocusTest, SpaceTogglesAFocusedBoxOrOptionAsAClickDoesInOneStep) {
  const struct {
    int page;
    ControlRef control;
  } cases[] = {
      {1, {Kind::CheckBox, box::recordOpening}},
      {3, {Kind::CheckBox, box::nameBar}},
      {5, {Kind::Option, 2 * pair::mirror}},
  };
  for (const auto& c : cases) {
    showPage(*form, c.page);
    focusOn(c.control);
    // What Space turns over: the box ticked, the option selected.
    const auto value = [&] { return describePage(*form).find(c.control)->checked; };
    const bool was = value();
    const std::size_t stepsBefore = steps();
    keyUp(Key::Enter);  // not theirs
    EXPECT_EQ(value(), was);
    keyUp(Key::Space);
    EXPECT_NE(value(), was);
    EXPECT_EQ(steps(), stepsBefore + 1);
    EXPECT_EQ(focused(), c.control);
  }
  // An arrow moves to the pair's other option; in the quality, one of two, it chooses it.
  focusOn({Kind::Option, 2 * pair::mirror});
  keyUp(Key::Right);
  EXPECT_EQ(focused(), (ControlRef{Kind::Option, 2 * pair::mirror + 1}));
  EXPECT_FALSE(form->optionPairs[pair::mirror].selected2());
  showPage(*form, 2);
  focusOn({Kind::Option, 2 * pair::quality});
  const std::size_t stepsBefore = steps();
  keyUp(Key::Left);
  EXPECT_EQ(focused(), (ControlRef{Kind::Option, 2 * pair::quality + 1}));
  EXPECT_EQ(steps(), stepsBefore + 1);
  EXPECT_FALSE(form->optionPairs[pair::quality].selected1());
  // The selected one is where Tab comes back to.
  tab();
  command(Command::PreviousField);
  EXPECT_EQ(focused(), (ControlRef{Kind::Option, 2 * pair::quality + 1}));
  // What follows a box follows a Space: the name bar moved the song name.
  EXPECT_TRUE(form->checkBoxes[box::nameBar].checked());
  command(Command::Undo);
  EXPECT_FALSE(form->optionPairs[pair::quality].selected2());

  // Unticking 分行 where the two lines would not fit in one is refused, with the bell.
  showEverything();
  field(slot::obtainedContent).setText(Text(120, u'a'));
  field(slot::obtainedContentLine2).setText(Text(120, u'b'));
  focusOn({Kind::CheckBox, box::obtainedSplit});
  const int beeps = host().beeps;
  keyUp(Key::Space);
  EXPECT_TRUE(form->checkBoxes[box::obtainedSplit].checked());
  EXPECT_EQ(host().beeps, beeps + 1);
}

TEST_F(FocusTest, SliderKeysStepJumpTenStepsAndReachTheEndsWithTheFieldChecked) {
  const struct {
    Key key;
    const char16_t* text;  // the dim field after the key, from 150
  } cases[] = {
      {Key::Right, u"151"},  {Key::Up, u"152"},       {Key::Left, u"151"}, {Key::Down, u"150"},
      {Key::PageUp, u"160"}, {Key::PageDown, u"150"}, {Key::End, u"255"},  {Key::Right, u"255"},
      {Key::Home, u"123"},   {Key::Left, u"123"},
  };
  focusOn({Kind::Slider, sliderId::dim});
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.key));
    const Text was = field(slot::backgroundDim).text;
    const std::size_t stepsBefore = steps();
    keyUp(c.key);
    EXPECT_EQ(field(slot::backgroundDim).text, c.text);
    // Checked as at the end of a drag: 255 warns at once. One step per key that moved it.
    EXPECT_EQ(field(slot::backgroundDim).committedText, c.text);
    EXPECT_EQ(field(slot::backgroundDim).bubble != kNoBubble, Text(c.text) == u"255");
    EXPECT_EQ(steps(), stepsBefore + (was != c.text ? 1 : 0));
  }
  // A value typed between two steps goes to the next one either way.
  focusOn({Kind::Slider, sliderId::musicVolume});
  for (const auto& [key, text] : {std::pair{Key::Right, u"0.9"}, std::pair{Key::Left, u"0.8"}}) {
    edit(slot::musicVolume, u"0.85", 4);
    commitEdit(*form, slot::musicVolume);
    focusOn({Kind::Slider, sliderId::musicVolume});
    keyUp(key);
    EXPECT_EQ(field(slot::musicVolume).text, text);
  }
  // Held down, the slider moves on with each repeat; the whole hold is one step.
  const std::size_t stepsBefore = steps();
  const KeyCode right = 114;
  for (int i = 0; i < 4; ++i) onKeyPressed(*form, right, Key::Right);
  onKeyReleased(*form, right, Key::Right);
  EXPECT_EQ(field(slot::musicVolume).text, u"1.2");
  EXPECT_EQ(steps(), stepsBefore + 1);
  command(Command::Undo);
  EXPECT_EQ(field(slot::musicVolume).text, u"0.8");
  // A preset's NaN counts as the track's start, where it is drawn: no key jumps to the top.
  for (const auto& [key, text] : {std::pair{Key::Left, u"0.0"}, std::pair{Key::Right, u"0.1"},
                                  std::pair{Key::PageDown, u"0.0"}}) {
    form->sliders[sliderId::musicVolume].setValue(std::numeric_limits<float>::quiet_NaN());
    keyUp(key);
    EXPECT_EQ(field(slot::musicVolume).text, text);
  }
}

TEST_F(FocusTest, KeysMoveTheSelectorBothWaysAndAPageTurnFocusesItsFirstControl) {
  showPage(*form, 4);
  focusOn({Kind::Selector, 0});
  keyUp(Key::Up);
  EXPECT_EQ(form->obtainedType(), u"头像");
  keyUp(Key::Down);
  EXPECT_EQ(form->obtainedType(), u"无");
  keyUp(Key::Space);
  EXPECT_EQ(form->obtainedType(), u"Data");
  keyUp(Key::Enter);
  EXPECT_EQ(form->obtainedType(), u"曲绘");
  EXPECT_EQ(focused(), (ControlRef{Kind::Selector, 0}));
  // Enter that closed a message box comes up here without having gone down here: nothing.
  const KeyCode enter = 36;
  onKeyReleased(*form, enter, Key::Enter);
  EXPECT_EQ(form->obtainedType(), u"曲绘");
  onKeyPressed(*form, enter, Key::Enter);
  onKeyReleased(*form, enter, Key::Enter);
  EXPECT_EQ(form->obtainedType(), u"文件");
  // The box and the content it made usable are the next stops.
  tab();
  EXPECT_EQ(focused(), (ControlRef{Kind::CheckBox, box::obtainedSplit}));
  tab();
  EXPECT_TRUE(editing(slot::obtainedContent));
  EXPECT_EQ(field(slot::obtainedContent).text, u"Zarq Radoziro");

  // However the page turns, the keys typed next go to its first control.
  command(Command::Page1);
  focusOn({Kind::Arrow, 1});
  keyUp(Key::Enter);
  EXPECT_EQ(form->currentPage, 2);
  EXPECT_TRUE(editing(slot::songName));
  command(Command::Page5);
  EXPECT_TRUE(editing(slot::judgeLineThickness));
  click(form->arrows[0].x, form->arrows[0].y);
  EXPECT_EQ(form->currentPage, 4);
  EXPECT_TRUE(editing(slot::avatar));
}

TEST_F(FocusTest, TheAutoFillOfferFollowsItsFieldAndEnterAnswersIt) {
  dir.write("20220924.json", testing::kSampleChart);
  build();
  ASSERT_TRUE(form->bubbles[kAutoFillRecord].visible);
  tab();
  tab();
  ASSERT_EQ(focused(), (ControlRef{Kind::Bubble, kAutoFillRecord}));
  host().answers = {MessageAnswer::Yes};
  keyUp(Key::Enter);
  EXPECT_EQ(host().messages.size(), 1u);
  EXPECT_EQ(field(slot::songName).text, u"Sigma (Haocore Mix)");
}

TEST_F(FocusTest, HelpKeysShowWhatAClickOnTheCaptionShows) {
  const struct {
    int page;
    ControlRef control;  // none: the page's title
    int caption;
  } cases[] = {
      {1, {}, label::titleBasic},
      {1, {Kind::Field, slot::chartId}, label::chartId},
      {1, {Kind::Field, slot::backgroundDim}, label::backgroundDim},  // its slider's
      {1, {Kind::Slider, sliderId::dim}, label::backgroundDim},
      {1, {Kind::CheckBox, box::recordChart}, label::recordChart},
      {1, {Kind::Arrow, 0}, label::titleBasic},
      {5, {Kind::Option, 2 * pair::mirror}, label::mirror},
      {5, {Kind::Field, slot::judgeLineColorB}, label::judgeLineColor},
      {4, {Kind::Selector, 0}, label::obtainedBox},
  };
  for (const auto& c : cases) {
    showPage(*form, c.page);
    if (c.control) {
      focusOn(c.control);
    } else {
      escape();
      escape();
    }
    host().messages.clear();
    keyUp(Key::F1);
    keyUp(Key::Menu);
    keyUp(Key::F10, true);
    keyUp(Key::F10);  // F10 alone is not one of them
    clickLabel(c.caption);
    ASSERT_EQ(host().messages.size(), 4u) << c.caption;
    // A message hanging on the control comes first: the chart ID's missing chart.
    const AccessiblePage page = describePage(*form);
    const AccessibleControl* described = page.find(c.control);
    const Text first = described && described->errorMessage
                           ? form->bubbles[described->errorMessage.index].status
                           : host().messages[3].text;
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(host().messages[i].title, host().messages[3].title) << c.caption;
      EXPECT_TRUE(host().messages[i].text.starts_with(first)) << c.caption;
      EXPECT_TRUE(host().messages[i].text.ends_with(host().messages[3].text)) << c.caption;
    }
    EXPECT_EQ(focused(), c.control);
  }
}

// A click gives a check box, an option or a slider the keyboard as Tab does, and the screen
// readers hear the focus arrive; an option leaves an edited field its keyboard.
TEST_F(FocusTest, AClickFocusesTheControlUnlessAnOptionLeavesAFieldItsKeyboard) {
  const struct {
    int page;
    ControlRef control;
    bool fieldEdited;  // the page's first field has the keyboard before the click
  } cases[] = {
      {1, {Kind::Slider, sliderId::dim}, false},
      {1, {Kind::Slider, sliderId::blur}, true},
      {1, {Kind::CheckBox, box::recordOpening}, true},
      {5, {Kind::Option, 2 * pair::mirror + 1}, false},
      {5, {Kind::Option, 2 * pair::storyboardScaleRef}, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(controlNumber(c.control));
    showPage(*form, c.page);
    escape();
    ControlRef expected = c.control;
    if (c.fieldEdited) {
      const std::vector<ControlRef> cycle = focusCycle(*form);
      const auto first = std::find_if(cycle.begin(), cycle.end(),
                                      [](ControlRef s) { return s.kind == Kind::Field; });
      ASSERT_NE(first, cycle.end());
      editAtEnd(first->index);
      if (c.control.kind == Kind::Option) expected = *first;
    }
    const RectF at = describePage(*form).find(c.control)->bounds;
    host().announced.clear();
    click(at.x + at.w / 2, at.y + at.h / 2);
    EXPECT_EQ(focused(), expected);
    const auto arrived = std::count_if(
        host().announced.begin(), host().announced.end(), [&](const AccessibleEvent& e) {
          return e.change == AccessibleChange::Focus && e.on && e.control == c.control;
        });
    EXPECT_EQ(arrived, expected == c.control ? 1 : 0);
    if (expected != c.control) continue;
    // Its keys act on it now: an arrow moves a slider, Space turns a box or an option over.
    const AccessibleControl was = *describePage(*form).find(c.control);
    keyUp(c.control.kind == Kind::Slider ? Key::Right : Key::Space);
    const AccessibleControl now = *describePage(*form).find(c.control);
    EXPECT_TRUE(now.value != was.value || now.checked != was.checked);
  }
}

TEST_F(FocusTest, KeysDuringADragOrOnAControlThatWentAwayDoNothing) {
  // The pointer holds the blur slider: Tab waits for the drag to end.
  press(form->sliders[sliderId::blur].x, form->sliders[sliderId::blur].y);
  tab();
  keyUp(Key::F1);
  EXPECT_EQ(form->interactionMode, InteractionMode::SliderDrag);
  EXPECT_TRUE(host().messages.empty());
  release(form->sliders[sliderId::blur].x, form->sliders[sliderId::blur].y);
  // A focused slider greyed by its box loses the focus; its keys do nothing then.
  clickBox(box::recordChart);
  clickBox(box::recordChart);
  focusOn({Kind::Slider, sliderId::dim});
  command(Command::Undo);
  EXPECT_FALSE(form->checkBoxes[box::recordChart].checked());
  EXPECT_FALSE(focused());
  const Text dim = field(slot::backgroundDim).text;
  keyUp(Key::Right);
  EXPECT_EQ(field(slot::backgroundDim).text, dim);
}

}  // namespace
}  // namespace zarq
