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

// The first `capacity` units of `text`: the one place where a buffer's capacity is enforced.
inline Text capped(TextView text, std::size_t capacity) { return Text(text.substr(0, capacity)); }

// Text from a UTF-16 literal or view, for readability at call sites.
inline Text text(TextView view) { return Text(view); }

}  // namespace zarq
