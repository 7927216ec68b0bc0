#include "editor/accessible_page.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "common/utf.h"
#include "editor/accessible_events.h"
#include "editor/focus.h"
#include "editor/zoom.h"
#include "form/busy_mark.h"
#include "form/field_table.h"
#include "input_fixture.h"
#include "platform/accessible_answers.h"

namespace zarq {
namespace {

using Kind = ControlRef::Kind;

class AccessiblePageTest : public testing::InputTest {
 protected:
  // A copy: the next call describes the page anew, as the back ends are told it.
  AccessibleControl described(ControlRef id) {
    page = accessibleSource(*form).describe();
    const AccessibleControl* found = page.find(id);
    EXPECT_NE(found, nullptr) << static_cast<int>(id.kind) << " " << id.index;
    static const AccessibleControl none;
    return found ? *found : none;
  }
  // The announced changes of one kind, in order, since the last call.
  std::vector<AccessibleEvent> told(AccessibleChange change) {
    std::vector<AccessibleEvent> out;
    for (const AccessibleEvent& e : host().announced) {
      if (e.change == change) out.push_back(e);
    }
    return out;
  }
  // A screen reader's request, carried out as the window's loop would.
  void tool(ToolRequest::Kind kind, ControlRef control, int from = 0, int to = 0, Text text = {},
            double amount = 0) {
    accessibleSource(*form).request({kind, control, from, to, std::move(text), amount});
    platform.loop.runPosted();
  }
  AccessiblePage page;
};

// Every shown control of every page is described once, named and explained by its row, and
// every described control is shown.
TEST_F(AccessiblePageTest, EveryShownControlOfEveryPageIsDescribedOnceFromItsRow) {
  for (int n = 1; n <= kPageCount; ++n) {
    showPage(*form, n);
    const AccessiblePage p = describePage(*form);
    const PageRows& rows = pageRow(n);
    EXPECT_EQ(p.name.substr(0, rows.title.caption.size()), rows.title.caption);
    int expected = kArrowCount;
    for (const FieldRow& row : rows.fields) {
      if (!field(row.slot).shown()) continue;
      ++expected;
      const AccessibleControl* c = p.find({Kind::Field, row.slot});
      ASSERT_NE(c, nullptr) << row.name;
      EXPECT_EQ(c->role, AccessibleRole::EditableText);
      EXPECT_FALSE(c->name.empty()) << row.name;
      if (row.caption.label != kNoLabel) {
        EXPECT_TRUE(c->name.starts_with(row.caption.text)) << row.name;
      }
      EXPECT_TRUE(c->description.ends_with(row.help)) << row.name;
      EXPECT_EQ(c->value, field(row.slot).text) << row.name;
    }
    for (const CheckBoxRow& row : rows.checkBoxes) {
      if (!form->checkBoxes[row.index].shown()) continue;
      ++expected;
      const AccessibleControl* c = p.find({Kind::CheckBox, row.index});
      ASSERT_NE(c, nullptr) << row.name;
      EXPECT_EQ(c->role, AccessibleRole::CheckBox);
      EXPECT_EQ(c->name, Text(row.caption.text));
      EXPECT_EQ(c->checked, form->checkBoxes[row.index].checked());
    }
    for (const OptionPairRow& row : rows.optionPairs) {
      expected += 2;
      const AccessibleControl* first = p.find({Kind::Option, 2 * row.index});
      const AccessibleControl* second = p.find({Kind::Option, 2 * row.index + 1});
      ASSERT_TRUE(first && second) << row.name;
      EXPECT_EQ(first->role,
                row.exclusive ? AccessibleRole::RadioButton : AccessibleRole::CheckBox);
      EXPECT_EQ(first->group, second->group);
      EXPECT_EQ(first->name, Text(row.caption.text) + u" " + Text(row.first));
      EXPECT_EQ(second->name, Text(row.caption.text) + u" " + Text(row.second));
      EXPECT_EQ(second->description, Text(row.help));
    }
    for (const SliderRow& row : rows.sliders) {
      ++expected;
      const AccessibleControl* c = p.find({Kind::Slider, row.index});
      ASSERT_NE(c, nullptr);
      EXPECT_EQ(c->name, Text(row.caption.text));
      EXPECT_EQ(c->minimum, row.min);
      EXPECT_EQ(c->maximum, row.max);
    }
    expected += static_cast<int>(rows.selectors.size());
    for (const StatusBubble& bubble : form->bubbles) expected += bubble.visible ? 1 : 0;
    EXPECT_EQ(static_cast<int>(p.controls.size()), expected) << "page " << n;
  }
}

TEST_F(AccessiblePageTest, FieldsWithoutCaptionsTakeTheNameOfWhatExplainsThem) {
  const struct {
    int page, slot;
    TextView name;
  } cases[] = {
      {1, slot::backgroundBlur, u"背景模糊"},          {5, slot::judgeLineColorB, u"判定线颜色 B"},
      {5, slot::hitEffectColorG, u"打击特效颜色 G"},   {4, slot::obtainedText, u"已获得框 文字"},
      {3, slot::chartLevel, u"谱面动画设置 难度等级"},
  };
  for (const auto& c : cases) {
    showPage(*form, c.page);
    EXPECT_EQ(described({Kind::Field, c.slot}).name, Text(c.name)) << c.slot;
  }
}

// With every box that shows fields ticked: a name tells a control from the others of its
// role on its page, and every usable Tab stop can be focused by a tool.
TEST_F(AccessiblePageTest, NamesAreUniqueWithinARoleAndEveryTabStopIsFocusable) {
  showEverything();
  for (int n = 1; n <= kPageCount; ++n) {
    showPage(*form, n);
    const AccessiblePage p = describePage(*form);
    for (const AccessibleControl& a : p.controls) {
      for (const AccessibleControl& b : p.controls) {
        if (&a != &b && a.role == b.role) {
          EXPECT_NE(a.name, b.name) << toUtf8(a.name);
        }
      }
    }
    for (const ControlRef stop : focusCycle(*form)) {
      EXPECT_TRUE(p.find(stop)->focusable) << toUtf8(p.find(stop)->name);
    }
  }
}

TEST_F(AccessiblePageTest, ValuesStatesAndErrorsFollowTheForm) {
  // Page 1 at the start: the chart is missing, an error hangs on the chart ID.
  const AccessibleControl& id = described({Kind::Field, slot::chartId});
  EXPECT_TRUE(id.invalid);
  const AccessibleControl* found = page.find(id.errorMessage);
  ASSERT_NE(found, nullptr);
  const AccessibleControl message = *found;
  EXPECT_EQ(message.role, AccessibleRole::Alert);
  EXPECT_EQ(message.name, form->bubbles[field(slot::chartId).bubble].status);

  const AccessibleControl& dim = described({Kind::Slider, sliderId::dim});
  EXPECT_EQ(dim.amount, 150);
  EXPECT_EQ(dim.value, u"150");
  EXPECT_DOUBLE_EQ(described({Kind::Slider, sliderId::musicVolume}).amount, 0.8);
  // The message is heard with the field, before its help.
  EXPECT_EQ(id.description, message.name + u"\n" + Text(fieldRow(slot::chartId).help));
  EXPECT_EQ(page.name, Text(pageRow(1).title.caption) + u"，3 个错误");

  clickBox(box::recordChart);
  EXPECT_FALSE(described({Kind::CheckBox, box::recordChart}).checked);
  EXPECT_FALSE(described({Kind::Slider, sliderId::dim}).enabled);

  showPage(*form, 4);
  EXPECT_EQ(described({Kind::Selector, 0}).role, AccessibleRole::ComboBox);
  EXPECT_EQ(described({Kind::Selector, 0}).value, u"无");
  EXPECT_EQ(described({Kind::Selector, 0}).choices.size(), 5u);
  EXPECT_EQ(described({Kind::Arrow, 1}).name, Text(pageRow(5).title.caption));
}

TEST_F(AccessiblePageTest, TheAutoFillOfferIsAButtonWhileItShows) {
  releaseFieldMessage(*form, slot::chartId);
  attachFieldMessage(*form, slot::chartId, {.status = u"提示：测试", .speech = u"测试"}, true);
  const AccessibleControl& offer = described({Kind::Bubble, kAutoFillRecord});
  EXPECT_EQ(offer.role, AccessibleRole::PushButton);
  EXPECT_EQ(offer.name, u"提示：测试");
  EXPECT_FALSE(page.find({Kind::Field, slot::chartId})->invalid);
  form->bubbles[kAutoFillRecord].visible = false;
  EXPECT_EQ(describePage(*form).find({Kind::Bubble, kAutoFillRecord}), nullptr);
}

TEST_F(AccessiblePageTest, FocusIsTheEditedFieldElseTheFocusedControl) {
  editAtEnd(slot::illustrationExt);
  EXPECT_TRUE(described({Kind::Field, slot::illustrationExt}).focused);
  EXPECT_EQ(described({Kind::Field, slot::illustrationExt}).caret, 3);
  key(Key::Other);
  onKeyUp(*form, {Key::Home, true});
  const AccessibleControl& selected = described({Kind::Field, slot::illustrationExt});
  EXPECT_EQ(selected.selectionStart, 0);
  EXPECT_EQ(selected.selectionEnd, 3);

  type(u"\x1b");
  form->focus = {Kind::CheckBox, box::recordResult};
  page = describePage(*form);
  const auto focused = std::count_if(page.controls.begin(), page.controls.end(),
                                     [](const AccessibleControl& c) { return c.focused; });
  EXPECT_EQ(focused, 1);
  EXPECT_TRUE(page.find({Kind::CheckBox, box::recordResult})->focused);
}

TEST_F(AccessiblePageTest, TypingEchoesTheTextAndTheCaret) {
  editAtEnd(slot::chartId);
  host().announced.clear();
  type(u"7");
  ASSERT_EQ(told(AccessibleChange::TextInserted).size(), 1u);
  EXPECT_EQ(told(AccessibleChange::TextInserted)[0].position, 8);
  EXPECT_EQ(told(AccessibleChange::TextInserted)[0].text, u"7");
  EXPECT_EQ(told(AccessibleChange::Caret).back().position, 9);
  host().announced.clear();
  type(u"\b");
  ASSERT_EQ(told(AccessibleChange::TextRemoved).size(), 1u);
  EXPECT_EQ(told(AccessibleChange::TextRemoved)[0].position, 8);
  EXPECT_EQ(told(AccessibleChange::TextRemoved)[0].text, u"7");
  // A character outside the Basic Multilingual Plane is told whole, never half.
  host().announced.clear();
  type(u"😀");
  ASSERT_EQ(told(AccessibleChange::TextInserted).size(), 1u);
  EXPECT_EQ(told(AccessibleChange::TextInserted)[0].text, u"😀");
}

TEST_F(AccessiblePageTest, FocusLeavesBeforeItArrivesAndPageTurnsAreTold) {
  editAtEnd(slot::chartId);
  host().announced.clear();
  key(Key::Other);
  command(Command::PreviousField);
  std::vector<AccessibleEvent> focus = told(AccessibleChange::Focus);
  ASSERT_EQ(focus.size(), 2u);
  EXPECT_EQ(focus[0].control, (ControlRef{Kind::Field, slot::chartId}));
  EXPECT_FALSE(focus[0].on);
  EXPECT_TRUE(focus[1].on);

  // A page turn: the page, then the focus on its first control; its message is counted in
  // its name, not read out.
  host().announced.clear();
  command(Command::Page5);
  EXPECT_EQ(told(AccessibleChange::PageChanged).size(), 1u);
  EXPECT_TRUE(told(AccessibleChange::BubbleShown).empty());
  EXPECT_EQ(describePage(*form).name, u"其它设置，1 个警告");
  focus = told(AccessibleChange::Focus);
  ASSERT_EQ(focus.size(), 2u);
  EXPECT_FALSE(focus[0].on);
  EXPECT_EQ(focus[1].control, (ControlRef{Kind::Field, slot::judgeLineThickness}));
  EXPECT_EQ(std::pair(focus[0].page, focus[1].page), std::pair(1, 5));
  EXPECT_EQ(host().announced.back().change, AccessibleChange::Focus);

  showPage(*form, 4);
  announceChanges(*form);
  host().announced.clear();
  clickBox(box::scoreIncrease);  // shows the three score fields
  EXPECT_EQ(told(AccessibleChange::ControlsChanged).size(), 1u);
  EXPECT_EQ(told(AccessibleChange::Checked).size(), 1u);
}

// The window taking the keyboard back (a message box closed) tells the focused control
// again, or the page where none is; while work is under way, once it is done, after what the
// work changed.
TEST_F(AccessiblePageTest, TheWindowTakingTheKeyboardBackTellsTheFocusAgain) {
  const ControlRef box{Kind::CheckBox, box::recordOpening};
  focusControl(*form, box);
  announceChanges(*form);
  for (const bool busy : {false, true}) {
    host().announced.clear();
    if (busy) beginBusyWork(*form);
    onFocusGained(*form);
    EXPECT_EQ(told(AccessibleChange::Focus).size(), busy ? 0u : 1u);
    if (!busy) continue;
    endBusyWork(*form);
    type(u" ");  // ticks the focused box
    ASSERT_FALSE(host().announced.empty());
    EXPECT_EQ(host().announced.back().change, AccessibleChange::Focus);
    EXPECT_EQ(host().announced.back().control, box);
  }
  // The focus let go of every control (Escape): the page itself holds the keyboard, told so
  // then and again whenever the window takes the keyboard back.
  host().announced.clear();
  dropFocus(*form);
  announceChanges(*form);
  const std::vector<AccessibleEvent> left = told(AccessibleChange::Focus);
  ASSERT_EQ(left.size(), 2u);
  EXPECT_EQ(std::pair(left[0].control, left[0].on), std::pair(box, false));
  EXPECT_EQ(std::pair(left[1].control, left[1].on), std::pair(ControlRef{}, true));
  for (const bool busy : {false, true}) {
    host().announced.clear();
    if (busy) beginBusyWork(*form);
    onFocusGained(*form);
    if (busy) {
      EXPECT_TRUE(told(AccessibleChange::Focus).empty());
      endBusyWork(*form);
      announceChanges(*form);
    }
    const std::vector<AccessibleEvent> focus = told(AccessibleChange::Focus);
    ASSERT_EQ(focus.size(), 1u) << busy;
    EXPECT_FALSE(focus[0].control);
    EXPECT_EQ(std::pair(focus[0].on, focus[0].page), std::pair(true, 1));
  }
}

// A message is said once for a change: one on another control as a message, one on the
// focused field in that field's description, after the text typed.
TEST_F(AccessiblePageTest, AMessageChangingIsToldOnce) {
  editAtEnd(slot::chartId);
  host().announced.clear();
  type(u"\b");
  const ControlRef chartId{Kind::Field, slot::chartId};
  const ControlRef own = described(chartId).errorMessage;
  ASSERT_TRUE(own);
  // The chart ID names the illustration and the music: their messages change with it.
  const std::vector<AccessibleEvent> shown = told(AccessibleChange::BubbleShown);
  ASSERT_EQ(shown.size(), 2u);
  for (const AccessibleEvent& e : shown) {
    EXPECT_NE(e.control, own);
    EXPECT_EQ(described(e.control).role, AccessibleRole::Alert);
  }
  std::vector<AccessibleChange> onField;
  for (const AccessibleEvent& e : host().announced) {
    if (e.control == chartId) onField.push_back(e.change);
  }
  ASSERT_GE(onField.size(), 2u);
  EXPECT_EQ(std::vector(onField.begin(), onField.begin() + 2),
            (std::vector{AccessibleChange::TextRemoved, AccessibleChange::Description}));
  EXPECT_EQ(std::count(onField.begin(), onField.end(), AccessibleChange::Description), 1);

  // A message appearing on the focused field is heard the same way.
  editAtEnd(slot::illustrationExt);
  type(u"\b\b\b");
  host().announced.clear();
  type(u"J");
  EXPECT_TRUE(told(AccessibleChange::BubbleShown).empty());
  const std::vector<AccessibleEvent> explained = told(AccessibleChange::Description);
  EXPECT_EQ(std::count_if(explained.begin(), explained.end(),
                          [](const AccessibleEvent& e) {
                            return e.control == ControlRef{Kind::Field, slot::illustrationExt};
                          }),
            1);
}

TEST_F(AccessiblePageTest, ToolsDoWhatAClickOrTheKeysDoAndAreRefusedWhatIsDisabled) {
  using Request = ToolRequest::Kind;
  tool(Request::Activate, {Kind::CheckBox, box::recordChart});
  EXPECT_FALSE(form->checkBoxes[box::recordChart].checked());
  const int beeps = host().beeps;
  tool(Request::Activate, {Kind::Field, slot::backgroundDim});  // greyed: chart unrecorded
  EXPECT_EQ(host().beeps, beeps + 1);
  tool(Request::Focus, {Kind::CheckBox, box::recordOpening});
  EXPECT_EQ(form->focusedControl(), (ControlRef{Kind::CheckBox, box::recordOpening}));
  // Written as typed: a suffix takes capitals, refuses a dot with the bell.
  tool(Request::Edit, {Kind::Field, slot::audioExt}, 0, 3, u"o.gg");
  EXPECT_TRUE(editing(slot::audioExt));
  EXPECT_EQ(field(slot::audioExt).text, u"OGG");
  EXPECT_EQ(host().beeps, beeps + 2);
  tool(Request::Edit, {Kind::Slider, sliderId::blur}, 0, 0, {}, 250);
  EXPECT_EQ(field(slot::backgroundBlur).committedText, u"100");
  tool(Request::Edit, {Kind::Slider, sliderId::resultVolume}, 0, 0, u"1.5");
  EXPECT_EQ(field(slot::resultVolume).committedText, u"1.5");
  tool(Request::Activate, {Kind::Arrow, 1});
  EXPECT_EQ(form->currentPage, 2);
  tool(Request::Activate, {Kind::Option, 2 * pair::quality + 1});
  EXPECT_TRUE(form->optionPairs[pair::quality].selected2());
  showPage(*form, 4);
  tool(Request::Activate, {Kind::Selector, 0});
  EXPECT_EQ(form->obtainedType(), u"Data");
  tool(Request::Edit, {Kind::Selector, 0}, 0, 0, {}, 4);  // a choice picked by its place
  EXPECT_EQ(form->obtainedType(), u"头像");
}

// A back end refuses at once what a control cannot take, and finds controls by place and focus.
TEST_F(AccessiblePageTest, RequestsAControlCannotTakeAreRefusedAtOnce) {
  tool(ToolRequest::Kind::Activate, {Kind::CheckBox, box::recordChart});
  tool(ToolRequest::Kind::Focus, {Kind::CheckBox, box::recordOpening});
  const struct {
    ControlRef id;
    bool activate, focus, edit;
  } cases[] = {
      {{Kind::Field, slot::audioExt}, true, true, true},
      {{Kind::Field, slot::backgroundDim}, false, false, false},  // greyed: chart unrecorded
      {{Kind::CheckBox, box::recordOpening}, true, true, false},
      {{Kind::Slider, sliderId::resultVolume}, true, true, true},
      {{Kind::Arrow, 1}, true, true, false},
  };
  for (const auto& c : cases) {
    const AccessibleControl control = described(c.id);
    const RectF b = control.bounds;
    EXPECT_EQ(controlAt(page, b.x + b.w / 2, b.y + b.h / 2)->id, c.id);
    EXPECT_EQ(acceptsRequest(control, ToolRequest::Kind::Activate), c.activate);
    EXPECT_EQ(acceptsRequest(control, ToolRequest::Kind::Focus), c.focus);
    EXPECT_EQ(acceptsRequest(control, ToolRequest::Kind::Edit), c.edit);
  }
  EXPECT_EQ(controlAt(page, -1, -1), nullptr);
  EXPECT_EQ(focusedControl(page)->id, (ControlRef{Kind::CheckBox, box::recordOpening}));
}

// Where the window shows the form larger, screen readers find the controls there at once.
TEST_F(AccessiblePageTest, AChangeOfScaleMovesEveryControl) {
  const RectF before = described({Kind::Arrow, 1}).bounds;
  host().announced.clear();
  showAtScale(*form, 2);
  EXPECT_FLOAT_EQ(described({Kind::Arrow, 1}).bounds.x, 2 * before.x);
  EXPECT_EQ(told(AccessibleChange::Bounds).size(), page.controls.size());
}

// One edit per change of a field's text, told on whole characters.
TEST(AccessibleChanges, ATextChangeIsToldAsWhatWentAndWhatCame) {
  const struct {
    TextView was, now;
    int at;
    TextView removed, inserted;
  } cases[] = {
      {u"ab", u"abc", 2, u"", u"c"},   {u"abc", u"ac", 1, u"b", u""},
      {u"abc", u"aXc", 1, u"b", u"X"}, {u"😀", u"😁", 0, u"😀", u"😁"},
      {u"x😀y", u"x😁y", 1, u"😀", u"😁"}, {u"a😀", u"a😀😀", 3, u"", u"😀"},
      {u"aa", u"a", 1, u"a", u""},
  };
  for (const auto& c : cases) {
    AccessiblePage was, now;
    AccessibleControl field;
    field.id = {Kind::Field, 0};
    field.value = Text(c.was);
    was.controls.push_back(field);
    field.value = Text(c.now);
    now.controls.push_back(field);
    Text removed, inserted;
    for (const AccessibleEvent& e : accessibleChanges(was, now)) {
      if (e.change == AccessibleChange::TextRemoved) removed = e.text;
      if (e.change == AccessibleChange::TextInserted) inserted = e.text;
      if (e.change == AccessibleChange::TextRemoved || e.change == AccessibleChange::TextInserted) {
        EXPECT_EQ(e.position, c.at) << toUtf8(c.was) << " -> " << toUtf8(c.now);
      }
    }
    EXPECT_EQ(removed, c.removed) << toUtf8(c.was) << " -> " << toUtf8(c.now);
    EXPECT_EQ(inserted, c.inserted) << toUtf8(c.was) << " -> " << toUtf8(c.now);
  }
}

}  // namespace
}  // namespace zarq
