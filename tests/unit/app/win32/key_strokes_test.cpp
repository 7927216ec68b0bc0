#include "app/win32/key_strokes.h"

#include <gtest/gtest.h>

namespace zarq::win32 {
namespace {

TEST(KeyStrokesTest, CaretKeysAndDeleteCarryShiftAndCtrl) {
  const struct {
    WPARAM virtualKey;
    bool shift, ctrl;
    KeyStroke stroke;
  } cases[] = {
      {VK_LEFT, false, false, Key::Left},
      {VK_RIGHT, false, false, Key::Right},
      {VK_HOME, false, false, Key::Home},
      {VK_END, false, false, Key::End},
      {VK_DELETE, false, false, Key::Delete},
      {VK_LEFT, true, false, {Key::Left, true, false}},
      {VK_RIGHT, false, true, {Key::Right, false, true}},
      {VK_HOME, true, true, {Key::Home, true, true}},
      {VK_BACK, false, false, Key::Other},
      {VK_UP, true, false, Key::Other},
      {VK_NUMPAD4, false, false, Key::Other},
      {'A', false, true, Key::Other},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(keyStrokeOf(c.virtualKey, c.shift, c.ctrl), c.stroke) << c.virtualKey;
  }
}

}  // namespace
}  // namespace zarq::win32
