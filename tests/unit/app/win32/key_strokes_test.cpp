#include "app/win32/key_strokes.h"

#include <gtest/gtest.h>

namespace zarq::win32 {
namespace {

// What a key does is the core's (platform/keys.h); here, the names virtual keys reach.
TEST(KeyStrokesTest, VirtualKeysAreNamedAndBack) {
  const struct {
    WORD virtualKey;
    char32_t name;
  } cases[] = {
      {'A', u'A'},
      {'7', u'7'},
      {VK_LEFT, key_name::kLeft},
      {VK_NEXT, key_name::kPageDown},
      {VK_RETURN, key_name::kEnter},
      {VK_APPS, key_name::kMenu},
      {VK_OEM_PLUS, key_name::kPlus},
      {VK_SUBTRACT, key_name::kKeypadMinus},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(keyNameOf(c.virtualKey), c.name) << c.virtualKey;
    EXPECT_EQ(virtualKeyOf(c.name), c.virtualKey) << c.virtualKey;
  }
  EXPECT_EQ(keyNameOf(VK_NUMPAD4), 0u);  // 'd' as a character: no letter key
  EXPECT_EQ(keyStrokeOf(VK_HOME, true, true), KeyStroke(Key::Home, true, true));
}

}  // namespace
}  // namespace zarq::win32
