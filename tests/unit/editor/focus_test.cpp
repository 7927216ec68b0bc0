// The keyboard's focus, driven through the window's events: Tab walks round every usable
// control of the page in the order it reads, the focused control takes its keys as it takes a
// click, F1 explains it as its caption does, and Escape lets go of it.

#include "editor/focus.h"

#include <gtest/gtest.h>

#include <algorithm>

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
  // Everything that can show on the pages: the boxes that show fields ticked, a type chosen.
  void showEverything() {
    showPage(*form, 4);
    clickBox(box::scoreIncrease);
    clickBox(box::songNameSplit);
    clickLabel(label::obtainedType);
    clickBox(box::obtainedSplit);
  }
};

// The boxes of the row of `box` on its page.
std::vector<int> rowOf(int box) {
  std::vector<int> row;
  for (const CheckBoxRow& other : pageRow(checkBoxRow(box).page).checkBoxes) {
    if (other.y == checkBoxRow(box).y) row.push_back(other.index);
  }
  return row;
}

bool governedBy(const std::vector<int>& boxes, ControlRef control) {
  if (control.kind != Kind::Field) return false;
  const FieldRow& row = fieldRow(control.index);
  return std::count(boxes.begin(), boxes.end(), row.shownBy) +
             std::count(boxes.begin(), boxes.end(), row.enabledBy) >
         0;
}

// The rules of the page's order, each control checked against its neighbours.
void expectTheOrdersRules(const SettingsForm& form, const std::vector<ControlRef>& order,
                          int page) {
  const auto at = [&](ControlRef c) { return std::find(order.begin(), order.end(), c); };
  int lastSlot = -1;
  for (std::size_t i = 0; i < order.size(); ++i) {
    const ControlRef c = order[i];
    const ControlRef before = i > 0 ? order[i - 1] : ControlRef{};
    const ControlRef after = i + 1 < order.size() ? order[i + 1] : ControlRef{};
    SCOPED_TRACE(::testing::Message() << "page " << page << " control " << i);
    if (c.kind == Kind::Field) {
      EXPECT_GT(c.index, lastSlot);  // slot order
      lastSlot = c.index;
    } else if (c.kind == Kind::Slider) {
      EXPECT_EQ(before, (ControlRef{Kind::Field, linkedSlot(c.index)}));
    } else if (c.kind == Kind::Arrow) {
      EXPECT_GE(i + kArrowCount, order.size());  // last
    } else if (const std::vector<int> row =
                   c.kind == Kind::CheckBox ? rowOf(c.index) : std::vector<int>{};
               std::any_of(order.begin(), order.end(),
                           [&](ControlRef f) { return governedBy(row, f); })) {
      // The row's boxes together, right before the first field any of them governs.
      auto first = order.end(), last = order.begin();
      for (const int box : row) {
        first = std::min(first, at({Kind::CheckBox, box}));
        last = std::max(last, at({Kind::CheckBox, box}));
      }
      EXPECT_EQ(last - first + 1, static_cast<long>(row.size()));
      EXPECT_TRUE(governedBy(row, *(last + 1)));
      EXPECT_FALSE(
          std::any_of(order.begin(), first, [&](ControlRef f) { return governedBy(row, f); }));
    } else {
      // Where it reads.
      if (before) EXPECT_TRUE(readsBefore(placeOf(form, before), placeOf(form, c)));
      if (after.kind != Kind::Arrow) {
        EXPECT_TRUE(readsBefore(placeOf(form, c), placeOf(form, after)));
      }
    }
  }
}

TEST_F(FocusTest, TabVisitsEveryUsableControlOnceInTheOrderThePageReads) {
  for (const bool everything : {false, true}) {
    if (everything) {
      showEverything();
      showPage(*form, 1);
      clickBox(box::recordChart);  // greys the dim, hit-sound and music volumes
    }
    for (int page = 1; page <= kPageCount; ++page) {
      SCOPED_TRACE(::testing::Message() << "page " << page << (everything ? " all shown" : ""));
      showPage(*form, page);
      const std::vector<ControlRef> order = tabOrder(*form, page);
      expectTheOrdersRules(*form, order, page);
      const std::vector<ControlRef> cycle = focusCycle(*form);
      // Exactly what a screen reader finds usable on the page, in the page's order.
      std::vector<ControlRef> usable;
      for (const AccessibleControl& c : describePage(*form).controls) {
        if (c.enabled && c.id.kind != Kind::Bubble) usable.push_back(c.id);
      }
      EXPECT_TRUE(std::is_permutation(usable.begin(), usable.end(), cycle.begin(), cycle.end()));
      EXPECT_TRUE(std::includes(order.begin(), order.end(), cycle.begin(), cycle.end(),
                                [&](ControlRef a, ControlRef b) {
                                  return std::find(order.begin(), order.end(), a) <
                                         std::find(order.begin(), order.end(), b);
                                }));
      // Tab from nothing takes them in turn and comes round to the first.
      escape();
      escape();
      for (const ControlRef c : cycle) {
        tab();
        EXPECT_EQ(focused(), c);
      }
      tab();
      EXPECT_EQ(focused(), cycle.front());
    }
  }
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
  EXPECT_EQ(field(slot::chartId).caret, 0);
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
    std::function<bool()> value;  // what Space turns over
  } cases[] = {
      {1,
       {Kind::CheckBox, box::recordOpening},
       [&] { return form->checkBoxes[box::recordOpening].checked(); }},
      {3, {Kind::CheckBox, box::nameBar}, [&] { return form->checkBoxes[box::nameBar].checked(); }},
      {5,
       {Kind::Option, 2 * pair::mirror},
       [&] { return form->optionPairs[pair::mirror].selected1(); }},
      {2,
       {Kind::Option, 2 * pair::quality + 1},
       [&] { return form->optionPairs[pair::quality].selected2(); }},
  };
  for (const auto& c : cases) {
    showPage(*form, c.page);
    focusOn(c.control);
    const bool was = c.value();
    const std::size_t stepsBefore = steps();
    keyUp(Key::Enter);  // not theirs
    EXPECT_EQ(c.value(), was);
    keyUp(Key::Space);
    EXPECT_NE(c.value(), was);
    EXPECT_EQ(steps(), stepsBefore + 1);
    EXPECT_EQ(focused(), c.control);
  }
  // The quality is one of two: choosing 高清 cleared 标清.
  EXPECT_FALSE(form->optionPairs[pair::quality].selected1());
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
}

TEST_F(FocusTest, SpaceOrEnterMovesTheSelectorAndTurnsThePageKeepingTheArrow) {
  showPage(*form, 4);
  focusOn({Kind::Selector, 0});
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
  // The content it enabled is the next stop.
  tab();
  EXPECT_TRUE(editing(slot::obtainedContent));
  EXPECT_EQ(field(slot::obtainedContent).text, u"Zarq Radoziro");

  command(Command::Page1);
  focusOn({Kind::Arrow, 1});
  keyUp(Key::Enter);
  EXPECT_EQ(form->currentPage, 2);
  keyUp(Key::Space);
  EXPECT_EQ(form->currentPage, 3);
  EXPECT_EQ(focused(), (ControlRef{Kind::Arrow, 1}));
  // Ctrl+2 turns the page with nothing focused on it.
  command(Command::Page2);
  EXPECT_FALSE(focused());
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
      {5, {Kind::Option, 2 * pair::mirror + 1}, label::mirror},
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
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(host().messages[i].title, host().messages[3].title) << c.caption;
      EXPECT_EQ(host().messages[i].text, host().messages[3].text) << c.caption;
    }
    EXPECT_EQ(focused(), c.control);
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
  focusOn({Kind::Slider, sliderId::dim});
  clickBox(box::recordChart);
  EXPECT_FALSE(focused());
  const Text dim = field(slot::backgroundDim).text;
  keyUp(Key::Right);
  EXPECT_EQ(field(slot::backgroundDim).text, dim);
}

}  // namespace
}  // namespace zarq
