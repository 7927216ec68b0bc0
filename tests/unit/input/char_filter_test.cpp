#include "input/char_filter.h"

#include <gtest/gtest.h>

#include "form/form_ids.h"
#include "input/printable.h"

namespace zarq {
namespace {

TEST(PrintableTest, ControlCharactersAreNotPrintableEverythingElseIs) {
  const struct {
    char16_t unit;
    bool printable;
  } cases[] = {
      {0x00, false},  {0x08, false},  {0x0A, false},   {0x1F, false},   {0x7F, false},
      {0x85, false},  {0x9F, false},  {0x2028, false}, {0xFFFF, false}, {u' ', true},
      {u'~', true},   {0xA0, true},   {u'秒', true},   {0x3000, true},  {0xFF1A, true},
      {0xD83D, true}, {0xDE00, true}, {0xE000, true},  {0xFFFD, true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(isPrintableUnit(c.unit), c.printable) << std::hex << static_cast<int>(c.unit);
  }
}

TEST(CharFilterTest, EachFieldKindAcceptsConvertsOrRefuses) {
  constexpr unsigned N = 1, I = 2;
  const struct {
    int slot;
    unsigned flags;
    const char16_t* text;
    int caret;
    char16_t typed;
    CharVerdict verdict;
    char16_t inserted;
  } cases[] = {
      {slot::songName, 0, u"", 0, u'曲', CharVerdict::Insert, u'曲'},
      {slot::songName, 0, u"", 0, 0x01, CharVerdict::Ignore, 0},
      {slot::songName, 0, u"", 0, 0xD83D, CharVerdict::Insert, 0xD83D},  // half of an emoji
      {slot::level, N | I, u"1", 1, u'5', CharVerdict::Insert, u'5'},
      {slot::level, N | I, u"1", 1, u'.', CharVerdict::Refuse, 0},
      {slot::level, N | I, u"1", 1, 0x3002, CharVerdict::Refuse, 0},
      {slot::noteSize, N, u"1", 1, 0x3002, CharVerdict::Insert, u'.'},
      {slot::noteSize, N, u"1.", 2, u'.', CharVerdict::Insert, u'.'},  // a second point passes
      {slot::noteSize, N, u"1", 1, u'-', CharVerdict::Refuse, 0},
      {slot::noteSize, N, u"1", 1, u'a', CharVerdict::Refuse, 0},
      {slot::aspectRatio, 0, u"16", 2, 0xFF1A, CharVerdict::Insert, u':'},
      {slot::aspectRatio, 0, u"16", 2, u'/', CharVerdict::Refuse, 0},
      {slot::illustrationExt, 0, u"", 0, u'p', CharVerdict::Insert, u'P'},
      {slot::illustrationExt, 0, u"", 0, u'4', CharVerdict::Insert, u'4'},
      {slot::illustrationExt, 0, u"", 0, u'.', CharVerdict::Refuse, 0},
      {slot::chartDuration, N, u"60秒", 2, u'1', CharVerdict::Insert, u'1'},
      {slot::chartDuration, N, u"60秒", 3, u'1', CharVerdict::Refuse, 0},  // after the unit
  };
  for (const auto& c : cases) {
    TextField field;
    field.init(0, 0, 100, 30, c.text, Align::Near, c.flags & N, c.flags & I, false);
    field.caret = static_cast<std::int16_t>(c.caret);
    const FilteredChar result = filterTypedChar(field, c.slot, c.typed);
    EXPECT_EQ(result.verdict, c.verdict) << c.slot << " " << static_cast<int>(c.typed);
    if (c.verdict == CharVerdict::Insert) EXPECT_EQ(result.unit, c.inserted) << c.slot;
  }
}

TEST(CharFilterTest, NothingIsTypedPast150Units) {
  TextField field;
  field.init(0, 0, 100, 30, Text(149, u'a'), Align::Near, false, false, false);
  EXPECT_EQ(filterTypedChar(field, slot::songName, u'b').verdict, CharVerdict::Insert);
  field.setText(Text(150, u'a'));
  EXPECT_EQ(filterTypedChar(field, slot::songName, u'b').verdict, CharVerdict::Refuse);
}

}  // namespace
}  // namespace zarq
