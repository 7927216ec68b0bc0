#include <gtest/gtest.h>

#include <set>

#include "editor/pages.h"
#include "support/form_fixture.h"

namespace zarq {
namespace {

using testing::FormTest;

template <typename Pool>
std::set<int> shownIn(const Pool& pool) {
  std::set<int> out;
  for (std::size_t i = 0; i < pool.size(); ++i) {
    if (pool[i].shown()) out.insert(static_cast<int>(i));
  }
  return out;
}

std::set<int> range(int first, int last, std::set<int> more = {}) {
  for (int i = first; i <= last; ++i) more.insert(i);
  return more;
}

class BuildFormTest : public FormTest {};

TEST_F(BuildFormTest, FirstStartShowsPageOneWithItsDefaults) {
  EXPECT_EQ(form->currentPage, 1);
  for (int box : {box::recordOpening, box::recordChart, box::recordResult}) {
    EXPECT_TRUE(form->checkBoxes[box].checked());
  }
  const float values[] = {150, 80, 1.0f, 0.8f, 0.8f};
  const char16_t* texts[] = {u"150", u"80", u"1.0", u"0.8", u"0.8"};
  for (int i = 0; i < kSliderCount; ++i) {
    EXPECT_FLOAT_EQ(form->sliders[i].value(), values[i]);
    EXPECT_EQ(field(slot::backgroundDim + i).text, texts[i]);
  }
  EXPECT_EQ(shownIn(form->fields), range(0, 7));
  EXPECT_EQ(shownIn(form->labels), range(0, 11));
  EXPECT_EQ(form->obtainedType(), u"无");
}

TEST_F(BuildFormTest, ControlsThatStartDisabled) {
  EXPECT_FALSE(field(slot::splitNameLine1).enabled());
  EXPECT_FALSE(field(slot::obtainedContent).enabled());
  EXPECT_FALSE(form->checkBoxes[box::obtainedSplit].enabled());
  EXPECT_FALSE(form->labels[label::obtainedSplit].enabled());
  int enabledFields = 0;
  for (const TextField& f : form->fields) enabledFields += f.enabled();
  EXPECT_EQ(enabledFields, kFieldCount - 2);
}

TEST_F(BuildFormTest, ResultPageShowsTheConditionalFieldsWithTheirBoxes) {
  form->checkBoxes[box::scoreIncrease].setChecked(true);
  form->checkBoxes[box::songNameSplit].setChecked(true);
  form->checkBoxes[box::obtainedSplit].setChecked(true);
  showPage(*form, 4);
  EXPECT_EQ(shownIn(form->fields), range(22, 30, {43, 44, 45}));
}

TEST_F(BuildFormTest, ShowingAPageHidesEveryBubbleAndForcesRevalidation) {
  form->bubbles[3].visible = true;
  form->recordPartsBubble = 3;
  field(slot::songName).bubble = 3;
  showPage(*form, 2);
  EXPECT_FALSE(form->bubbles[3].visible);
  EXPECT_EQ(form->recordPartsBubble, kNoBubble);
  EXPECT_EQ(field(slot::songName).committedText, field(slot::songName).text);
  EXPECT_EQ(field(slot::chartSongName).committedText, u"\t");
  EXPECT_EQ(form->interactionMode, InteractionMode::Idle);
}

}  // namespace
}  // namespace zarq
