#pragma once
// The keys of the keyboard as the editor names them, whatever the desktop. A back end names
// each key it gets (a keysym, a virtual key) by what it is in this vocabulary, and everything
// the editor does with a key is decided here from that name: which keys act as they are
// released or repeat, which type control characters, and which an accelerator sees.
//
// A key that types printable ASCII is named by that character, a letter in upper case; the
// four keys that type control characters by those characters; the keys that type nothing by
// the names below. A key of the keypad that types a character is a key of its own, no digit
// key as on Windows: it is named by that character moved into the private use area.

#include <array>
#include <optional>
#include <vector>

#include "platform/platform.h"

namespace zarq {

namespace key_name {
inline constexpr char32_t kBackspace = 8;
inline constexpr char32_t kTab = 9;
inline constexpr char32_t kEnter = 13;
inline constexpr char32_t kEscape = 27;
inline constexpr char32_t kSpace = u' ';
// The key that types "+", shifted or not (on a US keyboard "=" with "+" above it).
inline constexpr char32_t kPlus = u'+';
inline constexpr char32_t kMinus = u'-';
// The keys that type nothing, in the private use area.
inline constexpr char32_t kLeft = 0xE000;
inline constexpr char32_t kRight = 0xE001;
inline constexpr char32_t kHome = 0xE002;
inline constexpr char32_t kEnd = 0xE003;
inline constexpr char32_t kDelete = 0xE004;
inline constexpr char32_t kUp = 0xE005;
inline constexpr char32_t kDown = 0xE006;
inline constexpr char32_t kPageUp = 0xE007;
inline constexpr char32_t kPageDown = 0xE008;
inline constexpr char32_t kF1 = 0xE009;
inline constexpr char32_t kF10 = 0xE00A;
inline constexpr char32_t kMenu = 0xE00B;
inline constexpr char32_t keypadKey(char32_t typed) { return 0xE000 + typed; }
inline constexpr char32_t kKeypadPlus = keypadKey(u'+');
inline constexpr char32_t kKeypadMinus = keypadKey(u'-');
}  // namespace key_name

// The modifiers held with a key; Super, Num Lock and the like play no part.
struct Modifiers {
  bool ctrl = false;
  bool shift = false;
  bool alt = false;
};

// The name of a key that types `c`, or is already so named: a letter in upper case, "=" the
// plus key's.
char32_t keyNamed(char32_t c);

// The key handler's view of a key that acts as it is released or repeats (the caret keys, the
// slider keys, Space, Enter, F1, F10 and the context-menu key), with Shift and Ctrl; with Alt
// held no key is the editor's.
KeyStroke keyStrokeOn(char32_t key, Modifiers mods);

// Backspace, Tab, Enter and Escape type the characters 8, 9, 13 and 27 as they go down. With
// Ctrl or Alt held they type nothing the editor would take.
std::optional<char16_t> controlCharacterOn(char32_t key, Modifiers mods);

// What one physical key gives in each layout group of the keyboard at its first two levels
// (unshifted, shifted), each level as the name of the key it gives or, for a letter of another
// script, that letter; 0 where it gives nothing.
struct KeyOnLayouts {
  std::vector<std::array<char32_t, 2>> groups;
  int group = 0;       // the group in use
  char32_t usKey = 0;  // what the key at this place is on a US keyboard; 0 if unknown
};

// The key an accelerator sees: accelerators go by the key's place, as on Windows, so Ctrl+1 is
// the key of "1" on AZERTY too (where it types "&" unshifted) and Ctrl+S the key of "S" on a
// Russian layout (where it types "ы"). A Latin letter or digit the key gives in the group in
// use, unshifted or else shifted; any other key that gives ASCII or nothing printable
// (punctuation, Enter, F1, ...) as the group gives it; and a key that gives a letter of another
// script as it is in the first group that gives a Latin letter or digit for it, else as on a
// US keyboard.
char32_t acceleratorKey(const KeyOnLayouts& key);

}  // namespace zarq
