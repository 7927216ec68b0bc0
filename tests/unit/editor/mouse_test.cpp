#include "editor/mouse.h"

#include <gtest/gtest.h>

#include "editor/hit_test.h"
#include "input_fixture.h"

namespace zarq {
namespace {

class MouseTest : public testing::InputTest {
 protected:
  Hit hitAt(int x, int y, HitScope scope) {
    form->mouseX = x;
    form->mouseY = y;
    return hitTest(*form, scope);
  }
};

TEST_F(MouseTest, HitTestsFollowTheirOrder) {
  // A warning hung over the chart ID field: its close mark, then its body, then the field.
  const int record = attachMessage(slot::chartId, false, u"警告：测试测试");
  StatusBubble& b = form->bubbles[record];
  b.y = field(slot::chartId).y;
  const float right = b.boxLeft(form->metrics) + b.boxWidth(form->metrics);
  const struct {
    float x, y;
    HitScope scope;
    Hit expected;
  } cases[] = {
      {right - 10,
       b.y + 10,
       HitScope::Press,
       {PressKind::CloseMark, static_cast<std::int16_t>(record)}},
      {right - 30,
       b.y + 10,
       HitScope::Press,
       {PressKind::Bubble, static_cast<std::int16_t>(record)}},
      {right - 30, b.y + 10, HitScope::Move, {PressKind::Field, slot::chartId}},
      {85, 340, HitScope::Press, {PressKind::Arrow, 0}},
      {859, 302, HitScope::Move, {PressKind::Arrow, 1}},
      {582,
       352,
       HitScope::Press,
       {PressKind::Field, slot::backgroundDim}},  // the field over its slider
      {582, 340, HitScope::Press, {PressKind::Slider, sliderId::dim}},
      {582, 340, HitScope::Release, {}},  // a release never hits a slider
      {472, 265, HitScope::Press, {PressKind::CheckBox, box::recordChart}},
      {472, 265, HitScope::Move, {}},
      {472, 240, HitScope::Press, {PressKind::Label, label::recordChart}},
      {20, 20, HitScope::Press, {}},
  };
  for (const auto& c : cases) {
    const Hit hit = hitAt(static_cast<int>(c.x), static_cast<int>(c.y), c.scope);
    EXPECT_EQ(hit.kind, c.expected.kind) << c.x << "," << c.y;
    EXPECT_EQ(hit.index, c.expected.index) << c.x << "," << c.y;
  }
}

TEST_F(MouseTest, PressAndReleaseOnDifferentElementsDoNothing) {
  const struct {
    float pressX, pressY, releaseX, releaseY;
  } cases[] = {
      {392, 265, 472, 265},  // one check box, then another
      {392, 265, 20, 20},    // a check box, then nothing
      {20, 20, 392, 265},    // nothing, then a check box
      {472, 240, 472, 265},  // a caption, then its box
  };
  for (const auto& c : cases) {
    press(c.pressX, c.pressY);
    const int framesAfterPress = frames();
    release(c.releaseX, c.releaseY);
    EXPECT_EQ(frames(), framesAfterPress) << c.pressX << " -> " << c.releaseX;
    for (const CheckBox& box : form->checkBoxes) EXPECT_EQ(box.checked, box.shown);
  }
  EXPECT_TRUE(host().messages.empty());
}

TEST_F(MouseTest, SliderFollowsThePointerAndValidatesOnRelease) {
  const Slider& blur = form->sliders[sliderId::blur];
  const float left = blur.x - blur.width / 2;
  press(left + blur.width / 4, blur.y);
  EXPECT_EQ(form->interactionMode, InteractionMode::SliderDrag);
  EXPECT_FLOAT_EQ(blur.value(), 25);
  EXPECT_EQ(field(slot::backgroundBlur).text, u"25");
  move(2000, 2000);
  EXPECT_FLOAT_EQ(blur.value(), 100);
  EXPECT_EQ(field(slot::backgroundBlur).text, u"100");
  EXPECT_NE(field(slot::backgroundBlur).committedText, u"100");  // not validated while dragged
  release(-500, 2000);
  EXPECT_EQ(form->interactionMode, InteractionMode::Idle);
  EXPECT_FLOAT_EQ(blur.value(), 0);
  EXPECT_EQ(field(slot::backgroundBlur).committedText, u"0");

  const Slider& music = form->sliders[sliderId::musicVolume];
  click(music.x - music.width / 2 + music.width * 0.35f, music.y);
  EXPECT_EQ(field(slot::musicVolume).text, u"0.7");
}

TEST_F(MouseTest, ADragNeverReleasedEndsWithTheNextPress) {
  const Slider& blur = form->sliders[sliderId::blur];
  press(blur.x, blur.y);
  host().foreground = false;
  onMouseLeave(*form);  // the button goes up while another window is in front
  EXPECT_EQ(form->interactionMode, InteractionMode::SliderDrag);
  clickBox(box::recordResult);
  EXPECT_EQ(form->interactionMode, InteractionMode::Idle);
  EXPECT_EQ(field(slot::backgroundBlur).committedText, u"50");
  EXPECT_FALSE(form->checkBoxes[box::recordResult].checked);
}

// A page turned by the keyboard mid-drag ends the drag; its release, after Tab gave a field
// of the new page the keyboard, leaves that field edited and alone focused.
TEST_F(MouseTest, APageTurnEndsADragAndItsLateReleaseDoesNothing) {
  const Slider& blur = form->sliders[sliderId::blur];
  press(blur.x, blur.y);
  command(Command::Page3);
  EXPECT_EQ(field(slot::backgroundBlur).text, u"50");
  onChar(*form, u'\t');
  const int edited = form->focusedField;
  release(blur.x + 40, blur.y);
  onChar(*form, u'\t');
  EXPECT_TRUE(editing(form->focusedField));
  EXPECT_NE(form->focusedField, edited);
  EXPECT_FALSE(field(edited).focused);
  EXPECT_EQ(field(slot::backgroundBlur).text, u"50");
}

TEST_F(MouseTest, PressOnAnArrowOrNothingTakesTheFocusAtOnceAndTheReleaseActs) {
  const struct {
    float x;
    int page;
    bool edited;  // the page's first field, after an arrow turned to it
  } cases[] = {{85, 6, true}, {20, 1, false}};
  for (const auto& [x, page, edited] : cases) {
    showPage(*form, 1);
    editAtEnd(slot::chartId);
    press(x, 340);
    EXPECT_FALSE(field(slot::chartId).focused);
    EXPECT_EQ(form->interactionMode, InteractionMode::Editing);
    release(x, 340);
    EXPECT_EQ(form->currentPage, page);
    EXPECT_EQ(editing(slot::uiSyncing), edited);
    EXPECT_EQ(form->interactionMode, edited ? InteractionMode::Editing : InteractionMode::Idle);
  }
  // A Tab while the arrow is held gives a field the keyboard; the page turn takes it back.
  showPage(*form, 1);
  editAtEnd(slot::chartId);
  press(85, 340);
  type(u"\t");
  release(85, 340);
  EXPECT_EQ(form->currentPage, 6);
  EXPECT_FALSE(field(slot::illustrationExt).focused);
}

TEST_F(MouseTest, DraggingFromOneFieldOntoAnotherMovesTheKeyboard) {
  showPage(*form, 2);
  press(field(slot::songName).x + 5, field(slot::songName).y + 10);
  EXPECT_TRUE(editing(slot::songName));
  move(field(slot::level).x + field(slot::level).width - 1, field(slot::level).y + 10);
  EXPECT_TRUE(editing(slot::level));
  EXPECT_FALSE(field(slot::songName).focused);
  EXPECT_EQ(field(slot::level).caret, field(slot::level).length());
  release(field(slot::level).x + 5, field(slot::level).y + 10);
  EXPECT_TRUE(editing(slot::level));  // pressed on another field: the release does nothing
  EXPECT_EQ(field(slot::level).caret, field(slot::level).length());
}

TEST_F(MouseTest, MouseLeaveInTheForegroundReleasesAnOpenPressOnce) {
  const CheckBox& opening = form->checkBoxes[box::recordOpening];
  press(opening.x, opening.y);
  host().foreground = false;
  onMouseLeave(*form);
  EXPECT_TRUE(opening.checked);  // another window is in front: no release
  host().foreground = true;
  onMouseLeave(*form);
  EXPECT_FALSE(opening.checked);
  // The press has been released: neither the button nor leaving again toggles it back.
  release(opening.x, opening.y);
  onMouseLeave(*form);
  EXPECT_FALSE(opening.checked);
  click(opening.x, opening.y);
  onMouseLeave(*form);
  EXPECT_TRUE(opening.checked);
}

}  // namespace
}  // namespace zarq
