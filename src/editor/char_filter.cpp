#include "editor/char_filter.h"

#include "common/printable.h"
#include "form/field_table.h"

namespace zarq {
namespace {

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool isUpper(char16_t c) { return c >= u'A' && c <= u'Z'; }
bool isLower(char16_t c) { return c >= u'a' && c <= u'z'; }

constexpr char16_t kFullWidthColon = 0xFF1A;
constexpr char16_t kIdeographicFullStop = 0x3002;

}  // namespace

FilteredChar filterTypedChar(const TextField& field, int slot, TextView character) {
  const FilteredChar refuse{CharVerdict::Refuse, Text(character)};
  // A pair is no digit, colon or letter: it is the first unit that the filters refuse.
  char16_t unit = character[0];
  if (!isPrintable(unit)) return {CharVerdict::Ignore, Text(character)};
  const FieldRow& row = fieldRow(slot);
  if (field.typingRefusedAtCaret()) return refuse;
  if (row.filters & kRatio) {
    if (unit == kFullWidthColon) unit = u':';
    if (!isDigit(unit) && unit != u':') return refuse;
  }
  if (row.filters & kNumber) {
    if (unit == kIdeographicFullStop) unit = u'.';
    const bool point = unit == u'.' && !(row.filters & kInteger);
    if (!isDigit(unit) && !point) return refuse;
  }
  if (field.text.size() + character.size() > kTypedTextLimit) return refuse;
  if (row.filters & kSuffix) {
    if (isLower(unit)) unit = static_cast<char16_t>(unit - u'a' + u'A');
    if (!isUpper(unit) && !isDigit(unit)) return refuse;
  }
  if (character.size() > 1) return {CharVerdict::Insert, Text(character)};
  return {CharVerdict::Insert, Text(1, unit)};
}

}  // namespace zarq
