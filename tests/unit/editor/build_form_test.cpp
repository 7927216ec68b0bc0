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
    if (pool[i].shown) out.insert(static_cast<int>(i));
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
    EXPECT_TRUE(form->checkBoxes[box].checked);
  }
  const float values[] = {150, 80, 1.0f, 0.8f, 0.8f};
  const char16_t* texts[] = {u"150", u"80", u"1.0", u"0.8", u"0.8"};
  for (int i = 0; i < kSliderCount; ++i) {
    EXPECT_FLOAT_EQ(form->sliders[i].value, values[i]);
    EXPECT_EQ(field(slot::backgroundDim + i).text, texts[i]);
  }
  EXPECT_EQ(shownIn(form->fields), range(0, 7));
  EXPECT_EQ(shownIn(form->labels), range(0, 11));
  EXPECT_EQ(form->obtainedType(), u"无");
}

TEST_F(BuildFormTest, ControlsThatStartDisabled) {
  EXPECT_FALSE(field(slot::splitNameLine1).enabled);
  EXPECT_FALSE(field(slot::obtainedContent).enabled);
  EXPECT_FALSE(form->checkBoxes[box::obtainedSplit].enabled);
  EXPECT_FALSE(form->labels[label::obtainedSplit].enabled);
  int enabledFields = 0;
  for (const TextField& f : form->fields) enabledFields += f.enabled;
  EXPECT_EQ(enabledFields, kFieldCount - 2);
}

TEST_F(BuildFormTest, EveryPageShowsExactlyItsControls) {
  struct Expected {
    int page;
    std::set<int> fields, labels, boxes, sliders, pairs;
  };
  // Page 4 with both score increase and song-name split clear.
  const Expected pages[] = {
      {1, range(0, 7), range(0, 11), {0, 1, 2}, {0, 1, 2, 3, 4}, {}},
      {2, range(8, 16, {46, 47}), range(12, 22, {49, 50}), {}, {}, {0}},
      {3, range(17, 21), range(23, 27), {3, 4}, {}, {}},
      {4, range(22, 25, {29, 43, 44}), range(28, 34, {46, 47, 48}), {5, 6, 7}, {}, {}},
      {5, range(31, 35, range(37, 42, {61, 62})), range(35, 45, {65, 66}), {8}, {}, {1, 2}},
      {6, range(48, 60, {63, 64}), range(51, 64, {67, 68}), {}, {}, {}},
  };
  for (const Expected& e : pages) {
    showPage(*form, e.page);
    EXPECT_EQ(shownIn(form->fields), e.fields) << e.page;
    EXPECT_EQ(shownIn(form->labels), e.labels) << e.page;
    EXPECT_EQ(shownIn(form->checkBoxes), e.boxes) << e.page;
    EXPECT_EQ(shownIn(form->sliders), e.sliders) << e.page;
    EXPECT_EQ(shownIn(form->optionPairs), e.pairs) << e.page;
    EXPECT_EQ(form->currentPage, e.page);
  }
  showPage(*form, 7);
  EXPECT_TRUE(shownIn(form->fields).empty());
  EXPECT_TRUE(shownIn(form->labels).empty());
}

TEST_F(BuildFormTest, ResultPageShowsTheConditionalFieldsWithTheirBoxes) {
  form->checkBoxes[box::scoreIncrease].checked = true;
  form->checkBoxes[box::songNameSplit].checked = true;
  form->checkBoxes[box::obtainedSplit].checked = true;
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

TEST_F(BuildFormTest, OutputPathIsNeverShown) {
  for (int page = 1; page <= 6; ++page) {
    showPage(*form, page);
    EXPECT_FALSE(field(slot::outputPath).shown) << page;
  }
}

// Positions that follow from the widths measured while the form is built.
TEST_F(BuildFormTest, LayoutFollowsTheMeasuredWidths) {
  TextMetrics& m = form->metrics;
  const FormLayout& l = form->layout;
  EXPECT_FLOAT_EQ(l.Ls, m.measureTextTight(u"Sigma (Haocore Mix)  ~ Regrets of The Yellow  ", 24));
  EXPECT_FLOAT_EQ(l.Ld, m.measureTextTight(u"200.0秒", 24));
  EXPECT_FLOAT_EQ(l.Lp, m.measureTextTight(u"暂停后方阴影", 24));
  EXPECT_FLOAT_EQ(l.Lz, m.measureTextTight(u"0000000", 24));
  EXPECT_FLOAT_EQ(l.Lm, m.measureTextTight(u"You are the Miserable(New ", 24));
  EXPECT_FLOAT_EQ(l.Lg, m.measureTextTight(u"你获得了", 24));
  EXPECT_FLOAT_EQ(l.Lc, m.measureTextTight(u"255", 24));
  ASSERT_GT(l.Ls, 300);

  const float lw = l.Ls + 20;
  // Page 2: the level's row is shared with the superscript and subscript.
  EXPECT_FLOAT_EQ(field(slot::songName).width, lw);
  EXPECT_FLOAT_EQ(field(slot::level).width, lw / 2);
  EXPECT_FLOAT_EQ(field(slot::superscript).x, 230 + 5 * lw / 8);
  EXPECT_FLOAT_EQ(field(slot::subscript).x + field(slot::subscript).width, 230 + lw);
  EXPECT_FLOAT_EQ(form->labels[label::superscript].x, 230 + 9 * lw / 16);
  EXPECT_FLOAT_EQ(form->labels[label::subscript].x, 230 + 13 * lw / 16);
  // Page 3: the right-hand fields end at 772, their captions 5 pixels before them.
  for (int slot : {slot::noteSize, slot::chartDuration}) {
    EXPECT_FLOAT_EQ(field(slot).x + field(slot).width, 772);
  }
  EXPECT_FLOAT_EQ(form->labels[label::noteSize].x, field(slot::noteSize).x - 5);
  EXPECT_FLOAT_EQ(form->checkBoxes[box::pauseShadow].x, 194 + l.Lp);
  // Page 4: the score fields, the obtained box and its selector.
  for (int slot : {slot::originalScore, slot::addedScore, slot::resultFullScore}) {
    EXPECT_FLOAT_EQ(field(slot).width, l.Lz + 12);
  }
  EXPECT_FLOAT_EQ(field(slot::obtainedText).width, l.Lg + 20);
  EXPECT_FLOAT_EQ(form->labels[label::obtainedType].x, 267 + l.Lg);
  EXPECT_FLOAT_EQ(field(slot::obtainedContent).width, l.Lm + 20);
  // Page 5: the narrower column and the colour triples.
  EXPECT_FLOAT_EQ(field(slot::judgeLineThickness).width, l.Ls - 80);
  EXPECT_FLOAT_EQ(field(slot::pauseUiScale).width, 2 * (l.Lc + 20));
  EXPECT_FLOAT_EQ(field(slot::judgeLineColorB).x, 330 + 2 * (l.Lc + 20));
  EXPECT_FLOAT_EQ(field(slot::hitEffectColorG).x, 330 + l.Lc + 20);
}

}  // namespace
}  // namespace zarq
