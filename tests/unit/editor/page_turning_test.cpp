#include <gtest/gtest.h>

#include "editor/commands.h"
#include "editor/mouse.h"
#include "editor/pages.h"
#include "editor/window_events.h"
#include "support/form_fixture.h"

namespace zarq {
namespace {

class PageTurningTest : public testing::FormTest {
 protected:
  void clickArrow(int arrow) {
    const PageArrow& a = form->arrows[arrow];
    handlePress(*form, a.x, a.y);
    handleRelease(*form, a.x, a.y, true);
  }
};

TEST_F(PageTurningTest, ArrowsWrapAroundAndSkipTheResultPageWhenItIsNotRecorded) {
  const struct {
    bool resultRecorded;
    int from, arrow, to;
  } cases[] = {
      {true, 1, 1, 2},  {true, 3, 1, 4},  {true, 6, 1, 1},  {true, 1, 0, 6},  {true, 5, 0, 4},
      {false, 3, 1, 5}, {false, 5, 0, 3}, {false, 6, 1, 1}, {false, 1, 0, 6},
  };
  for (const auto& c : cases) {
    form->checkBoxes[box::recordResult].setChecked(c.resultRecorded);
    showPage(*form, c.from);
    clickArrow(c.arrow);
    EXPECT_EQ(form->currentPage, c.to) << c.resultRecorded << " " << c.from << " " << c.arrow;
  }
}

TEST_F(PageTurningTest, PressOnAnArrowReleasedElsewhereDoesNothing) {
  const PageArrow& right = form->arrows[1];
  handlePress(*form, right.x, right.y);
  handleRelease(*form, right.x - 100, right.y, true);
  EXPECT_EQ(form->currentPage, 1);
}

TEST_F(PageTurningTest, HoverStartsTheArrowAnimation) {
  platform.host.now = 0;  // the clock's first reading: nothing animates yet
  EXPECT_FALSE(animationRunning(*form));
  platform.host.now = 5000;
  const PageArrow& left = form->arrows[0];
  handleMouseMove(*form, left.x, left.y);
  EXPECT_TRUE(form->arrows[0].hovered);
  EXPECT_EQ(form->arrows[0].startTime, 5000);
  platform.host.now = 5100;
  handleMouseMove(*form, 400, 400);
  EXPECT_FALSE(form->arrows[0].hovered);
  EXPECT_FALSE(form->arrows[0].growing);
  EXPECT_EQ(form->arrows[0].startTime, 5100);
}

TEST_F(PageTurningTest, PageCommandsFollowTheResultPart) {
  const struct {
    bool resultRecorded;
    Command command;
    int to;
  } cases[] = {
      {true, Command::Page1, 1},  {true, Command::Page4, 4},  {true, Command::Page6, 6},
      {false, Command::Page4, 5}, {false, Command::Page5, 6}, {false, Command::Page6, 2},
  };
  for (const auto& c : cases) {
    form->checkBoxes[box::recordResult].setChecked(c.resultRecorded);
    showPage(*form, 2);
    handleCommand(*form, c.command);
    EXPECT_EQ(form->currentPage, c.to) << c.resultRecorded << " " << static_cast<int>(c.command);
  }
}

}  // namespace
}  // namespace zarq
