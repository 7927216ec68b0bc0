#include <gtest/gtest.h>

#include <functional>

#include "support/fixed_measurer.h"
#include "widgets/check_box.h"
#include "widgets/field_label.h"
#include "widgets/option_pair.h"
#include "widgets/page_arrow.h"
#include "widgets/slider.h"
#include "widgets/status_bubble.h"

namespace zarq {
namespace {

class WidgetsTest : public ::testing::Test {
 protected:
  testing::FixedMeasurer measurer;
  TextMetrics metrics{measurer};
};

// A slider from `min` to `max` on a track 150 pixels wide from x = 507.
Slider sliderOn(float min, float max) {
  Slider slider;
  slider.x = 582;
  slider.width = 150;
  slider.min = min;
  slider.max = max;
  return slider;
}

TEST_F(WidgetsTest, LabelIsHitOnlyOnItsText) {
  // "曲名" at 24 pixels is 48 pixels of text; its layout box is 1.2 x 64 wide.
  const struct {
    Align anchor;
    int x, y;
    bool hit;
  } cases[] = {
      {Align::Near, 100, 110, true},  {Align::Near, 148, 124, true},
      {Align::Near, 149, 110, false},  // inside the layout box, right of the text
      {Align::Near, 120, 125, false},  // below the text
      {Align::Centre, 76, 110, true}, {Align::Centre, 75, 110, false},
      {Align::Far, 52, 110, true},    {Align::Far, 101, 110, false},
  };
  for (const auto& c : cases) {
    FieldLabel label;
    label.x = 100;
    label.y = 100;
    label.size = 24;
    label.caption = u"曲名";
    label.anchor = c.anchor;
    label.setShown(true);
    EXPECT_EQ(label.hit(metrics, c.x, c.y), c.hit) << static_cast<int>(c.anchor) << " " << c.x;
    label.setEnabled(false);
    EXPECT_FALSE(label.hit(metrics, c.x, c.y));
  }
}

TEST_F(WidgetsTest, ErrorBubbleHasNoCloseMark) {
  StatusBubble bubble;
  bubble.x = 100;
  bubble.y = 100;
  bubble.size = 20;
  bubble.status = u"警告：x";  // 70 pixels at 20: the warning box is 92 wide
  bubble.visible = true;
  // The close mark of a warning sits 5 to 25 pixels inside the right edge.
  EXPECT_TRUE(bubble.hitClose(metrics, 175, 115));
  EXPECT_FALSE(bubble.hitClose(metrics, 160, 115));
  bubble.isError = true;
  EXPECT_FALSE(bubble.hitClose(metrics, 175, 115));
  EXPECT_TRUE(bubble.hit(metrics, 150, 115));
  EXPECT_FLOAT_EQ(bubble.boxWidth(metrics), 74);
  bubble.visible = false;
  EXPECT_FALSE(bubble.hit(metrics, 150, 115));
}

TEST_F(WidgetsTest, SliderKnobIsClampedToTheTrack) {
  Slider slider = sliderOn(123, 255);
  const struct {
    float value, knobLeft;
  } cases[] = {{300, 507 + 150 - 3},
               {255, 507 + 150 - 3},
               {0, 507 - 3},
               {123, 507 - 3},
               {189, 507 + 75 - 3}};
  for (const auto& c : cases) {
    slider.setValue(c.value);
    EXPECT_FLOAT_EQ(slider.knobLeft(), c.knobLeft) << c.value;
  }
}

TEST_F(WidgetsTest, SliderValueSnapsToItsStep) {
  Slider volume = sliderOn(0, 2);
  volume.step = 0.1f;
  EXPECT_FLOAT_EQ(volume.valueAt(400), 0);            // left of the track
  EXPECT_FLOAT_EQ(volume.valueAt(700), 2);            // right of it
  EXPECT_NEAR(volume.valueAt(507 + 60), 0.8f, 1e-6);  // 20 x 60 / 150 = 8 steps
  EXPECT_NEAR(volume.valueAt(507 + 64), 0.9f, 1e-6);  // 8.53 rounds to 9
}

TEST_F(WidgetsTest, OneCharacterOptionsAreSquare) {
  OptionPair pair;
  pair.init(metrics, 330, 334, 30, u"X", u"2K", false, false, 10, false);
  EXPECT_FLOAT_EQ(pair.width1, 30);
  EXPECT_FLOAT_EQ(pair.width2, 24 + 12);  // tight width of "2K" at 24 plus 0.4 x 30
  pair.setShown(true);
  EXPECT_TRUE(pair.hitFirst(345, 340));
  EXPECT_FALSE(pair.hitSecond(365, 340));  // in the gap
  EXPECT_TRUE(pair.hitSecond(371, 340));
}

using Kind = WidgetInput::Kind;

// Each widget takes a press, moves and a release and reports what they did.
TEST_F(WidgetsTest, ACheckBoxTogglesOnlyOnAPressAndAReleaseBothOverIt) {
  const struct {
    int pressOver, releaseOver;
    WidgetReport report;
  } cases[] = {
      {1, 1, WidgetReport::Changed}, {1, 0, WidgetReport::Nothing}, {0, 1, WidgetReport::Nothing}};
  for (const auto& c : cases) {
    CheckBox box;
    box.handle({Kind::Press, 0, c.pressOver});
    EXPECT_EQ(box.handle({Kind::Release, 0, c.releaseOver}), c.report);
    EXPECT_EQ(box.checked(), c.report == WidgetReport::Changed);
  }
  CheckBox box;
  box.handle({Kind::Press, 0, 1});
  box.handle({Kind::Lost});
  EXPECT_EQ(box.handle({Kind::Release, 0, 1}), WidgetReport::Nothing);
}

TEST_F(WidgetsTest, AWidgetIsMarkedForTheNextFrameOnlyWhenWhatItShowsChanges) {
  CheckBox box;
  const struct {
    const char* change;
    std::function<void()> apply;
    bool marks;
  } cases[] = {
      {"the tick it has", [&] { box.setChecked(false); }, false},
      {"a tick", [&] { box.setChecked(true); }, true},
      {"shown", [&] { box.setShown(true); }, true},
      {"shown again", [&] { box.setShown(true); }, false},
      {"a press",
       [&] {
         box.handle({Kind::Press, 0, 1});
       },
       false},
      {"its release",
       [&] {
         box.handle({Kind::Release, 0, 1});
       },
       true},
  };
  for (const auto& c : cases) {
    box.redraw.clear();
    c.apply();
    EXPECT_EQ(box.redraw.due(), c.marks) << c.change;
  }
}

TEST_F(WidgetsTest, AnOptionTogglesAloneOrAsOneOfAnExclusivePair) {
  const struct {
    bool exclusive;
    int option;
    bool first, second;
  } cases[] = {{false, 1, true, true},
               {false, 2, false, false},
               {true, 1, true, false},
               {true, 2, true, false}};  // the selected one of two toggles to the other
  for (const auto& c : cases) {
    OptionPair pair;
    pair.init(metrics, 0, 0, 30, u"A", u"B", false, true, 5, c.exclusive);
    pair.handle({Kind::Press, 0, c.option});
    EXPECT_EQ(pair.handle({Kind::Release, 0, 3 - c.option}), WidgetReport::Nothing);
    pair.handle({Kind::Press, 0, c.option});
    EXPECT_EQ(pair.handle({Kind::Release, 0, c.option}), WidgetReport::Changed);
    EXPECT_EQ(pair.selected1(), c.first) << c.exclusive << c.option;
    EXPECT_EQ(pair.selected2(), c.second) << c.exclusive << c.option;
  }
}

TEST_F(WidgetsTest, ASliderFollowsItsDragAndReportsOnlyWhatChanged) {
  Slider slider = sliderOn(0, 100);
  EXPECT_EQ(slider.handle({Kind::Press, 507 + 75}), WidgetReport::Changed);
  EXPECT_FLOAT_EQ(slider.value(), 50);
  EXPECT_EQ(slider.handle({Kind::Move, 507 + 75}), WidgetReport::Nothing);
  EXPECT_EQ(slider.handle({Kind::Move, 900}), WidgetReport::Changed);
  EXPECT_EQ(slider.handle({Kind::Release, 400}), WidgetReport::Released);
  EXPECT_FLOAT_EQ(slider.value(), 0);
  EXPECT_EQ(slider.handle({Kind::Lost}), WidgetReport::Released);
  EXPECT_FLOAT_EQ(slider.value(), 0);
  EXPECT_FALSE(slider.setValue(0));
  EXPECT_TRUE(slider.setValue(300));  // a typed value may lie beyond the track
}

TEST_F(WidgetsTest, ArrowJumpsToFullSizeWhenLeftEarlyThenShrinks) {
  PageArrow arrow;
  EXPECT_DOUBLE_EQ(arrow.progress(0), 0);  // at rest after start-up
  arrow.setHovered(true, 1000);
  EXPECT_DOUBLE_EQ(arrow.progress(1050), 0.5 * 0.5 * 0.5);  // eased in: t = 0.25
  arrow.setHovered(false, 1050);
  EXPECT_DOUBLE_EQ(arrow.progress(1050), 1);  // a reversal starts from its beginning
  EXPECT_DOUBLE_EQ(arrow.progress(1150), 0.5);
  EXPECT_DOUBLE_EQ(arrow.progress(1250), 0);
  EXPECT_TRUE(arrow.animating(1350));
  EXPECT_FALSE(arrow.animating(1351));
}

}  // namespace
}  // namespace zarq
