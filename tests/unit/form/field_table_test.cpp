#include "form/field_table.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "editor/pages.h"
#include "form/control_dependencies.h"
#include "support/form_fixture.h"

namespace zarq {
namespace {

struct Rect {
  float left, top, right, bottom;
  std::string what;
};

// Edges that meet are no overlap; neither is a sum of floats a rounding step past its
// neighbour's edge.
bool overlap(const Rect& a, const Rect& b) {
  constexpr float kSlack = 0.01f;
  return a.left + kSlack < b.right && b.left + kSlack < a.right && a.top + kSlack < b.bottom &&
         b.top + kSlack < a.bottom;
}

class FieldTableTest : public testing::FormTest {
 protected:
  // Every box that shows or enables something ticked, and an obtained type chosen: every
  // field of every page is on view.
  void showEverything() {
    setObtainedType(*form, u"Data");
    for (int box : {box::scoreIncrease, box::songNameSplit, box::obtainedSplit}) {
      form->checkBoxes[box].setChecked(true);
    }
    applyControlDependencies(*form);
  }

  // What page `page` shows, as the rectangles the pointer and the eye meet.
  std::vector<Rect> shownControls() {
    std::vector<Rect> out;
    for (int i = 0; i < kFieldCount; ++i) {
      const TextField& f = form->fields[i];
      if (f.shown()) out.push_back({f.x, f.y, f.x + f.width, f.y + f.height, "slot " + id(i)});
    }
    for (int i = 0; i < kLabelCount; ++i) {
      const FieldLabel& l = form->labels[i];
      if (!l.shown()) continue;
      const float t = form->metrics.measureTextTight(l.caption, l.size);
      const float left = l.anchor == Align::Near     ? l.x
                         : l.anchor == Align::Centre ? l.x - t / 2
                                                     : l.x - t;
      out.push_back({left, l.y, left + t, l.y + l.size, "label " + id(i)});
    }
    for (int i = 0; i < kCheckBoxCount; ++i) {
      const CheckBox& b = form->checkBoxes[i];
      const float h = b.size / 2;
      if (b.shown()) out.push_back({b.x - h, b.y - h, b.x + h, b.y + h, "box " + id(i)});
    }
    for (int i = 0; i < kSliderCount; ++i) {
      const Slider& s = form->sliders[i];
      const float h = s.width / 2 + 3;  // the knob's travel
      if (s.shown()) out.push_back({s.x - h, s.y - 3, s.x + h, s.y + 3, "slider " + id(i)});
    }
    for (int i = 0; i < kOptionPairCount; ++i) {
      const OptionPair& p = form->optionPairs[i];
      if (!p.shown()) continue;
      const float second = p.x + p.width1 + p.gap;
      out.push_back({p.x, p.y, p.x + p.width1, p.y + p.height, "option pair " + id(i)});
      out.push_back({second, p.y, second + p.width2, p.y + p.height, "option pair " + id(i)});
    }
    return out;
  }

  static std::string id(int i) { return std::to_string(i); }
};

TEST_F(FieldTableTest, EachSlotAndEachControlIsOnExactlyOnePage) {
  showEverything();
  std::map<std::string, std::set<int>> pagesOf;
  for (int page = 1; page <= kPageCount; ++page) {
    showPage(*form, page);
    for (const Rect& control : shownControls()) pagesOf[control.what].insert(page);
    for (const FieldRow& row : fieldRows()) {
      EXPECT_EQ(form->fields[row.slot].shown(), row.page == page) << row.name << " " << page;
    }
  }
  for (const auto& [control, pages] : pagesOf) EXPECT_EQ(pages.size(), 1u) << control;
  EXPECT_EQ(pagesOf.size(),
            (kFieldCount - 1) + kLabelCount + kCheckBoxCount + kSliderCount + kOptionPairCount);
  EXPECT_EQ(fieldRow(slot::outputPath).page, 0);
}

TEST_F(FieldTableTest, NoTwoControlsOfAPageOverlapAndAllLieInTheWindow) {
  const std::function<void()> states[] = {[] {}, [this] { showEverything(); }};
  for (const auto& state : states) {
    state();
    for (int page = 1; page <= kPageCount; ++page) {
      showPage(*form, page);
      const std::vector<Rect> controls = shownControls();
      for (std::size_t i = 0; i < controls.size(); ++i) {
        const Rect& a = controls[i];
        EXPECT_TRUE(a.left >= 0 && a.top >= 0 && a.right <= 944 && a.bottom <= 681)
            << a.what << " on page " << page;
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
          EXPECT_FALSE(overlap(a, controls[j]))
              << a.what << " and " << controls[j].what << " on page " << page;
        }
      }
    }
  }
}

TEST_F(FieldTableTest, NamesAreUniqueAcrossEveryKindOfControl) {
  std::set<std::string> names;
  std::size_t count = 0;
  const auto add = [&](const std::string& name) {
    EXPECT_FALSE(name.empty());
    names.insert(name);
    ++count;
  };
  for (const FieldRow& row : fieldRows()) add(row.name);
  for (const CheckBoxRow& row : checkBoxRows()) add(row.name);
  for (const SliderRow& row : sliderRows()) add(std::string(fieldRow(row.slot).name) + "Slider");
  for (const OptionPairRow& row : optionPairRows()) add(row.name);
  EXPECT_EQ(names.size(), count);
}

TEST_F(FieldTableTest, EveryShownFieldAndEveryCaptionHasAHelpText) {
  for (const FieldRow& row : fieldRows()) {
    EXPECT_TRUE(row.page == 0 || !row.help.empty()) << row.name;
  }
  for (int i = 0; i < kLabelCount; ++i) {
    EXPECT_FALSE(form->labels[i].caption.empty()) << i;
    EXPECT_FALSE(form->labels[i].helpText.empty()) << i;
  }
}

// A place computes as the layout's own float expression does, so that it lands on the same
// pixels: the multiple of the width first, then the sum.
TEST(CoordTest, ComputesAsTheLayoutExpressionDoes) {
  const struct {
    Coord coord;
    float (*expected)(const FormLayout&);
  } cases[] = {
      {230 + 5 * Lw / 8, [](const FormLayout& l) { return 230 + 5 * l.Lw() / 8; }},
      {230 + 13 * Lw / 16, [](const FormLayout& l) { return 230 + 13 * l.Lw() / 16; }},
      {Lw / 8, [](const FormLayout& l) { return l.Lw() / 8; }},
      {757 - durationWidth, [](const FormLayout& l) { return 757 - l.durationWidth; }},
      {durationWidth + 15, [](const FormLayout& l) { return l.durationWidth + 15; }},
      {330 + 2 * Lk, [](const FormLayout& l) { return 330 + 2 * l.Lk(); }},
      {Lo, [](const FormLayout& l) { return l.Lo(); }},
      {267 + Lg, [](const FormLayout& l) { return 267 + l.Lg; }},
      {127.5f, [](const FormLayout&) { return 127.5f; }},
  };
  for (float width : {0.0f, 0.1f, 95.83f, 481.377f, 1234.5678f}) {
    const FormLayout layout{width, width, width, width, width, width, width};
    for (const auto& c : cases) EXPECT_EQ(c.coord.at(layout), c.expected(layout)) << width;
  }
}

}  // namespace
}  // namespace zarq
