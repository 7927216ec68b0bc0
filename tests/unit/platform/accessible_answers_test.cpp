#include "platform/accessible_answers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <type_traits>

namespace zarq {
namespace {

// "a😀b": four units, three characters.
AccessibleControl field() {
  AccessibleControl c;
  c.id = {ControlRef::Kind::Field, 3};
  c.value = u"a😀b";
  c.caret = 3;
  c.selectionStart = 1;
  c.selectionEnd = 3;
  return c;
}

// A back end's column has one word for each role, no fewer.
static_assert(!std::is_constructible_v<RoleColumn<int>, int, int, int, int, int, int>);
static_assert(RoleColumn<int>{0, 1, 2, 3, 4, 5, 6}[AccessibleRole::Alert] == 6);

TEST(AccessibleAnswersTest, ATextIsAnsweredInWholeCharactersKeptWithinIt) {
  const AccessibleControl c = field();
  EXPECT_EQ(characterCount(c), 3);
  EXPECT_EQ(caretCharacter(c), 2);
  EXPECT_EQ(selectedCharacters(c), std::pair(1, 2));
  AccessibleControl none = c;
  none.selectionEnd = none.selectionStart;
  EXPECT_EQ(selectedCharacters(none), std::nullopt);
  const struct {
    int from, to;
    TextView text;
  } ranges[] = {{0, -1, u"a😀b"}, {1, 2, u"😀"}, {2, 9, u"b"}, {5, 9, u""}, {-3, 1, u"a"}};
  for (const auto& r : ranges) EXPECT_EQ(charactersBetween(c, r.from, r.to), r.text) << r.from;
  EXPECT_EQ(characterAt(c, 1), U'😀');
  EXPECT_EQ(characterAt(c, 3), 0u);
  EXPECT_EQ(characterAt(c, -1), 0u);
  const AccessibleEvent inserted{AccessibleChange::TextInserted, c.id, false, 3, u"😀b"};
  EXPECT_EQ(changedCharacters(c, inserted), std::pair(2, 2));
}

TEST(AccessibleAnswersTest, EditsBecomeUnitsAndAnInsertionOutsideGoesToTheNearerEnd) {
  const AccessibleControl c = field();
  const ToolRequest whole = editOfCharacters(c, 0, -1, u"x");
  EXPECT_EQ(whole.control, c.id);
  EXPECT_EQ(std::pair(whole.from, whole.to), std::pair(0, 4));
  const ToolRequest pair = editOfCharacters(c, 1, 2, u"");
  EXPECT_EQ(std::pair(pair.from, pair.to), std::pair(1, 3));
  const struct { int at, unit, after; } insertions[] = {{9, 4, 5}, {-2, 0, 2}, {2, 3, 4}};
  for (const auto& i : insertions) {
    const auto [request, after] = insertionAt(c, i.at, u"😁z");
    EXPECT_EQ(std::pair(request.from, request.to), std::pair(i.unit, i.unit)) << i.at;
    EXPECT_EQ(request.text, u"😁z");
    EXPECT_EQ(after, i.after) << i.at;
  }
}

TEST(AccessibleAnswersTest, StateSetsOfControlsPagesAndChoices) {
  using S = AccessibleState;
  AccessibleControl slider;
  slider.role = AccessibleRole::Slider;
  slider.focusable = true;
  const struct {
    AccessibleStates states;
    std::vector<S> on;
  } sets[] = {
      {statesOf(slider), {S::Enabled, S::Focusable, S::Horizontal}},
      {pageStates(true), {S::Enabled, S::Focusable, S::Focused}},
      {pageStates(false), {S::Enabled, S::Focusable}},
      {choiceStates(true), {S::Enabled, S::Selectable, S::Selected}},
      {choiceStates(false).set(S::Enabled, false), {S::Selectable}},
  };
  for (std::size_t i = 0; i < std::size(sets); ++i) {
    for (std::size_t state = 0; state < kAccessibleStates; ++state) {
      const auto s = static_cast<S>(state);
      const auto& on = sets[i].on;
      EXPECT_EQ(sets[i].states.has(s), std::find(on.begin(), on.end(), s) != on.end())
          << "set " << i << ", state " << state;
    }
  }
}

TEST(AccessibleAnswersTest, ChildrenThatWentAreToldLastFirstThenThoseThatCame) {
  std::vector<std::tuple<bool, std::size_t, int>> told;
  eachChildChange(
      std::vector{1, 2, 3, 6}, std::vector{2, 4, 3, 5},
      [&told](bool added, std::size_t i, int child) { told.emplace_back(added, i, child); });
  const std::vector<std::tuple<bool, std::size_t, int>> expected = {
      {false, 3, 6}, {false, 0, 1}, {true, 1, 4}, {true, 3, 5}};
  EXPECT_EQ(told, expected);
}

TEST(AccessibleAnswersTest, PlacesChoicesAndRefusals) {
  const PixelBox box = pixelBox({1.5f, 2.2f, 3.1f, 4});
  EXPECT_EQ(std::tuple(box.x, box.y, box.width, box.height), std::tuple(1, 2, 4, 4));

  AccessibleControl selector;
  selector.choices = {u"Data", u"头像"};
  for (const auto& [amount, chosen] : {std::pair(1.0, 1), {2.0, -1}, {-1.0, -1}}) {
    selector.amount = amount;
    EXPECT_EQ(chosenChoice(selector), chosen) << amount;
  }

  AccessibleControl box2;
  box2.role = AccessibleRole::CheckBox;
  box2.enabled = false;
  EXPECT_TRUE(hasState(box2, AccessibleState::Unavailable));
  int taken = 0;
  const RequestSink sink = [&taken](const ToolRequest&) { ++taken; };
  const ToolRequest click{ToolRequest::Kind::Activate, box2.id, 0, 0, {}, 0};
  EXPECT_FALSE(offerRequest(box2, click, sink));
  box2.enabled = true;
  EXPECT_FALSE(offerRequest(box2, click, {}));
  EXPECT_TRUE(offerRequest(box2, click, sink));
  EXPECT_EQ(taken, 1);
}

}  // namespace
}  // namespace zarq
