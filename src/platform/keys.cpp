#include "platform/keys.h"

#include <algorithm>

namespace zarq {
namespace {

struct ActingKey {
  char32_t name;
  Key key;
};

// The keys that act as they are released, the caret and slider keys also as they repeat.
constexpr ActingKey kActingKeys[] = {
    {key_name::kLeft, Key::Left},         {key_name::kRight, Key::Right},
    {key_name::kHome, Key::Home},         {key_name::kEnd, Key::End},
    {key_name::kDelete, Key::Delete},     {key_name::kUp, Key::Up},
    {key_name::kDown, Key::Down},         {key_name::kPageUp, Key::PageUp},
    {key_name::kPageDown, Key::PageDown}, {key_name::kSpace, Key::Space},
    {key_name::kEnter, Key::Enter},       {key_name::kF1, Key::F1},
    {key_name::kF10, Key::F10},           {key_name::kMenu, Key::Menu},
};

bool isLatinLetterOrDigit(char32_t c) {
  return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9');
}

bool isPrintableAscii(char32_t c) { return c >= 0x20 && c <= 0x7E; }

// Printable: neither a control character nor the name of a key that types nothing.
bool isPrintable(char32_t c) {
  if (c >= key_name::keypadKey(0) && c <= key_name::keypadKey(0x7F)) c -= key_name::keypadKey(0);
  return c >= 0x20 && c != 0x7F;
}

// The Latin letter or digit of a pair of levels, unshifted first; 0 if neither is one.
char32_t latinOf(const std::array<char32_t, 2>& levels) {
  for (const char32_t c : levels) {
    if (isLatinLetterOrDigit(c)) return keyNamed(c);
  }
  return 0;
}

}  // namespace

char32_t keyNamed(char32_t c) {
  if (c >= u'a' && c <= u'z') return c - (u'a' - u'A');
  return c == u'=' ? key_name::kPlus : c;
}

KeyStroke keyStrokeOn(char32_t key, Modifiers mods) {
  if (mods.alt) return {};
  for (const ActingKey& k : kActingKeys) {
    if (k.name == key) return {k.key, mods.shift, mods.ctrl};
  }
  return {};
}

std::optional<char16_t> controlCharacterOn(char32_t key, Modifiers mods) {
  if (mods.ctrl || mods.alt) return std::nullopt;
  switch (key) {
    case key_name::kBackspace:
    case key_name::kTab:
    case key_name::kEnter:
    case key_name::kEscape:
      return static_cast<char16_t>(key);
    default:
      return std::nullopt;
  }
}

char32_t acceleratorKey(const KeyOnLayouts& key) {
  if (key.groups.empty()) return keyNamed(key.usKey);
  const std::array<char32_t, 2>& own =
      key.groups[std::clamp<std::size_t>(key.group, 0, key.groups.size() - 1)];
  if (const char32_t latin = latinOf(own)) return latin;
  // Punctuation of a Latin layout and keys that type nothing are what the layout says.
  if (!isPrintable(own[0]) || isPrintableAscii(own[0]) || isPrintableAscii(own[1])) {
    return keyNamed(own[0]);
  }
  for (const std::array<char32_t, 2>& levels : key.groups) {
    if (const char32_t latin = latinOf(levels)) return latin;
  }
  return key.usKey ? keyNamed(key.usKey) : own[0];
}

}  // namespace zarq
