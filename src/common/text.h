#pragma once
// UTF-16 text helpers shared by the whole core. Lengths and limits count UTF-16 units.

#include <cstddef>
#include <string>
#include <string_view>

namespace zarq {

using Text = std::u16string;
using TextView = std::u16string_view;

// Fixed capacities of the form's buffers, in UTF-16 units (the terminator not counted).
inline constexpr std::size_t kFieldTextCapacity = 199;    // a text field's value
inline constexpr std::size_t kVisibleTextCapacity = 99;   // the visible run of a field
inline constexpr std::size_t kCaptionCapacity = 49;       // a label's caption
inline constexpr std::size_t kHelpTextCapacity = 499;     // a label's help text
inline constexpr std::size_t kStatusCapacity = 99;        // a bubble's status line
inline constexpr std::size_t kSpeechCapacity = 499;       // a bubble's speech
inline constexpr std::size_t kOptionTextCapacity = 9;     // an option box's text
inline constexpr std::size_t kTypedTextLimit = 150;       // typing stops at this length
inline constexpr std::size_t kPasteLimit = 99;            // longest clipboard text pasted
inline constexpr std::size_t kScannedValueCapacity = 99;  // a string value read from a chart

// A character outside the Basic Multilingual Plane is two units, a high then a low surrogate.
constexpr bool isHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
constexpr bool isLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// Whether a cut or a caret at `pos` would fall between the two units of a surrogate pair.
constexpr bool splitsPair(TextView text, std::size_t pos) {
  return pos > 0 && pos < text.size() && isHighSurrogate(text[pos - 1]) &&
         isLowSurrogate(text[pos]);
}

// The position one whole character before or after `pos` (clamped to the text): a step
// over a surrogate pair is two units, over anything else (a lone surrogate included) one.
constexpr std::size_t previousCharacter(TextView text, std::size_t pos) {
  if (pos > text.size()) pos = text.size();
  if (pos == 0) return 0;
  return splitsPair(text, pos - 1) ? pos - 2 : pos - 1;
}
constexpr std::size_t nextCharacter(TextView text, std::size_t pos) {
  if (pos >= text.size()) return text.size();
  return splitsPair(text, pos + 1) ? pos + 2 : pos + 1;
}

// `pos` clamped to the text and moved back off the middle of a surrogate pair: the nearest
// place at or before it where a caret may stand or a cut may fall.
constexpr std::size_t characterBoundary(TextView text, std::size_t pos) {
  if (pos > text.size()) pos = text.size();
  return splitsPair(text, pos) ? pos - 1 : pos;
}

// The character starting at unit `pos`: a surrogate pair's code point, or the unit itself.
constexpr char32_t codePointAt(TextView text, std::size_t pos) {
  if (pos + 1 < text.size() && isHighSurrogate(text[pos]) && isLowSurrogate(text[pos + 1])) {
    return 0x10000 + ((char32_t(text[pos]) - 0xD800) << 10) + (char32_t(text[pos + 1]) - 0xDC00);
  }
  return text[pos];
}

// The first `capacity` units of `text`, one fewer where the last would be half a character:
// the one place where a buffer's capacity is enforced.
inline Text capped(TextView text, std::size_t capacity) {
  return Text(text.substr(0, characterBoundary(text, capacity)));
}

// Text from a UTF-16 literal or view, for readability at call sites.
inline Text text(TextView view) { return Text(view); }

}  // namespace zarq
