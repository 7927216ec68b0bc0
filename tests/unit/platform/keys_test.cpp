#include "platform/keys.h"

#include <gtest/gtest.h>

namespace zarq {
namespace {

using namespace key_name;

constexpr Modifiers kCtrl{.ctrl = true};
constexpr Modifiers kShift{.shift = true};
constexpr Modifiers kAlt{.alt = true};

TEST(KeysTest, KeysThatActWhenReleasedCarryShiftAndCtrlButNotAlt) {
  const struct {
    char32_t key;
    Modifiers mods;
    KeyStroke stroke;
  } cases[] = {
      {kLeft, {}, Key::Left},
      {kDelete, {}, Key::Delete},
      {kPageDown, {}, Key::PageDown},
      {kSpace, {}, Key::Space},
      {kEnter, {}, Key::Enter},
      {kMenu, {}, Key::Menu},
      {kLeft, kShift, {Key::Left, true, false}},
      {kRight, kCtrl, {Key::Right, false, true}},
      {kEnd, {.ctrl = true, .shift = true}, {Key::End, true, true}},
      {kF10, kShift, {Key::F10, true, false}},
      {kDelete, kAlt, Key::Other},
      {kF10, {.shift = true, .alt = true}, Key::Other},
      {kBackspace, {}, Key::Other},
      {kTab, {}, Key::Other},
      {u's', kShift, Key::Other},
      {0, {}, Key::Other},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(keyStrokeOn(c.key, c.mods), c.stroke) << static_cast<int>(c.key);
  }
}

TEST(KeysTest, FourKeysTypeControlCharactersUnlessCtrlOrAltIsHeld) {
  const struct {
    char32_t key;
    Modifiers mods;
    std::optional<char16_t> unit;
  } cases[] = {
      {kBackspace, {}, 8}, {kTab, {}, 9},           {kEnter, kShift, 13},
      {kEscape, {}, 27},   {kBackspace, kCtrl, {}}, {kTab, kAlt, {}},
      {kDelete, {}, {}},   {kSpace, {}, {}},        {u'A', {}, {}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(controlCharacterOn(c.key, c.mods), c.unit) << static_cast<int>(c.key);
  }
}

// What some layouts give on a few keys (levels: unshifted, shifted), and the key an
// accelerator must see there.
TEST(KeysTest, AcceleratorsGoByTheKeysPlaceOnEveryLayout) {
  const struct {
    const char* what;
    KeyOnLayouts key;
    char32_t expected;
  } cases[] = {
      {"US S", {{{u's', u'S'}}, 0, u's'}, u'S'},
      {"US =", {{{u'=', u'+'}}, 0, u'='}, kPlus},
      // AZERTY: the digits are shifted; "é" sits on the key of "2".
      {"AZERTY 1", {{{u'&', u'1'}}, 0, u'1'}, u'1'},
      {"AZERTY 2", {{{U'é', u'2'}}, 0, u'2'}, u'2'},
      // Letters go by what they are, wherever they lie: A where US has Q.
      {"AZERTY A", {{{u'a', u'A'}}, 0, u'q'}, u'A'},
      {"AZERTY comma", {{{u',', u'?'}}, 0, u'm'}, u','},
      {"QWERTZ sharp s", {{{U'ß', u'?'}}, 0, u'-'}, U'ß'},
      // Russian alone: the letters of another script go by the US keyboard.
      {"ru S", {{{U'ы', U'Ы'}}, 0, u's'}, u'S'},
      {"ru period", {{{u'.', u','}}, 0, u'/'}, u'.'},
      // Russian beside a Latin layout: the Latin group's letter, whichever group is first.
      {"us,ru in ru", {{{u'v', u'V'}, {U'м', U'М'}}, 1, u'v'}, u'V'},
      {"ru,de in ru", {{{U'я', U'Я'}, {u'y', u'Y'}}, 0, u'z'}, u'Y'},
      // Keys that type nothing are themselves on every layout.
      {"ru Home", {{{kHome, 0}}, 0, kHome}, kHome},
      {"keypad plus", {{{kKeypadPlus, kKeypadPlus}}, 0, kKeypadPlus}, kKeypadPlus},
      {"keypad 7", {{{kHome, keypadKey(u'7')}}, 0, kHome}, kHome},
      // A keymap without the key, or a US keyboard that does not know it.
      {"no groups", {{}, 0, u'o'}, u'O'},
      {"ru, unknown place", {{{U'а', 0}}, 0, 0}, U'а'},
      {"group out of range", {{{u's', u'S'}}, 3, u's'}, u'S'},
  };
  for (const auto& c : cases) EXPECT_EQ(acceleratorKey(c.key), c.expected) << c.what;
}

}  // namespace
}  // namespace zarq
